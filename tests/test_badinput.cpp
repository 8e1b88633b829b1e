// Input nobody meant to give: odd texts pasted into the range boxes and odd font names.
// Message boxes show such text as plain text, the print request uses it exactly as the box
// holds it, and start-up, preview, slide show and catalogue complete.

#include "platform/qtprinter.h"
#include "tests/support/window.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <optional>

using namespace vantreel;
using namespace vantreel::testing;

namespace {

const QStringList printerFonts { QStringLiteral("Alpha"), QStringLiteral("Bravo"), QStringLiteral("Charlie") };

// Qt's text box keeps at most this many UTF-16 units; a longer paste is cut to it.
constexpr int textBoxLimit = 32767;

QString megabyteOfText()
{
    QString text;
    text.reserve(1 << 20);
    while (text.size() < (1 << 20))
        text += QStringLiteral("Font name pasted by mistake, ");
    text.truncate(1 << 20);
    return text;
}

QString megabyteOfLines()
{
    QString text;
    text.reserve(1 << 20);
    while (text.size() < (1 << 20))
        text += QStringLiteral("line\n");
    text.truncate(1 << 20);
    return text;
}

void paste(QLineEdit* box, const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
}

void clear(QLineEdit* box)
{
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Backspace);
}

// What the real message box showed, read while it is open; then it is closed with OK.
struct OpenBox {
    bool found = false;
    Qt::TextFormat format = Qt::AutoText;
    QString text;
    QString title;
    qint64 millisecondsToShow = -1;
};

OpenBox showRealBox(const QString& prompt, Buttons buttons, const QString& title, QMessageBox::StandardButton answer,
    bool* answeredOk)
{
    OpenBox seen;
    QElapsedTimer clock;
    clock.start();
    QTimer look;
    look.setInterval(0);
    QObject::connect(&look, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        look.stop();
        seen.found = true;
        seen.millisecondsToShow = clock.elapsed();
        seen.format = box->textFormat();
        seen.text = box->text();
        seen.title = box->windowTitle();
        box->button(answer)->click();
    });
    look.start();
    // A box that never opened would wait for an answer forever; this one gives up.
    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, [] {
        if (auto* box = QApplication::activeModalWidget())
            box->close();
    });
    giveUp.start(20000);
    QtMessageBoxes boxes;
    *answeredOk = boxes.show(prompt, buttons, title);
    return seen;
}

// The real printer writing PDF files, offering the names it is fed instead of the fonts installed.
class PdfPrinterOffering : public Printer {
public:
    PdfPrinterOffering(QStringList names, const QString& pdfPathPattern)
        : names_(std::move(names))
        , pdf_(QtPrinter::toPdfFiles(pdfPathPattern))
    {
    }
    int FontCount() override { return int(names_.size()); }
    QString Fonts(int i) override { return names_.at(i); }
    void setFontName(const QString& name) override { pdf_->setFontName(name); }
    void setFontSize(float points) override { pdf_->setFontSize(points); }
    void setFontBold(bool bold) override { pdf_->setFontBold(bold); }
    void setFontItalic(bool italic) override { pdf_->setFontItalic(italic); }
    void setFontUnderline(bool underline) override { pdf_->setFontUnderline(underline); }
    float CurrentX() override { return pdf_->CurrentX(); }
    float CurrentY() override { return pdf_->CurrentY(); }
    void setCurrentX(float twips) override { pdf_->setCurrentX(twips); }
    void setCurrentY(float twips) override { pdf_->setCurrentY(twips); }
    float ScaleHeight() override { return pdf_->ScaleHeight(); }
    float TextHeight() override { return pdf_->TextHeight(); }
    void printNumber(int number, bool endLine) override { pdf_->printNumber(number, endLine); }
    void printText(const QString& text, bool endLine) override { pdf_->printText(text, endLine); }
    int Page() override { return pdf_->Page(); }
    void NewPage() override { pdf_->NewPage(); }
    void EndDoc() override { pdf_->EndDoc(); }
    int documentsReleased() const { return pdf_->documentsReleased(); }

private:
    QStringList names_;
    std::unique_ptr<QtPrinter> pdf_;
};

bool hasLoneSurrogate(const QString& text)
{
    return !QStringView(text).isValidUtf16();
}

} // namespace

class TestBadInput : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QGuiApplication::clipboard()->setText(QStringLiteral("probe"));
        if (QGuiApplication::clipboard()->text() != QLatin1String("probe"))
            QSKIP("this platform has no clipboard to paste from");
    }

    void boxTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("bold markup") << QStringLiteral("<b>x</b>");
        QTest::newRow("image markup") << QStringLiteral("<img src=\"missing.png\" width=4000 height=4000>");
        QTest::newRow("entity") << QStringLiteral("&lt;&amp;&#x202E;");
        QTest::newRow("one megabyte") << megabyteOfText();
        QTest::newRow("one megabyte of lines") << megabyteOfLines();
        QTest::newRow("control characters") << QStringLiteral("a\tb\x01"
                                                              "c\x1b[31md\re\x7f"
                                                              "f")
                + QChar(0) + QStringLiteral("g");
        QTest::newRow("right-to-left") << QStringLiteral(
            "\u05E9\u05DC\u05D5\u05DD \u0645\u0631\u062D\u0628\u0627 \u202Eabc");
        QTest::newRow("emoji") << QStringLiteral("\U0001F389 Fonts \U0001F468\u200D\U0001F469\u200D\U0001F467");
        QTest::newRow("only blanks") << QStringLiteral("   ");
        // The prompt's 1000th unit is the first half of an emoji.
        QTest::newRow("emoji across the shown length")
            << QString(982, QLatin1Char('a')) + QStringLiteral("\U0001F389").repeated(20);
    }

    // The start box takes what is pasted (up to the text box's limit); the request then asks
    // about exactly that text and, matching no font, prints from the entry already selected.
    void pastedIntoStartBox_data() { boxTexts_data(); }

    void pastedIntoStartBox()
    {
        QFETCH(QString, text);
        WindowFixture fixture(printerFonts, printerFonts);
        frmFonts& window = fixture.start();
        paste(window.txtStartFont.widget(), text);

        const QString kept = window.txtStartFont.Text();
        QVERIFY(!kept.isEmpty());
        QVERIFY(kept.size() <= textBoxLimit);
        QCOMPARE(window.cmdPrintFonts.Caption(), QStringLiteral("Print Fonts From Start To End"));

        QTest::mouseClick(window.cmdPrintFonts.widget(), Qt::LeftButton);
        QCOMPARE(fixture.messages.shown.size(), size_t(1));
        QCOMPARE(fixture.messages.shown.at(0).prompt,
            QStringLiteral("Print Fonts From ") + kept + QStringLiteral(" To End Of Fonts?"));
        QCOMPARE(fixture.messages.shown.at(0).title, QStringLiteral("Print Partial Fonts?"));
        QCOMPARE(fixture.printer.runningNumbers(), (QList<int> { 1, 2, 3 }));
        QCOMPARE(window.cboFontsPrinter.ListIndex(), 0);
        QCOMPARE(window.txtStartFont.Text(), kept);
    }

    // An end name that matches nothing resolves to the start font: one entry, no error.
    void pastedIntoEndBox_data() { boxTexts_data(); }

    void pastedIntoEndBox()
    {
        QFETCH(QString, text);
        WindowFixture fixture(printerFonts, printerFonts);
        frmFonts& window = fixture.start();
        QTest::keyClicks(window.txtStartFont.widget(), QStringLiteral("Bravo"));
        paste(window.txtEndFont.widget(), text);
        const QString kept = window.txtEndFont.Text();
        QVERIFY(!kept.isEmpty());

        QTest::mouseClick(window.cmdPrintFonts.widget(), Qt::LeftButton);
        QCOMPARE(fixture.messages.shown.size(), size_t(1));
        QCOMPARE(fixture.messages.shown.at(0).prompt,
            QStringLiteral("Print Fonts From Bravo To ") + kept + QStringLiteral("?"));
        QCOMPARE(fixture.printer.runningNumbers(), QList<int> { 2 });

        clear(window.txtEndFont.widget());
        clear(window.txtStartFont.widget());
        QCOMPARE(window.cmdPrintFonts.Caption(), QStringLiteral("Print All Printer Fonts"));
    }

    // A paste longer than the text box's limit is cut to the limit: no font name is that
    // long, so the cut name matches no entry just as the whole one would not.
    void megabytePasteIsCutToTheLimit()
    {
        WindowFixture fixture(printerFonts, printerFonts);
        frmFonts& window = fixture.start();
        const QString text = megabyteOfText();
        paste(window.txtStartFont.widget(), text);
        QCOMPARE(window.txtStartFont.Text(), text.left(textBoxLimit));
        paste(window.txtStartFont.widget(), QStringLiteral("more"));
        QCOMPARE(window.txtStartFont.Text(), text.left(textBoxLimit));
    }

    // The real message box shows every prompt as plain text and opens at once, whatever
    // the prompt holds; an overlong prompt is shown cut, with a mark that it goes on.
    void realMessageBoxShowsPlainText_data() { boxTexts_data(); }

    void realMessageBoxShowsPlainText()
    {
        QFETCH(QString, text);
        const QString prompt = QStringLiteral("Print Fonts From ") + text + QStringLiteral(" To End Of Fonts?");
        bool ok = true;
        const OpenBox box = showRealBox(
            prompt, Buttons::OkCancel, QStringLiteral("Print Partial Fonts?"), QMessageBox::Cancel, &ok);
        QVERIFY(box.found);
        QVERIFY(!ok);
        QCOMPARE(box.format, Qt::PlainText);
        QCOMPARE(box.title, QStringLiteral("Print Partial Fonts?"));
        qInfo("prompt of %lld characters shown after %lld ms", static_cast<long long>(prompt.size()),
            static_cast<long long>(box.millisecondsToShow));
        if (prompt.size() <= 1000 && prompt.count(QLatin1Char('\n')) < 20) {
            QCOMPARE(box.text, prompt);
        } else {
            QVERIFY(box.text.size() <= 1001);
            QVERIFY(box.text.count(QLatin1Char('\n')) < 20);
            QVERIFY(box.text.endsWith(QChar(0x2026)));
            QVERIFY(prompt.startsWith(box.text.chopped(1)));
        }
        QVERIFY(!hasLoneSurrogate(box.text));
    }

    void realMessageBoxWithoutTitle()
    {
        bool ok = false;
        const OpenBox box = showRealBox(
            QStringLiteral("<i>Number</i> Of Screen Fonts  3"), Buttons::OkOnly, {}, QMessageBox::Ok, &ok);
        QVERIFY(box.found);
        QVERIFY(ok);
        QCOMPARE(box.title, QStringLiteral("Vantreel"));
        QCOMPARE(box.format, Qt::PlainText);
        QCOMPARE(box.text, QStringLiteral("<i>Number</i> Of Screen Fonts  3"));
    }

    // Odd font names, offered by the screen and the printer alike: start-up, picking every
    // font, a slide show over all of them and a catalogue in every size complete, and each
    // entry prints whole characters of its name.
    void oddFontNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("cutTo25");
        QTest::addColumn<QString>("cutTo20");
        const QString fraktur = QStringLiteral("\U0001D509\U0001D52F\U0001D51E");
        QTest::newRow("empty") << QString() << QString() << QString();
        QTest::newRow("300 characters") << QString(300, QLatin1Char('W')) << QString(25, QLatin1Char('W'))
                                        << QString(20, QLatin1Char('W'));
        QTest::newRow("outside the BMP across the cut")
            << QString(24, QLatin1Char('a')) + fraktur << QString(24, QLatin1Char('a')) + fraktur.left(2)
            << QString(20, QLatin1Char('a'));
        QTest::newRow("emoji across the cut") << QString(19, QLatin1Char('b')) + QStringLiteral("\U0001F389\U0001F389")
                                              << QString(19, QLatin1Char('b')) + QStringLiteral("\U0001F389\U0001F389")
                                              << QString(19, QLatin1Char('b')) + QStringLiteral("\U0001F389");
        QTest::newRow("accent as a mark of its own across the cut")
            << QString(24, QLatin1Char('d')) + QStringLiteral("e\u0301f")
            << QString(24, QLatin1Char('d')) + QStringLiteral("e\u0301") << QString(20, QLatin1Char('d'));
        QTest::newRow("right-to-left") << QStringLiteral("\u05E9\u05DC\u05D5\u05DD Sans")
                                       << QStringLiteral("\u05E9\u05DC\u05D5\u05DD Sans")
                                       << QStringLiteral("\u05E9\u05DC\u05D5\u05DD Sans");
        QTest::newRow("markup") << QStringLiteral("<b>Bold</b>") << QStringLiteral("<b>Bold</b>")
                                << QStringLiteral("<b>Bold</b>");
        QTest::newRow("control characters")
            << QStringLiteral("Tab\tName\nX") << QStringLiteral("Tab\tName\nX") << QStringLiteral("Tab\tName\nX");
    }

    void oddFontNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, cutTo25);
        QFETCH(QString, cutTo20);
        const QStringList names { QStringLiteral("Middle"), name, QStringLiteral("zzz") };
        WindowFixture fixture(names, names);
        frmFonts& window = fixture.start();
        QCOMPARE(window.cboFontsPrinter.ListCount(), 3);
        QCOMPARE(window.cboFontsScreen.ListCount(), 3);
        const int position = window.cboFontsPrinter.find(name);
        QVERIFY(position >= 0);

        window.cboFontsPrinter.widget()->setCurrentIndex(position);
        QCOMPARE(window.lblPrinterFonts.FontName(), name);
        window.cboFontsScreen.widget()->setCurrentIndex(position);
        QCOMPARE(window.lblSample.FontName(), name);

        QTest::mouseClick(window.cmdShowFonts.widget(), Qt::LeftButton);
        for (int tick = 0; tick < 4; ++tick)
            window.tmrTimer_Timer();
        QCOMPARE(window.cboFontsScreen.ListIndex(), (position + 4) % 3);
        QTest::mouseClick(window.cmdShowFonts.widget(), Qt::LeftButton);

        QTest::mouseClick(window.cmdNumberOfFonts.widget(), Qt::LeftButton);
        QCOMPARE(fixture.messages.shown.back().prompt, QStringLiteral("Number Of Printer Fonts  3"));

        const struct {
            const char* box;
            QString cut;
        } sizes[] = { { "chkPrintSmall", cutTo25 }, { "chkPrintLarge", cutTo25 }, { "chkPrintHuge", cutTo20 } };
        for (const auto& size : sizes) {
            auto* box = window.findChild<QCheckBox*>(QLatin1String(size.box));
            if (!box->isChecked())
                QTest::mouseClick(box, Qt::LeftButton);
            clear(window.txtStartFont.widget());
            clear(window.txtEndFont.widget());
            fixture.printer.items.clear();
            fixture.messages.shown.clear();
            QTest::mouseClick(window.cmdPrintFonts.widget(), Qt::LeftButton);
            QCOMPARE(fixture.messages.shown.size(), size_t(1));

            const std::vector<PrintedItem>& items = fixture.printer.items;
            QCOMPARE(items.size(), size_t(9));
            for (std::size_t entry = 0; entry < 3; ++entry) {
                QCOMPARE(items.at(3 * entry).text, QStringLiteral(" %1 ").arg(entry + 1));
                QVERIFY(!hasLoneSurrogate(items.at(3 * entry + 1).text));
            }
            QCOMPARE(items.at(3 * position + 1).text, size.cut);
            QCOMPARE(items.at(3 * position + 2).fontName, name);
            QCOMPARE(window.cboFontsPrinter.ListIndex(), 0);
        }
    }

    // The same names on the real print path, to PDF files: every size prints and releases
    // its document.
    void oddFontNamesOnPaper()
    {
        const QStringList names { QString(), QString(300, QLatin1Char('W')),
            QString(24, QLatin1Char('a')) + QStringLiteral("\U0001D509\U0001D52F"),
            QStringLiteral("\U0001F389 Party"), QStringLiteral("\u05E9\u05DC\u05D5\u05DD Sans"),
            QStringLiteral("<b>Bold</b>"), QStringLiteral("Tab\tName\nX"), QStringLiteral("sans"),
            QStringLiteral("SANS") };
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        FedFonts screen(names);
        PdfPrinterOffering printer(names, folder.filePath(QStringLiteral("catalogue-%1.pdf")));
        ScriptedMessageBoxes messages;
        RecordingProgramEnd programEnd;
        frmFonts window({ screen, printer, messages, programEnd });
        window.show();
        QTRY_VERIFY(window.startedUp());
        QCOMPARE(window.cboFontsPrinter.ListCount(), names.size());

        int documents = 0;
        for (const char* size : { "chkPrintSmall", "chkPrintLarge", "chkPrintHuge" }) {
            auto* box = window.findChild<QCheckBox*>(QLatin1String(size));
            if (!box->isChecked())
                QTest::mouseClick(box, Qt::LeftButton);
            clear(window.txtStartFont.widget());
            clear(window.txtEndFont.widget());
            messages.shown.clear();
            try {
                QTest::mouseClick(window.cmdPrintFonts.widget(), Qt::LeftButton);
            } catch (...) {
                QFAIL("the print button's handler let a failure out");
            }
            QCOMPARE(messages.shown.size(), size_t(1));
            QCOMPARE(printer.documentsReleased(), ++documents);
            const QFileInfo file(folder.filePath(QStringLiteral("catalogue-%1.pdf").arg(documents)));
            QVERIFY2(file.exists() && file.size() > 0, size);
            QCOMPARE(window.cboFontsPrinter.ListIndex(), 0);
        }
    }

    // Names that differ only in letter case are separate fonts: a typed name selects the
    // entry that carries it exactly, and a spelling that no entry carries selects none.
    void namesDifferingOnlyInCase_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("printed");
        QTest::addColumn<int>("number");
        QTest::newRow("capitalised") << QStringLiteral("Sans") << QStringLiteral("Sans") << 3;
        QTest::newRow("lower case") << QStringLiteral("sans") << QStringLiteral("sans") << 4;
        QTest::newRow("upper case") << QStringLiteral("SANS") << QStringLiteral("SANS") << 2;
        QTest::newRow("spelling of no entry, entry already selected printed")
            << QStringLiteral("sAnS") << QStringLiteral("Mono") << 1;
    }

    void namesDifferingOnlyInCase()
    {
        QFETCH(QString, typed);
        QFETCH(QString, printed);
        QFETCH(int, number);
        const QStringList names { QStringLiteral("sans"), QStringLiteral("Mono"), QStringLiteral("SANS"),
            QStringLiteral("Sans") };
        WindowFixture fixture(names, names);
        frmFonts& window = fixture.start();
        QCOMPARE(WindowFixture::entries(window.cboFontsPrinter), (QStringList { "Mono", "SANS", "Sans", "sans" }));
        QTest::keyClicks(window.txtStartFont.widget(), typed);
        QTest::keyClicks(window.txtEndFont.widget(), typed);
        QTest::mouseClick(window.cmdPrintFonts.widget(), Qt::LeftButton);
        QCOMPARE(fixture.messages.shown.size(), size_t(1));
        QCOMPARE(fixture.printer.runningNumbers(), QList<int> { number });
        QCOMPARE(fixture.printer.items.at(1).text, printed);
    }
};

QTEST_MAIN(TestBadInput)
#include "test_badinput.moc"
