// Where the watch's news goes: the desktop's notification service, or in the tests a
// recorder. Behind an interface so that the watching can be tested without a desktop.
#pragma once

#include <QString>

namespace aerolume {

class NotificationSink {
 public:
  virtual ~NotificationSink() = default;
  // Whether a notification would be seen; when not, the window title and the tray
  // icon's tooltip carry the news instead.
  virtual bool Available() const = 0;
  virtual void Notify(const QString& title, const QString& body) = 0;
};

// org.freedesktop.Notifications on the session bus.
class DesktopNotificationSink : public NotificationSink {
 public:
  bool Available() const override;
  void Notify(const QString& title, const QString& body) override;
};

}  // namespace aerolume
