// The CW window's operations that the main window's keys start. The message sending is a
// stand-in until the Morse sender is built; the speed steps are complete.
#include "keying/windows/CWFrm.h"
#include "platform/vb/number_text.h"
#include "platform/vb/parse.h"

namespace ks {
namespace {

// Adds `step` to the number in the speed box; a box that holds no number stays as it is.
void StepSpeed(forms::TextBox& speed, double step) {
  if (const auto wpm = vb::CDbl(speed.Text())) speed.SetText(vb::CStr(*wpm + step));
}

}  // namespace

void CWFrm::FKeyCW(int& /*KeyCode*/) {}

void CWFrm::LoopThroughCWBuffer() {}

void CWFrm::UpDown1_UpClick() { StepSpeed(Text11, 1); }

void CWFrm::UpDown1_DownClick() { StepSpeed(Text11, -1); }

}  // namespace ks
