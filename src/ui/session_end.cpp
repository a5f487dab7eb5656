// SPDX-License-Identifier: MIT
#include "session_end.h"

#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

#include <QCoreApplication>
#include <QSocketNotifier>

namespace geometry::ui {

namespace {

// The signal handler only writes a byte here; the event loop reads it.
int signalPipe[2] = {-1, -1};
bool ending = false;

extern "C" void onSessionSignal(int) {
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
    errno = savedErrno;
}

}  // namespace

void endCleanlyOnSessionSignals() {
    if (signalPipe[0] >= 0) return;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalPipe) != 0) return;

    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, [] {
        char bytes[16];
        while (::read(signalPipe[0], bytes, sizeof bytes) > 0) {
        }
        // Leaves every event loop, an open box's included; no box opens after this.
        ending = true;
        QCoreApplication::exit(0);
    });

    struct sigaction action = {};
    action.sa_handler = onSessionSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) ::sigaction(signal, &action, nullptr);
}

bool sessionEnding() { return ending; }

}  // namespace geometry::ui
