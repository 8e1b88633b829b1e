#include "platform/fontresolver.h"

#include <QFontDatabase>
#include <QHash>
#include <QSet>

#include <fontconfig/fontconfig.h>

namespace vantreel {

namespace {

const QSet<QString>& listedSet()
{
    static const QSet<QString> families(installedFamilies().cbegin(), installedFamilies().cend());
    return families;
}

// Qt's font database lists three families of its own, "Serif", "Sans Serif" and "Monospace",
// that no font file carries: Qt resolves them by the same slow alias search as an unlisted
// name. They count as listed only where a font of that name is installed.
bool isGenericStandIn(const QString& family)
{
    if (family != QLatin1String("Serif") && family != QLatin1String("Sans Serif") && family != QLatin1String("Monospace"))
        return false;
    static QHash<QString, bool> standIns;
    const auto known = standIns.constFind(family);
    if (known != standIns.cend())
        return *known;
    const QByteArray utf8 = family.toUtf8();
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(utf8.constData()));
    FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, nullptr);
    FcFontSet* fonts = FcFontList(nullptr, pattern, objects);
    const bool standIn = !fonts || fonts->nfont == 0;
    if (fonts)
        FcFontSetDestroy(fonts);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    standIns.insert(family, standIn);
    return standIn;
}

// The family fontconfig gives for the name: the first listed family that its substitution
// rules put in the pattern (the name itself, its aliases, then the generic families), which
// is the family its best match carries; only where none is listed is every font scored for
// the best match. A font can carry several family names (localised ones among them): the
// first that the database lists is taken.
QString fontconfigMatch(const QString& name)
{
    const auto firstListed = [](FcPattern* pattern) {
        FcChar8* family = nullptr;
        for (int i = 0; FcPatternGetString(pattern, FC_FAMILY, i, &family) == FcResultMatch; ++i) {
            const QString candidate = QString::fromUtf8(reinterpret_cast<const char*>(family));
            if (isListedFamily(candidate) && !isGenericStandIn(candidate))
                return candidate;
        }
        return QString();
    };
    FcPattern* pattern = FcPatternCreate();
    const QByteArray utf8 = name.toUtf8();
    if (!utf8.isEmpty())
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(utf8.constData()));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    QString found = firstListed(pattern);
    if (found.isEmpty()) {
        FcResult result = FcResultNoMatch;
        if (FcPattern* match = FcFontMatch(nullptr, pattern, &result)) {
            found = firstListed(match);
            FcPatternDestroy(match);
        }
    }
    FcPatternDestroy(pattern);
    return found;
}

} // namespace

const QStringList& installedFamilies()
{
    static const QStringList families = QFontDatabase::families();
    return families;
}

bool isListedFamily(const QString& family)
{
    return listedSet().contains(family);
}

QString listedFamily(const QString& name)
{
    if (isListedFamily(name) && !isGenericStandIn(name))
        return name;
    static QHash<QString, QString> resolved;
    const auto known = resolved.constFind(name);
    if (known != resolved.cend())
        return *known;
    QString family = fontconfigMatch(name);
    if (family.isEmpty() && !installedFamilies().isEmpty())
        family = installedFamilies().constFirst();
    resolved.insert(name, family);
    return family;
}

namespace {

// Folded family names of the fonts fontconfig lists as not scalable: mostly none.
const QSet<QString>& fixedSizeFamilies()
{
    static const QSet<QString> families = [] {
        QSet<QString> found;
        FcPattern* pattern = FcPatternCreate();
        FcPatternAddBool(pattern, FC_SCALABLE, FcFalse);
        FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, nullptr);
        if (FcFontSet* fonts = FcFontList(nullptr, pattern, objects)) {
            for (int i = 0; i < fonts->nfont; ++i) {
                FcChar8* family = nullptr;
                for (int j = 0; FcPatternGetString(fonts->fonts[i], FC_FAMILY, j, &family) == FcResultMatch; ++j)
                    found.insert(QString::fromUtf8(reinterpret_cast<const char*>(family)).toCaseFolded());
            }
            FcFontSetDestroy(fonts);
        }
        FcObjectSetDestroy(objects);
        FcPatternDestroy(pattern);
        return found;
    }();
    return families;
}

} // namespace

bool isScalableFamily(const QString& family)
{
    // Qt names a family that several foundries make "Family [Foundry]".
    const qsizetype foundry = family.indexOf(QLatin1String(" ["));
    const QString name = (foundry < 0 ? family : family.left(foundry)).toCaseFolded();
    return !fixedSizeFamilies().contains(name) ? true : QFontDatabase::isScalable(family);
}

QString designedFamily(const QString& designedName)
{
    return isListedFamily(designedName) ? designedName : listedFamily(QStringLiteral("Arial"));
}

} // namespace vantreel

#include <QApplication>

namespace vantreel {

void useListedDefaultFont()
{
    QFont font = QApplication::font();
    font.setFamilies({listedFamily(font.family())});
    QApplication::setFont(font);
    // Setting the default font also drops the fonts a desktop theme gives kinds of widgets
    // (tooltips, message boxes, menus): they all take this listed family.
}

} // namespace vantreel
