// What pages and dialogs of the editor work with: the document, the file host (prompts,
// settings store, error log, the window's clock), the window's own flags, and the main
// window's operations that a page may call.
#pragma once

#include <string>

#include "editor/dialogs/window_prompts.h"
#include "editor/navigation.h"
#include "files/file_host.h"
#include "link/transfer_context.h"
#include "model/document.h"

namespace kol::editor {

// The main window's own state. The data-changed flag survives page switches. (Whether a
// text field holds typed text not yet committed is the field's own state.)
struct EditorFlags {
  bool dataChanged = false;
};

// The main window as pages and dialogs see it.
class EditorWindow {
 public:
  virtual ~EditorWindow() = default;
  // The first panel of the status bar.
  virtual void SetStatusHelp(const std::string& text) = 0;
  // A note over the status bar that stays for a while, whatever gets the focus next ("User
  // MMSI not changed: it needs 9 digits").
  virtual void ShowStatusNote(const std::string& text) = 0;
  // Selects the first node with `key` and handles it as a click (page check, then its page).
  // False when there is no such node or the current page could not be left.
  virtual bool SelectNode(const std::string& key) = 0;
  // The key of the selected node ("PU 16"), empty when none.
  virtual std::string SelectedNodeKey() const = 0;
  // Replaces the text of the selected node (a channel editor after "CH Enable").
  virtual void SetSelectedNodeText(const std::string& text) = 0;
  // Shows the selected node's page again with the update lock set, so it shows fresh values.
  virtual void ReshowCurrentPage() = 0;
  // Rebuilds the tree from the document (nodes appear and disappear with the usable groups)
  // and keeps the selection on the node whose page is shown.
  virtual void RebuildTree() = 0;
  virtual void UpdateGroupNodeTexts() = 0;
  virtual void UpdateDirectoryNodeTexts(DirectoryKind kind) = 0;
  // The check made before the page may be left.
  virtual bool ValidateCurrentPage() = 0;
  // Opens the transfer dialog for `operation` (after the page check) and returns whether
  // the operation completed.
  virtual bool RunTransfer(Operation operation) = 0;
  // Opens the help at a context number (1001 contents, 1012 transfer, 2401-2403 channel fields).
  virtual void ShowHelp(int context) = 0;
};

struct EditorServices {
  Document& document;
  FileHost& host;  // host.prompts is `prompts`
  WindowPrompts& prompts;
  EditorFlags& flags;
  EditorWindow& window;

  bool Locked() const { return document.flags.updateLock; }
  // An edit: sets the data-changed flag unless the update lock is set.
  void MarkChanged() {
    if (!Locked()) flags.dataChanged = true;
  }
};

}  // namespace kol::editor
