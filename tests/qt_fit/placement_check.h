#pragma once
// The placement check: a shown window stands whole inside the screen's available area, its
// frame included, and every control it shows stands whole inside its container (the window's
// client area, a frame or a picture box).
#include <string>
#include <vector>

namespace ks::forms {
class Form;
}

namespace ks::qt {
class QtView;
}

namespace ks::testing {

// "frame 0,-12 1366 x 790 px passes the available area 0,0 1366 x 738" for the window, and
// "Picture1 0,4 614 x 349 px passes its container 615 x 340" for each cut control.
std::vector<std::string> PlacementFaultsOf(const forms::Form& form, qt::QtView& view);

}  // namespace ks::testing
