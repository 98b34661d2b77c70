#include "watch/watch_store.hpp"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <cstdio>
#include <optional>

#include "conditions/station_overview.hpp"

namespace aerolume {

namespace {

// Raised when the meaning of a key changes, so that an older program does not misread it.
constexpr int kFormatVersion = 1;

constexpr FlightCategory kCategories[] = {FlightCategory::Vfr, FlightCategory::Mvfr,
                                          FlightCategory::Ifr};

// A stored threshold: absent, or a whole number above zero.
bool ReadThreshold(const QSettings& file, const char* key, std::optional<int>& limit) {
  if (!file.contains(key)) return true;
  bool ok = false;
  const int value = file.value(key).toString().toInt(&ok);
  if (!ok || value <= 0) return false;
  limit = value;
  return true;
}

void WriteThreshold(QSettings& file, const char* key, const std::optional<int>& limit) {
  if (limit) file.setValue(key, *limit);
}

bool ReadCategory(const QSettings& file, WatchLimits& limits) {
  if (!file.contains("category")) return true;
  const QString name = file.value("category").toString();
  for (FlightCategory category : kCategories) {
    if (name == QString::fromUtf8(CategoryName(category))) {
      limits.worseThan = category;
      return true;
    }
  }
  return false;
}

// The entry at the array's current index; nothing when it is not a watch of a known station.
std::optional<Watch> ReadWatch(const QSettings& file, const StationOverview& catalogue) {
  Watch watch;
  watch.code = file.value("code").toString().toStdString();
  if (catalogue.Find(watch.code) == nullptr) return std::nullopt;
  WatchLimits& limits = watch.limits;
  if (!ReadCategory(file, limits) || !ReadThreshold(file, "ceiling", limits.ceilingBelowFt) ||
      !ReadThreshold(file, "visibility", limits.visibilityBelowM) ||
      !ReadThreshold(file, "crosswind", limits.crosswindAboveKt) ||
      !ReadThreshold(file, "gust", limits.gustAboveKt)) {
    return std::nullopt;
  }
  limits.thunder = file.value("thunder", false).toBool();
  limits.speci = file.value("speci", false).toBool();
  return watch;
}

void WriteWatch(QSettings& file, const Watch& watch) {
  const WatchLimits& limits = watch.limits;
  file.setValue("code", QString::fromStdString(watch.code));
  if (limits.worseThan != FlightCategory::Unknown) {
    file.setValue("category", QString::fromUtf8(CategoryName(limits.worseThan)));
  }
  WriteThreshold(file, "ceiling", limits.ceilingBelowFt);
  WriteThreshold(file, "visibility", limits.visibilityBelowM);
  WriteThreshold(file, "crosswind", limits.crosswindAboveKt);
  WriteThreshold(file, "gust", limits.gustAboveKt);
  file.setValue("thunder", limits.thunder);
  file.setValue("speci", limits.speci);
}

LoadedWatchSettings Damaged(const QString& path) {
  return {{}, QStringLiteral("監視リスト %1 が読めないため、空のリストで始めます。").arg(path)};
}

}  // namespace

QString WatchStore::DefaultPath() {
  return QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
      .filePath(QStringLiteral("watches.ini"));
}

LoadedWatchSettings WatchStore::Load() const {
  if (!QFileInfo::exists(m_path)) return {};
  QSettings file(m_path, QSettings::IniFormat);
  if (file.status() != QSettings::NoError || file.value("version").toInt() != kFormatVersion) {
    return Damaged(m_path);
  }
  LoadedWatchSettings loaded;
  loaded.settings.keepInTray = file.value("keepInTray", false).toBool();
  const StationOverview catalogue;
  const int size = file.beginReadArray("watches");
  for (int i = 0; i < size; ++i) {
    file.setArrayIndex(i);
    std::optional<Watch> watch = ReadWatch(file, catalogue);
    if (!watch) return Damaged(m_path);
    loaded.settings.watches.push_back(std::move(*watch));
  }
  file.endArray();
  return loaded;
}

bool WatchStore::Save(const WatchSettings& settings, QString* problem) const {
  const QFileInfo target(m_path);
  const auto fail = [&] {
    if (problem) *problem = QStringLiteral("監視リストを %1 に保存できません。").arg(m_path);
    return false;
  };
  if (!QDir().mkpath(target.absolutePath())) return fail();
  // The new list goes to a file of its own beside the old one and takes its name at once.
  QTemporaryFile staging(target.absoluteFilePath() + QStringLiteral(".XXXXXX"));
  if (!staging.open()) return fail();
  staging.close();
  {
    QSettings file(staging.fileName(), QSettings::IniFormat);
    file.setValue("version", kFormatVersion);
    file.setValue("keepInTray", settings.keepInTray);
    file.beginWriteArray("watches", static_cast<int>(settings.watches.size()));
    for (int i = 0; i < static_cast<int>(settings.watches.size()); ++i) {
      file.setArrayIndex(i);
      WriteWatch(file, settings.watches[i]);
    }
    file.endArray();
    file.sync();
    if (file.status() != QSettings::NoError) return fail();
  }
  if (std::rename(QFile::encodeName(staging.fileName()).constData(),
                  QFile::encodeName(target.absoluteFilePath()).constData()) != 0) {
    return fail();
  }
  staging.setAutoRemove(false);
  return true;
}

}  // namespace aerolume
