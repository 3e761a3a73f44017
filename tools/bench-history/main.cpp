// lumolex-bench-history: how long reading a history file and filling the
// word box's drop-down list takes, and the memory it needs, for files far
// larger than any list the program writes.
//
// Each case runs in a process of its own (this program started again with
// --case), so the peak resident size printed is that case's alone.

#include "app/store/historyfile.h"
#include "article/view/historykeeper.h"
#include "benchsupport.h"
#include "platform/systeminfo.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

using namespace lumolex;
using namespace lumolex::bench;

namespace {

struct Case {
    const char *name;
    const char *what;
    void (*write)(QFile &file);
};

void manyLines(QFile &file)
{
    for (int i = 0; i < 100000; ++i)
        file.write(QStringLiteral("слово%1\r\n").arg(i).toUtf8());
}

void fiftyMegabytes(QFile &file)
{
    const QByteArray line = QByteArray(98, 'a') + "\r\n";
    for (int i = 0; i < 50 * 1024 * 1024 / line.size(); ++i)
        file.write(line);
}

void oneLongLine(QFile &file)
{
    file.write(QByteArray(10 * 1024 * 1024, 'x'));
    file.write("\r\n");
}

void fiftyMegabyteLine(QFile &file)
{
    for (int i = 0; i < 50; ++i)
        file.write(QByteArray(1024 * 1024, 'y'));
}

const Case kCases[] = {
    {"lines", "100,000 short lines (UTF-8, with mark)", [](QFile &f) { f.write("\xEF\xBB\xBF"); manyLines(f); }},
    {"big", "50 MB of 100-byte lines (no mark)", fiftyMegabytes},
    {"line10", "one line of 10 MB", oneLongLine},
    {"line50", "50 MB without a line end", fiftyMegabyteLine},
};

long peakKilobytes()
{
    return long(peakResidentBytes().value_or(0) / 1024);
}

int runCase(const Case &c)
{
    QTemporaryDir dir;
    dir.setAutoRemove(true);
    QFile file(dir.filePath(QStringLiteral("DATA/LumoCard.hst")));
    QDir(dir.path()).mkpath(QStringLiteral("DATA"));
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    c.write(file);
    const qint64 size = file.size();
    file.close();

    QComboBox box;
    box.setEditable(true);
    const long before = peakKilobytes();
    QElapsedTimer clock;
    clock.start();
    HistoryFile history(dir.path(), QStringLiteral("DATA/LumoCard.hst"), dir.filePath(QStringLiteral("user")));
    QStringList entries;
    const QString error = history.load(&entries);
    HistoryKeeper::setEntries(&box, entries);
    box.show();
    QApplication::processEvents();
    const double loadMs = msSince(clock);
    qsizetype longest = 0;
    for (const QString &entry : entries)
        longest = qMax(longest, entry.size());
    clock.restart();
    box.showPopup();
    QApplication::processEvents();
    const double popupMs = msSince(clock);
    box.hidePopup();
    clock.restart();
    const QString saveError = history.save(HistoryKeeper::entries(&box));
    const double saveMs = msSince(clock);
    out << qSetFieldWidth(42) << Qt::left << c.what << qSetFieldWidth(0) << " file " << size / 1024 << " KB: load "
        << QString::number(loadMs, 'f', 1) << " ms, peak RSS " << peakKilobytes() / 1024 << " MB (+"
        << (peakKilobytes() - before) / 1024 << " MB), " << box.count() << " entries, longest " << longest
        << " chars; list opened in " << QString::number(popupMs, 'f', 1) << " ms; save " << QString::number(saveMs, 'f', 1) << " ms"
        << (error.isEmpty() ? QString() : QStringLiteral("; load said: ") + error.left(80))
        << (saveError.isEmpty() ? QString() : QStringLiteral("; save said: ") + saveError.left(80)) << Qt::endl;
    return 0;
}

} // namespace

// The offscreen platform's notes about what it cannot do are no figures.
void quiet(QtMsgType, const QMessageLogContext &, const QString &) {}

int main(int argc, char *argv[])
{
    qInstallMessageHandler(quiet);
    useOffscreenUnlessSet();
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parseCommandLine(parser, app, QStringLiteral("Loading oversized history files."),
                     {{QStringLiteral("case"), QStringLiteral("Run one case: lines, big, line10, line50."),
                       QStringLiteral("name")}});

    const QString only = parser.value(QStringLiteral("case"));
    if (!only.isEmpty()) {
        for (const Case &c : kCases) {
            if (only == QLatin1String(c.name))
                return runCase(c);
        }
        return 2;
    }
    for (const Case &c : kCases) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--case"), QLatin1String(c.name)});
        child.waitForFinished(-1);
    }
    return 0;
}
