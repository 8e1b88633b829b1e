#pragma once

#include <QFont>
#include <QString>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QTimer;
class QWidget;

namespace vantreel {

// Thin wrappers that give real Qt widgets the members the window's handlers use.
// Each owns nothing: the widget belongs to the window.

// A fixed-size label showing its text in the font set through four properties.
// The font name is kept as given; the widget draws a family the font database lists.
class SampleLabel {
public:
    SampleLabel(QLabel* label, const QString& fontName, float points);

    QString FontName() const { return name_; }
    float FontSize() const { return size_; }
    bool FontBold() const { return bold_; }
    bool FontItalic() const { return italic_; }

    void setFontName(const QString& name);
    void setFontSize(float points);
    void setFontBold(bool bold);
    void setFontItalic(bool italic);

    QLabel* widget() const { return label_; }

private:
    void apply();
    QLabel* label_;
    QString name_;
    float size_ = 0;
    bool bold_ = false;
    bool italic_ = false;
};

class TextBox {
public:
    explicit TextBox(QLineEdit* edit) : edit_(edit) {}
    QString Text() const;
    /// Raises Change (the widget's textChanged) when the text differs.
    void setText(const QString& text);
    QLineEdit* widget() const { return edit_; }

private:
    QLineEdit* edit_;
};

class CheckBox {
public:
    enum { Unchecked = 0, Checked = 1, Grayed = 2 };
    explicit CheckBox(QCheckBox* box) : box_(box) {}
    int Value() const;
    /// Raises Click (the widget's stateChanged) when the value differs.
    void setValue(int value);
    QCheckBox* widget() const { return box_; }

private:
    QCheckBox* box_;
};

class CommandButton {
public:
    explicit CommandButton(QPushButton* button) : button_(button) {}
    QString Caption() const;
    void setCaption(const QString& caption);
    QPushButton* widget() const { return button_; }

private:
    QPushButton* button_;
};

class ScrollBar {
public:
    explicit ScrollBar(QScrollBar* bar) : bar_(bar) {}
    short Value() const;
    QScrollBar* widget() const { return bar_; }

private:
    QScrollBar* bar_;
};

class Timer {
public:
    explicit Timer(QTimer* timer) : timer_(timer) {}
    int Interval() const;
    void setInterval(int milliseconds);
    QTimer* timer() const { return timer_; }

private:
    QTimer* timer_;
};

} // namespace vantreel
