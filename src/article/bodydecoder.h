#pragma once

#include "data/files/datalimits.h"
#include "rtf/rtfreader.h"

#include <QByteArray>
#include <QString>

class QTextDocument;

namespace lumolex {

enum class BodyKind { Null, Empty, RichText, PlainText, Damaged };

// Largest inflated body accepted; larger streams count as damaged.
inline constexpr qsizetype kMaxInflatedBody = kMaxBodyBytes;
static_assert(kMaxInflatedBody <= rtf::kMaxDocumentBytes, "the RTF reader reads every body accepted");

// zlib (RFC 1950) helpers for stored bodies. inflateBody fills `out` with
// the whole stream, reusing the room `out` already has; false (and `out`
// empty) for a damaged, truncated or overlong stream.
QByteArray deflateBody(QByteArrayView plain);
bool inflateBody(QByteArrayView stored, QByteArray *out, qsizetype limit = kMaxInflatedBody);

// Replaces the content of doc by the decoded stored body. A null or empty
// body leaves doc empty; a damaged one leaves a short visible notice. A body
// longer than the view shows is cut, with a note (see bodylimits.h).
// Needs no widgets: the document may be one of a view or a bare one.
BodyKind decodeBody(const QByteArray &stored, bool isNull, QTextDocument *doc);

// Plain-text bodies: UTF-8 when the bytes are valid UTF-8 (a byte-order
// mark, UTF-16 ones included, decides first), otherwise Windows-1251, the
// code page of the dictionaries' own text. Control characters other than
// TAB and line ends are dropped.
QString decodePlainBody(QByteArrayView bytes);

// The plain text of a stored body without building a document (fast path
// of the fragment search). Empty for null, empty and damaged bodies.
QString bodyPlainText(QByteArrayView stored, bool isNull, BodyKind *kind = nullptr);

} // namespace lumolex
