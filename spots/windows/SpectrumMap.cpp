#include "spots/windows/SpectrumMap.h"

namespace ks {

SpectrumMap::SpectrumMap(forms::Application& app) : forms::Form(app, "SpectrumMap") {
  SetCaption(" HF Spectrum Map");
}

}  // namespace ks
