#pragma once

class QTextDocument;

namespace lumolex {

// Masks the offensive stems in place, each occurrence replaced by as many
// "x" as it has characters, keeping the character formatting.
void ReplaceBadWord(QTextDocument *doc);

} // namespace lumolex
