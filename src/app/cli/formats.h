// Load and save functions of each document format, for the format table.
#pragma once

#include <string>

#include "app/cli/session.h"

namespace kol::cli {

}  // namespace kol::cli
