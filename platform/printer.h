#pragma once

#include "platform/fontsource.h"

#include <QString>

namespace vantreel {

// The default printer as a surface to print on. Places are twips from the top-left
// corner of the printable area, font sizes points. Every call may throw PlatformError.
// A document begins with the first item printed after construction or after EndDoc().
class Printer : public FontSource {
public:
    virtual void setFontName(const QString& name) = 0;
    virtual void setFontSize(float points) = 0;
    virtual void setFontBold(bool bold) = 0;
    virtual void setFontItalic(bool italic) = 0;
    virtual void setFontUnderline(bool underline) = 0;

    virtual float CurrentX() = 0;
    virtual float CurrentY() = 0;
    virtual void setCurrentX(float twips) = 0;
    virtual void setCurrentY(float twips) = 0;
    /// @return the height of the printable area in twips
    virtual float ScaleHeight() = 0;
    /// @return the height of one line of the current font in twips
    virtual float TextHeight() = 0;

    /// Prints a number as " 12 ": the sign place (a blank when not negative) and a trailing blank.
    virtual void printNumber(int number, bool endLine) = 0;
    /// Prints a text at the current place; kept on the line CurrentX moves past it,
    /// ending the line CurrentX goes to 0 and CurrentY down by one line of the current font.
    virtual void printText(const QString& text, bool endLine) = 0;

    /// @return the number of the current page within the current document, 1 for its first
    virtual int Page() = 0;
    virtual void NewPage() = 0;
    /// Ends the document and releases it to the print system.
    virtual void EndDoc() = 0;
};

} // namespace vantreel
