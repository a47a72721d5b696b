#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <initializer_list>
#include <memory>

class Database;
class Dialogs;
class QsoWindow;
class RigLink;

// How the program ends, whether the operator chose EXIT or the system sent a signal.
namespace OrderlyExit {

// SIGTERM, SIGHUP and SIGINT (logout, shutdown, kill, Ctrl+C) quit the event loop as EXIT does.
// The handler only writes the signal into a socket pair, which the event loop reads.
class QuitOnSignals : public QObject {
public:
    explicit QuitOnSignals(QObject* parent = nullptr);
    /// The signals' handling as it was before.
    ~QuitOnSignals() override;

private:
    std::unique_ptr<QSocketNotifier> m_notifier;
};

/// After the event loop: the transmitter released first (the QSO screen's keyers stopped with
/// both key lines off, the radio's PTT off), then the exit copy of each open database, whose
/// failure is told through `dialogs`.
void finish(std::unique_ptr<QsoWindow>& qso, RigLink& rig, std::initializer_list<Database*> dbs,
            Dialogs& dialogs);

} // namespace OrderlyExit
