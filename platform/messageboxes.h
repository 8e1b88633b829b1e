#pragma once

#include <QString>

namespace vantreel {

enum class Buttons { OkOnly = 0, OkCancel = 1 };

// Modal message boxes: no icon, OK the default button, the prompt shown as plain text.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    /// @return true when OK closed the box; an empty title shows the application title
    virtual bool show(const QString& prompt, Buttons buttons, const QString& title = {}) = 0;
};

class QtMessageBoxes : public MessageBoxes {
public:
    bool show(const QString& prompt, Buttons buttons, const QString& title = {}) override;
};

} // namespace vantreel
