#pragma once

#include <QString>

namespace lumolex {

// The transcription key of a word: composed first (Unicode NFC), so that a
// letter spelt with combining marks keys as the composed letter; combining
// macrons left over removed, the special Kildin Saami letters folded to
// Russian ones, lower-cased, trimmed of control characters and spaces at both
// ends. Stored keys depend on this exact result.
QString RetTransc(QStringView word);

} // namespace lumolex
