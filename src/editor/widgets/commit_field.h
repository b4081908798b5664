// A text field whose text reaches the document only when it passes the field's check: on
// Enter, when the focus moves on, and when the page is validated before it is left. Typing
// marks the field's edit pending and the document changed.
#pragma once

#include <QLineEdit>

#include <functional>
#include <string>

#include "editor/editor_services.h"

namespace kol::editor {

class CommitField : public QLineEdit {
  Q_OBJECT
 public:
  // What a refused text does.
  enum class OnRefusal {
    // Enter and validation show "Data Error!!" with the hint, under the field's caption,
    // and keep the text for correcting with the focus in the field. The focus leaving the
    // page puts back what the field showed when the editing began, and the status bar says
    // so.
    kMessageOrRevert,
    // Nothing is stored and no message box comes up: the text stays as typed and the edit
    // stays pending, and the status bar gives the hint.
    kKeepSilently,
  };

  struct Rules {
    std::string caption;   // the refusal message's title ("User MMSI", "ATISNo", "Rx frequency")
    std::string name;      // the field in plain words ("ATIS code"); the caption when empty
    // What the field takes, in plain words ("Type exactly 9 digits, or leave the field
    // empty."); empty when it refuses nothing.
    std::string hint;
    // Stores the trimmed text when it passes the check; false when it is refused.
    std::function<bool(const std::string& trimmed)> commit;
    // The text the field shows for the stored value.
    std::function<std::string()> storedText;
    OnRefusal onRefusal = OnRefusal::kMessageOrRevert;
  };

  CommitField(EditorServices& services, QWidget* parent = nullptr);
  void SetRules(Rules rules);
  // What the field takes, for a field whose rule changes with what it shows.
  void SetHint(std::string hint) { rules_.hint = std::move(hint); }

  // Shows the stored value; no edit is pending afterwards.
  void Refill();
  // The check with the user told: true when no edit is pending or the text passed; a
  // refused text (kMessageOrRevert) has shown its message and the focus is back here.
  bool Validate();
  bool EditPending() const { return pending_; }

 protected:
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // Runs the check; on success the field shows the stored value and the edit is done.
  bool TryCommit();
  // "User MMSI not changed. Type exactly 9 digits, ...", in the status bar.
  void NoteNotChanged();
  std::string Name() const { return rules_.name.empty() ? rules_.caption : rules_.name; }

  EditorServices& services_;
  Rules rules_;
  bool pending_ = false;
  QString shown_;  // what the last fill showed: the stored value when the editing began
};

}  // namespace kol::editor
