#include "app/design.h"

#include "platform/fontresolver.h"
#include "platform/twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

#include <iterator>

namespace vantreel::design {

namespace {

// Qt's scroll bars invert their controls so that the mouse wheel scrolls the usual way, and the
// arrow keys with them: on a horizontal bar the right arrow would move the thumb to the left.
// The speed bar takes the focus, so its left and right arrows go the way they point.
class SpeedBar : public QScrollBar {
public:
    using QScrollBar::QScrollBar;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        const bool right = event->key() == Qt::Key_Right;
        if (!right && event->key() != Qt::Key_Left) {
            QScrollBar::keyPressEvent(event);
            return;
        }
        // A bar laid out right to left grows to the left.
        triggerAction(right != isRightToLeft() ? SliderSingleStepAdd : SliderSingleStepSub);
        event->accept();
    }
};

struct Place {
    const char* name;
    int left;
    int top;
    int width;
    int height;
};

// Left, top, width and height in twips.
constexpr Place places[] = {
    {"cboFontsScreen", 240, 360, 3015, 315},
    {"cboFontsPrinter", 240, 3000, 3015, 315},
    {"cmdExit", 6000, 6120, 2775, 495},
    {"cmdNumberOfFonts", 6000, 5520, 2775, 495},
    {"lblScreen", 240, 120, 2535, 255},
    {"lblPrinter", 240, 2760, 5415, 255},
    {"lblSample", 240, 960, 8535, 1695},
    {"lblSampleInfo", 240, 720, 2295, 255},
    {"cmdShowFonts", 3480, 3000, 2295, 495},
    {"lblPrinterFonts", 240, 3600, 8535, 1695},
    {"lblPrinterSample", 240, 3360, 2295, 255},
    {"cmdPrintFonts", 180, 6120, 3615, 495},
    {"Option1", 3480, 360, 615, 375},
    {"Option2", 4080, 360, 615, 375},
    {"Option3", 4680, 360, 615, 375},
    {"Label1", 4800, 120, 1935, 255},
    {"Option4", 5280, 360, 615, 375},
    {"HsbSpeed", 5880, 3000, 2895, 255},
    {"Label2", 5880, 3240, 2895, 255},
    {"Label3", 5880, 2760, 2895, 255},
    {"Option5", 5880, 360, 615, 375},
    {"Option6", 6480, 360, 615, 375},
    {"Check1", 8160, 405, 855, 255},
    {"Check2", 7200, 405, 855, 255},
    {"chkPrintSmall", 4080, 6000, 1455, 240},
    {"chkPrintLarge", 4080, 6240, 1455, 255},
    {"txtStartFont", 240, 5640, 2775, 360},
    {"txtEndFont", 3120, 5640, 2775, 360},
    {"Label4", 240, 5400, 5295, 255},
    {"chkPrintHuge", 4080, 6480, 1575, 255},
};

constexpr int clientWidth = 9060;
constexpr int clientHeight = 6705;
constexpr int windowLeft = 390;
constexpr int windowTop = 1170;

// Focusable controls by designed tab index; the labels hold their places but take no focus.
constexpr const char* tabOrder[] = {
    "cboFontsScreen", "cboFontsPrinter", "cmdExit", "cmdNumberOfFonts", "cmdShowFonts", "cmdPrintFonts",
    "Option1",        "Option2",         "Option3", "Option4",          "HsbSpeed",     "Option5",
    "Option6",        "Check1",          "Check2",  "chkPrintSmall",    "chkPrintLarge", "txtStartFont",
    "txtEndFont",     "chkPrintHuge",
};

template <typename Control>
Control* named(Control* control, const char* name)
{
    control->setObjectName(QLatin1String(name));
    return control;
}

} // namespace

QString windowFontName()
{
    return QStringLiteral("System");
}

QString sansSerifName()
{
    return QStringLiteral("MS Sans Serif");
}

void setDesignedFont(QWidget* control, const QString& designedName, float points, bool bold)
{
    QFont font(designedFamily(designedName));
    font.setPointSizeF(points);
    font.setBold(bold);
    control->setFont(font);
}

QComboBox* fontList(QWidget* window, const char* name)
{
    auto* list = named(new QComboBox(window), name);
    setDesignedFont(list, sansSerifName(), 8.25f, false);
    return list;
}

QPushButton* button(QWidget* window, const char* name, const QString& caption)
{
    auto* button = named(new QPushButton(caption, window), name);
    button->setAutoDefault(false);
    return button;
}

QLabel* label(QWidget* window, const char* name, const QString& caption, bool transparent)
{
    auto* label = named(new QLabel(caption, window), name);
    label->setTextFormat(Qt::PlainText);
    label->setAutoFillBackground(!transparent);
    return label;
}

QLabel* sampleLabel(QWidget* window, const char* name, const QString& text)
{
    auto* sample = label(window, name, text, false);
    sample->setFrameStyle(QFrame::Box | QFrame::Plain);
    sample->setLineWidth(1);
    sample->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    sample->setWordWrap(true);
    return sample;
}

QRadioButton* sizeOption(QWidget* window, const char* name, const QString& caption, bool selected)
{
    auto* option = named(new QRadioButton(caption, window), name);
    option->setChecked(selected);
    return option;
}

QCheckBox* checkBox(QWidget* window, const char* name, const QString& caption, bool checked)
{
    auto* box = named(new QCheckBox(caption, window), name);
    box->setChecked(checked);
    return box;
}

QLineEdit* textBox(QWidget* window, const char* name, const QString& accessibleName)
{
    auto* box = named(new QLineEdit(window), name);
    box->setAccessibleName(accessibleName);
    return box;
}

QScrollBar* speedBar(QWidget* window, const char* name)
{
    auto* bar = named(new SpeedBar(Qt::Horizontal, window), name);
    bar->setRange(5, 5000);
    bar->setValue(1500);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    bar->setAccessibleName(QStringLiteral("Show Speed"));
    // A scroll bar takes no focus by default; this one is in the tab order and moves with the arrow keys.
    bar->setFocusPolicy(Qt::StrongFocus);
    return bar;
}

QTimer* timer(QWidget* window, const char* name)
{
    auto* timer = named(new QTimer(window), name);
    timer->setInterval(1000);
    return timer;
}

void placeControls(QWidget* window)
{
    const double dpi = window->logicalDpiX();
    const auto px = [dpi](int twips) { return twipsToPixels(twips, dpi); };
    for (const Place& place : places) {
        auto* control = window->findChild<QWidget*>(QLatin1String(place.name), Qt::FindDirectChildrenOnly);
        control->setGeometry(px(place.left), px(place.top), px(place.width), px(place.height));
    }
    window->setGeometry(px(windowLeft), px(windowTop), px(clientWidth), px(clientHeight));
    window->setFixedSize(px(clientWidth), px(clientHeight));
}

void setTabOrder(QWidget* window)
{
    QWidget* previous = nullptr;
    for (const char* name : tabOrder) {
        auto* control = window->findChild<QWidget*>(QLatin1String(name), Qt::FindDirectChildrenOnly);
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
    for (auto* label : window->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        label->setFocusPolicy(Qt::NoFocus);
}

} // namespace vantreel::design
