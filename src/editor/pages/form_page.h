// A page of lists and boxes that write straight into the document. The page fills its
// controls from the document without running their handlers, so showing a page stores
// nothing; a user's change stores the value and marks the document changed, except under
// the update lock.
#pragma once

#include <QComboBox>
#include <QString>

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "editor/page.h"

class QAbstractButton;
class QCheckBox;
class QLabel;
class QVBoxLayout;

namespace kol::editor {

class CommitField;

class FormPage : public Page {
  Q_OBJECT
 public:
  FormPage(EditorServices& services, QWidget* parent);

 protected:
  // The layout the page's controls go into; it scrolls when the window is too small.
  QVBoxLayout* Body() const { return body_; }

  // The name of control `index` of an array: "chkEXP_2".
  static QString Indexed(const QString& name, int index) { return QString("%1_%2").arg(name).arg(index); }
  // Controls carrying their names and key help.
  QComboBox* NewList(QWidget* parent, const QString& name, std::span<const std::string_view> texts);
  QCheckBox* NewBox(QWidget* parent, const QString& name, const QString& caption);
  static QLabel* NewLabel(QWidget* parent, const QString& name, const QString& caption);
  // A digits-only field that stores `stored` only empty or exactly `length` digits long;
  // another length is refused under `caption`, and the field called `plainName` in words.
  CommitField* NewCodeField(QWidget* parent, const QString& name, const char* caption,
                            const char* plainName, const char* keyHelp, int length,
                            std::string& stored);

  // A list whose selection shows `shownIndex()` (-1: none) and whose user's pick runs
  // `store(index)`.
  void BindList(QComboBox& list, std::function<int()> shownIndex, std::function<void(int)> store);
  // Lists that store their index, a boolean (index not 0), or the picked item's data.
  void BindIndex(QComboBox& list, std::int16_t& field);
  void BindBool(QComboBox& list, bool& field);
  template <typename Field>
  void BindData(QComboBox& list, Field& field) {
    BindList(list, [&list, &field] { return list.findData(static_cast<int>(field)); },
             [&list, &field](int index) { field = static_cast<Field>(list.itemData(index).toInt()); });
  }
  // A box ticked from `shown()` whose user's click runs `store(ticked)`.
  void BindBox(QAbstractButton& box, std::function<bool()> shown, std::function<void(bool)> store);
  void BindBox(QAbstractButton& box, bool& field);

  // Sets every bound control from the document; no handler runs meanwhile.
  void FillBound();
  // Whether a control's change is the user's edit (not the page's fill, not under the lock).
  bool UserEdit() const { return !filling_ && !services_.Locked(); }

  // While it lives, control changes are the page's own fill.
  class Filling {
   public:
    explicit Filling(FormPage& page) : page_(page), saved_(page.filling_) { page_.filling_ = true; }
    ~Filling() { page_.filling_ = saved_; }
    Filling(const Filling&) = delete;
    Filling& operator=(const Filling&) = delete;

   private:
    FormPage& page_;
    bool saved_;
  };

 private:
  QVBoxLayout* body_;
  std::vector<std::function<void()>> fillers_;
  bool filling_ = false;
};

}  // namespace kol::editor
