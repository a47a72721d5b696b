#include "platform/RealtimeKit.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QVariant>
#include <sys/resource.h>
#include <unistd.h>

namespace RealtimeKit {
namespace {
const QString kService = QStringLiteral("org.freedesktop.RealtimeKit1");
const QString kPath = QStringLiteral("/org/freedesktop/RealtimeKit1");
// An absent or stuck service must not hold up the message for D-Bus's default 25 seconds.
constexpr int kTimeoutMs = 2000;

QVariant property(QDBusConnection& bus, const QString& name) {
    QDBusMessage get = QDBusMessage::createMethodCall(
        kService, kPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << kService << name;
    const QDBusMessage reply = bus.call(get, QDBus::Block, kTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return {};
    return reply.arguments().constFirst().value<QDBusVariant>().variant();
}

// The service serves only processes that bound the processor time a real-time thread may take
// without sleeping; beyond the bound the kernel stops the runaway thread.
bool limitRealtimeCpuTime(qint64 maxUsec) {
    rlimit limit{};
    if (getrlimit(RLIMIT_RTTIME, &limit) != 0)
        return false;
    if (limit.rlim_max != RLIM_INFINITY && limit.rlim_max <= static_cast<rlim_t>(maxUsec))
        return true;
    limit.rlim_cur = limit.rlim_max = static_cast<rlim_t>(maxUsec);
    return setrlimit(RLIMIT_RTTIME, &limit) == 0;
}
} // namespace

bool makeCurrentThreadRealtime() {
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected())
        return false;
    const int maxPriority = property(bus, QStringLiteral("MaxRealtimePriority")).toInt();
    const qint64 maxUsec = property(bus, QStringLiteral("RTTimeUSecMax")).toLongLong();
    if (maxPriority <= 0 || maxUsec <= 0 || !limitRealtimeCpuTime(maxUsec))
        return false;
    QDBusMessage ask = QDBusMessage::createMethodCall(kService, kPath, kService,
                                                      QStringLiteral("MakeThreadRealtime"));
    ask << static_cast<quint64>(gettid()) << static_cast<quint32>(maxPriority);
    return bus.call(ask, QDBus::Block, kTimeoutMs).type() == QDBusMessage::ReplyMessage;
}
} // namespace RealtimeKit
