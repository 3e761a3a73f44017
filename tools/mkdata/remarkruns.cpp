#include "remarkruns.h"

namespace lumolex::mkdata {

QVector<RemarkRun> remarkRuns(QStringView text)
{
    QVector<RemarkRun> runs;
    int depth = 0;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const bool atEnd = i == text.size();
        const QChar c = atEnd ? QChar() : text[i];
        if (atEnd || (c == u'(' && depth == 0) || (c == u')' && depth == 1)) {
            const qsizetype end = (c == u')' && depth == 1) ? i + 1 : i;
            if (end > start)
                runs.append({text.mid(start, end - start), depth > 0});
            start = end;
        }
        if (c == u'(')
            ++depth;
        else if (c == u')' && depth > 0)
            --depth;
    }
    return runs;
}

} // namespace lumolex::mkdata
