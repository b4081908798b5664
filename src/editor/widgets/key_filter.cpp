#include "editor/widgets/key_filter.h"

#include <QLineEdit>
#include <QValidator>

namespace kol::editor {
namespace {

// A validator that never refuses a text: it drops the characters the field does not take
// and upper-cases where the field does, so typing, pasting and dropping all obey the filter.
class FilterValidator final : public QValidator {
 public:
  FilterValidator(KeyFilter filter, QObject* parent) : QValidator(parent), filter_(filter) {}

  State validate(QString& input, int& pos) const override {
    QString kept;
    int keptBeforeCursor = 0;
    for (int i = 0; i < input.size(); ++i) {
      const QChar c = input.at(i);
      const std::optional<char> taken =
          c.unicode() < 128 ? TakenCharacter(filter_, static_cast<char>(c.unicode())) : std::nullopt;
      if (!taken) continue;
      kept.append(QChar(*taken));
      if (i < pos) ++keptBeforeCursor;
    }
    input = kept;
    pos = keptBeforeCursor;
    return Acceptable;
  }

 private:
  KeyFilter filter_;
};

}  // namespace

void InstallKeyFilter(QLineEdit& field, KeyFilter filter) {
  field.setValidator(new FilterValidator(filter, &field));
}

void SetUnfilteredText(QLineEdit& field, const QString& text) {
  // A line edit runs its validator over every new text, set by the program or not.
  const QValidator* filter = field.validator();
  field.setValidator(nullptr);
  field.setText(text);
  field.setValidator(filter);
}

}  // namespace kol::editor
