#include "app/about_dlg.hpp"

#include <QLabel>
#include <QPushButton>

#include "app/app_font.hpp"
#include "app/app_icon.hpp"
#include "app/command_line.hpp"
#include "app/dialog_template.hpp"
#include "app/dialog_units.hpp"

namespace aerolume {

QString AboutNotice() {
  return QStringLiteral(
      "© The Aerolume developers, MIT licence. Runways: OurAirports (public domain). "
      "Reports: the public weather-data server.");
}

}  // namespace aerolume

namespace {

constexpr int kAboutFontPoints = 9;

}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
  using aerolume::kProgramVersion;
  using aerolume::MapDialogRect;
  setWindowTitle(QStringLiteral("バージョン情報 Aerolume"));
  setFont(aerolume::JapaneseGothic(kAboutFontPoints));
  const aerolume::DialogBaseUnits units = aerolume::BaseUnitsOf(font());
  setFixedSize(aerolume::MapDialogSize(aerolume::kAboutDialogSize, units));

  auto* icon = new QLabel(this);
  const QRect iconRect = MapDialogRect(aerolume::kAboutIconRect, units);
  icon->setPixmap(aerolume::AppIcon().pixmap(32, 32));
  icon->setGeometry(iconRect.x(), iconRect.y(), std::max(iconRect.width(), 32),
                    std::max(iconRect.height(), 32));

  // The version the build carries, as --version prints it.
  auto* title =
      new QLabel(QStringLiteral("Aerolume Version %1").arg(QLatin1String(kProgramVersion)), this);
  title->setTextFormat(Qt::PlainText);
  title->setObjectName(QStringLiteral("aboutTitle"));
  // A longer version number widens the line, and the box with it, keeping the margin
  // the notice keeps on the right.
  const QRect titleRect = MapDialogRect(aerolume::kAboutTitleRect, units);
  title->setGeometry(titleRect.x(), titleRect.y(),
                     std::max(titleRect.width(), title->sizeHint().width()), titleRect.height());
  const int rightMargin = MapDialogRect(aerolume::kAboutNoticeRect, units).x() / 4;
  setFixedSize(std::max(width(), title->geometry().right() + 1 + rightMargin), height());

  // The notice wraps within the box's width; the box grows by what it needs
  // beyond its one line, and the OK button moves down with it.
  auto* notice = new QLabel(aerolume::AboutNotice(), this);
  notice->setObjectName(QStringLiteral("aboutNotice"));
  notice->setWordWrap(true);
  notice->setTextInteractionFlags(Qt::TextSelectableByMouse);
  const QRect noticeRect = MapDialogRect(aerolume::kAboutNoticeRect, units);
  const int noticeWidth = width() - noticeRect.x() - noticeRect.x() / 4;
  const int noticeHeight = std::max(noticeRect.height(), notice->heightForWidth(noticeWidth));
  notice->setGeometry(noticeRect.x(), noticeRect.y(), noticeWidth, noticeHeight);
  const int growth = noticeHeight - noticeRect.height();
  setFixedSize(width(), height() + growth);

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("aboutOk"));
  ok->setGeometry(MapDialogRect(aerolume::kAboutOkRect, units).translated(0, growth));
  ok->setDefault(true);
  ok->setFocus();
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
