#pragma once

#include <QByteArray>

class QTextDocument;

namespace lumolex::rtf {

// Serialises a whole document the way a Windows rich-edit control writes it:
// \ansi\ansicpg1251, a font table with \fcharset204, \'hh for code-page
// characters and \uN? for every other character.
QByteArray writeDocument(const QTextDocument &doc);

} // namespace lumolex::rtf
