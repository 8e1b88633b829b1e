#include "platform/messageboxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QTextBoundaryFinder>

#include <algorithm>

namespace vantreel {

namespace {

// A prompt carries what was pasted into the range boxes, up to two text boxes full. Laying out
// that much text keeps the box from opening for seconds and makes it taller than the screen,
// so the box shows the beginning of such a prompt and marks where it is cut; the caller's
// prompt itself stays whole. The program's own prompts are far shorter than these limits.
constexpr qsizetype shownCharacters = 1000;
constexpr int shownLines = 20;

QString shownPrompt(const QString& prompt)
{
    qsizetype end = std::min(prompt.size(), shownCharacters);
    int lines = 1;
    for (qsizetype i = 0; i < end; ++i) {
        if (prompt.at(i) == QLatin1Char('\n') && ++lines > shownLines)
            end = i;
    }
    if (end == prompt.size())
        return prompt;
    // Never cut inside a character (a surrogate pair, a letter and its marks).
    const QString head = prompt.left(end + 32);
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, head);
    characters.setPosition(end);
    if (!characters.isAtBoundary())
        end = std::max<qsizetype>(0, characters.toPreviousBoundary());
    return prompt.left(end) + QChar(0x2026);
}

} // namespace

bool QtMessageBoxes::show(const QString& prompt, Buttons buttons, const QString& title)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title.isEmpty() ? QStringLiteral("Vantreel") : title);
    // Prompts carry what the user typed into the start and end boxes: never markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(shownPrompt(prompt));
    box.setIcon(QMessageBox::NoIcon);
    if (buttons == Buttons::OkCancel)
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    else
        box.setStandardButtons(QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok;
}

} // namespace vantreel
