#pragma once

// The word-form table read while the window already shows its first
// article: the file is read and indexed on a thread of its own into a table
// of its own, which becomes the window's ClientDataSet2 when it is complete.
// Until then ClientDataSet2 is the empty table the window was created with,
// and a search waits for the hand-over (waitUntilReady). When the rows turn
// out to be unreadable, the loader's message naming the file is shown once
// and the word search stays disabled; everything else goes on as usual.
// The words as they are spelt are not loaded at all: the search reads the
// few it needs from the same file (WordSpellingFile).

#include "app/shell/startuptimeline.h"

#include <QObject>
#include <QString>

#include <memory>
#include <optional>

namespace lumolex {

class BackgroundLoad;
class WordSpellings;
class WordSpellingFile;
class Table;
class TFormLumoLex;

class WordFormLoading : public QObject
{
    Q_OBJECT
public:
    explicit WordFormLoading(TFormLumoLex *window);
    ~WordFormLoading() override;

    // The window's loading, made at its first start-up; null before.
    static WordFormLoading *of(const TFormLumoLex *window);

    // Prepares reading the word-form file of `dataFolder` (its layout was
    // checked before the window appeared). With LUMOLEX_TIMING=1 the
    // hand-over prints the time on `timeline` (from the program's start).
    void start(const QString &dataFolder, const StartupTimeline &timeline);
    // Begins the reading on its thread, once: the window calls it when its
    // first article is on screen, so that the two do not share the
    // processor; a search that needs the forms earlier begins it itself.
    void beginReading();
    // Blocks until the table has been handed over; true when the window's
    // ClientDataSet2 then holds the word forms, false when they could not be
    // read (or reading was never started).
    bool waitUntilReady();
    // Stops a reading going on (a start-up that failed otherwise).
    void cancel();
    bool isReady() const { return m_state == State::Ready; }
    // The file is being read: begun and not yet handed over.
    bool isReading() const { return m_state == State::Loading && m_load != nullptr; }
    // The spelt words of the data folder given to start(); null before.
    WordSpellings *wordSpellings() const;
    bool hasFailed() const { return m_state == State::Failed; }

signals:
    // The word-form table is the window's (or has failed, see hasFailed()).
    void handedOver();

private:
    void handOver();

    enum class State { Idle, Loading, Ready, Failed };
    TFormLumoLex *m_window;
    std::unique_ptr<BackgroundLoad> m_load;
    QString m_dataFolder;
    std::unique_ptr<Table> m_table;
    std::optional<StartupTimeline> m_timeline;
    std::unique_ptr<WordSpellingFile> m_spellings;
    State m_state = State::Idle;
};

} // namespace lumolex
