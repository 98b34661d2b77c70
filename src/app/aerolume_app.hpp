// The application: runs the main dialog and ends with it, or stays in the tray while
// watching when the user chose so. Only the watch list is read and saved.
#pragma once

#include <string>

class CAerolumeApp {
 public:
  // The weather server, and the second source asked when it fails (empty for none);
  // with `openMap`, the map of Japan opens beside the main dialog.
  CAerolumeApp(std::string serverBase, std::string fallbackBase, bool openMap = false);

  // Runs the main dialog modally; always false, so that the program ends with it.
  bool InitInstance();

 private:
  std::string m_serverBase;
  std::string m_fallbackBase;
  bool m_openMap = false;
};
