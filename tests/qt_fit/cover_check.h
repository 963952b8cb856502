#pragma once
// The cover check: on a shown window, a label with a caption or a line that another control
// stacked above it hides. Labels and lines are drawn on their container; a windowed control
// over them (a picture box, a list, a button) hides them, as it does in the toolkit.
#include <string>
#include <vector>

namespace ks::forms {
class Form;
}

namespace ks::qt {
class QtView;
}

namespace ks::testing {

// "lblY(3) under picGraph" for each hidden label or line.
std::vector<std::string> HiddenControlsOf(const forms::Form& form, qt::QtView& view);

}  // namespace ks::testing
