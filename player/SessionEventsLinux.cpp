#include "SessionEvents.h"

#include <QDBusConnection>
#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// SIGTERM arrives at any moment; the handler only writes one byte to this
// pipe, and the event loop turns it into a normal event.
int terminatePipe[2] = {-1, -1};

void OnTerminateSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(terminatePipe[1], &byte, 1);
}

} // namespace

SessionEvents::SessionEvents(QObject* parent) : QObject(parent)
{
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) { emit SessionEnding(); });
    WatchTerminateSignal();
    WatchSleep();
}

SessionEvents::~SessionEvents() = default;

void SessionEvents::WatchTerminateSignal()
{
    if (terminatePipe[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, terminatePipe) != 0)
        return;
    ::fcntl(terminatePipe[1], F_SETFL, O_NONBLOCK);
    auto* notifier = new QSocketNotifier(terminatePipe[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        [[maybe_unused]] const ssize_t got = ::read(terminatePipe[0], &byte, 1);
        emit SessionEnding();
    });
    struct sigaction action {};
    action.sa_handler = OnTerminateSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
}

void SessionEvents::WatchSleep()
{
    // Without a system bus (a container, a bare X session) the program runs
    // on; it just does not hear of suspend and resume.
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected())
        return;
    bus.connect(QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
                QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"), this,
                SLOT(OnPrepareForSleep(bool)));
}

void SessionEvents::OnPrepareForSleep(bool sleeping)
{
    if (!sleeping)
        emit Resumed();
}
