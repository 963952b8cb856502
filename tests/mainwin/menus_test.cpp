// The menu bars of the two main windows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mainwin/windows/Infrm.h"
#include "mainwin/windows/Outfrm.h"
#include "platform/forms/headless.h"

namespace ks {
namespace {

// The captions of a menu's items (or of the top-level menus for null), in order.
std::vector<std::string> Captions(const forms::Form& form, const forms::Menu* parent) {
  std::vector<std::string> captions;
  for (forms::Control* c : form.Controls())
    if (c->Kind() == forms::ControlKind::Menu && static_cast<forms::Menu*>(c)->ParentMenu() == parent)
      captions.push_back(static_cast<forms::Menu*>(c)->Caption());
  return captions;
}

TEST(MainWindowMenus, OutOfStateBarOffersNeitherColorsNorSetup) {
  forms::Headless h;
  Outfrm form(h.app());
  EXPECT_EQ(Captions(form, nullptr),
            (std::vector<std::string>{"&File", "&Options", "&Band", "&Mode", "&Clear", "M&ap", "&Graph", "&Recall",
                                      "L&ist", "&Help"}));
  EXPECT_EQ(Captions(form, &form.mnuAppearance), (std::vector<std::string>{"&Form Size", "&Taskbar"}));
  EXPECT_EQ(form.mnuColors, nullptr);
  EXPECT_EQ(form.mnuChangeCounty, nullptr);
  EXPECT_EQ(Captions(form, &form.mnuFile),
            (std::vector<std::string>{"&New", "-", "Archive Current &Log", "-", "&Restore from Archive or Backup", "-",
                                      "&Write Submission File", "-", "Export &ADIF File",
                                      "E&xport for Pellham Import", "-", "&Copy Listed Items to Clipboard", "-",
                                      "&Exit"}));
  EXPECT_FALSE(form.mnuPellhamImport.Visible()) << "made, never offered";
}

TEST(MainWindowMenus, InStateBarHasColorsAndChangeCountyInPlace) {
  forms::Headless h;
  Infrm form(h.app());
  EXPECT_EQ(Captions(form, nullptr),
            (std::vector<std::string>{"&File", "&Options", "&Band", "&Mode", "&Clear", "Cha&nge County", "M&ap",
                                      "&Graph", "&Recall", "L&ist", "&Help"}));
  EXPECT_EQ(Captions(form, &form.mnuAppearance), (std::vector<std::string>{"&Form Size", "&Colors", "&Taskbar"}));
  EXPECT_EQ(Captions(form, &form.mnuBandChange),
            (std::vector<std::string>{"160", "80", "40", "20", "15", "10", "6", "2", "-", "&Privileges"}));
  EXPECT_EQ(Captions(form, &form.mnuBand), (std::vector<std::string>{"&CW", "&PH", "&RTTY", "PS&K"}));
}

}  // namespace
}  // namespace ks
