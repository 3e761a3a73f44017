#include "article/examplepicker.h"

#include "article/bodydecoder.h"
#include "data/table/table.h"

#include <QRandomGenerator>
#include <QTextDocument>

namespace lumolex {

int uniformRandomRecord(int count)
{
    // The global generator is seeded from the system once; reseeding it from
    // the clock at every draw would repeat draws made within one clock tick.
    return count < 1 ? 0 : QRandomGenerator::global()->bounded(1, count + 1);
}

ExamplePicker::ExamplePicker(RandomRecord random)
    : m_random(std::move(random))
{
    if (!m_random)
        m_random = uniformRandomRecord;
}

void ExamplePicker::setRandomSource(RandomRecord random)
{
    m_random = random ? std::move(random) : RandomRecord(uniformRandomRecord);
}

int ExamplePicker::showRandomExample(Table *examples, QTextDocument *doc, const ArticleFont &font) const
{
    if (!doc)
        return 0;
    const int count = examples ? examples->recordCount() : 0;
    const int field = examples ? examples->fieldIndex(u"PHRASE") : -1;
    if (count < 1 || field < 0) {
        doc->clear();
        return 0;
    }
    const int number = qBound(1, m_random(count), count);
    examples->setRecordNumber(number);
    decodeBody(examples->blob(field), examples->isNull(field), doc);
    imposeFont(doc, font);
    return number;
}

} // namespace lumolex
