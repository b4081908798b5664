// What pages and dialogs of the editor work with: the document controller (the document,
// and the one road of a change to it), the prompts, and the few things of the window a page
// may ask for.
#pragma once

#include <string>

#include "editor/dialogs/window_prompts.h"
#include "editor/document_controller.h"
#include "link/transfer_context.h"
#include "model/document.h"

namespace kol::editor {

class ListCommands;

// The window as pages see it.
class EditorWindow {
 public:
  virtual ~EditorWindow() = default;
  // Selects the first node with `key` and handles it as a click (page check, then its page).
  // False when there is no such node or the current page could not be left.
  virtual bool SelectNode(const std::string& key) = 0;
  // Runs `operation` on the radio in the transfer dialog (after the page check) and returns
  // whether it completed.
  virtual bool RunTransfer(Operation operation) = 0;
  // A note over the status bar that stays for a while, whatever gets the focus next ("User
  // MMSI not changed. Type exactly 9 digits, or leave the field empty.").
  virtual void ShowStatusNote(const std::string& text) = 0;
};

struct EditorServices {
  DocumentController& controller;  // the document, and the one road of a change to it
  WindowPrompts& prompts;
  EditorWindow& window;
  ListCommands& lists;  // cut, copy, paste and delete of list rows

  const Document& Doc() const { return controller.Doc(); }
  bool Locked() const { return controller.Locked(); }
};

}  // namespace kol::editor
