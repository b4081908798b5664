#include "files/system_error_text.h"

#include <cstring>

namespace kol {

std::string SystemErrorText(int number) { return std::to_string(number) + std::strerror(number); }

}  // namespace kol
