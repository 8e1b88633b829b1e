#pragma once

#include "platform/messageboxes.h"
#include "platform/printer.h"
#include "platform/programend.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <set>
#include <vector>

namespace vantreel::testing {

// A font source fed by the test; it can fail its count or the reading of chosen names.
class FedFonts : public FontSource {
public:
    FedFonts() = default;
    explicit FedFonts(QStringList names) : names(std::move(names)) {}

    int FontCount() override;
    QString Fonts(int i) override;

    QStringList names;
    bool countFails = false;
    std::set<int> unreadable;
    int reads = 0;
};

struct ShownBox {
    QString prompt;
    Buttons buttons;
    QString title;
};

// Records every message box and answers it from a script (OK once the script runs out).
class ScriptedMessageBoxes : public MessageBoxes {
public:
    bool show(const QString& prompt, Buttons buttons, const QString& title) override;

    std::deque<bool> answers;
    std::vector<ShownBox> shown;
};

class RecordingProgramEnd : public ProgramEnd {
public:
    void endNow() override { ++ends; }
    int ends = 0;
};

struct PrintedItem {
    int document;
    int page;
    float x;
    float y;
    QString fontName;
    float points;
    bool bold;
    bool italic;
    bool underline;
    QString text;
    bool endsLine;
};

// A printer that keeps every call and every item with its font and place. Lines are
// lineHeightPerPoint twips a point high, characters charWidthPerPoint twips a point wide.
// It fails every call, or the calls whose 1-based numbers are listed.
class RecordingPrinter : public Printer {
public:
    int FontCount() override;
    QString Fonts(int i) override;

    void setFontName(const QString& name) override;
    void setFontSize(float points) override;
    void setFontBold(bool bold) override;
    void setFontItalic(bool italic) override;
    void setFontUnderline(bool underline) override;
    float CurrentX() override;
    float CurrentY() override;
    void setCurrentX(float twips) override;
    void setCurrentY(float twips) override;
    float ScaleHeight() override;
    float TextHeight() override;
    void printNumber(int number, bool endLine) override;
    void printText(const QString& text, bool endLine) override;
    int Page() override;
    void NewPage() override;
    void EndDoc() override;

    /// Pages that carry at least one item, per document that does.
    std::vector<int> pagesPerDocument() const;
    /// The running numbers printed, in order: every catalogue entry begins with its number in Arial.
    QList<int> runningNumbers() const;

    // What the printer offers and how it measures.
    QStringList fonts;
    bool hasNoPrinter = false;
    float scaleHeight = 15000;
    float lineHeightPerPoint = 20;
    float charWidthPerPoint = 10;

    // Failures.
    bool failEveryCall = false;
    std::set<int> failingCalls;

    // What happened.
    std::vector<PrintedItem> items;
    QStringList calls;
    int endDocs = 0;
    int newPages = 0;

private:
    void call(const QString& what);
    void record(const QString& text, bool endLine);
    QString fontName_;
    float points_ = 10;
    bool bold_ = false;
    bool italic_ = false;
    bool underline_ = false;
    float x_ = 0;
    float y_ = 0;
    int page_ = 1;
    int document_ = 1;
};

} // namespace vantreel::testing
