#include <QApplication>

#include "app/aerolume_app.hpp"
#include "app/command_line.hpp"

int main(int argc, char** argv) {
  const aerolume::StartOptions options = aerolume::ReadCommandLine(argc, argv);
  if (options.exitCode) return *options.exitCode;

  QApplication application(argc, argv);
  QApplication::setApplicationVersion(QString::fromLatin1(aerolume::kProgramVersion));
  CAerolumeApp app(options.serverBase, options.fallbackBase, options.openMap,
                   options.historyStation);
  app.InitInstance();
  return 0;
}
