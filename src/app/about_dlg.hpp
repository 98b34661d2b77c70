// The About box: the program's name, version and a notice about its data.
#pragma once

#include <QDialog>

class CAboutDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CAboutDlg(QWidget* parent = nullptr);
};

namespace aerolume {
// The notice under the version line.
QString AboutNotice();
}  // namespace aerolume
