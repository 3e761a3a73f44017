#pragma once

// Wires the article side of the program to the main window's controls: the
// record-change handler, following links, the steps back and forward, the
// bookmark and the two history lists.

#include <QObject>

namespace lumolex {

class ArticleRenderer;
class Bookmark;
class HistoryKeeper;
class LinkFollower;
class StepNavigator;
class TFormLumoLex;

class ArticleLink : public QObject
{
    Q_OBJECT
public:
    explicit ArticleLink(TFormLumoLex *window);

    ArticleRenderer *renderer;   // DataSource1DataChange
    StepNavigator *steps;
    Bookmark *bookmark;
    HistoryKeeper *histories;
    LinkFollower *links;
};

} // namespace lumolex
