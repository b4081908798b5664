#include "editor/widgets/key_help.h"

#include <QVariant>
#include <QWidget>

namespace kol::editor {
namespace {

constexpr char kProperty[] = "kolKeyHelp";
constexpr char kContextProperty[] = "kolHelpContext";

}  // namespace

void SetKeyHelp(QWidget& control, const char* text) {
  control.setProperty(kProperty, QString::fromLatin1(text));
}

QString KeyHelpOf(const QWidget& control) { return control.property(kProperty).toString(); }

void SetHelpContext(QWidget& control, int context) { control.setProperty(kContextProperty, context); }

int HelpContextOf(const QWidget& control) { return control.property(kContextProperty).toInt(); }

}  // namespace kol::editor
