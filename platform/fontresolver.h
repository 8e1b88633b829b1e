#pragma once

#include <QString>
#include <QStringList>

namespace vantreel {

// Qt searches the aliases of every installed family whenever it is handed a family name
// that its font database does not list: with thousands of families that takes a good
// fraction of a second per name. So the program hands Qt only listed names, resolving any
// other name once through fontconfig's own matching.

/// @return the font database's families, read once
const QStringList& installedFamilies();

/// @return true when the font database lists the family (exact name)
bool isListedFamily(const QString& family);

/// @return the name itself when listed and carried by a font file, else the listed family
/// fontconfig matches it to (Qt lists "Serif", "Sans Serif" and "Monospace" of its own)
QString listedFamily(const QString& name);

/// @return QFontDatabase::isScalable(family), asking Qt only about families that fontconfig
/// has fixed-size fonts of (asking Qt about each of thousands of families takes a while)
bool isScalableFamily(const QString& family);

/// The window's designed fonts are Windows fonts ("System", "MS Sans Serif"). Where they
/// are missing they are drawn in the family fontconfig gives for Arial, whose metrics
/// they share closely enough for every caption to fit its control.
QString designedFamily(const QString& designedName);

} // namespace vantreel

namespace vantreel {

/// Makes the application's default font, which every kind of widget then takes (tooltips
/// and message boxes among them), a family the database lists.
void useListedDefaultFont();

} // namespace vantreel
