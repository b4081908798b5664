#include "files/fleet_file.h"

#include <algorithm>
#include <map>

#include "files/table_text.h"
#include "files/text_lines.h"
#include "model/field_limits.h"
#include "model/formatters.h"

namespace kol {
namespace {

constexpr std::string_view kColumns[] = {"Port", "User MMSI", "Atis Code"};
constexpr std::size_t kColumnCount = std::size(kColumns);

bool IsHeader(const TableRow& row) {
  if (row.cells.size() != kColumnCount) return false;
  for (std::size_t i = 0; i < kColumnCount; ++i) {
    if (!EqualsIgnoringCase(TrimBlanks(row.cells[i]), kColumns[i])) return false;
  }
  return true;
}

bool AllDigits(std::string_view text, int count) {
  return text.size() == static_cast<std::size_t>(count) &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// An identity cell: empty, or exactly `digits` digits.
bool IdentityCell(const std::string& value, int digits) {
  return value.empty() || AllDigits(value, digits);
}

class FleetReader {
 public:
  Fleet Read(std::string_view text) {
    const TableText table = ReadTableText(text, ',');
    for (const TableTextProblem& problem : table.problems) Problem(problem.line, problem.reason);
    if (table.rows.empty() || !IsHeader(table.rows.front())) {
      Problem(table.rows.empty() ? 1 : table.rows.front().line,
              "the first line must be " + std::string(kFleetHeader));
    }
    for (std::size_t r = 1; r < table.rows.size(); ++r) Radio(table.rows[r]);
    if (fleet_.radios.empty() && fleet_.problems.empty()) Problem(1, "lists no radio");
    return std::move(fleet_);
  }

 private:
  void Radio(const TableRow& record) {
    if (record.cells.size() > kColumnCount) {
      Problem(record.line, "has " + std::to_string(record.cells.size()) +
                               " cells; a line holds " + std::string(kFleetHeader));
      return;
    }
    FleetRadio radio;
    radio.line = record.line;
    std::string cells[kColumnCount];
    for (std::size_t i = 0; i < record.cells.size(); ++i) cells[i] = TrimBlanks(record.cells[i]);
    radio.port = cells[0];
    radio.userMmsi = cells[1];
    radio.atisCode = cells[2];
    const std::size_t before = fleet_.problems.size();
    if (const std::optional<PortChoice> port = PortChoiceFromText(radio.port)) {
      radio.portChoice = *port;
    } else {
      Problem(record.line, radio.port.empty() ? std::string("names no port")
                                              : "port '" + radio.port +
                                                    "': a port is 1-4 or a device path");
    }
    if (!IdentityCell(radio.userMmsi, field_limits::kUserMmsiTyped)) {
      Problem(record.line, "User MMSI '" + radio.userMmsi +
                               "': takes nine digits, or nothing to keep the radio's own");
    }
    if (!IdentityCell(radio.atisCode, field_limits::kAtisCode)) {
      Problem(record.line, "Atis Code '" + radio.atisCode +
                               "': takes ten digits, or nothing to keep the radio's own");
    }
    Unique(mmsiLines_, "User MMSI", radio.userMmsi, record.line);
    Unique(atisLines_, "Atis Code", radio.atisCode, record.line);
    if (fleet_.problems.size() == before) fleet_.radios.push_back(std::move(radio));
  }

  void Unique(std::map<std::string, int>& seen, std::string_view column, const std::string& value,
              int line) {
    if (value.empty()) return;
    const auto [it, added] = seen.emplace(value, line);
    if (added) return;
    Problem(line, std::string(column) + " " + value + " is on line " + std::to_string(it->second) +
                      " already: two radios would answer as one station");
  }

  void Problem(int line, std::string text) { fleet_.problems.push_back({line, std::move(text)}); }

  Fleet fleet_;
  std::map<std::string, int> mmsiLines_;
  std::map<std::string, int> atisLines_;
};

}  // namespace

Fleet ReadFleet(std::string_view text) { return FleetReader().Read(text); }

}  // namespace kol
