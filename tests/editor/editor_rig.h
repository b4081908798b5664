// The real main window on a program folder of its own: scripted prompts that record every
// message and file request, a settings store in memory, a virtual clock (the window's pauses
// cost nothing) and helpers that click and type as a user does.
#pragma once

#include <QApplication>
#include <QPrinter>
#include <QTest>
#include <QTreeWidget>
#include <QWindow>

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/dialogs/window_prompts.h"
#include "editor/main_window.h"
#include "editor/pages/general_page.h"
#include "files/atomic_file.h"
#include "files/file_host.h"
#include "link/memory_serial_port.h"
#include "link/radio_simulator.h"
#include "link/simulated_wire.h"
#include "model/destination_image.h"
#include "support/fakes.h"
#include "support/map_settings_store.h"
#include "support/temp_dir.h"

namespace kol::test {

inline constexpr char kFullModelList[] = "[model1]\r\nuse=1\r\natis=1\r\nwx=1\r\nwa=1\r\n";

// Messages as ScriptedPrompts records them; file dialogs, the printer and text questions
// answered from their own scripts (empty script: cancelled).
class ScriptedWindowPrompts : public editor::WindowPrompts {
 public:
  MessageButton Show(const Message& message) override {
    if (onShow) onShow(message);
    return messages.Show(message);
  }
  std::string AskOpenPath(const editor::FileRequest& request, bool) override {
    requests.push_back(request);
    return Next(openPaths);
  }
  std::string AskSavePath(const editor::FileRequest& request) override {
    requests.push_back(request);
    return Next(savePaths);
  }
  // An accepted print dialog prints into `printerPdf` (a PDF file) when one is named.
  bool AskPrinter(QPrinter& printer) override {
    ++printerQuestions;
    if (printerAnswer && !printerPdf.empty()) {
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(QString::fromStdString(printerPdf));
    }
    return printerAnswer;
  }
  // The preview draws its pages into `printerPdf` when one is named.
  void PreviewPrint(const std::function<void(QPrinter&)>& paint) override {
    ++previews;
    if (printerPdf.empty()) return;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(printerPdf));
    paint(printer);
  }
  void OpenFolder(const std::string& folder) override { openedFolders.push_back(folder); }
  std::optional<std::string> AskText(const std::string&, const std::string&,
                                     const std::string&) override {
    if (texts.empty()) return std::nullopt;
    std::string text = texts.front();
    texts.pop_front();
    return text;
  }

  std::vector<std::string> Texts() const { return messages.Texts(); }

  ScriptedPrompts messages;  // .shown, .answers
  std::deque<std::string> openPaths;
  std::deque<std::string> savePaths;
  std::deque<std::string> texts;
  std::vector<editor::FileRequest> requests;
  std::vector<std::string> openedFolders;
  std::function<void(const Message&)> onShow;  // runs while a message is up
  bool printerAnswer = false;
  int printerQuestions = 0;
  int previews = 0;
  std::string printerPdf;

 private:
  static std::string Next(std::deque<std::string>& script) {
    if (script.empty()) return {};
    std::string next = script.front();
    script.pop_front();
    return next;
  }
};

// A page of a test's own: counts its fills and checks, and refuses to be left while told so.
class ProbePage final : public editor::Page {
 public:
  ProbePage(editor::EditorServices& services, QWidget* parent) : Page(services, parent) {}
  void ShowFor(const editor::NodeTarget& target) override {
    ++fills;
    shown = target;
  }
  bool Validate() override {
    ++checks;
    return !refuse;
  }
  int fills = 0;
  int checks = 0;
  bool refuse = false;
  editor::NodeTarget shown;
};

// The program's nodes, with the nodes of `kinds` shown on one page of a test's own.
template <typename P>
std::vector<editor::NodeRow> NodesWithPage(const char* panel, std::vector<editor::PageKind> kinds) {
  std::vector<editor::NodeRow> rows(editor::NodeTable().begin(), editor::NodeTable().end());
  for (editor::NodeRow& row : rows) {
    if (std::find(kinds.begin(), kinds.end(), row.kind) == kinds.end()) continue;
    row.panel = {panel, [](editor::EditorServices& s, QWidget* p) -> editor::Page* { return new P(s, p); }};
  }
  return rows;
}

class EditorRig : public ::testing::Test {
 protected:
  EditorRig() { document.profile.programFolder = dir.path().string(); }
  // A document as before the program's start-up, for a second start in one test.
  void FreshDocument() {
    document = Document();
    document.profile.programFolder = dir.path().string();
  }
  ~EditorRig() override {
    if (window) {
      window->Controller().ForgetChanges();  // no closing question while the test ends
      window->close();
    }
  }

  void WriteFile(const std::string& name, std::string_view bytes) {
    ASSERT_TRUE(WriteFileAtomically(dir.File(name), bytes));
  }
  void WriteDestination(const std::string& name, int group) {
    const RadioImage image = MakeDestinationImage(group);
    WriteFile(name, std::string_view(reinterpret_cast<const char*>(image.Bytes().data()), image.Size()));
  }
  // A program folder as shipped: the model list and the three destinations.
  void WriteProgramFolder(std::string_view modelList = kFullModelList) {
    WriteFile("global.ini", modelList);
    WriteDestination("USA_0CE4.ini", kGroup1);
    WriteDestination("INTL_0CE4.ini", kGroup2);
    WriteDestination("CAN_0CE4.ini", kGroup3);
  }

  // Builds and shows the window and runs its start-up; false when the program would end.
  bool StartWindow(const std::string& documentPath = {},
                   std::span<const editor::NodeRow> nodes = editor::NodeTable()) {
    editor::WindowDeps deps{document, host, prompts,
                            [this] {
                              ++portListings;
                              return presentPorts;
                            },
                            nodes};
    deps.makeSerialPort = [this] {
      auto port = std::make_unique<MemorySerialPort>(wire, clock);
      port->opensBeforeFailure = opensBeforeFailure;
      lastPort = port.get();
      return port;
    };
    deps.userDataFolder = dir.File("user-data");
    deps.documentsFolder = dir.File("Documents");
    window = std::make_unique<editor::MainWindow>(std::move(deps));
    window->resize(1024, 700);
    window->show();
    QApplication::setActiveWindow(window.get());
    const bool started = window->Start(documentPath);
    QApplication::processEvents();
    return started;
  }

  template <typename T>
  T* Find(const char* name) const {
    T* found = window->findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  QTreeWidget* Tree() const { return Find<QTreeWidget>("tvTreeView"); }
  // The key of the node whose page is shown.
  std::string SelectedKey() const { return window->Navigation().SelectedNodeKey(); }
  // The document holds unsaved edits.
  bool Changed() const { return window->Controller().DataChanged(); }
  // The caption as the desktop shows it, "*" for unsaved edits included.
  std::string Caption() const { return window->windowHandle()->title().toStdString(); }
  // An edit of the document as a page makes it (by default one that changes nothing).
  void EditDocument(const std::function<void(SettingsModel&)>& change = [](SettingsModel&) {}) {
    ASSERT_TRUE(window->Controller().Edit({"Test edit", {}}, change));
  }
  // The document with `change` made and saved, as a test's starting point: the tree shows
  // it and there are no unsaved edits.
  void SetUpDocument(const std::function<void(SettingsModel&)>& change) {
    EditDocument(change);
    window->Controller().ForgetChanges();
  }
  QTreeWidgetItem* Node(const std::string& key) const {
    QTreeWidgetItemIterator it(Tree());
    for (; *it; ++it) {
      if ((*it)->data(0, Qt::UserRole).toString().toStdString() == key) return *it;
    }
    return nullptr;
  }
  // Clicks the node with the mouse, as a user does (its parents are opened first).
  void ClickNode(const std::string& key) {
    QTreeWidgetItem* item = Node(key);
    ASSERT_NE(item, nullptr) << key;
    for (QTreeWidgetItem* p = item->parent(); p; p = p->parent()) p->setExpanded(true);
    Tree()->scrollToItem(item);
    const QRect place = Tree()->visualItemRect(item);
    QTest::mouseClick(Tree()->viewport(), Qt::LeftButton, {}, place.center());
    QApplication::processEvents();
  }
  // Triggers a menu command by its objectName, as a click on the item does.
  void Command(const char* action) {
    QAction* item = window->findChild<QAction*>(action);
    ASSERT_NE(item, nullptr) << action;
    item->trigger();
    QApplication::processEvents();
  }
  // Lets the window's timers run (New waits 100 ms before it starts).
  static void Wait(int ms) { QTest::qWait(ms); }

  TempDir dir;
  FakeClock clock;
  // The radio behind every transfer the window makes, on the virtual clock.
  RadioSimulator radio;
  SimulatedWire wire{radio};
  MemorySerialPort* lastPort = nullptr;  // the port of the transfer dialog that is open
  std::vector<PortInfo> presentPorts;     // the machine's serial ports, as listed
  int portListings = 0;                   // how often the window looked for them
  int opensBeforeFailure = -1;           // for ports made from now on
  ScriptedWindowPrompts prompts;
  MapSettingsStore store;
  RecordingErrorLog log;
  FileHost host{prompts, store, log, clock};
  Document document;
  std::unique_ptr<editor::MainWindow> window;
};

}  // namespace kol::test
