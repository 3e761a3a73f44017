#include "platform/closerequest.h"

#include <QPointer>
#include <QWidget>

#ifdef Q_OS_UNIX
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace lumolex {

#ifdef Q_OS_UNIX

namespace {

int g_requestPipe[2] = {-1, -1};

// Only async-signal-safe work here: one byte into the pipe.
void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(g_requestPipe[1], &byte, 1);
}

} // namespace

void closeOnTerminationRequest(QWidget *window)
{
    if (g_requestPipe[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM, 0, g_requestPipe) != 0)
        return;
    auto *notifier = new QSocketNotifier(g_requestPipe[0], QSocketNotifier::Read, window);
    QPointer<QWidget> target(window);
    QObject::connect(notifier, &QSocketNotifier::activated, window, [target] {
        char byte;
        [[maybe_unused]] const auto got = ::read(g_requestPipe[0], &byte, 1);
        if (target)
            target->close();
    });

    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signalNumber : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(signalNumber, &action, nullptr);
}

#else

void closeOnTerminationRequest(QWidget *)
{
}

#endif

} // namespace lumolex
