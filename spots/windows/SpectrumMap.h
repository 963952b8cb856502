#pragma once
// The full-screen HF spectrum map: eleven band lines from 160 m to 2 m, each with a scale
// fitted to the stored spots of its band and the spots standing on it as short captions.
// Shown modally and unloaded when the showing returns, so every opening starts afresh.
#include "platform/forms/control_array.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"

namespace ks {

class SpectrumMap : public forms::Form {
 public:
  explicit SpectrumMap(forms::Application& app);

  void BandMapLabelDisplay();
  void Form_Activate() override;
  void Form_Load() override;
  void lblDXSpot_MouseDown(int Index, int Button, int Shift, float X, float Y);
  void FitToWorkArea();
  void BuildFrequencyScales();

  forms::ControlArray<forms::Label> lblHFSpots{*this, "lblHFSpots"};
  forms::ControlArray<forms::Line> lineHF{*this, "lineHF"};
  forms::ControlArray<forms::Label> lblDXSpot{*this, "lblDXSpot"};
  forms::ControlArray<forms::Label> lblFreqSpot{*this, "lblFreqSpot"};

 private:
  void Design();
};

}  // namespace ks
