#include "platform/controls.h"

#include "platform/fontresolver.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

namespace vantreel {

SampleLabel::SampleLabel(QLabel* label, const QString& fontName, float points)
    : label_(label)
    , name_(fontName)
    , size_(points)
{
    apply();
}

void SampleLabel::setFontName(const QString& name)
{
    if (name == name_)
        return;
    name_ = name;
    apply();
}

void SampleLabel::setFontSize(float points)
{
    if (points == size_)
        return;
    size_ = points;
    apply();
}

void SampleLabel::setFontBold(bool bold)
{
    if (bold == bold_)
        return;
    bold_ = bold;
    apply();
}

void SampleLabel::setFontItalic(bool italic)
{
    if (italic == italic_)
        return;
    italic_ = italic;
    apply();
}

void SampleLabel::apply()
{
    QFont font(listedFamily(name_));
    font.setPointSizeF(size_);
    font.setBold(bold_);
    font.setItalic(italic_);
    // A sample shows what its font really has: no glyphs borrowed from other fonts.
    font.setStyleStrategy(QFont::NoFontMerging);
    label_->setFont(font);
}

QString TextBox::Text() const
{
    return edit_->text();
}

void TextBox::setText(const QString& text)
{
    edit_->setText(text);
}

int CheckBox::Value() const
{
    switch (box_->checkState()) {
    case Qt::Unchecked:
        return Unchecked;
    case Qt::Checked:
        return Checked;
    case Qt::PartiallyChecked:
        break;
    }
    return Grayed;
}

void CheckBox::setValue(int value)
{
    box_->setCheckState(value == Unchecked ? Qt::Unchecked : value == Checked ? Qt::Checked : Qt::PartiallyChecked);
}

QString CommandButton::Caption() const
{
    return button_->text();
}

void CommandButton::setCaption(const QString& caption)
{
    button_->setText(caption);
}

// The thumb's place: Qt announces a drag step before it moves the value.
short ScrollBar::Value() const
{
    return static_cast<short>(bar_->sliderPosition());
}

int Timer::Interval() const
{
    return timer_->interval();
}

void Timer::setInterval(int milliseconds)
{
    timer_->setInterval(milliseconds);
}

} // namespace vantreel
