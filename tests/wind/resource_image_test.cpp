// Loading the wind display's pictures from the compiled-in resources, and the
// loader's reports when a resource is missing, empty or not a picture.
#include "wind/resource_image.hpp"

#include <gtest/gtest.h>

#include <QDir>
#include <QStringList>
#include <cctype>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "stations/station_catalogue.hpp"
#include "wind/message_sink.hpp"

namespace aerolume {
namespace {

class RecordingSink : public MessageSink {
 public:
  void ShowMessage(const QString& text, QMessageBox::Icon icon) override {
    messages.emplace_back(text, icon);
  }
  std::vector<std::pair<QString, QMessageBox::Icon>> messages;
};

const QString kNotFound = QString::fromUtf8("リソースが見つかりません。");
const QString kEmpty = QString::fromUtf8("リソースのサイズが0です。");
const QString kNotDecoded = QString::fromUtf8("ストリームからCImageを作成できませんでした。");

std::string LowerCase(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

TEST(LoadResourceImageTest, EveryCatalogueStationLoadsItsDiagramByItsLowerCaseName) {
  RecordingSink sink;
  for (std::string_view entry : StationCatalogue()) {
    const std::string name = LowerCase(StationCode(entry)) + ".png";
    SCOPED_TRACE(name);
    CMyCImage image(sink);
    image.LoadResourceImage(name, "PNG");
    EXPECT_EQ(image.GetWidth(), 240);
    EXPECT_EQ(image.GetHeight(), 240);
    EXPECT_TRUE(image.Image().hasAlphaChannel());
    // The wind window leaves this colour out; the corner is never painted.
    EXPECT_EQ(image.Image().pixel(0, 0) & 0x00FFFFFFu, 0xF0F0F0u);
  }
  EXPECT_TRUE(sink.messages.empty());
}

TEST(LoadResourceImageTest, ThePngResourcesAreExactlyTheCatalogueDiagrams) {
  InitWindResources();
  QStringList expected;
  for (std::string_view entry : StationCatalogue()) {
    expected << QString::fromStdString(std::string(StationCode(entry))) + ".PNG";
  }
  QStringList present = QDir(":/typed/PNG").entryList(QDir::Files);
  expected.sort();
  present.sort();
  EXPECT_EQ(present, expected);
}

struct SpellingCase {
  const char* name;
  const char* type;
};

void PrintTo(const SpellingCase& c, std::ostream* out) {
  *out << c.name << " / " << c.type;
}

class NameSpellingTest : public ::testing::TestWithParam<SpellingCase> {};

TEST_P(NameSpellingTest, FindsTheSameDiagramWhateverTheCase) {
  RecordingSink sink;
  CMyCImage reference(sink);
  reference.LoadResourceImage("RJTT.PNG", "PNG");
  CMyCImage image(sink);
  image.LoadResourceImage(GetParam().name, GetParam().type);
  EXPECT_TRUE(sink.messages.empty());
  ASSERT_FALSE(image.IsNull());
  EXPECT_EQ(image.Image(), reference.Image());
}

INSTANTIATE_TEST_SUITE_P(Spellings, NameSpellingTest,
                         ::testing::Values(SpellingCase{"rjtt.png", "PNG"},
                                           SpellingCase{"RjTt.PnG", "PNG"},
                                           SpellingCase{"rjtt.png", "png"}));

TEST(LoadResourceImageTest, BitmapTypeLoadsTheRingByNumberAndTheArrowByName) {
  RecordingSink sink;
  CMyCImage ring(sink);
  ring.LoadResourceImage("135", "BITMAP");
  CMyCImage arrow(sink);
  arrow.LoadResourceImage("arrow.bmp", "BITMAP");
  CMyCImage ringById(sink);
  ringById.LoadFromResource(135);

  EXPECT_TRUE(sink.messages.empty());
  EXPECT_EQ(ring.Image().size(), QSize(240, 240));
  EXPECT_FALSE(ring.Image().hasAlphaChannel());
  EXPECT_EQ(ring.Image().pixel(120, 120), qRgb(240, 240, 240));
  EXPECT_EQ(ringById.Image(), ring.Image());
  ASSERT_EQ(arrow.Image().size(), QSize(240, 240));
  EXPECT_EQ(arrow.Image().pixel(0, 0), qRgb(0, 0, 0));
  EXPECT_EQ(arrow.Image().pixel(119, 130), qRgb(255, 255, 255));
}

// For HiDPI screens: the same pictures at twice the pixels, found as the ordinary ones
// are, and marked as such.
TEST(LoadResourceImageTest, DoubleDensityPicturesHaveTwiceThePixelsAndSayItsRatio) {
  struct Case {
    const char* name;
    const char* type;
  };
  for (const Case c : {Case{"135", "BITMAP"}, Case{"arrow.bmp", "BITMAP"}, Case{"rjtt.png", "PNG"},
                       Case{"ROAH.PNG", "png"}}) {
    const QImage image = LoadDoubleDensityImage(c.name, c.type);
    EXPECT_EQ(image.size(), QSize(480, 480)) << c.name;
    EXPECT_EQ(image.devicePixelRatio(), 2.0) << c.name;
  }
  const QImage arrow = LoadDoubleDensityImage("ARROW.BMP", "BITMAP");
  EXPECT_EQ(arrow.pixel(0, 0), qRgb(0, 0, 0));
  EXPECT_EQ(arrow.pixel(238, 260), qRgb(255, 255, 255));
  EXPECT_EQ(arrow.pixel(239, 260), qRgb(255, 255, 255));
  EXPECT_TRUE(LoadDoubleDensityImage("XXXX.PNG", "PNG").isNull());
  EXPECT_TRUE(LoadDoubleDensityImage("135", "PNG").isNull());
}

TEST(LoadResourceImageTest, BitmapTypeIsSilentForAMissingBitmapAndLeavesTheImageEmpty) {
  RecordingSink sink;
  CMyCImage image(sink);
  image.LoadResourceImage("135", "BITMAP");
  ASSERT_FALSE(image.IsNull());
  image.LoadResourceImage("no-such.bmp", "BITMAP");
  EXPECT_TRUE(image.IsNull());
  EXPECT_TRUE(sink.messages.empty());
}

struct FailureCase {
  const char* name;
  const char* type;
  const QString* message;
  const char* why;
};

const FailureCase kFailures[] = {
    {"xxxx.png", "PNG", &kNotFound, "no such station"},
    {"rjtt.png", "GIF", &kNotFound, "no such type"},
    {"", "PNG", &kNotFound, "empty name"},
    {"arrow.bmp", "bitmap", &kNotFound, "lower-case bitmap takes the stream path"},
    {"135", "Bitmap", &kNotFound, "only BITMAP exactly means a bitmap"},
    {"empty.dat", "DATA", &kEmpty, "a resource of no bytes"},
    {"not_an_image.txt", "DATA", &kNotDecoded, "a resource that is text"},
};

void PrintTo(const FailureCase& c, std::ostream* out) {
  *out << '"' << c.name << "\" / \"" << c.type << "\": " << c.why;
}

class LoadFailureTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(LoadFailureTest, ReportsOneWarningAndKeepsTheImageItHeld) {
  RecordingSink sink;
  CMyCImage image(sink);
  image.LoadResourceImage("rjaa.png", "PNG");
  ASSERT_FALSE(image.IsNull());
  const QImage before = image.Image();

  image.LoadResourceImage(GetParam().name, GetParam().type);

  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(sink.messages[0].first, *GetParam().message);
  EXPECT_EQ(sink.messages[0].second, QMessageBox::Warning);
  EXPECT_EQ(image.Image(), before);
}

TEST_P(LoadFailureTest, ANewImageStaysEmpty) {
  RecordingSink sink;
  CMyCImage image(sink);
  image.LoadResourceImage(GetParam().name, GetParam().type);
  EXPECT_EQ(sink.messages.size(), 1u);
  EXPECT_TRUE(image.IsNull());
}

INSTANTIATE_TEST_SUITE_P(Failures, LoadFailureTest, ::testing::ValuesIn(kFailures),
                         [](const ::testing::TestParamInfo<FailureCase>& info) {
                           return "Case" + std::to_string(info.index);
                         });

TEST(WindResourcesTest, TheNumberedIconIs32PixelsAndEverySizeIsThere) {
  InitWindResources();
  EXPECT_EQ(QImage(":/icon/128").size(), QSize(32, 32));
  for (int size : {16, 32, 48, 64, 128, 256}) {
    EXPECT_EQ(QImage(QString(":/icons/aerolume-%1.png").arg(size)).size(), QSize(size, size));
  }
}

}  // namespace
}  // namespace aerolume
