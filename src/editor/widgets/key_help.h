// The key help a control shows in the status bar while it has the focus. A control carries
// its text; the main window shows it whenever focus arrives.
#pragma once

#include <QString>

class QWidget;

namespace kol::editor {

namespace key_help {
inline constexpr const char* kCheckBox = "[Space]:An effective and invalid change.";
inline constexpr const char* kWeatherEnable = "Select[x]Enable/[]Disable.";
inline constexpr const char* kList = "[Up]/[Down]:Change of a Selection item.";
inline constexpr const char* kTree = "[Up]/[Down]/[Left]/[Right]:Change of a Selection item.";
inline constexpr const char* kGrid = "[Double click],[Enter]:Jump the Setting screen.";
inline constexpr const char* kMmsi = "Numeric Only. Indispensable 9 figures.";
inline constexpr const char* kAtisCode = "Numeric Only. Indispensable 10 figures.";
inline constexpr const char* kStatusName = "max 3 characters.";
inline constexpr const char* kChannelNumber = "Indispensable 2 figures.";
inline constexpr const char* kChannelSuffix = "Indispensable 1 figures.";
inline constexpr const char* kRxFrequency = "Rx frequency";
inline constexpr const char* kTxFrequency = "Tx frequency";
inline constexpr const char* kStationName = "A maximum of 11 characters.";
inline constexpr const char* kMmsiClear =
    "A Click Inicializes the number of User MMSI setting permission";
inline constexpr const char* kLogClear = "A Click Inicializes the log";
}  // namespace key_help

// Gives `control` the help text shown while it has the focus.
void SetKeyHelp(QWidget& control, const char* text);
// The help text of `control`; null when it has none.
QString KeyHelpOf(const QWidget& control);

// The help topic F1 opens while `control` has the focus (2401-2403 on the channel fields).
void SetHelpContext(QWidget& control, int context);
// The topic of `control`, 0 when it has none.
int HelpContextOf(const QWidget& control);

}  // namespace kol::editor
