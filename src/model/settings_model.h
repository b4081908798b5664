// The document the user edits: every setting of the radio in decoded, typed form.
// Filled from the memory image, from a .dat file or by the editor; plain value types.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace kol {

// Names a channel: 0-239 a position in the channel table (a channel of the current
// group), 240-279 EXP1-EXP40, anything else no channel ("Off").
using ChannelCode = std::int32_t;

inline constexpr ChannelCode kFirstExpCode = 240;
inline constexpr ChannelCode kLastExpCode = 279;
inline constexpr int kChannelTableSize = 240;
inline constexpr int kWeatherChannelCount = 10;
inline constexpr int kExpChannelCount = 40;
inline constexpr int kIndividualDirectorySize = 48;
inline constexpr int kGroupDirectorySize = 20;
inline constexpr int kDirectoryMemberFlags = 80;

// One channel of a plan (Group1-Group3), also used for the weather channels, of which
// only Enable and ScanMemory reach the image and `position` is the channel number 1-10.
struct ChannelRecord {
  std::int16_t position = 0;
  bool enable = false;
  bool lowPower = false;
  bool powerUp = false;
  bool duplex = false;
  bool duplexAllowed = false;  // fixed by the channel table and the plan
  bool txEnable = false;
  bool displayA = false;        // number text ends in "A"; set by the table-driven builder
  bool scanMemory = false;
  std::string usageName;       // fixed by the plan, e.g. "CALLING"
  bool receiveOnly = false;    // fixed by the plan

  bool operator==(const ChannelRecord&) const = default;
};

using ChannelPlan = std::vector<ChannelRecord>;

struct ExpChannelRecord {
  bool enable = false;
  bool scanMemory = false;
  bool lowPower = false;
  bool powerUp = false;
  bool txEnable = false;       // the encoder sets it to (txFreq > 100)
  std::string chDisplayL;      // up to 2 characters
  std::string chDisplayR;      // 1 character
  double rxFreq = 0.0;         // MHz; 0 = none
  double txFreq = 0.0;

  bool operator==(const ExpChannelRecord&) const = default;
};

enum GroupIndex : int { kGroup1 = 0, kGroup2 = 1, kGroup3 = 2, kExpGroup = 3 };

struct UsableGroup {
  bool usable = false;
  ChannelCode priorityCh = 0;  // entries 0-2 reach the image; entry 3 lives only in .dat files
  std::string statusName;      // up to 3 characters

  bool operator==(const UsableGroup&) const = default;
};

struct UsableSetup {
  std::array<UsableGroup, 4> group{};  // Group1, Group2, Group3, Exp CH
  std::array<bool, 3> expChGroup{};    // flags of the Exp CH entry, one per Group1-Group3

  bool operator==(const UsableSetup&) const = default;
};

struct CommonSetup {
  std::int16_t startingChannelMode = 0;  // 0 "Last CH", 1 "Fixed CH"
  ChannelCode channelNo = 0;
  std::int16_t txPoDisplay = 0;          // 0-2
  bool scan = false;
  std::int16_t resumeTime = 0;           // 0 "--", 1-5 seconds
  bool pttScanClear = false;
  std::int16_t offsetTime = 0;           // half hours, -24..+24
  bool timeDisplay = false;              // true = "Local"
  std::int16_t weatherAlertMode = 0;     // 0-3

  bool operator==(const CommonSetup&) const = default;
};

inline constexpr int kBeepOutCount = 8;

struct DscBasicSetup {
  std::array<bool, 4> usableGroup{};  // Group1-Group3, then the EXP group
  std::string userMmsi;               // up to 10 digits; empty = not set
  std::array<bool, kBeepOutCount> beepOut{};  // 7 is kept in .dat files only
  bool distressCancelCall = false;

  bool operator==(const DscBasicSetup&) const = default;
};

// Call types in the model's order (the image stores them in another order).
enum CallType : int {
  kAllShipsCall = 0,
  kIndividualCall = 1,
  kGroupCall = 2,
  kPosRequest = 3,
  kPosReport = 4,
};
inline constexpr int kCallTypeCount = 5;

// Categories of a call: index into the receive and TX flags.
enum CallCategory : int { kDistress = 0, kUrgency = 1, kSafety = 2, kRoutine = 3 };

struct CallTypeFlags {
  std::array<bool, 4> receive{};
  std::array<bool, 4> tx{};

  bool operator==(const CallTypeFlags&) const = default;
};

struct DscAdvancedSetup {
  std::array<CallTypeFlags, kCallTypeCount> call{};

  bool operator==(const DscAdvancedSetup&) const = default;
};

struct DscDisplaySetup {
  bool individualAckMenu = false;
  bool individualAckMessageMenu = false;
  bool posRequestAckMenu = false;

  bool operator==(const DscDisplaySetup&) const = default;
};

struct AutoPosSlot {
  std::string mmsi;
  bool enable = false;
  bool rcEnable = false;         // kept in .dat files only
  std::string channel = "0";     // a channel code as text; a .dat file may hold any text
  std::string interval = "0";    // an interval index 0-16 as text; likewise
  std::int16_t selectCall = 0;   // 0 Individual; 1 Group (slot 1) / Multi-st (slot 0)
  std::int32_t lastAddress = 0;  // 1-based directory entry last used

  bool operator==(const AutoPosSlot&) const = default;
};

// Only slot 1 is exchanged with the image; slot 0 and MENUDISPLAY live in .dat files.
struct DscAutoPosSetup {
  bool menuDisplay = false;
  std::array<AutoPosSlot, 2> slot{};

  bool operator==(const DscAutoPosSetup&) const = default;
};

struct AtisSetup {
  std::array<bool, 4> usableGroup{};
  std::string atisCode;  // up to 10 digits

  bool operator==(const AtisSetup&) const = default;
};

struct DirectoryEntry {
  bool enable = false;     // in use; true exactly when mmsi is non-empty after decoding
  std::string tagName;     // up to 11 characters
  std::string mmsi;        // up to 10 digits
  std::array<bool, kDirectoryMemberFlags> member{};  // not in the image

  bool operator==(const DirectoryEntry&) const = default;
  void Clear() { *this = DirectoryEntry{}; }
};

struct SettingsModel {
  std::array<ChannelPlan, 3> group;  // Group1 USA, Group2 International, Group3 Canada
  ChannelPlan weather;               // WX01-WX10; used only when the model has weather channels
  std::array<ExpChannelRecord, kExpChannelCount> exp{};
  UsableSetup usable;
  CommonSetup common;
  DscBasicSetup dscBasic;
  DscAdvancedSetup dscAdvanced;
  DscDisplaySetup dscDisplay;
  DscAutoPosSetup autoPos;
  AtisSetup atis;
  std::array<DirectoryEntry, kIndividualDirectorySize> individualDirectory{};
  std::array<DirectoryEntry, kGroupDirectorySize> groupDirectory{};

  bool operator==(const SettingsModel&) const = default;
};

}  // namespace kol
