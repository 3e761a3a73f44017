#include "problemreport.h"
#include "tooltext.h"

#include <QTextStream>

namespace lumolex::mkdata {

void reportProblems(const ProblemList &problems, const QString &consequence, QTextStream &err)
{
    const QStringList &messages = problems.messages();
    const qsizetype listed = qMin<qsizetype>(messages.size(), kListedProblems);
    for (qsizetype i = 0; i < listed; ++i)
        err << messages.at(i) << '\n';
    if (messages.size() > listed)
        err << tools::toolText("lumolex-mkdata", "... %1 more not listed").arg(messages.size() - listed) << '\n';
    err << "lumolex-mkdata: " << tools::toolText("lumolex-mkdata", "%n problem(s); %1", nullptr, int(messages.size())).arg(consequence) << Qt::endl;
}

} // namespace lumolex::mkdata
