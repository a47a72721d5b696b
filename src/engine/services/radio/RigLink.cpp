#include "services/radio/RigLink.h"

RigLink::RigLink(RigFactory factory, QObject* parent)
    : QObject(parent), m_factory(std::move(factory)), m_worker(new RigWorker) {
    qRegisterMetaType<RigReading>();
    m_worker->moveToThread(&m_thread);
    // What a poll queued before stop() tells comes too late to be shown.
    connect(m_worker, &RigWorker::reading, this, [this](const RigReading& r) {
        if (m_following)
            emit reading(r);
    });
    connect(m_worker, &RigWorker::silent, this, [this](const QString& why) {
        m_answering = false;
        if (m_following)
            emit silent(why);
    });
    connect(m_worker, &RigWorker::answered, this, [this] {
        m_answering = m_following;
        if (m_following)
            emit answered();
    });
    m_thread.setObjectName(QStringLiteral("rig"));
    m_thread.start();
}

RigLink::~RigLink() {
    QMetaObject::invokeMethod(
        m_worker, [worker = m_worker] { delete worker; }, Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
}

void RigLink::follow(const RadioSettings& settings, int pollMs, int retryMs) {
    m_following = settings.rigModel != 0;
    m_answering = false;
    // Made here, not on the worker: a CAT library may set up process-wide state when a radio is
    // made, which must not happen beside the thread that uses the previous one.
    std::shared_ptr<Rig> rig = m_following ? m_factory(settings) : nullptr;
    QMetaObject::invokeMethod(m_worker, [worker = m_worker, rig, pollMs, retryMs] {
        worker->follow(rig, pollMs, retryMs);
    });
}

void RigLink::stop() {
    m_following = false;
    m_answering = false;
    QMetaObject::invokeMethod(m_worker, [worker = m_worker] { worker->stop(); });
}

void RigLink::release() {
    m_following = false;
    m_answering = false;
    QMetaObject::invokeMethod(
        m_worker, [worker = m_worker] { worker->stop(); }, Qt::BlockingQueuedConnection);
}

void RigLink::request(Command command, Done done) {
    QMetaObject::invokeMethod(
        m_worker, [this, worker = m_worker, command = std::move(command), done = std::move(done)] {
            const Outcome<void> outcome = worker->run(command);
            if (done)
                QMetaObject::invokeMethod(this, [done, outcome] { done(outcome); });
        });
}

void RigLink::setPtt(bool on) {
    QMetaObject::invokeMethod(m_worker, [worker = m_worker, on] { (void)worker->setPtt(on); });
}
