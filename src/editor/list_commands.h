// Cut, Copy and Paste of rows of the lists, and Delete of directory entries. Rows go to
// the clipboard as tab-separated text with a header line, so that they go to and from a
// spreadsheet; a paste is taken whole under the editor's rules or not at all. Each change
// is one step. The Edit menu's items act on what has the focus: a text field keeps their
// text meaning, a list works on its selected rows, the tree on the rows of its node.
#pragma once

#include <QObject>
#include <QPoint>

#include <functional>
#include <optional>

#include "editor/document_controller.h"
#include "editor/list_places.h"

class QLineEdit;
class QWidget;

namespace kol::editor {
class ListGrid;
}

namespace kol::editor {

class ListCommands final : public QObject {
  Q_OBJECT
 public:
  ListCommands(DocumentController& controller, WindowPrompts& prompts);

  // What Cut, Copy and Paste can do.
  struct Offer {
    bool cut = false;
    bool copy = false;
    bool paste = false;
  };
  Offer OfferForFocus() const;
  Offer OfferFor(const ListSelection& target) const;

  // Edit > Cut, Copy, Paste: on what has the focus.
  void CutFocused();
  void CopyFocused();
  void PasteFocused();

  // On rows of a list.
  void Copy(const ListSelection& rows);
  // Directory entries only: copied, then removed as Delete removes them, without a question.
  bool Cut(const ListSelection& rows);
  // The clipboard's rows from `target.first` on, as one block; a value the editor would
  // refuse pastes nothing and the message names its row and column.
  bool Paste(const ListSelection& target);
  // Directory entries only, after "Are you sure ?": the later entries move up.
  bool Delete(const ListSelection& rows);

  // Serves a list page's grid: it follows every edit of the document; Enter, a double click
  // and the context menu's "Open" run `open` on a row; Delete and the context menu's Cut,
  // Copy and Paste work on its selected rows.
  void Serve(ListGrid& grid, const std::function<void(int row)>& open);

  // The context menu of a list row or a tree node at `globalPosition`: "Open" (runs `open`),
  // then Cut, Copy and Paste on `target`.
  void ShowContextMenu(const QPoint& globalPosition, const std::function<void()>& open,
                       const std::optional<ListSelection>& target);

  // The rows a list or tree widget stands for while it has the focus; nothing for others.
  static std::optional<ListSelection> SelectionOf(const QWidget* widget, const SettingsModel& model);

 signals:
  // What Cut, Copy or Paste offer may have changed (the focus, a selection, the clipboard).
  void OfferChanged();

 private:
  void FollowFocus(QWidget* now);
  // A text field with the focus keeps its own meaning of Cut, Copy and Paste (`inField`);
  // a list or the tree hands its rows to `onRows`.
  void OnFocus(const std::function<void(QLineEdit&)>& inField,
               const std::function<void(const ListSelection&)>& onRows);
  // Removes the directory entries of `rows` that are in use, as one step named `name`.
  bool RemoveEntries(const std::string& name, const ListSelection& rows);

  DocumentController& controller_;
  WindowPrompts& prompts_;
};

}  // namespace kol::editor
