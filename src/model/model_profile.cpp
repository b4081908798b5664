#include "model/model_profile.h"

namespace kol {

std::string ModelNameFor(int modelCode) {
  return modelCode == kBuiltInModelCode ? kBuiltInModelName : "Unknown model";
}

}  // namespace kol
