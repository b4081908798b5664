// Where tests find their fixtures and the built programs.
#pragma once

#include <string>

namespace kol::test {

inline std::string TestDataDir() { return KOL_TEST_DATA_DIR; }
inline std::string BinDir() { return KOL_BIN_DIR; }

}  // namespace kol::test
