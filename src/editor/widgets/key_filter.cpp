#include "editor/widgets/key_filter.h"

#include <QLineEdit>
#include <QValidator>

#include <string_view>

namespace kol::editor {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }
bool IsLower(char c) { return c >= 'a' && c <= 'z'; }
char ToUpper(char c) { return IsLower(c) ? static_cast<char>(c - 'a' + 'A') : c; }

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
          c.unicode() < 128 ? FilterKey(filter_, static_cast<char>(c.unicode())) : std::nullopt;
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

std::optional<char> FilterKey(KeyFilter filter, char typed) {
  switch (filter) {
    case KeyFilter::kDigits:
      return IsDigit(typed) ? std::optional<char>(typed) : std::nullopt;
    case KeyFilter::kStatusName:
      if (IsDigit(typed) || IsUpper(typed) || IsLower(typed)) return ToUpper(typed);
      return std::nullopt;
    case KeyFilter::kChannelNumber:
      if (IsDigit(typed) || std::string_view("CEFLMnP").find(typed) != std::string_view::npos) {
        return typed;
      }
      return std::nullopt;
    case KeyFilter::kFrequency:
      return IsDigit(typed) || typed == '.' ? std::optional<char>(typed) : std::nullopt;
    case KeyFilter::kStationName:
      if (IsDigit(typed) || IsUpper(typed) || IsLower(typed)) return ToUpper(typed);
      if (std::string_view("-/*()+., ").find(typed) != std::string_view::npos) return typed;
      return std::nullopt;
  }
  return std::nullopt;
}

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
