#pragma once

// Reading of the tab-separated source lists: UTF-8 text, one record a line,
// fields separated by tabs. Blank lines and lines starting with '#' are
// skipped. Every problem is reported with the file and the line number.

#include <QString>
#include <QStringList>
#include <QVector>

namespace lumolex::mkdata {

struct SourceLocation {
    QString file;
    int line = 0;
    QString toString() const { return QStringLiteral("%1:%2").arg(file).arg(line); }
};

struct SourceLine {
    SourceLocation where;
    QStringList fields;
};

// Collects problems in the order found; a build with any problem writes nothing.
class ProblemList
{
public:
    void add(const SourceLocation &where, const QString &message);
    void add(const QString &message);
    bool isEmpty() const { return m_messages.isEmpty(); }
    int size() const { return int(m_messages.size()); }
    const QStringList &messages() const { return m_messages; }

private:
    QStringList m_messages;
};

// Reads every record line of a file. Returns false (and reports) when the
// file cannot be read or is not valid UTF-8; records read so far are kept.
bool readSourceLines(const QString &path, QVector<SourceLine> *lines, ProblemList *problems);

} // namespace lumolex::mkdata
