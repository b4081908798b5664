// How a failed file operation is described in the error log: the system's error number
// immediately followed by its description, e.g. "2No such file or directory".
#pragma once

#include <string>

namespace kol {

std::string SystemErrorText(int number);

}  // namespace kol
