// A new document of the selected model: default channel plans, empty directories, the
// built-in model's factory image with its general settings, disabled EXP channels.
#pragma once

#include "model/model_profile.h"
#include "model/radio_image.h"
#include "model/settings_model.h"

namespace kol {

// The factory image of the built-in model: 0xFF everywhere but a few defaults and the
// model identifier at both ends.
void WriteBuiltInDefaultImage(RadioImage& image);

// Rebuilds the plans and directories, starts the built-in model from its factory image,
// clears the EXP channels and encodes the whole model into the image. Fields the image
// never holds (AutoPos slot 0, MENUDISPLAY, BeepOut 7, ...) keep their values.
void BuildNewDocument(SettingsModel& model, RadioImage& image, const ModelProfile& profile);

}  // namespace kol
