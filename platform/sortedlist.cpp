#include "platform/sortedlist.h"

#include "platform/failure.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace vantreel {

SortedList::SortedList(QComboBox* box)
    : box_(box)
{
    box_->setEditable(false);
    // Sizing the box from its items would measure every name: the box has a fixed size.
    box_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box_->setMinimumContentsLength(1);
}

bool SortedList::collatesBefore(const QString& a, const QString& b)
{
    const int folded = QString::compare(a, b, Qt::CaseInsensitive);
    if (folded != 0)
        return folded < 0;
    return QString::compare(a, b, Qt::CaseSensitive) < 0;
}

int SortedList::insertionPoint(const QString& name) const
{
    // upper bound: an equal name goes after the ones already there
    int low = 0;
    int high = box_->count();
    // Font sources mostly give their names in order already: a name that goes last is
    // placed with one comparison.
    if (high > 0 && !collatesBefore(name, box_->itemText(high - 1)))
        return high;
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (collatesBefore(name, box_->itemText(middle)))
            high = middle;
        else
            low = middle + 1;
    }
    return low;
}

void SortedList::flush() const
{
    if (pending_.isEmpty())
        return;
    const bool wasEmpty = box_->count() == 0;
    // A combo box selects its first item when it stops being empty; a list selects nothing
    // until told to, and adding a name never raises Click.
    const QSignalBlocker quiet(box_);
    box_->insertItems(box_->count(), pending_);
    pending_.clear();
    if (wasEmpty)
        box_->setCurrentIndex(-1);
}

void SortedList::AddItem(const QString& name)
{
    if (!pending_.isEmpty()) {
        if (!collatesBefore(name, pending_.constLast())) {
            pending_.append(name);
            return;
        }
        flush();
    }
    const int position = insertionPoint(name);
    if (position == box_->count()) {
        pending_.append(name);
        return;
    }
    const QSignalBlocker quiet(box_);
    box_->insertItem(position, name);
}

QComboBox* SortedList::widget() const
{
    flush();
    return box_;
}

int SortedList::ListCount() const
{
    flush();
    return box_->count();
}

QString SortedList::List(int position) const
{
    flush();
    return box_->itemText(position);
}

int SortedList::ListIndex() const
{
    flush();
    return box_->currentIndex();
}

void SortedList::setListIndex(int position)
{
    flush();
    if (position < -1 || position >= box_->count())
        throw PlatformError("list position out of range: " + std::to_string(position));
    box_->setCurrentIndex(position);
}

QString SortedList::Text() const
{
    flush();
    return box_->currentIndex() < 0 ? QString() : box_->currentText();
}

int SortedList::find(const QString& name) const
{
    flush();
    // Entries equal to the name stand just before its upper bound; take the first of them.
    int position = insertionPoint(name);
    while (position > 0 && box_->itemText(position - 1) == name)
        --position;
    return position < box_->count() && box_->itemText(position) == name ? position : -1;
}

void SortedList::setText(const QString& name)
{
    flush();
    const int position = find(name);
    if (position < 0)
        throw PlatformError("no list entry carries the name");
    box_->setCurrentIndex(position);
}

} // namespace vantreel
