// Where the program finds its data files (the model list and the destination images): in
// its own folder, or, for an installed program, in ../share/kolprog beside it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kol {

// The program folder, then the installed data folder.
std::vector<std::string> DataFolders(const std::string& programFolder);

// The file in the first data folder that holds it; the program folder's path when none does.
std::string DataFilePath(const std::string& programFolder, std::string_view fileName);

}  // namespace kol
