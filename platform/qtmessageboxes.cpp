#include "platform/messageboxes.h"

#include <QApplication>
#include <QMessageBox>

namespace vantreel {

bool QtMessageBoxes::show(const QString& prompt, Buttons buttons, const QString& title)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title.isEmpty() ? QStringLiteral("Vantreel") : title);
    // Prompts carry what the user typed into the start and end boxes: never markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(prompt);
    box.setIcon(QMessageBox::NoIcon);
    if (buttons == Buttons::OkCancel)
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    else
        box.setStandardButtons(QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok;
}

} // namespace vantreel
