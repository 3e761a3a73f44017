// lumolex-bench-setfonts: time from Apply of a new font in the settings
// dialog to the repainted main window, over the DATA folder of a program
// folder (default: the folder of this executable).
//
// The window starts as the program does; then the settings dialog is opened
// and Apply is pressed with a new font size and family (alternating, so that
// every run changes the fonts). The clock runs from Apply until the window
// has handled every pending event, its repaint included. Measured with the
// first article shown and with the longest article of the data shown.

#include "app/setup/formsetup.h"
#include "app/window/setuplink.h"
#include "article/view/articlepanel.h"
#include "article/view/richtextview.h"
#include "benchwindow.h"
#include "ui/clampedspinbox.h"

#include <QApplication>
#include <QComboBox>

using namespace lumolex;
using namespace lumolex::bench;

namespace {

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
        times.push_back(msSince(clock));
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
    parseCommandLine(parser, app, QStringLiteral("Time from Apply of a new font to the repainted LumoLex window."),
                     {programFolderOption(), {QStringLiteral("runs"), QStringLiteral("Applies per measurement."),
                                              QStringLiteral("n"), QStringLiteral("20")}});
    const int runs = atLeastOne(parser, QStringLiteral("runs"));

    QTemporaryDir scratch;
    const auto window = startWindow(launchOptions(parser.value(QStringLiteral("program")), scratch));
    if (!window)
        return 1;
    out << "platform                                         " << QGuiApplication::platformName() << Qt::endl;
    out << "articles in the data                             " << window->ClientDataSet1->rowCount() << Qt::endl;
    reportTimes(QStringLiteral("Apply new font -> repainted (first article)"), 48, applyNewFonts(*window, runs));

    // The longest body of the data in the article view.
    const std::vector<std::pair<int, int>> longest = longestArticles(*window->ClientDataSet1, 1);
    const int longestId = longest.empty() ? 0 : longest.front().second;
    window->FindWord(longestId);
    QApplication::processEvents();
    out << "longest article: stored bytes / shown characters " << (longest.empty() ? -1 : longest.front().first) << " / "
        << window->PanelTransl->Editor->document()->characterCount() << Qt::endl;
    reportTimes(QStringLiteral("Apply new font -> repainted (longest article)"), 48, applyNewFonts(*window, runs));
    out << "(target: under 50 ms)" << Qt::endl;
    window->close();
    return 0;
}
