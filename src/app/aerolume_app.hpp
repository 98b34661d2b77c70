// The application: runs the main dialog and ends with it. Nothing is read or saved.
#pragma once

#include <string>

class CAerolumeApp {
 public:
  // The weather server, and the second source asked when it fails (empty for none);
  // the station whose history window opens with the dialog (empty for none).
  CAerolumeApp(std::string serverBase, std::string fallbackBase, std::string historyStation = {});

  // Runs the main dialog modally; always false, so that the program ends with it.
  bool InitInstance();

 private:
  std::string m_serverBase;
  std::string m_fallbackBase;
  std::string m_historyStation;
};
