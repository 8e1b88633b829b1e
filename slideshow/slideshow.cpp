// The slide show: one button starts and stops it, each timer tick moves the screen list on
// by one entry (from the last back to the first), and the speed bar sets the pace.

#include "app/frmFonts.h"

namespace vantreel {

void frmFonts::cmdShowFonts_Click()
{
    ShowCounter += 1;
    if (ShowCounter == 1) {
        cmdShowFonts.setCaption(QStringLiteral("&Stop Showing Fonts"));
    } else {
        cmdShowFonts.setCaption(QStringLiteral("&Show Fonts"));
        ShowCounter = 0;
    }
}

// The position to step to is checked against the list itself as well as against the count
// taken at start-up: a name that failed to load leaves the list shorter than the count, and
// selecting past its end would fail inside a timer tick. Such a step goes back to the first
// entry; with an empty list a tick does nothing.
void frmFonts::tmrTimer_Timer()
{
    if (ShowCounter != 1)
        return;
    const int position = cboFontsScreen.ListIndex();
    int next = -1;
    if (position <= ScreenFontCount - 2)
        next = position + 1;
    else if (position == ScreenFontCount - 1)
        next = 0;
    else
        return;
    if (next >= cboFontsScreen.ListCount())
        next = 0;
    if (cboFontsScreen.ListCount() == 0)
        return;
    lblSample.setFontName(cboFontsScreen.Text());
    cboFontsScreen.setListIndex(next);
}

void frmFonts::HsbSpeed_Change()
{
    tmrTimer.setInterval(HsbSpeed.Value());
}

void frmFonts::HsbSpeed_Scroll()
{
    tmrTimer.setInterval(HsbSpeed.Value());
}

} // namespace vantreel
