#pragma once
// The colouring of the county map: each worked county's region of the map picture is flood
// filled in a colour of its own, from the centre of the county's label.
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "platform/forms/controls.h"
#include "platform/forms/types.h"

namespace ks {

// A random fill colour, each of red, green and blue from 0 to 253 (never the map's white).
forms::Color RandomFillColor(std::minstd_rand& random);

// One hot spot of the map: its county's name (the label's tooltip) and its rectangle in twips
// within the picture.
struct CountyHotSpot {
  std::string name;
  float left = 0, top = 0, width = 0, height = 0;
};

// For each worked county, in list order, the first of the first `county_count` hot spots
// (never more than there are) whose name equals it without regard to case is filled from its
// centre with a colour from `random`; a worked name without a hot spot is passed over.
// Returns how many fills were made.
int ColorWorkedCounties(forms::PictureBox& picture, const std::vector<CountyHotSpot>& spots, int county_count,
                        const std::vector<std::string>& worked, std::minstd_rand& random);

}  // namespace ks
