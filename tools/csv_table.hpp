// A comma-separated table with a header row, read whole; enough for the airfield data.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace aerolume {

class CsvTable {
 public:
  // Throws std::runtime_error when the file cannot be read or a row has the wrong width.
  static CsvTable Read(const std::string& path);

  std::size_t RowCount() const { return m_rows.size(); }
  // The cell of the named column; throws std::out_of_range for an unknown column.
  const std::string& Cell(std::size_t row, const std::string& column) const;
  // The cell as a number, or nothing when it is empty.
  std::optional<double> Number(std::size_t row, const std::string& column) const;

 private:
  std::vector<std::string> m_header;
  std::vector<std::vector<std::string>> m_rows;
};

// One line split at commas; double quotes enclose a cell that holds commas or quotes.
std::vector<std::string> SplitCsvLine(const std::string& line);

}  // namespace aerolume
