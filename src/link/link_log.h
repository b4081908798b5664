// Where the link reports a failure of its serial port (an open refused, an adapter pulled
// out), under the name of the procedure that met it. The program's error log takes these.
#pragma once

#include <string_view>

#include "link/serial_port.h"

namespace kol {

class LinkLog {
 public:
  virtual ~LinkLog() = default;
  // `procedure` names the operation that failed ("frmRadio.PortOpen").
  virtual void PortFailed(std::string_view procedure, const PortError& error) = 0;
};

}  // namespace kol
