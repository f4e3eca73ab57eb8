#include "platform/TerminationSignals.h"

#include <QSocketNotifier>
#include <QtDebug>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace vantrel {

namespace {

// Ctrl+C in the terminal that started the program ends the session as a logout does.
constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};
constexpr int kSignalCount = sizeof kSignals / sizeof kSignals[0];
int pipeEnds[2] = {-1, -1};  // [0] read by the notifier, [1] written by the handler
struct sigaction previous[kSignalCount];

extern "C" void WriteSignal(int signalNumber) {
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    // Never blocks: the end is non-blocking, and a full pipe already holds a request to end.
    [[maybe_unused]] const ssize_t written = ::write(pipeEnds[1], &byte, 1);
    errno = savedErrno;
}

void ClosePipe() {
    for (int& end : pipeEnds) {
        if (end >= 0) ::close(end);
        end = -1;
    }
}

}  // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
    if (pipeEnds[0] >= 0) {
        qWarning("Vantrel: the termination signals are already watched");
        return;
    }
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, pipeEnds) != 0) {
        qWarning("Vantrel: the termination signals are not handled: %s", std::strerror(errno));
        ClosePipe();
        return;
    }
    struct sigaction action {};
    action.sa_handler = WriteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int i = 0; i < kSignalCount; ++i) ::sigaction(kSignals[i], &action, &previous[i]);
    notifier_ = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] { ReadSignals(); });
}

TerminationSignals::~TerminationSignals() {
    if (!notifier_) return;
    for (int i = 0; i < kSignalCount; ++i) ::sigaction(kSignals[i], &previous[i], nullptr);
    delete notifier_;
    ClosePipe();
}

void TerminationSignals::ReadSignals() {
    unsigned char bytes[16];
    ssize_t n;
    while ((n = ::read(pipeEnds[0], bytes, sizeof bytes)) > 0)
        for (ssize_t i = 0; i < n; ++i) emit received(bytes[i]);
}

}  // namespace vantrel
