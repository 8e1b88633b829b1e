#pragma once

#include <QString>
#include <QStringList>

class QComboBox;

namespace vantreel {

// A closed drop-down list that keeps its entries in alphabetical order. A position is a
// 0-based rank in that order, -1 for no selection. Changing the selection, by the user or
// in code, emits the combo box's currentIndexChanged at once, so the list's Click handler
// runs nested in the code that set it. Selecting the entry already selected raises nothing.
class SortedList {
public:
    explicit SortedList(QComboBox* box);

    /// The collation of every sorted list: letter case ignored, ties broken by case so
    /// the order does not depend on the order names were added in.
    static bool collatesBefore(const QString& a, const QString& b);

    /// Puts the name at its place by binary search; names already listed are kept twice.
    void AddItem(const QString& name);
    int ListCount() const;
    QString List(int position) const;

    int ListIndex() const;
    /// Selects a position, or clears the selection with -1; throws PlatformError outside the list.
    void setListIndex(int position);

    /// @return the name of the selected entry, empty with none
    QString Text() const;
    /// Selects the entry that carries exactly this name; throws PlatformError when none does.
    void setText(const QString& name);

    /// @return the position of an entry carrying exactly this name, or -1
    int find(const QString& name) const;

    QComboBox* widget() const;

private:
    int insertionPoint(const QString& name) const;
    void flush() const;
    QComboBox* box_;
    // Names that go after every entry, gathered to be handed to the box in one insertion
    // (one by one each costs the box's model a row insertion of its own). Every member
    // hands them over before it reads or changes the box.
    mutable QStringList pending_;
};

} // namespace vantreel
