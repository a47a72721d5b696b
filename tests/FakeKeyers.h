#pragma once

#include "FakeCwDaemon.h"
#include "FakeWinKeyer.h"
#include "base/KeptSettings.h"
#include "fakes/FakeKeyLine.h"

// The keyer of a story, chosen in the radio settings of a data folder, on the fake key line, the
// fake WinKeyer or the fake cwdaemon; and what reached it.
struct FakeKeyers {
    FakeKeyers(const QString& folder, KeyerKind chosen, const FakeKeyLine& keyLine)
        : kind(chosen), line(keyLine) {
        RadioSettings s;
        s.keyer = kind;
        s.winKeyerPort = winKeyer.device();
        s.cwDaemonHost = QStringLiteral("127.0.0.1");
        s.cwDaemonPort = daemon.port();
        if (!KeptSettings(folder).keepRadio(s))
            qFatal("radio settings not written");
    }
    /// The messages put on the air so far.
    int messages() const {
        if (kind == KeyerKind::WinKeyer)
            return winKeyer.messages;
        if (kind == KeyerKind::CwDaemon)
            return daemon.messages();
        return static_cast<int>(line.states(FakeKeyLine::Line::Rts).count(true));
    }
    /// The WinKeyer unplugged, cwdaemon stopped.
    void stop() {
        winKeyer.unplug();
        daemon.stop();
    }
    /// Both back where they were.
    void comeBack() {
        winKeyer.plugIn();
        if (!daemon.restart())
            qFatal("cwdaemon's port is taken");
    }
    /// What reached the keyer: WinKeyer commands as "<02 28>", datagrams joined by "|" with
    /// cwdaemon's escape as "^".
    QString sent() const {
        if (kind == KeyerKind::WinKeyer)
            return winKeyer.sent;
        return QString::fromLatin1(daemon.received.join('|')).replace(u'\x1b', u'^');
    }

    KeyerKind kind;
    const FakeKeyLine& line;
    FakeWinKeyer winKeyer;
    FakeCwDaemon daemon;
};
