#include "platform/HamlibRig.h"

#include <hamlib/rig.h>

#include <algorithm>
#include <clocale>
#include <mutex>

namespace {
// Hamlib writes its warnings to stderr unless told not to. Hamlib 4.5 switches LC_NUMERIC to
// "C" around rig_open() and restores it from a pointer that the switch itself frees, unless the
// locale is "C" already; Qt does not read LC_NUMERIC, so it is set once, here, on the thread
// that makes the radios, before any radio is opened.
void prepareHamlib() {
    static std::once_flag once;
    std::call_once(once, [] {
        rig_set_debug(RIG_DEBUG_NONE);
        std::setlocale(LC_NUMERIC, "C");
    });
}

int addModel(const rig_caps* caps, rig_ptr_t list) {
    static_cast<QList<RigModel>*>(list)->append(
        {int(caps->rig_model), QStringLiteral("%1 %2").arg(QString::fromLatin1(caps->mfg_name),
                                                           QString::fromLatin1(caps->model_name))});
    return 1; // go on
}
} // namespace

HamlibRig::HamlibRig(const RadioSettings& settings) : m_settings(settings) {
    prepareHamlib();
}

HamlibRig::~HamlibRig() {
    close();
}

QList<RigModel> HamlibRig::models() {
    prepareHamlib();
    rig_load_all_backends();
    QList<RigModel> list;
    rig_list_foreach(addModel, &list);
    std::sort(list.begin(), list.end(),
              [](const RigModel& a, const RigModel& b) { return a.number < b.number; });
    return list;
}

Outcome<void> HamlibRig::checked(int code, const char* what) const {
    if (code == RIG_OK)
        return {};
    return Failure{QStringLiteral("Radioul (modelul %1) nu raspunde: %2 (%3).")
                       .arg(m_settings.rigModel)
                       .arg(QString::fromLatin1(what),
                            // Hamlib's first line; the rest is its debug trace
                            QString::fromLatin1(rigerror2(code)).section(u'\n', 0, 0).trimmed())};
}

Outcome<void> HamlibRig::open() {
    close();
    m_rig = rig_init(m_settings.rigModel);
    if (!m_rig)
        return Failure{QStringLiteral("Modelul de radio %1 nu este cunoscut de Hamlib.")
                           .arg(m_settings.rigModel)};
    const auto set = [this](const char* name, const QString& value) {
        return value.isEmpty() ? RIG_OK
                               : rig_set_conf(m_rig, rig_token_lookup(m_rig, name),
                                              value.toLocal8Bit().constData());
    };
    int code = set("rig_pathname", m_settings.rigPort);
    if (code == RIG_OK && m_settings.rigBaud > 0)
        code = set("serial_speed", QString::number(m_settings.rigBaud));
    // PTT by CAT is the radio's own command, whatever PTT line the model would use by default.
    if (code == RIG_OK && m_settings.pttByCat)
        code = set("ptt_type", QStringLiteral("RIG"));
    // Every poll asks the radio itself: a cached answer would hide a radio that went silent.
    if (code == RIG_OK)
        code = rig_set_cache_timeout_ms(m_rig, HAMLIB_CACHE_ALL, 0);
    if (code == RIG_OK)
        code = rig_open(m_rig);
    if (code != RIG_OK) {
        rig_cleanup(m_rig);
        m_rig = nullptr;
    }
    return checked(code, "deschidere");
}

void HamlibRig::close() {
    if (!m_rig)
        return;
    rig_close(m_rig);
    rig_cleanup(m_rig);
    m_rig = nullptr;
}

Outcome<RigReading> HamlibRig::read() {
    freq_t frequency = 0;
    if (const Outcome<void> r = checked(rig_get_freq(m_rig, RIG_VFO_CURR, &frequency), "frecventa");
        !r)
        return Failure{r.error()};
    rmode_t mode = RIG_MODE_NONE;
    pbwidth_t width = 0;
    if (const Outcome<void> r = checked(rig_get_mode(m_rig, RIG_VFO_CURR, &mode, &width), "mod");
        !r)
        return Failure{r.error()};
    return RigReading{qRound64(frequency), QString::fromLatin1(rig_strrmode(mode))};
}

Outcome<void> HamlibRig::setPtt(bool on) {
    return checked(rig_set_ptt(m_rig, RIG_VFO_CURR, on ? RIG_PTT_ON : RIG_PTT_OFF), "PTT");
}

Outcome<void> HamlibRig::sendMorse(const QString& text) {
    return checked(rig_send_morse(m_rig, RIG_VFO_CURR, text.toLatin1().constData()), "CW");
}

Outcome<void> HamlibRig::stopMorse() {
    return checked(rig_stop_morse(m_rig, RIG_VFO_CURR), "oprire CW");
}

Outcome<void> HamlibRig::setKeyerSpeed(int wpm) {
    value_t speed;
    speed.i = wpm;
    return checked(rig_set_level(m_rig, RIG_VFO_CURR, RIG_LEVEL_KEYSPD, speed), "viteza CW");
}
