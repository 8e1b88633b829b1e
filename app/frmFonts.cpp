#include "app/frmFonts.h"

#include "app/design.h"
#include "app/icon.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

namespace vantreel {

namespace {

const QString sampleText = QStringLiteral(
    "Aa Bb Cc Dd Ee Ff Gg Hh Ii Jj Kk Ll Mm Nn Oo Pp Qq Rr Ss Tt Uu Vv Ww Xx Yy Zz 1 2 3 4 5 6 7 8 9 0");

} // namespace

using namespace design;

frmFonts::frmFonts(const Outside& outside, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , cboFontsScreen(fontList(this, "cboFontsScreen"))
    , cboFontsPrinter(fontList(this, "cboFontsPrinter"))
    , cmdExit(button(this, "cmdExit", QStringLiteral("E&xit")))
    , cmdNumberOfFonts(button(this, "cmdNumberOfFonts", QStringLiteral("&Number of Fonts")))
    , lblScreen(label(this, "lblScreen", QStringLiteral("Available Screen Fonts:"), true))
    , lblPrinter(label(this, "lblPrinter", QStringLiteral("Available Printer Fonts:   (click to send to start and end)"), true))
    , lblSample(sampleLabel(this, "lblSample", sampleText), sansSerifName(), windowFontPoints)
    , lblSampleInfo(label(this, "lblSampleInfo", QStringLiteral("Sample Screen Fonts:"), true))
    , cmdShowFonts(button(this, "cmdShowFonts", QStringLiteral("&Show Screen Fonts")))
    , lblPrinterFonts(sampleLabel(this, "lblPrinterFonts", sampleText + QLatin1Char(' ')), sansSerifName(), windowFontPoints)
    , lblPrinterSample(label(this, "lblPrinterSample", QStringLiteral("Sample Printer Fonts:"), true))
    , cmdPrintFonts(button(this, "cmdPrintFonts", QStringLiteral("&Print All Printer Fonts")))
    , Option1(sizeOption(this, "Option1", QStringLiteral("10"), true))
    , Option2(sizeOption(this, "Option2", QStringLiteral("14"), false))
    , Option3(sizeOption(this, "Option3", QStringLiteral("18"), false))
    , Label1(label(this, "Label1", QStringLiteral("Font Size:"), false))
    , Option4(sizeOption(this, "Option4", QStringLiteral("24"), false))
    , HsbSpeed(speedBar(this, "HsbSpeed"))
    , Label2(label(this, "Label2", QStringLiteral("Fast") + QString(32, QLatin1Char(' ')) + QStringLiteral("Slow"), false))
    , Label3(label(this, "Label3", QStringLiteral("Show Speed "), false))
    , Option5(sizeOption(this, "Option5", QStringLiteral("32"), false))
    , Option6(sizeOption(this, "Option6", QStringLiteral("48"), false))
    , Check1(checkBox(this, "Check1", QStringLiteral("Bold"), false))
    , Check2(checkBox(this, "Check2", QStringLiteral("Italic"), false))
    , chkPrintSmall(checkBox(this, "chkPrintSmall", QStringLiteral("Print Small"), true))
    , chkPrintLarge(checkBox(this, "chkPrintLarge", QStringLiteral("Print Large"), false))
    , txtStartFont(textBox(this, "txtStartFont", QStringLiteral("Start font name")))
    , txtEndFont(textBox(this, "txtEndFont", QStringLiteral("End font name")))
    , Label4(label(this, "Label4", QStringLiteral("Start Font Name:") + QString(21, QLatin1Char(' ')) + QStringLiteral("End Font Name:"), false))
    , chkPrintHuge(checkBox(this, "chkPrintHuge", QStringLiteral("Print Huge"), false))
    , tmrTimer(timer(this, "tmrTimer"))
    , outside_(outside)
{
    setObjectName(QStringLiteral("frmFonts"));
    setWindowTitle(QStringLiteral("Vantreel"));
    setWindowIcon(vantreelIcon());

    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor(192, 192, 192));
    grey.setColor(QPalette::Button, QColor(192, 192, 192));
    setPalette(grey);
    setAutoFillBackground(true);
    setDesignedFont(this, windowFontName(), windowFontPoints, true);
    // Controls without a font of their own take the window's; these have their own.
    setDesignedFont(cmdPrintFonts.widget(), sansSerifName(), 9.75f, true);
    setDesignedFont(Option4, sansSerifName(), 9.75f, true);
    setDesignedFont(Label3, sansSerifName(), 9.75f, true);
    QPalette red = cmdShowFonts.widget()->palette();
    red.setColor(QPalette::Button, QColor(192, 0, 0));
    cmdShowFonts.widget()->setPalette(red);

    cboFontsPrinter.widget()->setToolTip(QStringLiteral(
        "Click on the drop down list to transfer font name to the empty start and finish boxes below. "
        "Clear boxes to start over."));
    lblScreen->setBuddy(cboFontsScreen.widget());
    lblPrinter->setBuddy(cboFontsPrinter.widget());

    design::placeControls(this);
    design::setTabOrder(this);
    wireEventTable();
    tmrTimer.timer()->start();
}

void frmFonts::wireEventTable()
{
    connect(cmdNumberOfFonts.widget(), &QPushButton::clicked, this, &frmFonts::cmdNumberOfFonts_Click);
    connect(cmdExit.widget(), &QPushButton::clicked, this, &frmFonts::cmdExit_Click);

    connect(cboFontsScreen.widget(), &QComboBox::currentIndexChanged, this, &frmFonts::cboFontsScreen_Click);
    connect(cboFontsPrinter.widget(), &QComboBox::currentIndexChanged, this, &frmFonts::cboFontsPrinter_Click);
    connect(Check1.widget(), &QCheckBox::stateChanged, this, &frmFonts::Check1_Click);
    connect(Check2.widget(), &QCheckBox::stateChanged, this, &frmFonts::Check2_Click);
    connect(Option1, &QRadioButton::clicked, this, &frmFonts::Option1_Click);
    connect(Option2, &QRadioButton::clicked, this, &frmFonts::Option2_Click);
    connect(Option3, &QRadioButton::clicked, this, &frmFonts::Option3_Click);
    connect(Option4, &QRadioButton::clicked, this, &frmFonts::Option4_Click);
    connect(Option5, &QRadioButton::clicked, this, &frmFonts::Option5_Click);
    connect(Option6, &QRadioButton::clicked, this, &frmFonts::Option6_Click);

    connect(cmdShowFonts.widget(), &QPushButton::clicked, this, &frmFonts::cmdShowFonts_Click);
    connect(tmrTimer.timer(), &QTimer::timeout, this, &frmFonts::tmrTimer_Timer);
    // Scroll while the thumb is dragged; Change for every other change of the value, and once
    // when a drag ends.
    connect(HsbSpeed.widget(), &QScrollBar::sliderMoved, this, &frmFonts::HsbSpeed_Scroll);
    connect(HsbSpeed.widget(), &QScrollBar::valueChanged, this, [this] {
        if (!HsbSpeed.widget()->isSliderDown())
            HsbSpeed_Change();
    });
    connect(HsbSpeed.widget(), &QScrollBar::sliderReleased, this, &frmFonts::HsbSpeed_Change);

    connect(chkPrintSmall.widget(), &QCheckBox::stateChanged, this, &frmFonts::chkPrintSmall_Click);
    connect(chkPrintLarge.widget(), &QCheckBox::stateChanged, this, &frmFonts::chkPrintLarge_Click);
    connect(chkPrintHuge.widget(), &QCheckBox::stateChanged, this, &frmFonts::chkPrintHuge_Click);
    connect(txtStartFont.widget(), &QLineEdit::textChanged, this, &frmFonts::txtStartFont_Change);
    connect(cmdPrintFonts.widget(), &QPushButton::clicked, this, &frmFonts::cmdPrintFonts_Click);
}

// The start-up runs on the window's first activation. Where the desktop never activates it
// (no window manager, focus-stealing prevention) it runs right after the window is shown.
bool frmFonts::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        startUpOnce();
    return QWidget::event(event);
}

void frmFonts::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!startedUp_)
        QTimer::singleShot(0, this, &frmFonts::startUpOnce);
}

void frmFonts::startUpOnce()
{
    if (startedUp_)
        return;
    startedUp_ = true;
    cboFontsScreen.widget()->setFocus();
    Form_Activate();
}

} // namespace vantreel
