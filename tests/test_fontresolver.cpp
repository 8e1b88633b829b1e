// Names reach Qt only as families its database lists and a font file carries: anything else
// costs Qt a search through every family's aliases. Run on the broken-font set (CTest makes
// it), whose configuration sends every unknown name and Arial to Liberation Sans.

#include "platform/fontresolver.h"

#include <QApplication>
#include <QFontDatabase>
#include <QTest>

using namespace vantreel;

class TestFontResolver : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY2(qEnvironmentVariableIsSet("FONTCONFIG_FILE"), "run through CTest"); }

    void resolvesToListedFamilies_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        QTest::newRow("listed") << "Good Font One" << "Good Font One";
        QTest::newRow("alias") << "Arial" << "Liberation Sans";
        QTest::newRow("designed, missing") << "MS Sans Serif" << "Liberation Sans";
        QTest::newRow("unknown") << "No Such Font" << "Liberation Sans";
        QTest::newRow("empty") << "" << "Liberation Sans";
        // Qt lists these three of its own, with no font file behind them.
        QTest::newRow("Qt's Sans Serif") << "Sans Serif" << "Liberation Sans";
        QTest::newRow("Qt's Serif") << "Serif" << "Liberation Sans";
        QTest::newRow("Qt's Monospace") << "Monospace" << "Liberation Sans";
    }

    void resolvesToListedFamilies()
    {
        QFETCH(QString, name);
        QFETCH(QString, expected);
        QCOMPARE(listedFamily(name), expected);
        QVERIFY(isListedFamily(listedFamily(name)));
    }

    void designedNamesFallBackToArialsFamily()
    {
        QCOMPARE(designedFamily(QStringLiteral("System")), QStringLiteral("Liberation Sans"));
        QCOMPARE(designedFamily(QStringLiteral("Good Font Two")), QStringLiteral("Good Font Two"));
    }

    void scalableAsQtTellsIt()
    {
        for (const QString& family : QFontDatabase::families())
            QCOMPARE(isScalableFamily(family), QFontDatabase::isScalable(family));
    }

    // The default font and a theme's font for one kind of widget, both in a stand-in family:
    // after the start-up's call no kind of widget hands Qt an unlisted name.
    void defaultAndThemedFontsBecomeListed()
    {
        QApplication::setFont(QFont(QStringLiteral("Sans Serif"), 9));
        QApplication::setFont(QFont(QStringLiteral("Monospace"), 8), "QTipLabel");
        useListedDefaultFont();
        QCOMPARE(QApplication::font().family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(QApplication::font("QTipLabel").family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(QApplication::font("QMessageBox").family(), QStringLiteral("Liberation Sans"));
    }
};

QTEST_MAIN(TestFontResolver)
#include "test_fontresolver.moc"
