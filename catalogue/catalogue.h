#pragma once

#include <QString>

namespace vantreel {

// One row per print size: where and how large a catalogue entry is printed.
// Places are twips, sizes points.
struct CatalogueLayout {
    float points;          // number, name and sample
    float nameX;
    int nameCut;           // characters of the name printed at most
    bool nameEndsLine;     // Huge puts the sample on a line of its own
    float sampleX;
    const char* sample;
    float bottomMargin;    // the page is full once CurrentY passes ScaleHeight minus this
};

inline constexpr CatalogueLayout smallLayout{14, 700, 25, false, 4700, "AaBbCcDdEeFfGgHhIiJjKkLl", 500};
inline constexpr CatalogueLayout largeLayout{20, 1000, 25, false, 6000, "AaBbCcDdEeFf", 800};
inline constexpr CatalogueLayout hugeLayout{40, 1500, 20, true, 1700, "AaBbCcDdEeFfGg", 1200};

// The catalogue's entries are numbered and named in Arial.
inline const QString catalogueTextFont = QStringLiteral("Arial");

inline constexpr int pagesPerDocument = 10;

} // namespace vantreel
