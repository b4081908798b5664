// The error log: one line per failed file or serial-port operation, kept in debug mode
// only. Operations write to this interface; the program decides where the lines go.
#pragma once

#include <string>
#include <string_view>

#include "link/link_log.h"

namespace kol {

class ErrorLog : public LinkLog {
 public:
  // `procedure` names the failing operation ("frmRadio.PortOpen"); `message` is the error
  // number immediately followed by its description.
  virtual void Write(std::string_view procedure, std::string_view message) = 0;

  // A port's failure is logged as a file's is: "2No such file or directory".
  void PortFailed(std::string_view procedure, const PortError& error) override {
    Write(procedure, std::to_string(error.number) + error.description);
  }
};

}  // namespace kol
