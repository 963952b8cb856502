#pragma once
// What the fit check measures: for each visible label, button, option button, check box,
// frame caption and list-view column header of a shown window, the room its text needs in
// its own font against the room its widget gives it, in pixels.
#include <string>
#include <vector>

namespace ks::forms {
class Form;
}

namespace ks::qt {
class QtView;
}

namespace ks::testing {

struct Overflow {
  std::string control;  // "Label5", "optState(3)", "ListView1 column 2"
  std::string text;
  int need_width = 0, need_height = 0;
  int room_width = 0, room_height = 0;
};

std::vector<Overflow> OverflowsOf(const forms::Form& form, qt::QtView& view);

std::string Describe(const Overflow& overflow);

}  // namespace ks::testing
