#pragma once

#include "EntryKeys.h"
#include "fakes/FakeKeyLine.h"
#include "fakes/FakeRealtimePriority.h"
#include "fakes/FakeVoicePlayer.h"
#include "models/QsoEntry.h"
#include "services/keyer/SerialLineKeyer.h"

#include <functional>

// An entry model as one program's QSO screen holds it, on the databases it is given.
struct EntryModel {
    EntryModel(const ContestRun& state, Database& log, Database& calls,
               const SpecialStations& specials, const Clock& clock, RigLink* rig = nullptr)
        : app(state), model({app, log, calls, specials, clock, keyPort, keyer, voice, rig}) {
        model.start();
    }
    /// A contact as typed into the fields, the callsign accepted with Space, then IN LOG.
    void log(const QString& call, const QString& code, const QString& county,
             const std::function<void()>& beforeCode = {}) {
        accept(call);
        if (beforeCode)
            beforeCode();
        finish(code, county);
    }
    void accept(const QString& call) { retype(EntryField::Callsign, call + u' '); }
    void finish(const QString& code, const QString& county) {
        retype(EntryField::CodeReceived, code);
        retype(EntryField::CountyReceived, county);
        model.logContact();
    }
    /// `text` typed over what `field` holds.
    void retype(EntryField field, const QString& text) {
        entryClear(model, field);
        entryType(model, field, text);
    }

    ContestRun app;
    FakeKeyLine keyLine;
    FakeVoicePlayer voice;
    FakeRealtimePriority realtime;
    KeyPort keyPort{keyLine};
    SerialLineKeyer keyer{keyPort, realtime, [this] { return app.settings().comPort; }};
    QsoEntry model;
};
