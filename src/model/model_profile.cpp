#include "model/model_profile.h"

namespace kol {

std::string ModelNameFor(int modelCode) {
  return modelCode == kBuiltInModelCode ? "LZ3300T" : "Unknown model";
}

}  // namespace kol
