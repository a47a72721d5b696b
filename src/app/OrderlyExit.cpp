#include "app/OrderlyExit.h"

#include "base/seams/Dialogs.h"
#include "screens/entry/QsoWindow.h"
#include "services/radio/RigLink.h"
#include "store/Database.h"

#include <QCoreApplication>
#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace OrderlyExit {
namespace {
constexpr std::array kSignals{SIGTERM, SIGHUP, SIGINT};
int g_wake[2] = {-1, -1}; // written by the handler, read by the event loop

extern "C" void onSignal(int signal) {
    const char c = static_cast<char>(signal);
    const int saved = errno;
    (void)!::write(g_wake[0], &c, 1); // a full pipe already holds a wake-up
    errno = saved;
}

void handle(void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int s : kSignals)
        sigaction(s, &action, nullptr);
}
} // namespace

QuitOnSignals::QuitOnSignals(QObject* parent) : QObject(parent) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_wake) != 0)
        return; // the signals keep ending the program at once
    ::fcntl(g_wake[0], F_SETFL, O_NONBLOCK);
    m_notifier = std::make_unique<QSocketNotifier>(g_wake[1], QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, [] {
        char c = 0;
        (void)!::read(g_wake[1], &c, 1);
        QCoreApplication::exit(0); // no window is asked to close: nothing may ask a question
    });
    handle(onSignal);
}

QuitOnSignals::~QuitOnSignals() {
    if (!m_notifier)
        return;
    handle(SIG_DFL);
    m_notifier.reset();
    ::close(g_wake[0]);
    ::close(g_wake[1]);
    g_wake[0] = g_wake[1] = -1;
}

void finish(std::unique_ptr<QsoWindow>& qso, RigLink& rig, std::initializer_list<Database*> dbs,
            Dialogs& dialogs) {
    qso.reset(); // a message under way ends, both lines off, the port closed
    rig.release();
    // The day's contacts and learnt counties are kept in a copy too; an unchanged file makes none.
    for (Database* db : dbs) {
        if (!db->isOpen())
            continue;
        if (const Outcome<void> kept = db->keepCopy(); !kept)
            dialogs.tell({kept.error(), Dialogs::Icon::Critical});
    }
}

} // namespace OrderlyExit
