#include "problemreport.h"

#include <QTextStream>

namespace lumolex::mkdata {

void reportProblems(const ProblemList &problems, const QString &consequence, QTextStream &err)
{
    const QStringList &messages = problems.messages();
    const qsizetype listed = qMin<qsizetype>(messages.size(), kListedProblems);
    for (qsizetype i = 0; i < listed; ++i)
        err << messages.at(i) << '\n';
    if (messages.size() > listed)
        err << "... " << messages.size() - listed << " more not listed\n";
    err << "lumolex-mkdata: " << messages.size() << " problem(s); " << consequence << Qt::endl;
}

} // namespace lumolex::mkdata
