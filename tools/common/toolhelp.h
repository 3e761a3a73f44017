#pragma once

// The --help of lumolex-cli and lumolex-mkdata.

class QCommandLineParser;
class QString;

namespace lumolex::tools {

// The parser's help text with its usage line naming the tool as it is
// typed, not the path it ran from, in any language of the usage line.
QString toolHelpText(const QCommandLineParser &parser, const QString &tool);

} // namespace lumolex::tools
