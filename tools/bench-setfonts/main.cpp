// lumolex-bench-setfonts: time from Apply of a new font in the settings
// dialog to the repainted main window, over the DATA folder of a program
// folder (default: the folder of this executable).
//
// The window starts as the program does; then the settings dialog is opened
// and Apply is pressed with a new font size and family (alternating, so that
// every run changes the fonts). The clock runs from Apply until the window
// has handled every pending event, its repaint included. Measured with the
// first article shown and with the longest article of the data shown.

#include "app/formlumolex.h"
#include "app/formsetup.h"
#include "app/settingsstore.h"
#include "app/setuplink.h"
#include "article/view/articlepanel.h"
#include "article/view/richtextview.h"
#include "data/dictionaryselection.h"
#include "data/table.h"
#include "ui/clampedspinbox.h"

#include <QApplication>
#include <QComboBox>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <vector>

using namespace lumolex;

namespace {

QTextStream out(stdout);

void report(const QString &what, std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    const double median = times.empty() ? 0 : times[times.size() / 2];
    const double worst = times.empty() ? 0 : times.back();
    out << qSetFieldWidth(48) << Qt::left << what << qSetFieldWidth(0) << " median " << QString::number(median, 'f', 2)
        << " ms, max " << QString::number(worst, 'f', 2) << " ms (" << times.size() << " runs)" << Qt::endl;
}

std::vector<double> applyNewFonts(TFormLumoLex &window, int runs)
{
    const QStringList installed = TFormSetup::installedFontFamilies();
    QStringList families;
    for (const QString &name : {QStringLiteral("DejaVu Sans"), QStringLiteral("DejaVu Serif"), QStringLiteral("Tahoma")}) {
        if (installed.contains(name))
            families << name;
    }
    if (families.isEmpty())
        families = installed.mid(0, 2);

    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        TFormSetup dialog(&window.settings, window.PanelTransl->Editor->document(), window.setup->actions(), installed,
                          &window);
        dialog.show();
        QApplication::processEvents();
        dialog.SpinEditFontSizeText->setValue(run % 2 ? 11 : 14);
        dialog.SpinEditFontSizeList->setValue(run % 2 ? 12 : 10);
        if (!families.isEmpty()) {
            const int index = dialog.ComboBoxFontName->findText(families[run % families.size()]);
            dialog.ComboBoxFontName->setCurrentIndex(index);
        }
        QElapsedTimer clock;
        clock.start();
        dialog.SpeedButtonOkClick();
        window.repaint();
        QApplication::processEvents();
        times.push_back(double(clock.nsecsElapsed()) / 1e6);
        if (!dialog.lastApply().fonts)
            out << "warning: run " << run << " applied no font" << Qt::endl;
    }
    return times;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Time from Apply of a new font to the repainted LumoLex window."));
    parser.addHelpOption();
    parser.addOption({QStringLiteral("program"), QStringLiteral("Program folder holding DATA/."), QStringLiteral("folder"),
                      QCoreApplication::applicationDirPath()});
    parser.addOption({QStringLiteral("runs"), QStringLiteral("Applies per measurement."), QStringLiteral("n"),
                      QStringLiteral("20")});
    parser.process(app);
    const int runs = std::max(1, parser.value(QStringLiteral("runs")).toInt());

    QTemporaryDir scratch;
    LaunchOptions options;
    options.programFolder = parser.value(QStringLiteral("program"));
    options.store = std::make_unique<SettingsStore>(scratch.filePath(QStringLiteral("bench.ini")));
    TFormLumoLex window(std::move(options));
    window.show();
    QApplication::processEvents();
    if (!window.started() || window.endRequested()) {
        out << "start-up failed: is there a DATA folder in " << parser.value(QStringLiteral("program")) << "?" << Qt::endl;
        return 1;
    }
    out << "platform                                         " << QGuiApplication::platformName() << Qt::endl;
    out << "articles in the data                             " << window.ClientDataSet1->rowCount() << Qt::endl;
    report(QStringLiteral("Apply new font -> repainted (first article)"), applyNewFonts(window, runs));

    // The longest body of the data in the article view.
    Table &articles = *window.ClientDataSet1;
    const int translField = articles.fieldIndex(u"TRANSL");
    const int idField = articles.fieldIndex(u"ID");
    SetFilterDict(articles, false, QString());
    int longestId = 0;
    qsizetype longest = -1;
    for (int p = 0; p < articles.recordCount(); ++p) {
        const qsizetype size = articles.valueAt(p, translField).toByteArray().size();
        if (size > longest) {
            longest = size;
            longestId = articles.valueAt(p, idField).toInt();
        }
    }
    window.FindWord(longestId);
    QApplication::processEvents();
    out << "longest article: stored bytes / shown characters " << longest << " / "
        << window.PanelTransl->Editor->document()->characterCount() << Qt::endl;
    report(QStringLiteral("Apply new font -> repainted (longest article)"), applyNewFonts(window, runs));
    out << "(target: under 50 ms)" << Qt::endl;
    window.close();
    return 0;
}
