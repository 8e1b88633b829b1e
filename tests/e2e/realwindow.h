#pragma once

#include "app/frmFonts.h"
#include "platform/qtfonts.h"
#include "platform/qtprinter.h"
#include "tests/e2e/cupssandbox.h"
#include "tests/support/fakes.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <memory>
#include <vector>

namespace vantreel::testing {

// The real window on the real screen fonts and the real printer (the print system's default
// printer). Message boxes are scripted: they record every box, so that a test can tell that
// no box appeared beyond those the program gives, and answer OK without a person.
struct RealWindow {
    QtScreenFonts screen;
    QtPrinter printer;
    ScriptedMessageBoxes messages;
    RecordingProgramEnd programEnd;
    std::unique_ptr<frmFonts> window;

    /// Shows the window and lets its start-up run; @return the milliseconds the start-up took
    qint64 start()
    {
        QElapsedTimer took;
        took.start();
        window = std::make_unique<frmFonts>(frmFonts::Outside{screen, printer, messages, programEnd});
        window->show();
        while (!window->startedUp() && took.elapsed() < 60000)
            QCoreApplication::processEvents();
        return took.elapsed();
    }

    /// Checks one print-size box the way a user does (a click on an unchecked box).
    void checkPrintSize(const char* boxName)
    {
        auto* box = window->findChild<QCheckBox*>(QLatin1String(boxName));
        if (box && !box->isChecked())
            QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
    }

    void typeRange(const QString& start, const QString& end)
    {
        window->txtStartFont.widget()->setText(start);
        window->txtEndFont.widget()->setText(end);
    }

    /// Presses the print button; the whole run happens inside the click.
    /// @return the milliseconds the run took
    qint64 pressPrint()
    {
        QElapsedTimer took;
        took.start();
        QPushButton* button = window->cmdPrintFonts.widget();
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
        return took.elapsed();
    }

    QStringList printerFonts() const
    {
        QStringList names;
        for (int i = 0; i < window->cboFontsPrinter.ListCount(); ++i)
            names.append(window->cboFontsPrinter.List(i));
        return names;
    }
};

// One catalogue entry as read back from the printed documents.
struct ReadEntry {
    int number;
    QString line; // the text after the number, on the number's line
    int document; // 0-based
    int page;     // 0-based, within the document
};

inline QString withoutBlanks(QString text)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    return text.remove(blanks);
}

// The entries of a catalogue, in printed order: every line that begins with a running number.
inline std::vector<ReadEntry> readEntries(const QList<PdfDocument>& documents)
{
    static const QRegularExpression numbered(QStringLiteral("^\\s*(-?\\d+)\\s+(\\S.*)$"));
    std::vector<ReadEntry> entries;
    for (int d = 0; d < documents.size(); ++d) {
        for (int p = 0; p < documents[d].pages; ++p) {
            for (const QString& line : documents[d].pageTexts[p].split(QLatin1Char('\n'))) {
                const auto match = numbered.match(line);
                if (match.hasMatch())
                    entries.push_back({match.captured(1).toInt(), match.captured(2), d, p});
            }
        }
    }
    return entries;
}

} // namespace vantreel::testing
