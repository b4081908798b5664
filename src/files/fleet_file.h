// The fleet file: one radio per line, the port it is on and the identity it gets when one
// template is programmed into many radios. Every line is checked before any port opens.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "files/app_settings.h"

namespace kol {

// The first line of a fleet file, letter case aside.
inline constexpr std::string_view kFleetHeader = "Port,User MMSI,Atis Code";

struct FleetRadio {
  int line = 0;
  std::string port;  // as written: 1-4 or a device path
  PortChoice portChoice;
  std::string userMmsi;  // nine digits, or empty: the radio keeps its own
  std::string atisCode;  // ten digits, or empty: the radio keeps its own
};

struct FleetProblem {
  int line = 0;
  std::string text;
};

struct Fleet {
  std::vector<FleetRadio> radios;
  std::vector<FleetProblem> problems;  // the file may be used only without any
};

// Reads a fleet file's text (comma-separated, cells trimmed of blanks). Two radios given
// the same user MMSI or ATIS code would answer as one station, so that is a problem too.
Fleet ReadFleet(std::string_view text);

}  // namespace kol
