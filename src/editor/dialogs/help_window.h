// The program's help: HTML pages beside the program, shown in a window of its own at the
// topic of a context number.
#pragma once

#include <QDialog>

#include <string>

class QTextBrowser;

namespace kol::editor {

// The help page of a model: "TQ460.html" with ATIS, "TQ460_NA.html" without.
std::string HelpFileName(bool atis);
// The anchor of a context number inside the help page ("topic1001").
QString HelpAnchor(int context);

class HelpWindow : public QDialog {
  Q_OBJECT
 public:
  explicit HelpWindow(QWidget* parent = nullptr);
  // Shows `path` at the topic of `context` and raises the window.
  void Open(const QString& path, int context);
  QString CurrentAnchor() const { return anchor_; }

 private:
  QTextBrowser* browser_;
  QString anchor_;
};

}  // namespace kol::editor
