// The print request: the print-size boxes, the print button's caption, and the first stage
// of the print button, which chooses the request, asks for confirmation and resolves the
// start and end names to positions in the printer list.

#include "app/frmFonts.h"

#include "platform/failure.h"

namespace vantreel {

void frmFonts::uncheckOtherPrintSizes(CheckBox& own, CheckBox& first, CheckBox& second)
{
    if (own.Value() == CheckBox::Unchecked)
        return;
    first.setValue(CheckBox::Unchecked);
    second.setValue(CheckBox::Unchecked);
}

void frmFonts::chkPrintSmall_Click()
{
    uncheckOtherPrintSizes(chkPrintSmall, chkPrintLarge, chkPrintHuge);
}

void frmFonts::chkPrintLarge_Click()
{
    uncheckOtherPrintSizes(chkPrintLarge, chkPrintSmall, chkPrintHuge);
}

void frmFonts::chkPrintHuge_Click()
{
    uncheckOtherPrintSizes(chkPrintHuge, chkPrintSmall, chkPrintLarge);
}

void frmFonts::txtStartFont_Change()
{
    if (txtStartFont.Text().isEmpty())
        cmdPrintFonts.setCaption(QStringLiteral("Print All Printer Fonts"));
    else
        cmdPrintFonts.setCaption(QStringLiteral("Print Fonts From Start To End"));
}

namespace {

// Selects the entry that carries the name and reads the selected position. A name that no
// entry carries is refused: the position read is that of the entry selected before.
void resolveName(SortedList& list, const QString& name, std::int16_t& position)
{
    resumeNext([&] { list.setText(name); });
    resumeNext([&] { position = toInt16(list.ListIndex()); });
}

} // namespace

// Resume-next from its first step: each action is guarded by itself, and a test that cannot
// be evaluated takes the branch it takes when true.
void frmFonts::cmdPrintFonts_Click()
{
    std::int16_t StartPosition = 0;
    std::int16_t EndPosition = 0;
    const auto refused = [this](const QString& prompt, const QString& title) {
        return testOrTrue([&] { return !outside_.messages.show(prompt, Buttons::OkCancel, title); });
    };
    const auto lastPosition = [this, &EndPosition] {
        resumeNext([&] { EndPosition = toInt16(PrinterFontCount - 1); });
    };

    if (testOrTrue([&] { return txtStartFont.Text().isEmpty(); })) {
        if (refused(QStringLiteral("Print All Printer Fonts?"), QStringLiteral("Print All Fonts?")))
            return;
        StartPosition = 0;
        lastPosition();
    } else if (testOrTrue([&] { return txtEndFont.Text().isEmpty(); })) {
        QString start;
        resumeNext([&] { start = txtStartFont.Text(); });
        if (refused(QStringLiteral("Print Fonts From ") + start + QStringLiteral(" To End Of Fonts?"),
                    QStringLiteral("Print Partial Fonts?")))
            return;
        resolveName(cboFontsPrinter, txtStartFont.Text(), StartPosition);
        lastPosition();
    } else {
        QString start;
        QString end;
        resumeNext([&] { start = txtStartFont.Text(); });
        resumeNext([&] { end = txtEndFont.Text(); });
        if (refused(QStringLiteral("Print Fonts From ") + start + QStringLiteral(" To ") + end + QStringLiteral("?"),
                    QStringLiteral("Print Partial Fonts?")))
            return;
        resolveName(cboFontsPrinter, txtStartFont.Text(), StartPosition);
        resolveName(cboFontsPrinter, txtEndFont.Text(), EndPosition);
        if (testOrTrue([&] { return StartPosition > EndPosition; })) {
            resumeNext([&] {
                outside_.messages.show(QStringLiteral("Start Font Must Be Higher On The Font List Than End Font!"),
                                       Buttons::OkOnly, QStringLiteral("ERROR!"));
            });
            resumeNext([&] { txtEndFont.setText(QString()); });
            resumeNext([&] { txtStartFont.setText(QString()); });
            return;
        }
    }
    printCatalogue(StartPosition, EndPosition);
}

} // namespace vantreel
