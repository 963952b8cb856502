#pragma once
// A headless application on a 1920 x 1080 screen with a fresh working folder, the supplied
// county table of the party state and a station whose own county is Dauphin.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "logstore/county_table.h"
#include "platform/forms/headless.h"
#include "platform/io/files.h"
#include "station/station_settings.h"
#include "startup/user_folders.h"
#include "tests/support/files.h"
#include "tests/support/temp_dir.h"

namespace ks::testing {

class WindowFixture : public ::testing::Test {
 protected:
  WindowFixture() {
    app().State<Folders>().WorkingDir = work_.path();
    StationSettings& settings = app().State<StationSettings>();
    settings.PartyState = "PA";
    settings.OwnCounty = "Dauphin";
    CopySupplied(kCountyFileName, work_.path());
    EXPECT_TRUE(LoadCountyTable(app()));
  }

  forms::Application& app() { return headless_.app(); }
  forms::ScriptedServices& dialogs() { return headless_.dialogs(); }
  StationSettings& settings() { return app().State<StationSettings>(); }
  const std::filesystem::path& work() const { return work_.path(); }

  // Acts as the operator while window F (named `name`) is shown modally.
  template <typename F>
  void WhenShown(const std::string& name, const std::function<void(F&)>& operator_actions) {
    headless_.loop().ScriptModal(name, [operator_actions](forms::Form& f) { operator_actions(static_cast<F&>(f)); });
  }
  // Shows window F modally with `operator_actions` acting while it is up.
  template <typename F>
  void ShowModalWith(const std::string& name, const std::function<void(F&)>& operator_actions) {
    WhenShown<F>(name, operator_actions);
    app().Get<F>().ShowModal();
  }

 private:
  TempDir work_;
  forms::Headless headless_{forms::Screen::FromPixels(1920, 1080)};
};

}  // namespace ks::testing
