#pragma once

// The texts of lumolex-cli and lumolex-mkdata. Their source texts are
// English and their Russian is in translations/lumolex-tools_ru.ts, apart
// from the window program's texts (Russian source, lumolex_en.ts): so they
// are written with names of their own, which scripts/update-translations
// tells lupdate to read as QCoreApplication::translate and QT_TRANSLATE_NOOP
// for the tools' file only.

#include <QCoreApplication>

// Marks a text of a table for the tools' translation; toolText translates it
// where it is shown.
#define TOOL_TEXT_NOOP(context, sourceText) sourceText

namespace lumolex::tools {

// QCoreApplication::translate for a text of the tools.
inline QString toolText(const char *context, const char *sourceText, const char *disambiguation = nullptr, int n = -1)
{
    return QCoreApplication::translate(context, sourceText, disambiguation, n);
}

} // namespace lumolex::tools
