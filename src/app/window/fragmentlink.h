#pragma once

// The fragment search button of the search panel (ToolButtonGoFind2): starts
// a scan, and pressed again during the scan, stops it. The scan itself is
// FragmentSearch (search/); this class does the window's part around it:
// the disabled window, the stop picture, the progress bar, the results as
// they are found, the messages and the find history.
//
// The scan runs on the window's thread in steps of at most kStepBudget, and
// processes the window's events between steps, so the stop click, the
// progress bar and repaints come in at least every 16 ms.

#include "search/fragmentsearch.h"
#include "search/plaintextcache.h"

#include <QObject>

#include <chrono>

namespace lumolex {

class TFormLumoLex;

class FragmentLink : public QObject
{
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds kStepBudget{10};

    explicit FragmentLink(TFormLumoLex *window);

    void ToolButtonGoFind2Click();

    // The scan flag: up exactly while a scan runs.
    bool scanning() const { return m_scanFlag; }

    // A close of the main window while a scan runs: the scan is stopped and
    // the window closes once it has finished. True when the close must wait.
    bool deferClose();

    // Time budget of one step, and the articles visited together (tests use
    // zero and one: one article a step).
    void setStepBudget(std::chrono::nanoseconds budget, int blockSize = FragmentSearch::kBlockSize)
    {
        m_stepBudget = budget;
        m_blockSize = blockSize;
    }

    // The converted texts kept from earlier scans.
    const PlainTextCache &cache() const { return m_cache; }

private:
    void scan(const QString &query);
    void setScanning(bool on);

    TFormLumoLex *m_window;
    PlainTextCache m_cache;
    std::chrono::nanoseconds m_stepBudget = kStepBudget;
    int m_blockSize = FragmentSearch::kBlockSize;
    bool m_scanFlag = false;
    bool m_closeAfterScan = false;
};

} // namespace lumolex
