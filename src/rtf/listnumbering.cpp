#include "rtf/listnumbering.h"

#include "rtf/rtfinterpreter.h"

namespace lumolex::rtf {

void ListNumbering::beginList()
{
    if (m_lists.size() < Limits::kMaxTableEntries)
        m_lists.append(List());
}

void ListNumbering::setListId(int id)
{
    if (m_lists.isEmpty())
        return;
    m_lists.last().id = id;
    m_listIndex.insert(id, int(m_lists.size() - 1));
}

void ListNumbering::beginLevel()
{
    if (!m_lists.isEmpty() && m_lists.last().levels.size() < kMaxLevels)
        m_lists.last().levels.append(Level());
}

ListNumbering::Level *ListNumbering::currentLevel()
{
    if (m_lists.isEmpty() || m_lists.last().levels.isEmpty())
        return nullptr;
    return &m_lists.last().levels.last();
}

void ListNumbering::setLevelFormat(int numberFormat)
{
    if (Level *level = currentLevel())
        level->numberFormat = numberFormat;
}

void ListNumbering::setLevelStart(int start)
{
    if (Level *level = currentLevel())
        level->start = start;
}

void ListNumbering::setLevelFollow(int follow)
{
    if (Level *level = currentLevel())
        level->follow = follow;
}

void ListNumbering::setLevelText(const QString &raw)
{
    Level *level = currentLevel();
    if (!level || raw.isEmpty())
        return;
    const int length = raw.front().unicode();
    level->text = raw.mid(1, length);
}

void ListNumbering::beginOverride()
{
    m_inOverride = true;
    m_overrideListId = 0;
}

void ListNumbering::setOverrideListId(int id)
{
    m_overrideListId = id;
}

void ListNumbering::setOverrideNumber(int number)
{
    if (m_inOverride && m_overrides.size() < Limits::kMaxTableEntries)
        m_overrides.insert(number, m_overrideListId);
}

const ListNumbering::List *ListNumbering::findList(int id) const
{
    const auto index = m_listIndex.constFind(id);
    if (index == m_listIndex.constEnd() || m_lists[*index].id != id)
        return nullptr;
    return &m_lists[*index];
}

QString ListNumbering::formatNumber(int value, int numberFormat)
{
    switch (numberFormat) {
    case 1:
    case 2: {
        if (value <= 0 || value >= 4000)
            break;
        static const struct { int value; const char *digits; } kRoman[] = {
            {1000, "m"}, {900, "cm"}, {500, "d"}, {400, "cd"}, {100, "c"}, {90, "xc"},
            {50, "l"}, {40, "xl"}, {10, "x"}, {9, "ix"}, {5, "v"}, {4, "iv"}, {1, "i"}};
        QString result;
        for (const auto &digit : kRoman) {
            for (; value >= digit.value; value -= digit.value)
                result += QLatin1StringView(digit.digits);
        }
        return numberFormat == 1 ? result.toUpper() : result;
    }
    case 3:
    case 4: {
        if (value <= 0)
            break;
        // A..Z, then AA..ZZ and so on, as word processors count.
        const QChar letter = QChar(char16_t((numberFormat == 3 ? u'A' : u'a') + (value - 1) % 26));
        return QString((value - 1) / 26 + 1 > 64 ? 64 : (value - 1) / 26 + 1, letter);
    }
    case 22:
        return value < 10 && value >= 0 ? u'0' + QString::number(value) : QString::number(value);
    default:
        break;
    }
    return QString::number(value);
}

QString ListNumbering::nextLabel(int number, int levelIndex)
{
    const auto override = m_overrides.constFind(number);
    if (override == m_overrides.constEnd())
        return {};
    const List *list = findList(*override);
    if (!list || levelIndex < 0 || levelIndex >= list->levels.size())
        return {};

    Counters &counters = m_counters[list->id];
    const Level &level = list->levels[levelIndex];
    if (counters.started[levelIndex])
        ++counters.value[levelIndex];
    else
        counters.value[levelIndex] = level.start;
    counters.started[levelIndex] = true;
    for (int deeper = levelIndex + 1; deeper < kMaxLevels; ++deeper)
        counters.started[deeper] = false;

    QString label;
    if (level.numberFormat == 23) {
        // Bullet glyphs live in symbol fonts whose encodings are not Unicode
        // (and which are rarely installed): show the usual bullets by depth.
        static const char16_t kBullets[] = {0x2022, 0x25E6, 0x25AA};
        label = QChar(kBullets[levelIndex % 3]);
    } else if (level.numberFormat != 255) {
        for (QChar ch : level.text) {
            const int placeholder = ch.unicode();
            if (placeholder < kMaxLevels) {
                if (placeholder < list->levels.size())
                    label += formatNumber(counters.value[placeholder], list->levels[placeholder].numberFormat);
            } else if (placeholder >= 0x20) {
                label += ch;   // control bytes that are no placeholder show nothing
            }
        }
    }
    if (level.follow == 0)
        label += u'\t';
    else if (level.follow == 1)
        label += u' ';
    return label;
}

} // namespace lumolex::rtf
