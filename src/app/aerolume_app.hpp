// The application: runs the main dialog and ends with it. Nothing is read or saved.
#pragma once

#include <string>

class CAerolumeApp {
 public:
  explicit CAerolumeApp(std::string serverBase);

  // Runs the main dialog modally; always false, so that the program ends with it.
  bool InitInstance();

 private:
  std::string m_serverBase;
};
