#pragma once

// Shared by the benchmarks of the real main window: starting it as the
// program does, on a program folder's data, and finding its longest articles.

#include "app/window/formlumolex.h"
#include "app/store/settingsstore.h"
#include "benchsupport.h"
#include "data/wordlist/dictionaryselection.h"
#include "data/table/table.h"

#include <QApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace lumolex::bench {

// The start of the main window on a program folder, with its settings in
// a scratch file, so that the user's own settings are neither read nor
// written.
inline LaunchOptions launchOptions(const QString &programFolder, const QTemporaryDir &scratch)
{
    LaunchOptions options;
    options.programFolder = programFolder;
    options.store = std::make_unique<SettingsStore>(scratch.filePath(QStringLiteral("bench.ini")));
    return options;
}

// Whether the window has started; when not, says so.
inline bool startedOrSaid(const TFormLumoLex &window, const QString &programFolder)
{
    if (window.started() && !window.endRequested())
        return true;
    out << "start-up failed: is there a DATA folder in " << programFolder << "?" << Qt::endl;
    return false;
}

// Creates and shows the main window and lets it start; null, after saying
// so, when it did not.
inline std::unique_ptr<TFormLumoLex> startWindow(LaunchOptions options)
{
    const QString programFolder = options.programFolder;
    auto window = std::make_unique<TFormLumoLex>(std::move(options));
    window->show();
    QApplication::processEvents();
    if (!startedOrSaid(*window, programFolder))
        return nullptr;
    return window;
}

// The articles with the largest stored bodies, largest first, as pairs of
// stored size and ID, at most count of them. Switches the dictionary filter
// off, so that every article is among them.
inline std::vector<std::pair<int, int>> longestArticles(Table &articles, size_t count)
{
    const int translField = articles.fieldIndex(u"TRANSL");
    const int idField = articles.fieldIndex(u"ID");
    SetFilterDict(articles, false, QString());
    std::vector<std::pair<int, int>> bySize;
    for (int p = 0; p < articles.recordCount(); ++p)
        bySize.emplace_back(articles.valueAt(p, translField).toByteArray().size(), articles.valueAt(p, idField).toInt());
    std::sort(bySize.begin(), bySize.end(), std::greater<>());
    bySize.resize(std::min(bySize.size(), count));
    return bySize;
}

} // namespace lumolex::bench
