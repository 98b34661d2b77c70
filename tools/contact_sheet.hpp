// One picture of every station diagram over the compass ring, as the wind display
// composes them, for checking the drawings at a glance.
#pragma once

#include <QImage>
#include <QString>
#include <string>
#include <vector>

namespace aerolume {

// Reads ring and diagrams back from the written resources directory, so the sheet
// shows what the program will load.
QImage DrawContactSheet(const QString& resourcesDir, const std::vector<std::string>& codes);

}  // namespace aerolume
