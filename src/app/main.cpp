#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>

#include "app/aerolume_app.hpp"
#include "retrieval/report_download.hpp"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationVersion(QStringLiteral("2.0.0.4"));

  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("METAR and TAF of Japanese airfields, decoded into Japanese."));
  parser.addHelpOption();
  parser.addVersionOption();
  const QString defaultServer =
      QString::fromUtf8(aerolume::kDefaultServerBase.data(), aerolume::kDefaultServerBase.size());
  const QCommandLineOption server(
      QStringLiteral("server"),
      QStringLiteral("Base URL of the weather-data server; the reports are read from "
                     "<URL>/observations/metar/stations/ and <URL>/forecasts/taf/stations/ "
                     "(default: %1).")
          .arg(defaultServer),
      QStringLiteral("URL"), defaultServer);
  parser.addOption(server);
  parser.process(application);

  const std::string serverBase = parser.value(server).toStdString();
  if (!aerolume::IsServerBaseUrl(serverBase)) {
    std::fprintf(stderr, "%s: --server needs an http:// or https:// URL\n", argv[0]);
    return 2;
  }
  CAerolumeApp app(serverBase);
  app.InitInstance();
  return 0;
}
