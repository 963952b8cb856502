#pragma once
// The full-screen HF spectrum map: eleven band lines from 160 m to 2 m, each with a scale
// fitted to the stored spots of its band and the spots standing on it as short captions.
// Shown modally and unloaded when the showing returns, so every opening starts afresh.
#include <memory>
#include <vector>

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
  // The band lines, 160 m (0) to 2 m (10).
  forms::Line& lineHF(int k) { return *lineHFs_.at(static_cast<std::size_t>(k)); }
  forms::ControlArray<forms::Label> lblDXSpot{*this, "lblDXSpot"};
  forms::ControlArray<forms::Label> lblFreqSpot{*this, "lblFreqSpot"};

 private:
  void Design();
  std::vector<std::unique_ptr<forms::Line>> lineHFs_;
};

}  // namespace ks
