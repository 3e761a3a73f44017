#include "platform/keyboardstate.h"

namespace lumolex {

namespace {

// The language part of an XKB layout: "ru(phonetic)" gives "ru".
QString xkbLanguage(const QString &layoutId)
{
    const int bracket = layoutId.indexOf(QLatin1Char('('));
    return bracket < 0 ? layoutId : layoutId.left(bracket);
}

} // namespace

QString layoutIndicatorText(const QString &layoutId)
{
    const QString id = layoutId.trimmed();
    if (id.compare(QLatin1String("00000419"), Qt::CaseInsensitive) == 0
        || id.compare(QLatin1String("A0000419"), Qt::CaseInsensitive) == 0 || xkbLanguage(id) == QLatin1String("ru"))
        return QStringLiteral("RU");
    if (id == QLatin1String("00000409") || id == QLatin1String("us"))
        return QStringLiteral("EN");
    return QStringLiteral("??");
}

std::optional<QString> windowsLayoutToLoad(const QString &activeId, LayoutChoice choice)
{
    const QString target = choice == LayoutChoice::Russian ? QStringLiteral("00000419") : QStringLiteral("00000409");
    if (activeId.compare(target, Qt::CaseInsensitive) == 0)
        return std::nullopt;
    return target;
}

std::optional<int> xkbGroupToLock(const QStringList &groupLayouts, int activeGroup, LayoutChoice choice)
{
    const QString plain = choice == LayoutChoice::Russian ? QStringLiteral("ru") : QStringLiteral("us");
    int group = int(groupLayouts.indexOf(plain));
    if (group < 0 && choice == LayoutChoice::Russian) {
        for (int i = 0; i < groupLayouts.size() && group < 0; ++i)
            if (xkbLanguage(groupLayouts[i]) == plain)
                group = i;
    }
    if (group < 0 || group == activeGroup)
        return std::nullopt;
    return group;
}

QStringList xkbGroupLayouts(const QString &layouts, const QString &variants)
{
    const QStringList names = layouts.split(QLatin1Char(','));
    const QStringList kinds = variants.split(QLatin1Char(','));
    QStringList groups;
    if (layouts.trimmed().isEmpty())
        return groups;
    for (int i = 0; i < names.size(); ++i) {
        const QString name = names[i].trimmed();
        const QString variant = i < kinds.size() ? kinds[i].trimmed() : QString();
        groups.append(variant.isEmpty() ? name : name + QLatin1Char('(') + variant + QLatin1Char(')'));
    }
    return groups;
}

} // namespace lumolex
