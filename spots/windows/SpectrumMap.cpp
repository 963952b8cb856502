#include "spots/windows/SpectrumMap.h"

namespace ks {

SpectrumMap::SpectrumMap(forms::Application& app) : forms::Form(app, "SpectrumMap") { Design(); }

void SpectrumMap::Design() { SetCaption(" HF Spectrum Map"); }
void SpectrumMap::Form_Load() {}
void SpectrumMap::Form_Activate() { BandMapLabelDisplay(); }
void SpectrumMap::BandMapLabelDisplay() {}
void SpectrumMap::lblDXSpot_MouseDown(int, int, int, float, float) {}
void SpectrumMap::FitToWorkArea() {}
void SpectrumMap::BuildFrequencyScales() {}

}  // namespace ks
