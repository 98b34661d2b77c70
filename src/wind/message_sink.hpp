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

// A modal message box with the given icon and OK only, captioned with the
// application's name.
class MessageBoxSink final : public MessageSink {
 public:
  explicit MessageBoxSink(QWidget* parent = nullptr) : m_parent(parent) {}

  void ShowMessage(const QString& text, QMessageBox::Icon icon) override;

 private:
  QWidget* m_parent;
};

}  // namespace aerolume
