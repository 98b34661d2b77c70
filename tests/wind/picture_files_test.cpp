// The committed pictures of the wind display, read as files: formats byte by byte,
// the diagrams against the runway coordinates they were drawn from, ring and arrow
// where the wind window expects them.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QStringList>
#include <QTextStream>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <numbers>
#include <ostream>
#include <string>
#include <vector>

#include "stations/station_catalogue.hpp"
#include "stations/station_runways.hpp"
#include "wind/designator_boxes.hpp"

namespace aerolume {
namespace {

const QString kResources = AEROLUME_RESOURCES_DIR;
constexpr int kSide = 240;
constexpr double kCentre = 120.0;
// The ring is centred on the middle of pixel (120, 120), where the wind window turns
// the arrow.
constexpr double kRingCentre = kCentre + 0.5;
const QRgb kKeyColour = qRgb(240, 240, 240);

QByteArray ReadBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::uint32_t BigEndian32(const QByteArray& bytes, int at) {
  std::uint32_t value = 0;
  for (int i = 0; i < 4; ++i) value = value << 8 | static_cast<std::uint8_t>(bytes[at + i]);
  return value;
}

std::uint32_t LittleEndian(const QByteArray& bytes, int at, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) value = value << 8 | static_cast<std::uint8_t>(bytes[at + i]);
  return value;
}

std::vector<QString> CatalogueCodes() {
  std::vector<QString> codes;
  for (std::string_view entry : StationCatalogue()) {
    const std::string_view code = StationCode(entry);
    codes.push_back(QString::fromLatin1(code.data(), static_cast<qsizetype>(code.size())));
  }
  return codes;
}

QString DiagramPath(const QString& code) {
  return kResources + "/diagrams/" + code + ".PNG";
}

QImage ReadDiagram(const QString& code) {
  return QImage(DiagramPath(code)).convertToFormat(QImage::Format_ARGB32);
}

double Distance(double x, double y) {
  return std::hypot(x - kCentre, y - kCentre);
}

// ---- Station diagrams -------------------------------------------------------------

TEST(StationDiagramFiles, EveryStationHasA240Square8BitRgbaNonInterlacedPng) {
  for (const QString& code : CatalogueCodes()) {
    SCOPED_TRACE(code.toStdString());
    const QByteArray png = ReadBytes(DiagramPath(code));
    ASSERT_GE(png.size(), 33);
    EXPECT_EQ(png.left(8), QByteArray("\x89PNG\r\n\x1a\n", 8));
    EXPECT_EQ(BigEndian32(png, 8), 13u);
    EXPECT_EQ(png.mid(12, 4), "IHDR");
    EXPECT_EQ(BigEndian32(png, 16), 240u);
    EXPECT_EQ(BigEndian32(png, 20), 240u);
    EXPECT_EQ(png[24], 8);  // bits per channel
    EXPECT_EQ(png[25], 6);  // RGBA
    EXPECT_EQ(png[28], 0);  // not interlaced
  }
}

TEST(StationDiagramFiles, NoDiagramBesidesTheCatalogueStations) {
  QStringList expected;
  for (const QString& code : CatalogueCodes()) expected << code + ".PNG" << code + "@2x.PNG";
  QStringList present = QDir(kResources + "/diagrams").entryList({"*.PNG", "*.png"}, QDir::Files);
  expected.sort();
  present.sort();
  EXPECT_EQ(present, expected);
}

// The same diagrams at twice the pixels for HiDPI screens, drawn from the same layout:
// the same key colour, and opaque where the ordinary one is (its pixel's four quarters).
TEST(StationDiagramFiles, EveryStationHasItsDiagramAtTwiceThePixels) {
  for (const QString& code : CatalogueCodes()) {
    SCOPED_TRACE(code.toStdString());
    const QImage ordinary = ReadDiagram(code);
    const QImage doubled =
        QImage(kResources + "/diagrams/" + code + "@2x.PNG").convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(doubled.size(), QSize(2 * kSide, 2 * kSide));
    int differing = 0;
    int wrong = 0;
    for (int y = 0; y < kSide; ++y) {
      for (int x = 0; x < kSide; ++x) {
        int opaqueQuarters = 0;
        for (int q = 0; q < 4; ++q) {
          const QRgb pixel = doubled.pixel(2 * x + q % 2, 2 * y + q / 2);
          wrong += qAlpha(pixel) != 255 && pixel != (kKeyColour & 0x00FFFFFFu);
          opaqueQuarters += qAlpha(pixel) == 255;
        }
        // Anti-aliased rims may differ by a pixel's worth; the bulk must agree.
        differing += (qAlpha(ordinary.pixel(x, y)) == 255) != (opaqueQuarters >= 2);
      }
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_LT(differing, kSide * kSide / 100);
  }
}

TEST(StationDiagramFiles, UnpaintedPixelsAreTransparentLightGreyAndPaintedOnesOpaque) {
  for (const QString& code : CatalogueCodes()) {
    SCOPED_TRACE(code.toStdString());
    const QImage diagram = ReadDiagram(code);
    ASSERT_EQ(diagram.size(), QSize(kSide, kSide));
    int wrong = 0;
    for (int y = 0; y < kSide; ++y) {
      for (int x = 0; x < kSide; ++x) {
        const QRgb pixel = diagram.pixel(x, y);
        const bool background = pixel == (kKeyColour & 0x00FFFFFFu);
        const bool opaquePaint = qAlpha(pixel) == 255 && (pixel | 0xFF000000u) != kKeyColour;
        if (!background && !opaquePaint) ++wrong;
      }
    }
    EXPECT_EQ(wrong, 0);
  }
}

TEST(StationDiagramFiles, EverythingDrawnStaysInsideTheRing) {
  for (const QString& code : CatalogueCodes()) {
    SCOPED_TRACE(code.toStdString());
    const QImage diagram = ReadDiagram(code);
    double reach = 0;
    int pavement = 0;
    for (int y = 0; y < kSide; ++y) {
      for (int x = 0; x < kSide; ++x) {
        const QRgb pixel = diagram.pixel(x, y);
        if (qAlpha(pixel) == 0) continue;
        reach = std::max(reach, Distance(x + 0.5, y + 0.5));
        if (pixel == qRgb(128, 128, 128)) ++pavement;
      }
    }
    EXPECT_LE(reach, 81.0);  // the drawing's circle, with its anti-aliased rim
    EXPECT_GE(pavement, 100) << "every field shows runways or a helipad";
  }
}

// The boxes compiled in beside the diagrams, one per runway end, each holding all of
// its designator's black: the window can only colour a label whose ink it can find.
TEST(StationDiagramFiles, EveryDesignatorsInkLiesInItsBox) {
  for (const QString& code : CatalogueCodes()) {
    SCOPED_TRACE(code.toStdString());
    const std::vector<DesignatorBox> designators = StationDesignators(code.toStdString());
    std::vector<std::string> boxed;
    for (const DesignatorBox& d : designators) boxed.push_back(d.ident);
    std::vector<std::string> ends;
    for (const Runway& runway : StationRunways(code.toStdString())) {
      for (const aerolume::RunwayEnd& end : runway.ends) ends.emplace_back(end.ident);
    }
    std::sort(boxed.begin(), boxed.end());
    std::sort(ends.begin(), ends.end());
    EXPECT_EQ(boxed, ends);
    // A helipad's letter is as black as a designator but names no runway end.
    if (designators.empty()) continue;
    const QImage diagram = ReadDiagram(code);
    std::vector<int> inkPerBox(designators.size(), 0);
    int strayInk = 0;
    for (int y = 0; y < kSide; ++y) {
      for (int x = 0; x < kSide; ++x) {
        const QRgb pixel = diagram.pixel(x, y);
        // Darker than the runways: nothing but a designator's black.
        if (qAlpha(pixel) != 255 || std::max({qRed(pixel), qGreen(pixel), qBlue(pixel)}) >= 128)
          continue;
        int holders = 0;
        for (std::size_t i = 0; i < designators.size(); ++i) {
          if (!designators[i].box.contains(x, y)) continue;
          ++inkPerBox[i];
          ++holders;
        }
        if (holders == 0) ++strayInk;
      }
    }
    EXPECT_EQ(strayInk, 0);
    for (std::size_t i = 0; i < designators.size(); ++i) {
      EXPECT_GT(inkPerBox[i], 30) << designators[i].ident;
    }
  }
}

// Where the diagram puts latitude and longitude, as the generator recorded it.
struct Projection {
  double lat0 = 0, lon0 = 0, pxPerDegLat = 0, pxPerDegLon = 0;
};

std::map<QString, Projection> ReadProjections() {
  std::map<QString, Projection> projections;
  QFile file(kResources + "/diagrams/projection.csv");
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return projections;
  QTextStream in(&file);
  while (!in.atEnd()) {
    const QStringList cells = in.readLine().split(',');
    if (cells.size() != 5 || cells[1].isEmpty() || cells[0] == "icao") continue;
    projections[cells[0]] = {cells[1].toDouble(), cells[2].toDouble(), cells[3].toDouble(),
                             cells[4].toDouble()};
  }
  return projections;
}

// One runway end as the airfield data gives it, with the runway's other end.
struct RunwayEnd {
  const char* code;
  const char* designator;
  double lat, lon;            // this end
  double otherLat, otherLon;  // the opposite end
};

// Four fields of different shapes: four runways in two directions (RJTT), two
// widely spaced parallels (RJAA), north-south parallels (ROAH), crossing runways (RJSS).
const RunwayEnd kRunwayEnds[] = {
    {"RJTT", "04", 35.549015, 139.761274, 35.567459, 139.777114},
    {"RJTT", "22", 35.567459, 139.777114, 35.549015, 139.761274},
    {"RJTT", "05", 35.524001, 139.803469, 35.540598, 139.822125},
    {"RJTT", "23", 35.540598, 139.822125, 35.524001, 139.803469},
    {"RJTT", "16L", 35.565897, 139.78655, 35.53969, 139.805142},
    {"RJTT", "34R", 35.53969, 139.805142, 35.565897, 139.78655},
    {"RJTT", "16R", 35.560452, 139.768734, 35.536591, 139.785672},
    {"RJTT", "34L", 35.536591, 139.785672, 35.560452, 139.768734},
    {"RJAA", "16L", 35.80270004, 140.38000488, 35.78580094, 140.3919983},
    {"RJAA", "34R", 35.78580094, 140.3919983, 35.80270004, 140.38000488},
    {"RJAA", "16R", 35.7743988, 140.36799622, 35.7433014, 140.39100647},
    {"RJAA", "34L", 35.7433014, 140.39100647, 35.7743988, 140.36799622},
    {"ROAH", "18L", 26.20929909, 127.64499664, 26.18230057, 127.64600372},
    {"ROAH", "36R", 26.18230057, 127.64600372, 26.20929909, 127.64499664},
    {"ROAH", "18R", 26.20310020, 127.63200378, 26.17869949, 127.63400269},
    {"ROAH", "36L", 26.17869949, 127.63400269, 26.20310020, 127.63200378},
    {"RJSS", "09", 38.13880157, 140.89900208, 38.14229965, 140.93299866},
    {"RJSS", "27", 38.14229965, 140.93299866, 38.13880157, 140.89900208},
    {"RJSS", "12", 38.13949966, 140.91499329, 38.13439941, 140.92700195},
    {"RJSS", "30", 38.13439941, 140.92700195, 38.13949966, 140.91499329},
};

void PrintTo(const RunwayEnd& end, std::ostream* out) {
  *out << end.code << ' ' << end.designator;
}

struct PixelPoint {
  double x, y;
};

// x east with the longitude, y south against the latitude: north up, east right.
PixelPoint Place(const Projection& p, double lat, double lon) {
  return {kCentre + p.pxPerDegLon * (lon - p.lon0), kCentre - p.pxPerDegLat * (lat - p.lat0)};
}

bool IsPaved(QRgb pixel) {
  return qAlpha(pixel) == 255 && qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel) &&
         qRed(pixel) >= 120;
}

bool IsDarkInk(QRgb pixel) {
  return qAlpha(pixel) == 255 && std::max({qRed(pixel), qGreen(pixel), qBlue(pixel)}) < 100;
}

// A runway end on its field's diagram, and the unit vector pointing out of the runway there.
struct EndOnDiagram {
  PixelPoint here;
  double outX, outY;
};

class RunwayEndTest : public ::testing::TestWithParam<RunwayEnd> {
 protected:
  static void SetUpTestSuite() { s_projections = ReadProjections(); }

  static EndOnDiagram Locate(const RunwayEnd& end) {
    const Projection& p = s_projections.at(end.code);
    const PixelPoint here = Place(p, end.lat, end.lon);
    const PixelPoint there = Place(p, end.otherLat, end.otherLon);
    const double length = std::hypot(there.x - here.x, there.y - here.y);
    return {here, (here.x - there.x) / length, (here.y - there.y) / length};
  }

  static std::map<QString, Projection> s_projections;
};
std::map<QString, Projection> RunwayEndTest::s_projections;

TEST_P(RunwayEndTest, TheProjectionKeepsEastAndNorthAtTrueScale) {
  const RunwayEnd& end = GetParam();
  ASSERT_TRUE(s_projections.contains(end.code));
  const Projection& p = s_projections.at(end.code);
  const double cosLat = std::cos(p.lat0 * std::numbers::pi / 180.0);
  EXPECT_NEAR(p.pxPerDegLon / p.pxPerDegLat, cosLat, 1e-3);
  EXPECT_GT(p.pxPerDegLat, 0);
}

TEST_P(RunwayEndTest, TheEndIsPavedWhereTheDataPutsIt) {
  const RunwayEnd& end = GetParam();
  ASSERT_TRUE(s_projections.contains(end.code));
  const EndOnDiagram at = Locate(end);
  // Two and a half pixels in from the end, on the runway's axis.
  const double x = at.here.x - at.outX * 2.5;
  const double y = at.here.y - at.outY * 2.5;
  const QImage diagram = ReadDiagram(end.code);
  EXPECT_TRUE(IsPaved(diagram.pixel(static_cast<int>(x), static_cast<int>(y))))
      << "at " << x << ", " << y;
}

TEST_P(RunwayEndTest, TheDesignatorLiesBeyondTheEnd) {
  const RunwayEnd& end = GetParam();
  ASSERT_TRUE(s_projections.contains(end.code));
  const auto [here, outX, outY] = Locate(end);
  // The ink near the end, where a designator must be, lies on the far side of it.
  const QImage diagram = ReadDiagram(end.code);
  constexpr double kNear = 14.0;
  int ink = 0;
  double beyond = 0;
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      const double dx = x + 0.5 - here.x;
      const double dy = y + 0.5 - here.y;
      if (std::hypot(dx, dy) > kNear || !IsDarkInk(diagram.pixel(x, y))) continue;
      ++ink;
      beyond += dx * outX + dy * outY;
    }
  }
  ASSERT_GE(ink, 8) << "no designator near the end";
  EXPECT_GT(beyond / ink, 2.0);
}

INSTANTIATE_TEST_SUITE_P(FourFields, RunwayEndTest, ::testing::ValuesIn(kRunwayEnds),
                         [](const ::testing::TestParamInfo<RunwayEnd>& info) {
                           return std::string(info.param.code) + "_" + info.param.designator;
                         });

// ---- Ring and arrow bitmaps ------------------------------------------------------

constexpr int kBmpHeaderBytes = 54;
constexpr int kRowBytes = 720;

// The grey level of a pixel of a 24-bit bottom-up bitmap; -1 where the pixel is
// not grey.
int Grey(const QByteArray& bmp, int x, int y) {
  const int at = kBmpHeaderBytes + (kSide - 1 - y) * kRowBytes + 3 * x;
  const int b = static_cast<std::uint8_t>(bmp[at]);
  const int g = static_cast<std::uint8_t>(bmp[at + 1]);
  const int r = static_cast<std::uint8_t>(bmp[at + 2]);
  return r == g && g == b ? r : -1;
}

class BitmapFileTest : public ::testing::TestWithParam<const char*> {};

TEST_P(BitmapFileTest, IsAn240Square24BitUncompressedBottomUpDib) {
  const QByteArray bmp = ReadBytes(kResources + "/bitmaps/" + GetParam());
  ASSERT_EQ(bmp.size(), kBmpHeaderBytes + kSide * kRowBytes);
  EXPECT_EQ(bmp.left(2), "BM");
  EXPECT_EQ(LittleEndian(bmp, 2, 4), static_cast<std::uint32_t>(bmp.size()));
  EXPECT_EQ(LittleEndian(bmp, 10, 4), 54u);   // pixels right after the headers
  EXPECT_EQ(LittleEndian(bmp, 14, 4), 40u);   // information header
  EXPECT_EQ(LittleEndian(bmp, 18, 4), 240u);  // width
  EXPECT_EQ(LittleEndian(bmp, 22, 4), 240u);  // height, positive: bottom row first
  EXPECT_EQ(LittleEndian(bmp, 26, 2), 1u);    // planes
  EXPECT_EQ(LittleEndian(bmp, 28, 2), 24u);   // bits per pixel
  EXPECT_EQ(LittleEndian(bmp, 30, 4), 0u);    // uncompressed
  EXPECT_EQ(LittleEndian(bmp, 46, 4), 0u);    // no colour table
}

INSTANTIATE_TEST_SUITE_P(RingAndArrow, BitmapFileTest,
                         ::testing::Values("COMPASS_135.BMP", "ARROW.BMP"));

QByteArray ReadArrow() {
  return ReadBytes(kResources + "/bitmaps/ARROW.BMP");
}
QByteArray ReadRing() {
  return ReadBytes(kResources + "/bitmaps/COMPASS_135.BMP");
}

// The wind window leaves out every arrow pixel whose level is below 128.
constexpr int kKeyLevel = 128;

struct ArrowPixel {
  int x, y;
  bool shown;
  const char* what;
};

const ArrowPixel kArrowLandmarks[] = {
    {119, 186, true, "tip"},
    {119, 188, false, "below the tip"},
    {82, 52, true, "left tail corner"},
    {156, 52, true, "right tail corner"},
    {81, 51, false, "outside the left corner"},
    {157, 51, false, "outside the right corner"},
    {119, 84, false, "in the notch"},
    {119, 60, false, "in the notch, higher"},
    {119, 88, true, "below the notch"},
    {119, 130, true, "the arrow's middle"},
    {60, 120, false, "left of the arrow"},
    {180, 120, false, "right of the arrow"},
};

TEST(ArrowBitmap, LandmarksAreWhereTheWindowTurnsThem) {
  const QByteArray bmp = ReadArrow();
  ASSERT_EQ(bmp.size(), kBmpHeaderBytes + kSide * kRowBytes);
  for (const ArrowPixel& p : kArrowLandmarks) {
    EXPECT_EQ(Grey(bmp, p.x, p.y) >= kKeyLevel, p.shown) << p.what;
  }
  EXPECT_EQ(Grey(bmp, 119, 130), 255);
}

TEST(ArrowBitmap, IsGreyMirrorSymmetricAboutColumn119AndBlackOutsideTheArrow) {
  const QByteArray bmp = ReadArrow();
  ASSERT_EQ(bmp.size(), kBmpHeaderBytes + kSide * kRowBytes);
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) ASSERT_GE(Grey(bmp, x, y), 0) << x << ", " << y;
    for (int x = 0; x < 119; ++x)
      ASSERT_EQ(Grey(bmp, x, y), Grey(bmp, 238 - x, y)) << x << ", " << y;
    EXPECT_EQ(Grey(bmp, 239, y), 0);
    if (y < 51 || y > 188) {
      for (int x = 0; x < kSide; ++x) ASSERT_EQ(Grey(bmp, x, y), 0) << x << ", " << y;
    }
  }
}

double DarkestOnRay(const QByteArray& bmp, double degrees, double fromRadius, double toRadius) {
  const double theta = degrees * std::numbers::pi / 180.0;
  int darkest = 255;
  for (double r = fromRadius; r <= toRadius; r += 0.25) {
    const int x = static_cast<int>(kRingCentre + r * std::sin(theta));
    const int y = static_cast<int>(kRingCentre - r * std::cos(theta));
    darkest = std::min(darkest, Grey(bmp, x, y));
  }
  return darkest;
}

// The darkest pixel in the square of half side `reach` around a point on the ring's radius.
int DarkestNear(const QByteArray& bmp, double degrees, double radius, int reach) {
  const double theta = degrees * std::numbers::pi / 180.0;
  const int cx = static_cast<int>(kRingCentre + radius * std::sin(theta));
  const int cy = static_cast<int>(kRingCentre - radius * std::cos(theta));
  int darkest = 255;
  for (int y = cy - reach; y <= cy + reach; ++y) {
    for (int x = cx - reach; x <= cx + reach; ++x) darkest = std::min(darkest, Grey(bmp, x, y));
  }
  return darkest;
}

TEST(CompassRingBitmap, DrawsAThinDarkCircleOfRadius92) {
  const QByteArray ring = ReadRing();
  ASSERT_EQ(ring.size(), kBmpHeaderBytes + kSide * kRowBytes);
  for (int degrees = 0; degrees < 360; ++degrees) {
    EXPECT_LT(DarkestOnRay(ring, degrees + 0.5, 91.0, 93.0), 140) << degrees;
    EXPECT_EQ(DarkestOnRay(ring, degrees + 0.5, 0.0, 89.5), 240) << degrees;
  }
}

TEST(CompassRingBitmap, TicksPointOutwardEveryTenDegrees) {
  const QByteArray ring = ReadRing();
  ASSERT_EQ(ring.size(), kBmpHeaderBytes + kSide * kRowBytes);
  for (int degrees = 0; degrees < 360; degrees += 10) {
    EXPECT_LT(DarkestOnRay(ring, degrees, 94.0, 95.5), 160) << "tick at " << degrees;
    EXPECT_EQ(DarkestOnRay(ring, degrees + 5, 94.5, 99.0), 240) << "gap at " << degrees + 5;
  }
}

TEST(CompassRingBitmap, LabelsSitOutsideTheRingEveryThirtyDegrees) {
  const QByteArray ring = ReadRing();
  ASSERT_EQ(ring.size(), kBmpHeaderBytes + kSide * kRowBytes);
  for (int degrees = 0; degrees < 360; degrees += 30) {
    EXPECT_LT(DarkestNear(ring, degrees, 107.0, 3), 128) << "label at " << degrees;
    EXPECT_EQ(DarkestOnRay(ring, degrees + 15, 100.0, 119.0), 240) << "gap at " << degrees + 15;
  }
  EXPECT_EQ(Grey(ring, 0, 0), 240);
  EXPECT_EQ(Grey(ring, 239, 239), 240);
}

}  // namespace
}  // namespace aerolume
