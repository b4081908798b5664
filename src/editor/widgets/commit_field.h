// A text field whose text reaches the document only when it passes the field's check: on
// Enter (where the field commits on Enter), when the focus moves on, and when the page is
// validated before it is left. Typing marks an edit pending and the document changed.
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
    // Validation shows "Data Error!!" under the field's caption and keeps the focus in the
    // field; the focus leaving the page reverts the text to the stored value silently.
    kMessageOrRevert,
    // Nothing is stored or said, the text stays as typed and the edit stays pending.
    kKeepSilently,
  };

  struct Rules {
    std::string caption;  // the refusal message's title ("User MMSI", "Rx frequency")
    // Stores the trimmed text when it passes the check; false when it is refused.
    std::function<bool(const std::string& trimmed)> commit;
    // The text the field shows for the stored value.
    std::function<std::string()> storedText;
    OnRefusal onRefusal = OnRefusal::kMessageOrRevert;
    bool commitOnEnter = false;
    // What the field takes, in plain words beside "Data Error!!".
    std::string hint;
  };

  CommitField(EditorServices& services, QWidget* parent = nullptr);
  void SetRules(Rules rules);

  // Shows the stored value; no edit is pending afterwards.
  void Refill();
  // The check with the user told: true when no edit is pending or the text passed; a
  // refused text (kMessageOrRevert) has shown its message and the focus is back here.
  bool Validate();
  bool EditPending() const { return pending_; }

 signals:
  // A text passed its check and is in the document.
  void Committed();

 protected:
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // Runs the check; on success the field shows the stored value and the edit is done.
  bool TryCommit();
  void SetPending(bool pending);

  EditorServices& services_;
  Rules rules_;
  bool pending_ = false;
};

}  // namespace kol::editor
