// The rover's county-line window used from the keyboard alone, typed into the Qt view's
// widgets: counties added with Enter, the list reached with Tab, a county chosen with the
// arrow keys and removed with Delete (the next county chosen, the keys going on in the list)
// or Enter (the focus to Done, as after a click).
#include <QListWidget>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/qt/form_window.h"
#include "station/windows/frmCountyChangeRover.h"
#include "tests/qt_fit/fit_bench.h"
#include "tests/qt_fit/typed_keys.h"

namespace ks::testing {
namespace {

using List = std::vector<std::string>;

TEST(TypedRoverList, CountiesAreRemovedWithDeleteOrEnterFromTheKeyboard) {
  FitBench bench(1366, 768);
  TypedKeys keys(bench);
  auto& rover = bench.app().Get<frmCountyChangeRover>();
  rover.Show();
  keys.Settle();
  auto* list = dynamic_cast<QListWidget*>(bench.view().WidgetOf(rover.List1));
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(keys.Focused(rover), bench.view().WidgetOf(rover.Text1));
  for (const char* county : {"juniata", "mifflin", "perry", "mifflin"}) {
    keys.Type(rover, county);
    keys.Key(rover, Qt::Key_Return, "\r");
  }
  // The second Mifflin is refused and stays in the box, marked.
  EXPECT_TRUE(rover.Label2.Visible());
  EXPECT_EQ(rover.Text1.Text(), "Mifflin");
  ASSERT_EQ(rover.List1.Items(), (List{"Juniata", "Mifflin", "Perry"}));

  keys.Key(rover, Qt::Key_Tab);  // to Done
  keys.Key(rover, Qt::Key_Tab);  // to the list, its first county chosen
  ASSERT_EQ(keys.Focused(rover), list);
  keys.Key(rover, Qt::Key_Down);
  EXPECT_EQ(rover.List1.Items(), (List{"Juniata", "Mifflin", "Perry"})) << "the arrow keys only choose";
  EXPECT_EQ(list->currentItem()->text(), "Mifflin");
  // Delete chooses the next county, so the keys go on in the list.
  keys.Key(rover, Qt::Key_Delete);
  EXPECT_EQ(rover.List1.Items(), (List{"Juniata", "Perry"}));
  ASSERT_EQ(keys.Focused(rover), list);
  ASSERT_NE(list->currentItem(), nullptr);
  EXPECT_EQ(list->currentItem()->text(), "Perry");
  EXPECT_EQ(rover.List1.ListIndex(), 1);
  keys.Key(rover, Qt::Key_Up);
  EXPECT_EQ(list->currentItem()->text(), "Juniata");
  keys.Key(rover, Qt::Key_Down);
  // The last county removed: the one before it, now the last, is chosen.
  keys.Key(rover, Qt::Key_Delete);
  EXPECT_EQ(rover.List1.Items(), (List{"Juniata"}));
  ASSERT_NE(list->currentItem(), nullptr);
  EXPECT_EQ(list->currentItem()->text(), "Juniata");
  EXPECT_EQ(rover.List1.ListIndex(), 0);

  // Enter removes the chosen county as a click does, and the focus goes to Done.
  keys.Key(rover, Qt::Key_Return, "\r");
  EXPECT_TRUE(rover.List1.Items().empty());
  EXPECT_EQ(list->count(), 0);
  EXPECT_EQ(keys.Focused(rover), bench.view().WidgetOf(rover.Command1));
}

}  // namespace
}  // namespace ks::testing
