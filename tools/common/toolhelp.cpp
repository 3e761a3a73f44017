#include "toolhelp.h"

#include <QCommandLineParser>
#include <QRegularExpression>

namespace lumolex::tools {

QString toolHelpText(const QCommandLineParser &parser, const QString &tool)
{
    // "Usage: /usr/bin/lumolex-cli [options] ..." -> "Usage: lumolex-cli ..."
    return parser.helpText().replace(QRegularExpression(QStringLiteral("^(\\S+) \\S+")), QStringLiteral("\\1 ") + tool);
}

} // namespace lumolex::tools
