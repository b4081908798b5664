// Where the window shows something: a tree node and a control on that node's page. A
// setting of the settings file has one, and so has each edit the user makes.
#pragma once

#include <string>

namespace kol::editor {

struct SettingPlace {
  std::string node;     // key of the tree node: "DSC", "E 7", "SM 3"
  std::string control;  // objectName of the control on the node's page: "txtUserMMSI"

  bool operator==(const SettingPlace&) const = default;
};

}  // namespace kol::editor
