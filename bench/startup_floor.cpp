// The floor of the start-up: only what any program must do to show the same: read the font
// database's families, fill two drop-down lists of fixed size with them sorted, show one
// label in a listed font, and paint the window once.

#include "bench/measure.h"

#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QWidget>

#include <algorithm>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QStringList families = QFontDatabase::families();
    std::sort(families.begin(), families.end(),
              [](const QString& a, const QString& b) { return QString::compare(a, b, Qt::CaseInsensitive) < 0; });
    // Every text of the window is drawn in a listed family.
    QApplication::setFont(QFont(families.value(families.indexOf(QStringLiteral("Liberation Sans")), families.value(0)), 9));

    QWidget window;
    window.setFixedSize(604, 447);
    QComboBox screen(&window);
    QComboBox printer(&window);
    for (QComboBox* list : {&screen, &printer}) {
        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        list->setMinimumContentsLength(1);
        list->addItems(families);
        list->setCurrentIndex(0);
    }
    screen.setGeometry(16, 24, 201, 21);
    printer.setGeometry(16, 200, 201, 21);
    QLabel sample(QStringLiteral("Aa Bb Cc Dd Ee Ff Gg Hh Ii Jj Kk Ll Mm Nn Oo Pp Qq Rr Ss Tt Uu Vv Ww Xx Yy Zz 1 2 3 4 5 6 7 8 9 0"),
                  &window);
    sample.setWordWrap(true);
    sample.setGeometry(16, 64, 569, 113);
    QFont font(families.value(0));
    font.setPointSizeF(9.75);
    sample.setFont(font);

    vantreel::bench::FirstPaint probe({&sample}, [] { return true; },
                                      [&] { vantreel::bench::reportStartUpAndExit(screen.count()); });
    window.show();
    return QApplication::exec();
}
