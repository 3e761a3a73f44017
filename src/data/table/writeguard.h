#pragma once

// The write guard of the article table: every article must have a non-empty
// WORD and a non-empty TRANSC. Whoever is about to store an article asks
// first and, on a refusal, shows the message in an error box with the
// caption ArticleStoreCaption and does not store the record. No widgets here.

#include "data/table/table.h"

#include <QCoreApplication>
#include <QString>
#include <QVariant>

#include <optional>

namespace lumolex {

// Caption of the box that reports a refusal, and the refusal texts in the
// order they are checked: the source texts of the translation, so each is
// shown through QCoreApplication::translate("WriteGuard", ...).
inline constexpr const char *ArticleStoreCaption = QT_TRANSLATE_NOOP("WriteGuard", "Сохранение словарной статьи");
inline constexpr const char *EmptyWordMessage = QT_TRANSLATE_NOOP("WriteGuard", "Пустое значение слова!");
inline constexpr const char *EmptyTranscMessage = QT_TRANSLATE_NOOP("WriteGuard", "Пустое значение транскрипции!");

// The refusal for an article with these WORD and TRANSC values, or nullopt
// when it may be stored; the text in the interface language. Null (or invalid) and zero-length values are refused
// alike; WORD is checked first.
std::optional<QString> articleStoreRefusal(const QVariant &word, const QVariant &transc);

// The same for a whole record given in the field order of `fields` (the
// article table's fields). A record without a WORD or TRANSC field is refused.
std::optional<QString> articleStoreRefusal(const QVector<FieldDef> &fields, const QVariantList &values);

} // namespace lumolex
