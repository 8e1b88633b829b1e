#include "platform/failure.h"
#include "platform/sortedlist.h"

#include <QComboBox>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <random>

using vantreel::PlatformError;
using vantreel::SortedList;

class TestSortedList : public QObject {
    Q_OBJECT

private slots:
    void keepsAlphabeticalOrder_data()
    {
        QTest::addColumn<QStringList>("added");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("empty") << QStringList{} << QStringList{};
        QTest::newRow("shuffled") << QStringList{"Courier", "arial", "Zapf", "Bitstream"}
                                  << QStringList{"arial", "Bitstream", "Courier", "Zapf"};
        QTest::newRow("case only differs, either order")
            << QStringList{"dejavu", "DejaVu", "Dejavu"} << QStringList{"DejaVu", "Dejavu", "dejavu"};
        QTest::newRow("duplicates kept") << QStringList{"B", "A", "B"} << QStringList{"A", "B", "B"};
        QTest::newRow("prefix first") << QStringList{"Noto Sans Mono", "Noto Sans"}
                                      << QStringList{"Noto Sans", "Noto Sans Mono"};
    }

    void keepsAlphabeticalOrder()
    {
        QFETCH(QStringList, added);
        QFETCH(QStringList, expected);
        QComboBox box;
        SortedList list(&box);
        for (const QString& name : added)
            list.AddItem(name);
        QStringList entries;
        for (int i = 0; i < list.ListCount(); ++i)
            entries.append(list.List(i));
        QCOMPARE(entries, expected);
        QCOMPARE(list.ListIndex(), -1);
        QCOMPARE(list.Text(), QString());
    }

    void orderDoesNotDependOnInsertionOrder()
    {
        QStringList names;
        for (int i = 0; i < 300; ++i)
            names.append(QStringLiteral("Font %1 %2").arg(i % 17).arg(i % 2 ? QStringLiteral("b") : QStringLiteral("B")));
        QStringList sorted = names;
        std::sort(sorted.begin(), sorted.end(), SortedList::collatesBefore);
        std::mt19937 random(7);
        std::shuffle(names.begin(), names.end(), random);
        QComboBox box;
        SortedList list(&box);
        for (const QString& name : names)
            list.AddItem(name);
        for (int i = 0; i < sorted.size(); ++i)
            QCOMPARE(list.List(i), sorted.at(i));
    }

    void addingRaisesNoClick()
    {
        QComboBox box;
        SortedList list(&box);
        QSignalSpy clicks(&box, &QComboBox::currentIndexChanged);
        list.AddItem(QStringLiteral("B"));
        list.AddItem(QStringLiteral("A"));
        QCOMPARE(clicks.count(), 0);
        QCOMPARE(list.ListIndex(), -1);
    }

    void selectionByPositionAndName()
    {
        QComboBox box;
        SortedList list(&box);
        for (const char* name : {"Gamma", "alpha", "Beta", "beta"})
            list.AddItem(QString::fromLatin1(name));
        QSignalSpy clicks(&box, &QComboBox::currentIndexChanged);

        list.setListIndex(2);
        QCOMPARE(list.Text(), QStringLiteral("beta"));
        QCOMPARE(clicks.count(), 1);

        list.setText(QStringLiteral("Beta"));
        QCOMPARE(list.ListIndex(), 1);
        QCOMPARE(clicks.count(), 2);

        list.setText(QStringLiteral("Beta"));
        QCOMPARE(clicks.count(), 2); // selecting the entry already selected raises nothing

        QVERIFY_THROWS_EXCEPTION(PlatformError, list.setText(QStringLiteral("BETA")));
        QVERIFY_THROWS_EXCEPTION(PlatformError, list.setText(QStringLiteral(" Beta")));
        QVERIFY_THROWS_EXCEPTION(PlatformError, list.setListIndex(4));
        QVERIFY_THROWS_EXCEPTION(PlatformError, list.setListIndex(-2));
        QCOMPARE(list.ListIndex(), 1);
        QCOMPARE(clicks.count(), 2);

        list.setListIndex(-1);
        QCOMPARE(list.Text(), QString());
        QCOMPARE(list.ListIndex(), -1);
    }

    void emptyListRefusesEverySelection()
    {
        QComboBox box;
        SortedList list(&box);
        QVERIFY_THROWS_EXCEPTION(PlatformError, list.setListIndex(0));
        QVERIFY_THROWS_EXCEPTION(PlatformError, list.setText(QString()));
        QCOMPARE(list.ListIndex(), -1);
    }

    void findsTheFirstOfDuplicateNames()
    {
        QComboBox box;
        SortedList list(&box);
        for (const char* name : {"A", "B", "B", "C"})
            list.AddItem(QString::fromLatin1(name));
        QCOMPARE(list.find(QStringLiteral("B")), 1);
        QCOMPARE(list.find(QStringLiteral("C")), 3);
        QCOMPARE(list.find(QStringLiteral("b")), -1);
        QCOMPARE(list.find(QString()), -1);
    }
};

QTEST_MAIN(TestSortedList)
#include "test_sortedlist.moc"
