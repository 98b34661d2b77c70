// Where the wind display and the dialog send the texts the user must acknowledge:
// modal boxes in the program, a recorder in the tests.
#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

namespace aerolume {

class MessageSink {
 public:
  virtual ~MessageSink() = default;
  // Returns once the user has acknowledged the text.
  virtual void ShowMessage(const QString& text, QMessageBox::Icon icon) = 0;
};

// A modal message box with the given icon and OK only, captioned "Aerolume" as the
// window is, and over the parent in the parent's font once there is one.
class MessageBoxSink final : public MessageSink {
 public:
  explicit MessageBoxSink(QWidget* parent = nullptr) : m_parent(parent) {}

  // The window the boxes belong to, which may be made after the sink; it must outlive
  // the boxes.
  void SetParent(QWidget* parent) { m_parent = parent; }
  void ShowMessage(const QString& text, QMessageBox::Icon icon) override;

 private:
  QWidget* m_parent;
};

}  // namespace aerolume
