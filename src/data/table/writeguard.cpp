#include "data/table/writeguard.h"

namespace lumolex {

namespace {

bool isBlank(const QVariant &value)
{
    return !value.isValid() || value.isNull() || value.toString().isEmpty();
}

QVariant fieldValue(const QVector<FieldDef> &fields, const QVariantList &values, QStringView name)
{
    for (qsizetype i = 0; i < fields.size() && i < values.size(); ++i) {
        if (name.compare(fields[i].name, Qt::CaseInsensitive) == 0)
            return values[i];
    }
    return {};
}

} // namespace

std::optional<QString> articleStoreRefusal(const QVariant &word, const QVariant &transc)
{
    if (isBlank(word))
        return QCoreApplication::translate("WriteGuard", EmptyWordMessage);
    if (isBlank(transc))
        return QCoreApplication::translate("WriteGuard", EmptyTranscMessage);
    return std::nullopt;
}

std::optional<QString> articleStoreRefusal(const QVector<FieldDef> &fields, const QVariantList &values)
{
    return articleStoreRefusal(fieldValue(fields, values, u"WORD"), fieldValue(fields, values, u"TRANSC"));
}

} // namespace lumolex
