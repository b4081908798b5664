// The error log: one line per failed file or serial-port operation, kept in debug mode
// only. Operations write to this interface; the program decides where the lines go.
#pragma once

#include <string_view>

namespace kol {

class ErrorLog {
 public:
  virtual ~ErrorLog() = default;
  // `procedure` names the failing operation ("frmRadio.PortOpen"); `message` is the error
  // number immediately followed by its description.
  virtual void Write(std::string_view procedure, std::string_view message) = 0;
};

}  // namespace kol
