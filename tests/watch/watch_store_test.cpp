#include "watch/watch_store.hpp"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace aerolume {
namespace {

WatchSettings TwoWatches() {
  WatchSettings settings;
  settings.keepInTray = true;
  Watch narita{"RJAA", {}};
  narita.limits.worseThan = FlightCategory::Mvfr;
  narita.limits.ceilingBelowFt = 1000;
  narita.limits.speci = true;
  Watch haneda{"RJTT", {}};
  haneda.limits.crosswindAboveKt = 15;
  haneda.limits.gustAboveKt = 25;
  haneda.limits.visibilityBelowM = 3000;
  haneda.limits.thunder = true;
  settings.watches = {narita, haneda};
  return settings;
}

TEST(WatchStoreTest, ReadsBackWhatItWrote) {
  QTemporaryDir folder;
  const WatchStore store(folder.filePath("config/aerolume/watches.ini"));
  QString problem;
  ASSERT_TRUE(store.Save(TwoWatches(), &problem)) << problem.toStdString();
  const LoadedWatchSettings loaded = store.Load();
  EXPECT_TRUE(loaded.problem.isEmpty());
  EXPECT_EQ(loaded.settings, TwoWatches());
  // Saving again replaces the list; nothing of the staging files stays behind.
  ASSERT_TRUE(store.Save({}, &problem));
  EXPECT_EQ(store.Load().settings, WatchSettings{});
  EXPECT_EQ(QDir(folder.filePath("config/aerolume")).entryList(QDir::Files),
            QStringList{"watches.ini"});
}

TEST(WatchStoreTest, NoFileIsAnEmptyListWithoutMessage) {
  QTemporaryDir folder;
  const LoadedWatchSettings loaded = WatchStore(folder.filePath("watches.ini")).Load();
  EXPECT_TRUE(loaded.settings.watches.empty());
  EXPECT_TRUE(loaded.problem.isEmpty());
}

struct DamagedCase {
  const char* name;
  const char* content;
};

void PrintTo(const DamagedCase& c, std::ostream* out) {
  *out << c.name;
}

class DamagedWatchFileTest : public testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedWatchFileTest, IsReadAsEmptyWithAMessage) {
  QTemporaryDir folder;
  const QString path = folder.filePath("watches.ini");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(GetParam().content);
  file.close();
  const LoadedWatchSettings loaded = WatchStore(path).Load();
  EXPECT_TRUE(loaded.settings.watches.empty());
  EXPECT_TRUE(loaded.problem.contains(path)) << loaded.problem.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedWatchFileTest,
    testing::Values(
        DamagedCase{"Binary", "\x89PNG\r\n\x1a\n\0\0\0\rIHDR"},
        DamagedCase{"CutShort",
                    "[General]\nversion=1\n[watches]\nsize=2\n1\\code=RJAA\n1\\speci=true\n2\\co"},
        DamagedCase{"NoVersion", "[watches]\nsize=1\n1\\code=RJAA\n1\\speci=true\n"},
        DamagedCase{"UnknownStation", "[General]\nversion=1\n[watches]\nsize=1\n1\\code=ZZZZ\n"},
        DamagedCase{"BadNumber",
                    "[General]\nversion=1\n[watches]\nsize=1\n1\\code=RJAA\n1\\gust=-5\n"},
        DamagedCase{"BadCategory",
                    "[General]\nversion=1\n[watches]\nsize=1\n1\\code=RJAA\n1\\category=LIFR\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WatchStoreTest, AnUnwritablePlaceKeepsTheOldListAndSaysWhy) {
  QTemporaryDir folder;
  // A file where the folder should be: no user, not even root, can write below it.
  QFile blocker(folder.filePath("config"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  const WatchStore store(folder.filePath("config/watches.ini"));
  QString problem;
  EXPECT_FALSE(store.Save(TwoWatches(), &problem));
  EXPECT_TRUE(problem.contains(store.Path())) << problem.toStdString();
  EXPECT_TRUE(store.Load().settings.watches.empty());
}

}  // namespace
}  // namespace aerolume
