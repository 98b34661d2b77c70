#include "wind/resource_image.hpp"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QString>
#include <optional>
#include <string>

#include "wind/message_sink.hpp"

// Q_INIT_RESOURCE declares the registration function in the enclosing namespace,
// so it must be called from the global one.
static void RegisterCompiledWindResources() {
  Q_INIT_RESOURCE(aerolume_wind);
}

namespace aerolume {

namespace {

constexpr std::string_view kBitmapType = "BITMAP";
const QString kBitmapDir = QStringLiteral(":/bitmap");
const QString kTypedDir = QStringLiteral(":/typed");
const QString kDoubleDensitySuffix = QStringLiteral("@2x");
constexpr qreal kDoubleDensity = 2.0;

constexpr const char* kResourceNotFound = "リソースが見つかりません。";
constexpr const char* kResourceEmpty = "リソースのサイズが0です。";
constexpr const char* kResourceUnreadable = "リソースが読み込めませんでした。";
constexpr const char* kNotDecodable = "ストリームからCImageを作成できませんでした。";

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The entry of dir whose name equals name without regard to case.
std::optional<QString> FindEntry(const QString& dir, const QString& name, QDir::Filters filter) {
  const QDir directory(dir);
  for (const QString& entry : directory.entryList(filter | QDir::NoDotAndDotDot)) {
    if (entry.compare(name, Qt::CaseInsensitive) == 0) return directory.filePath(entry);
  }
  return std::nullopt;
}

std::optional<QString> FindBitmap(std::string_view name, const QString& suffix = {}) {
  return FindEntry(kBitmapDir + suffix, FromUtf8(name), QDir::Files);
}

std::optional<QString> FindTypedResource(std::string_view name, std::string_view type,
                                         const QString& suffix = {}) {
  const std::optional<QString> typeDir = FindEntry(kTypedDir + suffix, FromUtf8(type), QDir::Dirs);
  if (!typeDir) return std::nullopt;
  return FindEntry(*typeDir, FromUtf8(name), QDir::Files);
}

}  // namespace

QImage LoadDoubleDensityImage(std::string_view name, std::string_view type) {
  InitWindResources();
  const std::optional<QString> path = type == kBitmapType
                                          ? FindBitmap(name, kDoubleDensitySuffix)
                                          : FindTypedResource(name, type, kDoubleDensitySuffix);
  QImage image = path ? QImage(*path) : QImage();
  image.setDevicePixelRatio(kDoubleDensity);
  return image;
}

void InitWindResources() {
  static const bool registered = (RegisterCompiledWindResources(), true);
  (void)registered;
}

}  // namespace aerolume

void CMyCImage::LoadResourceImage(std::string_view name, std::string_view type) {
  if (type == aerolume::kBitmapType) {
    LoadFromResource(name);
  } else {
    LoadStream(name, type);
  }
}

void CMyCImage::LoadFromResource(std::string_view name) {
  aerolume::InitWindResources();
  const std::optional<QString> path = aerolume::FindBitmap(name);
  m_image = path ? QImage(*path) : QImage();
}

void CMyCImage::LoadFromResource(int id) {
  LoadFromResource(std::to_string(id));
}

void CMyCImage::LoadStream(std::string_view name, std::string_view type) {
  aerolume::InitWindResources();
  const std::optional<QString> path = aerolume::FindTypedResource(name, type);
  if (!path) return Fail(aerolume::kResourceNotFound);
  QFile file(*path);
  const qint64 size = file.size();
  if (size == 0) return Fail(aerolume::kResourceEmpty);
  if (!file.open(QIODevice::ReadOnly)) return Fail(aerolume::kResourceUnreadable);
  const QByteArray bytes = file.readAll();
  if (bytes.size() != size) return Fail(aerolume::kResourceUnreadable);
  QImage decoded;
  if (!decoded.loadFromData(bytes)) return Fail(aerolume::kNotDecodable);
  m_image = std::move(decoded);
}

void CMyCImage::Fail(const char* message) {
  m_messages->ShowMessage(QString::fromUtf8(message), QMessageBox::Warning);
}
