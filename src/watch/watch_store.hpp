// The watch list and its settings between runs: an INI file in the user's configuration
// folder, read through QSettings. A file that cannot be read as a watch list is taken as
// an empty one with a message; writing replaces the file in one step, so that a crash
// while saving leaves the old list, never half a new one.
#pragma once

#include <QString>
#include <vector>

#include "conditions/watch_tracker.hpp"

namespace aerolume {

struct WatchSettings {
  std::vector<Watch> watches;
  bool keepInTray = false;  // closing the main window while watching leaves the program in the tray

  bool operator==(const WatchSettings&) const = default;
};

struct LoadedWatchSettings {
  WatchSettings settings;
  QString problem;  // why the file was read as empty; empty when it was fine or absent
};

class WatchStore {
 public:
  // "watches.ini" in the program's folder of the user's configuration folder.
  static QString DefaultPath();

  explicit WatchStore(QString path) : m_path(std::move(path)) {}

  LoadedWatchSettings Load() const;
  // False, with why in `problem`, when the file could not be written; the old one stays.
  bool Save(const WatchSettings& settings, QString* problem) const;

  const QString& Path() const { return m_path; }

 private:
  QString m_path;
};

}  // namespace aerolume
