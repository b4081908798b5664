// Clicks and keys on the controls of a page, found by their names, as a user gives them:
// lists are changed with the keyboard, boxes and buttons clicked, fields typed into.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/settings_model.h"

namespace kol::test {

class PageDriver {
 protected:
  // The window or page whose controls the driver finds.
  void AttachPage(QWidget& root) { root_ = &root; }

  template <typename T>
  T* Control(const std::string& name) const {
    T* found = root_->findChild<T*>(QString::fromStdString(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  QComboBox* List(const std::string& name) const { return Control<QComboBox>(name); }
  QAbstractButton* Box(const std::string& name) const { return Control<QAbstractButton>(name); }
  std::string Text(const std::string& name) const { return Control<QLineEdit>(name)->text().toStdString(); }
  static std::string Indexed(const char* name, int index) { return std::string(name) + "_" + std::to_string(index); }

  // Picks item `index` with the keyboard: Home, then Down as often as needed.
  void Choose(const std::string& name, int index) {
    QComboBox* list = List(name);
    ASSERT_TRUE(list->isEnabled()) << name;
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < index; ++i) QTest::keyClick(list, Qt::Key_Down);
    ASSERT_EQ(list->currentIndex(), index) << name;
  }
  void Click(const std::string& name) {
    QAbstractButton* button = Box(name);
    ASSERT_TRUE(button->isEnabled()) << name;
    QTest::mouseClick(button, Qt::LeftButton, {}, Aim(*button));
    QApplication::processEvents();
  }
  // Clicks into the field, selects what it holds and types over it.
  void TypeInto(const std::string& name, const char* text) {
    QLineEdit* field = Control<QLineEdit>(name);
    QTest::mouseClick(field, Qt::LeftButton);
    field->selectAll();
    QTest::keyClicks(field, text);
  }
  // Clears a field with Backspace, as a user does.
  void Erase(const std::string& name) {
    TypeInto(name, "");
    QTest::keyClick(Control<QLineEdit>(name), Qt::Key_Backspace);
  }
  void ShowTab(const std::string& tabs, int index) {
    QTabBar* bar = Control<QTabWidget>(tabs)->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    ASSERT_EQ(bar->currentIndex(), index);
  }

  // The forty DSC advanced lists and the flag each one stands for.
  struct AdvancedList {
    std::string name;
    CallType call;
    bool tx;
    CallCategory category;
  };
  static std::vector<AdvancedList> AdvancedLists() {
    const char* calls[] = {"AllShipsCall", "IndividualCall", "GroupCall", "PosRequest", "PosReport"};
    std::vector<AdvancedList> lists;
    for (int k = 0; k < kCallTypeCount; ++k) {
      for (int p = 0; p < 4; ++p) {
        for (bool tx : {false, true}) {
          lists.push_back({Indexed((std::string("cmbUsableDsc") + calls[k] + (tx ? "TX" : "")).c_str(), p),
                           static_cast<CallType>(k), tx, static_cast<CallCategory>(p)});
        }
      }
    }
    return lists;
  }

 private:
  // Where a user clicks: a check box on its mark (it takes no clicks beside its caption),
  // anything else in its middle.
  static QPoint Aim(QAbstractButton& button) {
    auto* box = qobject_cast<QCheckBox*>(&button);
    if (!box) return button.rect().center();
    QStyleOptionButton option;
    option.initFrom(box);
    option.text = box->text();
    return box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box).center();
  }

  QWidget* root_ = nullptr;
};

}  // namespace kol::test
