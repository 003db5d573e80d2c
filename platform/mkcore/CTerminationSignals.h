#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal on the GUI thread, so a
// desktop ending its session (or a user pressing Ctrl+C in a terminal) closes
// the windows the orderly way: documents are asked about, settings and the
// recent list written, the single-instance segment released.
class CTerminationSignals : public QObject
{
    Q_OBJECT
public:
    // Installs the handlers once per process; later calls return the same
    // object. Null when the pipe cannot be made (the default action stays).
    static CTerminationSignals* Install();
    ~CTerminationSignals() override;

signals:
    void SignalTerminationRequested(int nSignal);

private:
    explicit CTerminationSignals(int readFd);
    void OnReadable();

    int readFd = -1;
    QSocketNotifier* notifier = nullptr;
};
