// Writes kolprog-cli's manual page (kolprog-cli.1) and bash completion (kolprog-cli.bash)
// into the folder given on the command line, from the tool's own command table.
#include <cstdio>
#include <fstream>
#include <string>

#include "app/cli/cli_docs.h"

namespace {

bool WriteText(const std::string& path, const std::string& text) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << text;
  if (file.flush()) return true;
  std::fprintf(stderr, "kol_cli_docs: cannot write %s\n", path.c_str());
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: kol_cli_docs FOLDER\n");
    return 2;
  }
  const std::string folder = argv[1];
  const bool written = WriteText(folder + "/kolprog-cli.1", kol::cli::ManualPage()) &&
                       WriteText(folder + "/kolprog-cli.bash", kol::cli::BashCompletion());
  return written ? 0 : 1;
}
