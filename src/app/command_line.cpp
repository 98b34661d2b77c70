#include "app/command_line.hpp"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <optional>
#include <vector>

#include "retrieval/report_download.hpp"
#include "stations/station_catalogue.hpp"

namespace aerolume {

namespace {

constexpr const char* kProgramName = "aerolume";
constexpr int kExitUsage = 2;

// The toolkit's own options, which the application object reads later; accepted
// here so that "-platform offscreen" or "-style fusion" still work.
void AcceptToolkitOptions(QCommandLineParser& parser) {
  const char* const withValue[] = {"platform",        "platformpluginpath",
                                   "platformtheme",   "plugin",
                                   "qwindowgeometry", "qwindowicon",
                                   "qwindowtitle",    "display",
                                   "geometry",        "style",
                                   "stylesheet",      "session"};
  const char* const flags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};
  for (const char* name : withValue) {
    QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }
  for (const char* name : flags) {
    QCommandLineOption option(QString::fromLatin1(name));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }
}

int UsageError(const QString& message) {
  std::fprintf(stderr, "%s: %s\nTry '%s --help'.\n", kProgramName, qPrintable(message),
               kProgramName);
  return kExitUsage;
}

}  // namespace

StartOptions ReadCommandLine(int argc, char** argv) {
  // A core application needs no display. Its first argument is the bare name, so
  // that the help text says "aerolume", not the path it was started by.
  std::vector<char*> words(argv, argv + argc);
  std::string name = kProgramName;
  if (!words.empty()) words.front() = name.data();
  int count = static_cast<int>(words.size());
  const QCoreApplication core(count, words.data());
  QCoreApplication::setApplicationName(QString::fromLatin1(kProgramName));
  QCoreApplication::setApplicationVersion(QString::fromLatin1(kProgramVersion));

  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("METAR and TAF of Japanese airfields, decoded into Japanese."));
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  const QString defaultServer = QString::fromUtf8(
      kDefaultServerBase.data(), static_cast<qsizetype>(kDefaultServerBase.size()));
  const QCommandLineOption server(
      QStringLiteral("server"),
      QStringLiteral("Base URL of the weather-data server; the reports are read from "
                     "<URL>/observations/metar/stations/ and <URL>/forecasts/taf/stations/ "
                     "(default: %1).")
          .arg(defaultServer),
      QStringLiteral("URL"), defaultServer);
  parser.addOption(server);
  const QCommandLineOption fallback(
      QStringLiteral("fallback"),
      QStringLiteral("Base URL of the Data API asked for a report the server fails to give "
                     "(default: %1; none when --server is given).")
          .arg(QString::fromUtf8(kDefaultFallbackBase.data(),
                                 static_cast<qsizetype>(kDefaultFallbackBase.size()))),
      QStringLiteral("URL"));
  parser.addOption(fallback);
  const QCommandLineOption noFallback(
      QStringLiteral("no-fallback"),
      QStringLiteral("Ask only the weather-data server, whatever --fallback says."));
  parser.addOption(noFallback);
  const QCommandLineOption map(QStringLiteral("map"),
                               QStringLiteral("Open the map of all 104 stations at start."));
  parser.addOption(map);
  const QCommandLineOption history(
      QStringLiteral("history"),
      QStringLiteral("Open the window of the station's last 24 hours and its TAF at start "
                     "(Ctrl+H in the program)."),
      QStringLiteral("CODE"));
  parser.addOption(history);
  // The toolkit spells its options with one dash: "-platform", not "-p -l -a ...".
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  AcceptToolkitOptions(parser);

  StartOptions options;
  if (!parser.parse(QCoreApplication::arguments())) {
    options.exitCode = UsageError(parser.errorText());
  } else if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
    std::fputs(qPrintable(parser.helpText()), stdout);
    options.exitCode = 0;
  } else if (parser.isSet(version)) {
    std::printf("%s %s\n", kProgramName, kProgramVersion);
    options.exitCode = 0;
  } else if (!parser.positionalArguments().isEmpty()) {
    options.exitCode = UsageError(
        QStringLiteral("unexpected argument %1").arg(parser.positionalArguments().front()));
  } else {
    options.serverBase = parser.value(server).toStdString();
    options.openMap = parser.isSet(map);
    const std::optional<std::string> fallbackBase =
        parser.isSet(fallback) ? std::optional(parser.value(fallback).toStdString()) : std::nullopt;
    options.fallbackBase =
        ChooseFallbackBase(parser.isSet(server), fallbackBase, parser.isSet(noFallback));
    if (!IsServerBaseUrl(options.serverBase)) {
      options.exitCode = UsageError(QStringLiteral("--server needs an http:// or https:// URL"));
    } else if (fallbackBase && !IsServerBaseUrl(*fallbackBase)) {
      options.exitCode = UsageError(QStringLiteral("--fallback needs an http:// or https:// URL"));
    } else if (parser.isSet(history)) {
      options.historyStation = parser.value(history).toUpper().toStdString();
      if (!IsCatalogueStation(options.historyStation)) {
        options.exitCode =
            UsageError(QStringLiteral("--history needs a station code of the list, such as RJTT"));
      }
    }
  }
  return options;
}

}  // namespace aerolume
