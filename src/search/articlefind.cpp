#include "search/articlefind.h"

#include <QTextCursor>
#include <QTextDocument>

namespace lumolex {

int findForward(const QTextDocument &document, const QString &what, int from, bool caseSensitive)
{
    if (what.isEmpty() || from < 0)
        return -1;
    const QTextDocument::FindFlags flags = caseSensitive ? QTextDocument::FindCaseSensitively : QTextDocument::FindFlags();
    const QTextCursor found = document.find(what, from, flags);
    return found.isNull() ? -1 : found.selectionStart();
}

} // namespace lumolex
