#include "tests/support/fakes.h"

#include "platform/failure.h"

#include <map>

namespace vantreel::testing {

int FedFonts::FontCount()
{
    if (countFails)
        throw PlatformError("no fonts to count");
    return static_cast<int>(names.size());
}

QString FedFonts::Fonts(int i)
{
    ++reads;
    if (unreadable.count(i) || i < 0 || i >= names.size())
        throw PlatformError("font name cannot be read");
    return names.at(i);
}

bool ScriptedMessageBoxes::show(const QString& prompt, Buttons buttons, const QString& title)
{
    shown.push_back({prompt, buttons, title});
    if (answers.empty())
        return true;
    const bool ok = answers.front();
    answers.pop_front();
    return ok;
}

void RecordingPrinter::call(const QString& what)
{
    calls.append(what);
    if (failEveryCall || failingCalls.count(static_cast<int>(calls.size())))
        throw PlatformError("printer call failed: " + what.toStdString());
}

int RecordingPrinter::FontCount()
{
    call(QStringLiteral("FontCount"));
    if (hasNoPrinter)
        throw PlatformError("no default printer");
    return static_cast<int>(fonts.size());
}

QString RecordingPrinter::Fonts(int i)
{
    call(QStringLiteral("Fonts"));
    return fonts.at(i);
}

void RecordingPrinter::setFontName(const QString& name)
{
    call(QStringLiteral("FontName=") + name);
    fontName_ = name;
}

void RecordingPrinter::setFontSize(float points)
{
    call(QStringLiteral("FontSize=") + QString::number(points));
    points_ = points;
}

void RecordingPrinter::setFontBold(bool bold)
{
    call(QStringLiteral("FontBold"));
    bold_ = bold;
}

void RecordingPrinter::setFontItalic(bool italic)
{
    call(QStringLiteral("FontItalic"));
    italic_ = italic;
}

void RecordingPrinter::setFontUnderline(bool underline)
{
    call(QStringLiteral("FontUnderline"));
    underline_ = underline;
}

float RecordingPrinter::CurrentX()
{
    call(QStringLiteral("CurrentX?"));
    return x_;
}

float RecordingPrinter::CurrentY()
{
    call(QStringLiteral("CurrentY?"));
    return y_;
}

void RecordingPrinter::setCurrentX(float twips)
{
    call(QStringLiteral("CurrentX=") + QString::number(twips));
    x_ = twips;
}

void RecordingPrinter::setCurrentY(float twips)
{
    call(QStringLiteral("CurrentY=") + QString::number(twips));
    y_ = twips;
}

float RecordingPrinter::ScaleHeight()
{
    call(QStringLiteral("ScaleHeight?"));
    return scaleHeight;
}

float RecordingPrinter::TextHeight()
{
    call(QStringLiteral("TextHeight?"));
    return points_ * lineHeightPerPoint;
}

void RecordingPrinter::printNumber(int number, bool endLine)
{
    call(QStringLiteral("PrintNumber"));
    record((number < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + QString::number(qAbs(number)) + QLatin1Char(' '),
           endLine);
}

void RecordingPrinter::printText(const QString& text, bool endLine)
{
    call(QStringLiteral("Print"));
    record(text, endLine);
}

void RecordingPrinter::record(const QString& text, bool endLine)
{
    items.push_back({document_, page_, x_, y_, fontName_, points_, bold_, italic_, underline_, text, endLine});
    if (endLine) {
        x_ = 0;
        y_ += points_ * lineHeightPerPoint;
    } else {
        x_ += static_cast<float>(text.size()) * points_ * charWidthPerPoint;
    }
}

int RecordingPrinter::Page()
{
    call(QStringLiteral("Page?"));
    return page_;
}

void RecordingPrinter::NewPage()
{
    call(QStringLiteral("NewPage"));
    ++newPages;
    ++page_;
    x_ = 0;
    y_ = 0;
}

void RecordingPrinter::EndDoc()
{
    call(QStringLiteral("EndDoc"));
    ++endDocs;
    ++document_;
    page_ = 1;
    x_ = 0;
    y_ = 0;
}

std::vector<int> RecordingPrinter::pagesPerDocument() const
{
    std::map<int, std::set<int>> pages;
    for (const PrintedItem& item : items)
        pages[item.document].insert(item.page);
    std::vector<int> counts;
    for (const auto& [document, pagesOfDocument] : pages)
        counts.push_back(static_cast<int>(pagesOfDocument.size()));
    return counts;
}

QList<int> RecordingPrinter::runningNumbers() const
{
    QList<int> numbers;
    for (const PrintedItem& item : items) {
        if (item.x == 0 && item.fontName == QLatin1String("Arial") && item.text.startsWith(QLatin1Char(' '))
            && item.text.endsWith(QLatin1Char(' ')))
            numbers.append(item.text.trimmed().toInt());
    }
    return numbers;
}

} // namespace vantreel::testing
