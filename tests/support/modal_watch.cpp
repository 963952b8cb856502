// Linked into every test program: a dialog or a modal window opened while a timer's tick or a
// device event is under way fails the test under way, naming the dialog's title and text,
// unless the test said it expects it (Headless::ExpectModalsInTimerEvents).
#include <gtest/gtest.h>

#include <string>

#include "platform/forms/headless.h"

namespace {

const bool kWatching = [] {
  ks::forms::Headless::ReportUnexpectedModalsTo([](const std::string& what) {
    ADD_FAILURE() << "A " << what << "\nopened while a timer's tick or a device event was under way: the keys "
                  << "being typed into the main window would go to it";
  });
  return true;
}();

}  // namespace
