#include "quietapplication.h"

namespace lumolex::mkdata {

namespace {

QtMessageHandler previousHandler = nullptr;

// Drops only the runtime-folder notices of QStandardPaths; every other
// message goes where it went before.
void dropRuntimeFolderNotices(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    if (previousHandler)
        previousHandler(type, context, message);
}

} // namespace

std::unique_ptr<QGuiApplication> makeQuietGuiApplication(int &argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    previousHandler = qInstallMessageHandler(dropRuntimeFolderNotices);
    auto app = std::make_unique<QGuiApplication>(argc, argv);
    qInstallMessageHandler(previousHandler);
    return app;
}

} // namespace lumolex::mkdata
