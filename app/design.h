#pragma once

#include <QString>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTimer;
class QWidget;

namespace vantreel::design {

// The window's designed fonts and colours.
inline constexpr float windowFontPoints = 9.75f;
QString windowFontName();   // "System"
QString sansSerifName();    // "MS Sans Serif"

// Factories for the controls with their designed captions, fonts and values.
// Places and sizes are set afterwards from the table in placeControls().
QComboBox* fontList(QWidget* window, const char* name);
QPushButton* button(QWidget* window, const char* name, const QString& caption);
QLabel* label(QWidget* window, const char* name, const QString& caption, bool transparent);
QLabel* sampleLabel(QWidget* window, const char* name, const QString& text);
QRadioButton* sizeOption(QWidget* window, const char* name, const QString& caption, bool selected);
QCheckBox* checkBox(QWidget* window, const char* name, const QString& caption, bool checked);
QLineEdit* textBox(QWidget* window, const char* name, const QString& accessibleName);
QScrollBar* speedBar(QWidget* window, const char* name);
QTimer* timer(QWidget* window, const char* name);

void setDesignedFont(QWidget* control, const QString& designedName, float points, bool bold);

/// Places every control and sizes the window, converting twips with the screen's resolution.
void placeControls(QWidget* window);
/// The controls that take the focus, in the designed tab order.
void setTabOrder(QWidget* window);

} // namespace vantreel::design
