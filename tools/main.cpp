// aerolume_draw: redraws the wind display's pictures from the airfield data.
//
//   aerolume_draw [--data DIR] [--out DIR] [--font FILE] [--contact-sheet FILE]
//
// DIR defaults: ../shared/data beside the repository, and the repository's resources/.
// Writes diagrams/<CODE>.PNG for every catalogue station, diagrams/projection.csv,
// diagrams/designators.csv, bitmaps/COMPASS_135.BMP, bitmaps/ARROW.BMP, the same
// pictures at twice the pixels for HiDPI screens (diagrams/<CODE>@2x.PNG,
// bitmaps/COMPASS_135@2x.PNG, bitmaps/ARROW@2x.PNG),
// icons/aerolume-<size>.png and the resource list aerolume_wind.qrc; with
// --contact-sheet also the sheet of all diagrams.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageWriter>
#include <QTextStream>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <exception>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "airfield_data.hpp"
#include "bmp_file.hpp"
#include "compass_pictures.hpp"
#include "contact_sheet.hpp"
#include "diagram_layout.hpp"
#include "diagram_painter.hpp"
#include "picture_font.hpp"
#include "stations/station_catalogue.hpp"

namespace aerolume {

namespace {

constexpr int kIconSizes[] = {16, 32, 48, 64, 128, 256};
// The icon the window and the About box show: 32 x 32, numbered as in the resources.
constexpr int kNumberedIconSize = 32;
// The pictures are drawn a second time at this scale for screens of twice the density.
constexpr int kHiDpiScale = 2;

struct Options {
  QString dataDir = AEROLUME_SOURCE_DIR "/../shared/data";
  QString outDir = AEROLUME_SOURCE_DIR "/resources";
  QString fontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
  QString contactSheet;
};

Options ParseOptions(const QStringList& arguments) {
  Options options;
  const std::map<QString, QString*> valued = {{"--data", &options.dataDir},
                                              {"--out", &options.outDir},
                                              {"--font", &options.fontFile},
                                              {"--contact-sheet", &options.contactSheet}};
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const auto option = valued.find(arguments[i]);
    if (option == valued.end() || i + 1 == arguments.size()) {
      throw std::invalid_argument(
          "usage: aerolume_draw [--data DIR] [--out DIR] [--font FILE] [--contact-sheet FILE]");
    }
    *option->second = arguments[++i];
  }
  return options;
}

void SavePng(const QImage& image, const QString& path) {
  QImageWriter writer(path, "png");
  if (!writer.write(image)) {
    throw std::runtime_error("cannot write " + path.toStdString() + ": " +
                             writer.errorString().toStdString());
  }
}

void WriteText(const QString& path, const QString& text) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text.toUtf8()) < 0) {
    throw std::runtime_error("cannot write " + path.toStdString());
  }
}

std::vector<std::string> CatalogueCodes() {
  std::vector<std::string> codes;
  for (std::string_view entry : StationCatalogue()) codes.emplace_back(StationCode(entry));
  return codes;
}

const AirfieldRecord& FindAirfield(const std::vector<AirfieldRecord>& airfields,
                                   const std::string& code) {
  const auto found = std::find_if(airfields.begin(), airfields.end(),
                                  [&](const AirfieldRecord& f) { return f.code == code; });
  if (found == airfields.end()) throw std::runtime_error("no airfield data for " + code);
  return *found;
}

void WarnOfCrowdedLabels(const std::string& code, const DiagramLayout& layout) {
  for (std::size_t i = 0; i < layout.labels.size(); ++i) {
    for (std::size_t j = i + 1; j < layout.labels.size(); ++j) {
      if (layout.labels[i].box.intersects(layout.labels[j].box)) {
        std::fprintf(stderr, "%s: designators %s and %s overlap\n", code.c_str(),
                     layout.labels[i].text.c_str(), layout.labels[j].text.c_str());
      }
    }
  }
}

QString ProjectionRow(const std::string& code, const DiagramLayout& layout) {
  if (layout.helipad) return QString::fromStdString(code) + ",,,,\n";
  return QString::asprintf("%s,%.7f,%.7f,%.3f,%.3f\n", code.c_str(), layout.centre.lat,
                           layout.centre.lon, layout.pxPerDegLat, layout.pxPerDegLon);
}

// One row per designator: the box of its ink, rounded outward to whole pixels, so that
// the wind window can find the label again in the finished picture.
QString DesignatorRows(const std::string& code, const DiagramLayout& layout) {
  QString rows;
  for (const DesignatorLabel& label : layout.labels) {
    const int left = static_cast<int>(std::floor(label.box.left()));
    const int top = static_cast<int>(std::floor(label.box.top()));
    const int right = static_cast<int>(std::ceil(label.box.right()));
    const int bottom = static_cast<int>(std::ceil(label.box.bottom()));
    rows += QString::asprintf("%s,%s,%d,%d,%d,%d\n", code.c_str(), label.text.c_str(), left, top,
                              right - left, bottom - top);
  }
  return rows;
}

void DrawDiagrams(const Options& options, const std::vector<std::string>& codes) {
  const std::vector<AirfieldRecord> airfields = LoadAirfields(options.dataDir.toStdString());
  QDir(options.outDir).mkpath("diagrams");
  QString projection =
      "# Where each diagram puts the world: x = 120 + px_per_deg_lon * (lon - lon0),\n"
      "# y = 120 - px_per_deg_lat * (lat - lat0); empty for a helipad.\n"
      "icao,lat0,lon0,px_per_deg_lat,px_per_deg_lon\n";
  QString designators =
      "# The ink of each runway designator in its diagram, in pixels rounded outward;\n"
      "# none for a helipad.\n"
      "icao,ident,x,y,width,height\n";
  for (const std::string& code : codes) {
    const DiagramLayout layout = LayoutDiagram(FindAirfield(airfields, code), MeasureDesignator);
    WarnOfCrowdedLabels(code, layout);
    const QString path = options.outDir + "/diagrams/" + QString::fromStdString(code);
    SavePng(PaintDiagram(layout), path + ".PNG");
    SavePng(PaintDiagram(layout, kHiDpiScale), path + "@2x.PNG");
    projection += ProjectionRow(code, layout);
    designators += DesignatorRows(code, layout);
  }
  WriteText(options.outDir + "/diagrams/projection.csv", projection);
  WriteText(options.outDir + "/diagrams/designators.csv", designators);
}

void DrawCompassPictures(const Options& options) {
  QDir(options.outDir).mkpath("bitmaps");
  WriteBmp24(DrawCompassRing(), options.outDir + "/bitmaps/COMPASS_135.BMP");
  WriteBmp24(DrawArrow(), options.outDir + "/bitmaps/ARROW.BMP");
  // Opaque and grey, so PNG keeps them exact at a fraction of a bitmap's size.
  SavePng(DrawCompassRing(kHiDpiScale), options.outDir + "/bitmaps/COMPASS_135@2x.PNG");
  SavePng(DrawArrow(kHiDpiScale), options.outDir + "/bitmaps/ARROW@2x.PNG");
  QDir(options.outDir).mkpath("icons");
  for (int size : kIconSizes) {
    SavePng(DrawIcon(size), options.outDir + QString("/icons/aerolume-%1.png").arg(size));
  }
}

// Bitmaps live under /bitmap by name or number; resources of a named type under
// /typed/<TYPE>; the numbered icon under /icon and every icon size under /icons; the
// designator boxes under /diagrams.
QString ResourceList(const std::vector<std::string>& codes) {
  QString qrc = "<!-- Written by tools/aerolume_draw; redraw rather than edit. -->\n<RCC>\n";
  qrc +=
      "  <qresource prefix=\"/bitmap\">\n"
      "    <file alias=\"135\">bitmaps/COMPASS_135.BMP</file>\n"
      "    <file alias=\"ARROW.BMP\">bitmaps/ARROW.BMP</file>\n"
      "  </qresource>\n";
  qrc +=
      "  <qresource prefix=\"/bitmap@2x\">\n"
      "    <file alias=\"135\">bitmaps/COMPASS_135@2x.PNG</file>\n"
      "    <file alias=\"ARROW.BMP\">bitmaps/ARROW@2x.PNG</file>\n"
      "  </qresource>\n";
  for (const char* prefix : {"/typed/PNG", "/typed@2x/PNG"}) {
    qrc += QString("  <qresource prefix=\"%1\">\n").arg(prefix);
    const QString suffix = QString(prefix).contains("@2x") ? "@2x.PNG" : ".PNG";
    for (const std::string& code : codes) {
      const QString name = QString::fromStdString(code) + ".PNG";
      qrc += "    <file alias=\"" + name + "\">diagrams/" + QString::fromStdString(code) + suffix +
             "</file>\n";
    }
    qrc += "  </qresource>\n";
  }
  qrc += QString(
             "  <qresource prefix=\"/icon\">\n"
             "    <file alias=\"128\">icons/aerolume-%1.png</file>\n"
             "  </qresource>\n")
             .arg(kNumberedIconSize);
  qrc += "  <qresource prefix=\"/icons\">\n";
  for (int size : kIconSizes) {
    qrc += QString("    <file alias=\"aerolume-%1.png\">icons/aerolume-%1.png</file>\n").arg(size);
  }
  qrc += "  </qresource>\n";
  qrc +=
      "  <qresource prefix=\"/diagrams\">\n"
      "    <file alias=\"designators.csv\">diagrams/designators.csv</file>\n"
      "  </qresource>\n</RCC>\n";
  return qrc;
}

int Run(const QStringList& arguments) {
  const Options options = ParseOptions(arguments);
  LoadPictureFont(options.fontFile);
  const std::vector<std::string> codes = CatalogueCodes();
  DrawDiagrams(options, codes);
  DrawCompassPictures(options);
  WriteText(options.outDir + "/aerolume_wind.qrc", ResourceList(codes));
  if (!options.contactSheet.isEmpty()) {
    SavePng(DrawContactSheet(options.outDir, codes), options.contactSheet);
  }
  return 0;
}

}  // namespace

}  // namespace aerolume

int main(int argc, char** argv) {
  // Drawing needs fonts but no screen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  try {
    return aerolume::Run(QGuiApplication::arguments());
  } catch (const std::exception& error) {
    std::fprintf(stderr, "aerolume_draw: %s\n", error.what());
    return 1;
  }
}
