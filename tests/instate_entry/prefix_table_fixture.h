#pragma once
// The supplied arrlpre2.txt, loaded once for the tests of one program.
#include "logstore/prefix_table.h"
#include "platform/forms/headless.h"
#include "startup/user_folders.h"
#include "tests/support/files.h"

namespace ks::testing {

inline const PrefixTable& SuppliedPrefixTable() {
  static const PrefixTable table = [] {
    forms::Headless headless;
    headless.app().State<Folders>().DataFolder = SuppliedData();
    EXPECT_TRUE(LoadPrefixTable(headless.app()));
    return headless.app().State<PrefixTable>();
  }();
  return table;
}

}  // namespace ks::testing
