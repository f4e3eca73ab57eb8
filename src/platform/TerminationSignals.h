#pragma once

#include <QObject>

class QSocketNotifier;

namespace vantrel {

// SIGTERM, SIGHUP and SIGINT (logout, shutdown, a kill, Ctrl+C) arrive as `received` in the event loop
// instead of ending the program on the spot. The handler only writes the signal's number into a socket pair,
// which is all a signal handler may safely do; a notifier reads it between events. One watcher at
// a time; the handlers it replaced come back when it goes.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;
    // False when the socket pair or the handlers could not be set up: the signals end the program.
    bool Active() const { return notifier_ != nullptr; }

signals:
    void received(int signalNumber);

private:
    void ReadSignals();

    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace vantrel
