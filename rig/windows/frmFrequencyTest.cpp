#include "rig/windows/frmFrequencyTest.h"

namespace ks {

frmFrequencyTest::frmFrequencyTest(forms::Application& app) : forms::Form(app, "frmFrequencyTest") {
  SetCaption("Frequency Change Test");
}

}  // namespace ks
