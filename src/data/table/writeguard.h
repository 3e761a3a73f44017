#pragma once

// The write guard of the article table: every article must have a non-empty
// WORD and a non-empty TRANSC. Whoever is about to store an article asks
// first and, on a refusal, shows the message in an error box with the
// caption ArticleStoreCaption and does not store the record. No widgets here.

#include "data/table/table.h"

#include <QString>
#include <QVariant>

#include <optional>

namespace lumolex {

// Caption of the box that reports a refusal.
inline const QString ArticleStoreCaption = QStringLiteral("Сохранение словарной статьи");
// Refusal texts, in the order they are checked.
inline const QString EmptyWordMessage = QStringLiteral("Пустое значение слова!");
inline const QString EmptyTranscMessage = QStringLiteral("Пустое значение транскрипции!");

// The refusal for an article with these WORD and TRANSC values, or nullopt
// when it may be stored. Null (or invalid) and zero-length values are refused
// alike; WORD is checked first.
std::optional<QString> articleStoreRefusal(const QVariant &word, const QVariant &transc);

// The same for a whole record given in the field order of `fields` (the
// article table's fields). A record without a WORD or TRANSC field is refused.
std::optional<QString> articleStoreRefusal(const QVector<FieldDef> &fields, const QVariantList &values);

} // namespace lumolex
