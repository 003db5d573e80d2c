#include "CTerminationSignals.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

int g_writeFd = -1;

// Async-signal-safe: one byte naming the signal, nothing else.
void OnSignal(int nSignal)
{
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(nSignal);
    if (g_writeFd >= 0)
        (void)!write(g_writeFd, &byte, 1);
    errno = saved;
}

} // namespace

CTerminationSignals* CTerminationSignals::Install()
{
    static CTerminationSignals* instance = nullptr;
    if (instance || !QCoreApplication::instance())
        return instance;
    int fds[2];
    if (pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0)
        return nullptr;
    g_writeFd = fds[1];
    instance = new CTerminationSignals(fds[0]);
    instance->setParent(QCoreApplication::instance());

    struct sigaction action = {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int nSignal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(nSignal, &action, nullptr);
    return instance;
}

CTerminationSignals::CTerminationSignals(int fd)
    : readFd(fd)
{
    notifier = new QSocketNotifier(readFd, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &CTerminationSignals::OnReadable);
}

CTerminationSignals::~CTerminationSignals()
{
    // Back to the default action: a second request after this one ends the
    // process at once.
    for (int nSignal : {SIGTERM, SIGINT, SIGHUP})
        signal(nSignal, SIG_DFL);
    if (g_writeFd >= 0)
        close(g_writeFd);
    g_writeFd = -1;
    close(readFd);
}

void CTerminationSignals::OnReadable()
{
    unsigned char byte = 0;
    int last = 0;
    while (read(readFd, &byte, 1) == 1)
        last = byte;
    if (last == 0)
        return;
    // Asked once, the windows close the orderly way; asked again while that
    // waits (a question on screen nobody answers), the process just ends.
    for (int nSignal : {SIGTERM, SIGINT, SIGHUP})
        signal(nSignal, SIG_DFL);
    emit SignalTerminationRequested(last);
}
