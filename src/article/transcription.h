#pragma once

#include <QString>

namespace lumolex {

// The transcription key of a word: combining macrons removed, the special
// Kildin Saami letters folded to Russian ones, lower-cased, trimmed of
// control characters and spaces at both ends. Stored keys depend on this
// exact result.
QString RetTransc(QStringView word);

} // namespace lumolex
