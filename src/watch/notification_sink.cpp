#include "watch/notification_sink.hpp"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QVariantMap>

namespace aerolume {

namespace {

constexpr const char* kService = "org.freedesktop.Notifications";
constexpr const char* kPath = "/org/freedesktop/Notifications";
// Long enough to be read by someone who looked away; the service may keep it longer.
constexpr int kShownMilliseconds = 15000;

}  // namespace

bool DesktopNotificationSink::Available() const {
  const QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected() || bus.interface() == nullptr) return false;
  const QDBusReply<bool> registered = bus.interface()->isServiceRegistered(kService);
  if (registered.isValid() && registered.value()) return true;
  // A service that starts on demand is not registered until its first call.
  const QDBusReply<QStringList> activatable = bus.interface()->activatableServiceNames();
  return activatable.isValid() && activatable.value().contains(kService);
}

void DesktopNotificationSink::Notify(const QString& title, const QString& body) {
  QDBusMessage call =
      QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("Notify"));
  call << QCoreApplication::applicationName() << uint(0) << QStringLiteral("aerolume") << title
       << body << QStringList() << QVariantMap() << kShownMilliseconds;
  // Nobody waits for the id; a service that fails to show it costs nothing else.
  QDBusConnection::sessionBus().call(call, QDBus::NoBlock);
}

}  // namespace aerolume
