// The application: runs the main dialog and ends with it, or stays in the tray while
// watching when the user chose so. Only the watch list is read and saved.
#pragma once

#include <string>

class CAerolumeApp {
 public:
  // The weather server, and the second source asked when it fails (empty for none);
  // with `openMap`, the map of Japan opens beside the main dialog; `historyStation`'s
  // history window opens with the dialog (empty for none).
  CAerolumeApp(std::string serverBase, std::string fallbackBase, bool openMap = false,
               std::string historyStation = {});

  // Runs the main dialog modally; always false, so that the program ends with it.
  bool InitInstance();

 private:
  std::string m_serverBase;
  std::string m_fallbackBase;
  bool m_openMap = false;
  std::string m_historyStation;
};
