// The rows of the section table and the headings of its grid, in table order.
#include "mainwin/section_table.h"

namespace ks {

const std::array<SectionRow, kSectionRows>& SectionRows() {
  static const std::array<SectionRow, kSectionRows> rows = {{
      {"CT", "Connecticut", 6600, 2880, 375, 255},  // 1
      {"EMA", "East Massachusetts", 6915, 3240, 360, 255},  // 2
      {"ME", "Maine", 6600, 3060, 375, 255},  // 3
      {"NH", "New Hampshire", 6600, 3240, 375, 255},  // 4
      {"RI", "Rhode Island", 6600, 3420, 375, 255},  // 5
      {"VT", "Vermont", 6920, 2880, 375, 255},  // 6
      {"WMA", "West Massachusetts", 6915, 3060, 375, 240},  // 7
      {"NNY", "North New York", 6600, 4080, 375, 240},  // 8
      {"ENY", "East New York", 6600, 4260, 375, 255},  // 9
      {"NLI", "NY Long Island", 6960, 4080, 375, 240},  // 10
      {"NNJ", "North New Jersey", 6960, 4260, 375, 255},  // 11
      {"SNJ", "South New Jersey", 6960, 4440, 375, 255},  // 12
      {"WNY", "West New York", 6600, 4440, 375, 255},  // 13
      {"DE", "Delaware", 6600, 5160, 375, 255},  // 14
      {"MDC", "Maryland-DC", 6960, 5160, 375, 240},  // 15
      {"AL", "Alabama", 7320, 2880, 375, 255},  // 16
      {"GA", "Georgia", 7320, 3060, 375, 255},  // 17
      {"KY", "Kentucky", 7320, 3240, 375, 255},  // 18
      {"NC", "North Carolina", 7320, 3420, 375, 240},  // 19
      {"NFL", "North Florida", 7680, 3060, 375, 255},  // 20
      {"SC", "South Carolina", 7680, 2880, 375, 255},  // 21
      {"SFL", "South Florida", 7680, 3240, 375, 240},  // 22
      {"TN", "Tennessee", 7320, 3600, 375, 255},  // 23
      {"VA", "Virginia", 7680, 3600, 375, 255},  // 24
      {"PR", "Puerto Rico", 7320, 3780, 375, 240},  // 25
      {"VI", "Virgin Islands", 7680, 3780, 375, 255},  // 26
      {"AR", "Arkansas", 7320, 4440, 375, 255},  // 27
      {"LA", "Louisiana", 7320, 4620, 375, 255},  // 28
      {"MS", "Mississippi", 7320, 4800, 375, 255},  // 29
      {"NM", "New Mexico", 7320, 4980, 375, 255},  // 30
      {"NTX", "North Texas", 7680, 4440, 375, 255},  // 31
      {"OK", "Oklahoma", 7680, 4620, 375, 255},  // 32
      {"STX", "South Texas", 7680, 4800, 375, 255},  // 33
      {"WTX", "West Texas", 7680, 4980, 375, 255},  // 34
      {"EB", "East Bay", 7320, 5640, 375, 255},  // 35
      {"LAX", "Los Angeles", 7320, 5820, 375, 255},  // 36
      {"ORG", "Orange", 7680, 5640, 375, 255},  // 37
      {"SB", "Santa Barbara", 7680, 5820, 375, 240},  // 38
      {"SCV", "Santa Clara Valley", 8040, 2520, 375, 255},  // 39
      {"SDG", "San Diego", 8040, 2700, 375, 255},  // 40
      {"SF", "San Francisco", 8040, 2880, 375, 255},  // 41
      {"SJV", "San Joaquin Valley", 8400, 2520, 375, 255},  // 42
      {"SV", "Sacramento Valley", 8400, 2700, 375, 255},  // 43
      {"PAC", "Pacific", 8400, 2880, 375, 255},  // 44
      {"AZ", "Arizona", 8040, 3600, 375, 255},  // 45
      {"EWA", "East Washington", 8040, 3780, 375, 255},  // 46
      {"ID", "Idaho", 8040, 3960, 495, 255},  // 47
      {"MT", "Montana", 8040, 4140, 495, 255},  // 48
      {"NV", "Nevada", 8040, 4320, 495, 255},  // 49
      {"OR", "Oregon", 8400, 3600, 495, 255},  // 50
      {"UT", "Utah", 8400, 3780, 375, 255},  // 51
      {"WWA", "West Washington", 8400, 3960, 375, 255},  // 52
      {"WY", "Wyoming", 8400, 4140, 375, 255},  // 53
      {"AK", "Alaska", 8400, 4320, 375, 255},  // 54
      {"MI", "Michigan", 8420, 4680, 375, 255},  // 55
      {"OH", "Ohio", 8040, 4980, 375, 255},  // 56
      {"WV", "West Virginia", 8420, 4980, 375, 255},  // 57
      {"IL", "Illinois", 8420, 5280, 495, 255},  // 58
      {"IN", "Indiana", 8040, 5640, 495, 255},  // 59
      {"WI", "Wisconsin", 8420, 5640, 495, 255},  // 60
      {"CO", "Colorado", 8760, 2880, 495, 255},  // 61
      {"IA", "Iowa", 8760, 3060, 495, 255},  // 62
      {"KS", "Kansas", 8760, 3240, 495, 255},  // 63
      {"MN", "Minnesota", 8760, 3420, 495, 255},  // 64
      {"MO", "Missouri", 9120, 2880, 495, 255},  // 65
      {"NE", "Nebraska", 9120, 3060, 495, 255},  // 66
      {"ND", "North Dakota", 9120, 3240, 495, 255},  // 67
      {"SD", "South Dakota", 9120, 3420, 495, 255},  // 68
      {"NB", "New Brunswick", 8760, 4080, 495, 255},  // 69
      {"NU", "Nunavut", 8760, 4260, 495, 255},  // 70
      {"NS", "Nova Scotia", 8760, 4440, 495, 255},  // 71
      {"PE", "Prince Edward Island", 8760, 4620, 495, 255},  // 72
      {"QC", "Quebec", 8760, 4800, 495, 255},  // 73
      {"ON", "Ontario", 8760, 4980, 495, 255},  // 74
      {"MB", "Manitoba", 9120, 4080, 495, 255},  // 75
      {"SK", "Saskatchewan", 9120, 4260, 495, 255},  // 76
      {"AB", "Alberta", 9120, 4440, 495, 255},  // 77
      {"WCF", "West Central Florida", 7680, 3420, 495, 255},  // 78
      {"EPA", "Eastern Pennsylvania", 6600, 5400, 495, 255},  // 79
      {"WPA", "Western Pennsylvania", 6960, 5400, 495, 255},  // 80
      {"BC", "British Columbia", 9120, 4620, 495, 255},  // 81
      {"NT", "Northwest Territories", 9120, 4800, 495, 255},  // 82
      {"NL", "Newfoundland-Labrador", 9120, 4980, 495, 255},  // 83
      {"YT", "Yukon", 9120, 5160, 495, 255},  // 84
  }};
  return rows;
}

const std::array<SectionHeading, 11>& SectionHeadings() {
  static const std::array<SectionHeading, 11> headings = {{
      {"lblSecOne", "1", 6600, 2520, 615, 265},
      {"lblSecTwo", "2", 6600, 3720, 615, 270},
      {"lblSecThre", "3", 6600, 4800, 615, 270},
      {"lblSecFour", "4", 7320, 2520, 615, 270},
      {"lblSecFive", "5", 7320, 4080, 615, 270},
      {"Label14", "6", 7320, 5280, 615, 270},
      {"lblSecSix", "7", 8040, 3240, 615, 270},
      {"lblSecEight", "8", 8040, 4680, 375, 270},
      {"lblSecNine", "9", 8040, 5280, 360, 270},
      {"lblSecZero", "0", 8760, 2520, 735, 265},
      {"lblSecCA", "Canada", 8760, 3720, 735, 300},
  }};
  return headings;
}

}  // namespace ks
