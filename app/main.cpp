// Keystone: builds the program on the Qt view and starts it with the start-up window.
//
// The working folder is the current directory at start. Files the program ships with are
// looked up there first, then in the data folder this executable was built from
// (KEYSTONE_DATA_DIR).
//
// A second copy started in a working folder where one runs tells the operator so and ends.
//
// KEYSTONE_TRACE_FORMS=<file>: when set, the name of each window shown and the kind and
// title of each message or input box are appended to <file>, one a line. It changes
// nothing else; the process tests use it to see how far the start-up came.
#include <clocale>
#include <memory>
#include <optional>

#include <QApplication>

#include "platform/io/clock.h"
#include "platform/io/environment.h"
#include "platform/io/settings_store.h"
#include "platform/qt/runtime.h"
#include "platform/qt/view.h"
#include "startup/one_copy.h"
#include "startup/windows/frmSplash.h"
#include "startup/windows/supplied_files.h"

int main(int argc, char** argv) {
  QApplication qt_app(argc, argv);
  // Qt takes the operator's locale for the C library too; numbers in the program's files are
  // written and read with a decimal point whatever it is. (The score panel reads the
  // operator's separators from the environment on its own.)
  std::setlocale(LC_NUMERIC, "C");
  QApplication::setApplicationName("Keystone");
  QApplication::setStyle("Fusion");

  auto environment = std::make_unique<ks::io::SystemEnvironment>();
  auto settings = std::make_unique<ks::io::IniSettingsStore>(ks::io::IniSettingsStore::DefaultFolder(*environment));
  const std::string trace = environment->GetOrEmpty("KEYSTONE_TRACE_FORMS");
  ks::qt::QtRuntime runtime(std::make_unique<ks::io::SystemClock>(), std::move(environment), std::move(settings));
  runtime.view().SetTraceFile(trace);
  ks::forms::Application& app = runtime.app();
  app.State<ks::SuppliedFiles>().Folder = KEYSTONE_DATA_DIR;
  // Before any window opens or any file is read: one copy to a working folder, for the run.
  const std::optional<ks::io::FolderLock> working_folder = ks::ClaimWorkingFolder(app);
  if (!working_folder) return 1;
  return runtime.Run([&app] { app.Get<ks::frmSplash>(); });
}
