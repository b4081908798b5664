// Decoding the radio image into the settings model and encoding the model back into the
// image in place, plus the fix-up of the operating-channel bytes before programming.
#pragma once

#include "model/model_profile.h"
#include "model/radio_image.h"
#include "model/settings_model.h"

namespace kol {

// Overwrites every model field the image holds. The channel plans must already be built
// for the selected model: decoding keeps their fixed fields.
void DecodeImage(const RadioImage& image, const ModelProfile& profile, SettingsModel& model);

// The general settings only: usable groups, Common, DSC and ATIS setup.
void DecodeGeneral(const RadioImage& image, SettingsModel& model);

// Writes the whole model into the image in place. Changes the model in three places:
// usable flags of empty groups, a clamped Offset Time, TxEnable of enabled EXP channels.
void EncodeImage(SettingsModel& model, const ModelProfile& profile, RadioImage& image);

// Makes the operating group and channel bytes consistent with what is enabled, and sets
// the user-MMSI-present byte. Runs after EncodeImage, before the image leaves the program.
void PrepareForProgramming(const SettingsModel& model, RadioImage& image);

}  // namespace kol
