#pragma once

#include "base/RadioSettings.h"
#include "base/seams/Rig.h"

#include <QList>
#include <memory>

struct s_rig;

// The radio through Hamlib: a model and its serial device, or rigctld's "host:port" for
// Hamlib's network model (2).
class HamlibRig : public Rig {
public:
    explicit HamlibRig(const RadioSettings& settings);
    ~HamlibRig() override;

    /// Every model Hamlib knows, by maker and name.
    static QList<RigModel> models();

    Outcome<void> open() override;
    void close() override;
    Outcome<RigReading> read() override;
    Outcome<void> setPtt(bool on) override;
    Outcome<void> sendMorse(const QString& text) override;
    Outcome<void> stopMorse() override;
    Outcome<void> setKeyerSpeed(int wpm) override;

private:
    Outcome<void> checked(int code, const char* what) const;

    RadioSettings m_settings;
    s_rig* m_rig = nullptr;
};
