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

// The best match fontconfig gives for the name; a font can carry several family names
// (localised ones among them): take the first that the database lists.
QString fontconfigMatch(const QString& name)
{
    FcPattern* pattern = FcPatternCreate();
    const QByteArray utf8 = name.toUtf8();
    if (!utf8.isEmpty())
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(utf8.constData()));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    QString found;
    if (match) {
        FcChar8* family = nullptr;
        for (int i = 0; FcPatternGetString(match, FC_FAMILY, i, &family) == FcResultMatch; ++i) {
            const QString candidate = QString::fromUtf8(reinterpret_cast<const char*>(family));
            if (isListedFamily(candidate)) {
                found = candidate;
                break;
            }
        }
        FcPatternDestroy(match);
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
    if (isListedFamily(name))
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
}

} // namespace vantreel
