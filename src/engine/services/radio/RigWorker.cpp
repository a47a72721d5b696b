#include "services/radio/RigWorker.h"

RigWorker::RigWorker() : m_timer(this) {
    // The next poll is timed from the end of the last one, so a slow radio is never asked twice
    // at once and the CAT commands in the queue get their turn.
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &RigWorker::poll);
}

RigWorker::~RigWorker() {
    stop();
}

void RigWorker::follow(std::shared_ptr<Rig> rig, int pollMs, int retryMs) {
    stop();
    if (!rig)
        return;
    m_rig = std::move(rig);
    m_pollMs = pollMs;
    m_retryMs = retryMs;
    poll();
}

void RigWorker::stop() {
    m_timer.stop();
    if (m_pttOn)
        (void)setPtt(false); // a playback cut short must not leave the transmitter on the air
    if (m_rig && m_open)
        m_rig->close();
    m_rig.reset();
    m_open = false;
    m_heard = Heard::Nothing;
}

Outcome<void> RigWorker::ensureOpen() {
    if (!m_rig)
        return Failure{QStringLiteral("Nu este ales niciun radio.")};
    if (m_open)
        return {};
    Outcome<void> opened = m_rig->open();
    m_open = opened.ok();
    return opened;
}

void RigWorker::lose(const QString& why) {
    if (m_open)
        m_rig->close(); // opened afresh on the next try: a link that broke rarely mends itself
    m_open = false;
    if (m_heard == Heard::Silent)
        return;
    m_heard = Heard::Silent;
    emit silent(why);
}

void RigWorker::poll() {
    if (!m_rig)
        return;
    const Outcome<void> opened = ensureOpen();
    const Outcome<RigReading> r = opened ? m_rig->read() : Failure{opened.error()};
    if (r) {
        if (m_heard != Heard::Answering) {
            m_heard = Heard::Answering;
            emit answered();
        }
        emit reading(*r);
    } else {
        lose(r.error());
    }
    m_timer.start(m_heard == Heard::Silent ? m_retryMs : m_pollMs);
}

Outcome<void> RigWorker::run(const std::function<Outcome<void>(Rig&)>& command) {
    if (Outcome<void> opened = ensureOpen(); !opened)
        return opened;
    return command(*m_rig);
}

Outcome<void> RigWorker::setPtt(bool on) {
    Outcome<void> done = run([on](Rig& rig) { return rig.setPtt(on); });
    m_pttOn = on && done.ok();
    return done;
}
