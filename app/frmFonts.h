#pragma once

#include "platform/controls.h"
#include "platform/fontsource.h"
#include "platform/messageboxes.h"
#include "platform/printer.h"
#include "platform/programend.h"
#include "platform/sortedlist.h"

#include <QWidget>

#include <cstdint>

class QElapsedTimer;
class QLabel;
class QRadioButton;

namespace vantreel {

struct CatalogueLayout;

// The program's one window: its controls, its three window-level variables and one
// handler per control event. The handlers live beside their siblings: start-up, counts
// and exit in app/startup.cpp, the preview in app/preview.cpp, the slide show in
// slideshow/, the print request and the catalogue in catalogue/.
class frmFonts : public QWidget {
    Q_OBJECT

public:
    // What the outside world supplies.
    struct Outside {
        FontSource& screen;
        Printer& printer;
        MessageBoxes& messages;
        ProgramEnd& programEnd;
    };

    explicit frmFonts(const Outside& outside, QWidget* parent = nullptr);

    // Window-level variables, signed 16-bit as the counts and positions are.
    std::int16_t ScreenFontCount = 0;
    std::int16_t PrinterFontCount = 0;
    std::int16_t ShowCounter = 0;

    // Controls, in tab order. Each widget carries the control's name as its object name.
    SortedList cboFontsScreen;
    SortedList cboFontsPrinter;
    CommandButton cmdExit;
    CommandButton cmdNumberOfFonts;
    QLabel* lblScreen;
    QLabel* lblPrinter;
    SampleLabel lblSample;
    QLabel* lblSampleInfo;
    CommandButton cmdShowFonts;
    SampleLabel lblPrinterFonts;
    QLabel* lblPrinterSample;
    CommandButton cmdPrintFonts;
    QRadioButton* Option1;
    QRadioButton* Option2;
    QRadioButton* Option3;
    QLabel* Label1;
    QRadioButton* Option4;
    ScrollBar HsbSpeed;
    QLabel* Label2;
    QLabel* Label3;
    QRadioButton* Option5;
    QRadioButton* Option6;
    CheckBox Check1;
    CheckBox Check2;
    CheckBox chkPrintSmall;
    CheckBox chkPrintLarge;
    TextBox txtStartFont;
    TextBox txtEndFont;
    QLabel* Label4;
    CheckBox chkPrintHuge;
    Timer tmrTimer;

    // The event table.
    void Form_Activate();
    void cmdNumberOfFonts_Click();
    void cmdExit_Click();

    void cboFontsScreen_Click();
    void cboFontsPrinter_Click();
    void Check1_Click();
    void Check2_Click();
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void Option5_Click();
    void Option6_Click();

    void cmdShowFonts_Click();
    void tmrTimer_Timer();
    void HsbSpeed_Change();
    void HsbSpeed_Scroll();

    void chkPrintSmall_Click();
    void chkPrintLarge_Click();
    void chkPrintHuge_Click();
    void txtStartFont_Change();
    void cmdPrintFonts_Click();

    /// @return true once the start-up has run
    bool startedUp() const { return startedUp_; }

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void wireEventTable();
    void startUpOnce();

    void applyBoldFlag();
    void applyItalicFlag();
    void setSampleSizes(float points);
    void uncheckOtherPrintSizes(CheckBox& own, CheckBox& first, CheckBox& second);
    void printCatalogue(std::int16_t StartPosition, std::int16_t EndPosition);
    const CatalogueLayout* chosenLayout();
    void printEntry(const CatalogueLayout& layout, int PrintPosition, QElapsedTimer& sinceDrawn);

    Outside outside_;
    bool startedUp_ = false;
};

} // namespace vantreel
