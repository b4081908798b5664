// Value-to-text functions shared by the editor and the report: option names of every
// setting, channel and frequency texts, list marks and fixed-width columns.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/settings_model.h"

namespace kol {

std::string ChannelCodeText(ChannelCode code);        // "16", "EXP1", "Off"
std::string StartingModeText(int value);              // "Last CH", "Fixed CH"
std::string TxPowerDisplayText(int value);            // "Lo Po Only", ...
std::string ResumeTimeText(int value);                // "--", "1Sec" .. "5Sec"
std::string WeatherAlertText(int value);              // "OFF", "On Wx", ...
std::string TimeDisplayText(bool local);              // "Local" / "UTC"
std::string OffsetTimeText(int halfHours);            // "-12:00", " 0", "+5:30"
std::string IntervalText(int index);                  // "OFF", "15 sec", ...
std::string SelectCallText(int selectCall, int slot); // "Individual", "Group", "Multi-st"
// TagName of the directory entry LASTADDRESS (1-based) of the call type; slot 1 only.
std::string DirectoryNameText(const SettingsModel& model, int selectCall, int lastAddress,
                              int slot);
std::string OnOffText(bool value);                    // "On" / "Off"
std::string PowerText(bool high);                     // "Hi" / "Low"

// Marks of the channel list columns for true / false.
enum class ListMark { kEnable, kTx, kLow, kUp, kDup, kMem };
std::string ListMarkText(ListMark column, bool value);

std::string EmptyTextMark(std::string_view text);  // text, or "----" when blank
// The text padded with blanks or cut to `width`; `width` times "-" when it is empty.
std::string FixedWidthColumn(std::string_view text, int width);

std::string Frequency3Text(double mhz);                  // "156.800" or "---.---"
std::string Frequency3GatedText(double mhz, bool gate);  // "---.---" also when gated
// "156.0375" or "---.----"; the frequency is raster-corrected first (on a copy).
std::string Frequency4Text(double mhz);

// Raster correction of an EXP frequency: values on a 5 kHz or 12.5 kHz raster stay,
// others go down to the next 5 kHz step.
double RasterCorrected(double mhz);

// Trimming as the program does it everywhere: blanks and tabs only.
std::string_view TrimBlanks(std::string_view text);

}  // namespace kol
