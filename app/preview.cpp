// The preview: the two lists show their font in the samples, the size options and the
// Bold and Italic boxes act on both samples, and printer fonts fill the range boxes.

#include "app/frmFonts.h"

namespace vantreel {

// Each flag is read from its box at the moment it is applied, to the screen sample first.
void frmFonts::applyBoldFlag()
{
    lblSample.setFontBold(Check1.Value() == CheckBox::Checked);
    lblPrinterFonts.setFontBold(Check1.Value() == CheckBox::Checked);
}

void frmFonts::applyItalicFlag()
{
    lblSample.setFontItalic(Check2.Value() == CheckBox::Checked);
    lblPrinterFonts.setFontItalic(Check2.Value() == CheckBox::Checked);
}

void frmFonts::setSampleSizes(float points)
{
    lblSample.setFontSize(points);
    lblPrinterFonts.setFontSize(points);
}

void frmFonts::cboFontsScreen_Click()
{
    lblSample.setFontName(cboFontsScreen.Text());
    applyBoldFlag();
    applyItalicFlag();
}

void frmFonts::cboFontsPrinter_Click()
{
    lblPrinterFonts.setFontName(cboFontsPrinter.Text());
    applyBoldFlag();
    applyItalicFlag();
    // The first empty range box takes the name; a filled box is never overwritten.
    if (txtStartFont.Text().isEmpty())
        txtStartFont.setText(cboFontsPrinter.Text());
    else if (txtEndFont.Text().isEmpty())
        txtEndFont.setText(cboFontsPrinter.Text());
}

void frmFonts::Check1_Click()
{
    applyBoldFlag();
}

void frmFonts::Check2_Click()
{
    applyItalicFlag();
}

void frmFonts::Option1_Click()
{
    setSampleSizes(10);
}

void frmFonts::Option2_Click()
{
    setSampleSizes(14);
}

void frmFonts::Option3_Click()
{
    setSampleSizes(18);
}

void frmFonts::Option4_Click()
{
    setSampleSizes(24);
}

// The option reads "32" but sets 36 points.
void frmFonts::Option5_Click()
{
    setSampleSizes(36);
}

void frmFonts::Option6_Click()
{
    setSampleSizes(48);
}

} // namespace vantreel
