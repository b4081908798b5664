// A page of the main window: a panel that shows part of the document for the selected tree
// node and says whether it may be left. Its controls are bound to settings of the document:
// a fill shows what is stored, and each change the user makes is one step on the document
// controller, named for the control and the page ("Rx Frequency of EXP 7").
#pragma once

#include <QComboBox>
#include <QWidget>

#include <functional>
#include <string>
#include <type_traits>
#include <vector>

#include "editor/editor_services.h"
#include "editor/node_table.h"
#include "editor/widgets/commit_field.h"

class QAbstractButton;
class QLineEdit;

namespace kol::editor {

class Page : public QWidget {
  Q_OBJECT
 public:
  Page(EditorServices& services, QWidget* parent) : QWidget(parent), services_(services) {}

  // Shows the document for the node `target`: the page's own part (ShowFor), then every
  // bound control, then its state. All of it under the update lock, so that nothing the
  // controls fire meanwhile counts as an edit.
  void Show(const NodeTarget& target);
  // The check before the page is left: false keeps the user on the page (the page has
  // shown its message and put the focus where the fault is).
  virtual bool Validate() { return true; }
  const NodeTarget& Shown() const { return shown_; }

 protected:
  // What the page does for a node before its bound controls are filled: lists to fill,
  // layouts to choose.
  virtual void ShowFor(const NodeTarget&) {}
  // Enabled states and captions that follow the document or other controls; after every
  // fill and every change made on the page.
  virtual void ShowState() {}
  // What the page's steps are named after ("Common Setup", "EXP 7").
  virtual std::string Subject() const { return shown_.key; }

  const SettingsModel& Model() const { return services_.controller.Doc().model; }

  // One change to the document from `control`, the step "<caption> of <subject>" at the
  // shown node (`typing`: a keystroke, see EditStep). Nothing while the update lock is set
  // or the page is hidden: false then.
  bool Change(const std::string& caption, const QWidget& control,
              const std::function<void(SettingsModel&)>& change, bool typing = false);

  // Bindings. A setting is named by one generic lambda that serves both the shown value and
  // the change: `[](auto& model) -> auto& { return model.common.scan; }`.

  // A list showing item `shown(model)` (-1: none); the user's pick is stored by `store`,
  // then `after` runs.
  void BindList(QComboBox& list, std::string caption, std::function<int(const SettingsModel&)> shown,
                std::function<void(SettingsModel&, int index)> store, std::function<void()> after = {});
  // Lists that store the picked index, a boolean (any index but 0), or the picked item's data.
  template <typename At>
  void BindIndex(QComboBox& list, std::string caption, At at) {
    BindList(list, std::move(caption), [at](const SettingsModel& m) { return static_cast<int>(at(m)); },
             [at](SettingsModel& m, int index) { at(m) = static_cast<FieldOf<At>>(index); });
  }
  template <typename At>
  void BindBool(QComboBox& list, std::string caption, At at) {
    BindList(list, std::move(caption), [at](const SettingsModel& m) { return at(m) ? 1 : 0; },
             [at](SettingsModel& m, int index) { at(m) = index != 0; });
  }
  template <typename At>
  void BindData(QComboBox& list, std::string caption, At at) {
    BindList(list, std::move(caption),
             [&list, at](const SettingsModel& m) { return list.findData(static_cast<int>(at(m))); },
             [&list, at](SettingsModel& m, int index) {
               at(m) = static_cast<FieldOf<At>>(list.itemData(index).toInt());
             });
  }
  // A box (or a checkable button) ticked from `shown(model)`; the user's click is stored by
  // `store`, then `after` runs.
  void BindBox(QAbstractButton& box, std::string caption, std::function<bool(const SettingsModel&)> shown,
               std::function<void(SettingsModel&, bool ticked)> store, std::function<void()> after = {});
  template <typename At>
  void BindBox(QAbstractButton& box, std::string caption, At at) {
    BindBox(box, std::move(caption), [at](const SettingsModel& m) { return static_cast<bool>(at(m)); },
            [at](SettingsModel& m, bool ticked) { at(m) = ticked; });
  }

  // A text field that commits: it shows `shown(model)`; a text that `accepts` (trimmed)
  // is stored by `store` when the field commits, then `after` runs with it. `caption` names
  // the field in the step and in the status bar's note on a refused text.
  struct TextRules {
    std::string refusalTitle;  // the refusal message's title ("User MMSI", "Rx frequency")
    std::function<bool(const std::string& trimmed)> accepts;  // null: every text
    std::function<void(SettingsModel&, const std::string& trimmed)> store;
    std::function<std::string(const SettingsModel&)> shown;
    CommitField::OnRefusal onRefusal = CommitField::OnRefusal::kMessageOrRevert;
    std::string hint = {};  // what the field takes, in plain words beside the refusal
    std::function<void(const std::string& trimmed)> after = {};
  };
  void BindText(CommitField& field, std::string caption, TextRules rules);
  // A field whose every keystroke is stored; what is typed in one go is one step.
  void BindTyped(QLineEdit& field, std::string caption, std::function<std::string(const SettingsModel&)> shown,
                 std::function<void(SettingsModel&, const std::string& text)> store);

  EditorServices& services_;

 private:
  // The type of the setting an accessor names.
  template <typename At>
  using FieldOf = std::remove_reference_t<decltype(std::declval<At>()(std::declval<SettingsModel&>()))>;

  // Every bound control shows the document.
  void FillBound();

  std::vector<std::function<void()>> fillers_;
  NodeTarget shown_;
};

}  // namespace kol::editor
