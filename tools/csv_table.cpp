#include "csv_table.hpp"

#include <algorithm>
#include <fstream>
#include <stdexcept>

namespace aerolume {

std::vector<std::string> SplitCsvLine(const std::string& line) {
  std::vector<std::string> cells(1);
  bool quoted = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (quoted) {
      if (c != '"') {
        cells.back() += c;
      } else if (i + 1 < line.size() && line[i + 1] == '"') {
        cells.back() += '"';
        ++i;
      } else {
        quoted = false;
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      cells.emplace_back();
    } else if (c != '\r') {
      cells.back() += c;
    }
  }
  return cells;
}

CsvTable CsvTable::Read(const std::string& path) {
  std::ifstream in(path);
  if (!in) throw std::runtime_error("cannot read " + path);
  CsvTable table;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line == "\r") continue;
    std::vector<std::string> cells = SplitCsvLine(line);
    if (table.m_header.empty()) {
      table.m_header = std::move(cells);
    } else if (cells.size() != table.m_header.size()) {
      throw std::runtime_error(path + ": a row has " + std::to_string(cells.size()) +
                               " cells, the header " + std::to_string(table.m_header.size()));
    } else {
      table.m_rows.push_back(std::move(cells));
    }
  }
  return table;
}

const std::string& CsvTable::Cell(std::size_t row, const std::string& column) const {
  const auto found = std::find(m_header.begin(), m_header.end(), column);
  if (found == m_header.end()) throw std::out_of_range("no column " + column);
  return m_rows.at(row).at(static_cast<std::size_t>(found - m_header.begin()));
}

std::optional<double> CsvTable::Number(std::size_t row, const std::string& column) const {
  const std::string& text = Cell(row, column);
  if (text.empty()) return std::nullopt;
  return std::stod(text);
}

}  // namespace aerolume
