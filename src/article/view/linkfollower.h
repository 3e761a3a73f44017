#pragma once

// Following the cross-reference (GOTO) of the current article to the article
// of the same dictionary whose key is the reference's transcription key.

#include <QObject>

#include <functional>

namespace lumolex {

class MessageBoxes;
class Table;

class LinkFollower : public QObject
{
    Q_OBJECT
public:
    // setSharedSearchText receives the headword the link starts from, so that
    // find in article offers it; it may be empty.
    LinkFollower(Table *articles, MessageBoxes *messages,
                 std::function<void(const QString &)> setSharedSearchText, QObject *parent = nullptr);

    // Run by ToolButtonLink and MainMenuLink. The found article becomes
    // current; the record change shows it and records a step. Without a
    // reference, or without a target in the current dictionary, an error box
    // says so and nothing moves. Answers whether it moved.
    bool ToolButtonLinkClick();

private:
    Table *m_articles;
    MessageBoxes *m_messages;
    std::function<void(const QString &)> m_setSharedSearchText;
};

} // namespace lumolex
