#include "tests/qt_fit/fit_bench.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <gtest/gtest.h>

#include "logstore/county_table.h"
#include "startup/user_folders.h"
#include "station/station_settings.h"
#include "tests/support/files.h"

namespace ks::testing {

namespace fs = std::filesystem;

FitBench::FitBench(int width_px, int height_px) : headless_(forms::Screen::FromPixels(width_px, height_px)) {
  for (const auto& entry : fs::directory_iterator(SuppliedData()))
    if (entry.is_regular_file()) fs::copy_file(entry.path(), work_.path() / entry.path().filename());
  Folders& folders = app().State<Folders>();
  folders.WorkingDir = work_.path();
  folders.DataFolder = work_.path() / "data";
  folders.SharedFolder = work_.path() / "shared";
  fs::create_directories(folders.DataFolder / "BACKUP");
  fs::create_directories(folders.SharedFolder);
  headless_.clock().SetUtc({2026, 10, 10, 16, 0, 0});
  headless_.clock().SetLocalOffsetMinutes(-240);

  StationSettings& s = app().State<StationSettings>();
  ReadPrefFile(app());
  s.OwnCall = "WA3WWW";
  s.OwnCounty = "Northumberland";
  s.PartyState = "PA";
  s.OutOfState = 0;
  s.Rover = 1;
  s.UTCOffset = 4;
  s.FormSizePercent = 100;
  s.RigName = "None";
  LoadCountyTable(app());

  qt_loop_.Attach(app());
  view_ = std::make_unique<qt::QtView>(app(), qt_loop_);
  app().SetView(view_.get());
}

qt::QtServices& FitBench::Desktop() {
  if (desktop_ == nullptr) desktop_ = std::make_unique<qt::QtServices>(qt_loop_);
  return *desktop_;
}

void FitBench::UseDesktopClipboard() { headless_.dialogs().UseClipboardOf(&Desktop()); }

void FitBench::UseDesktopDialogs() {
  Desktop().OnDialog = [this](const std::string& what) {
    dialogs_shown_.push_back(what);
    QMetaObject::invokeMethod(qApp, [this, what] { WhileDialogUp(what); }, Qt::QueuedConnection);
  };
  headless_.dialogs().ShowDialogsBy(&Desktop());
}

void FitBench::OnNextDialog(std::function<void(QWidget& dialog)> operator_actions) {
  dialog_actions_.push_back(std::move(operator_actions));
}

// Runs inside the dialog's own loop.
void FitBench::WhileDialogUp(const std::string& what) {
  const QPointer<QWidget> dialog = QApplication::activeModalWidget();
  if (dialog.isNull()) {
    ADD_FAILURE() << what << " is not up in its loop";
    return;
  }
  auto up = [&] { return !dialog.isNull() && dialog->isVisible(); };
  if (!dialog_actions_.empty()) {
    auto actions = std::move(dialog_actions_.front());
    dialog_actions_.pop_front();
    actions(*dialog);
  }
  // A key that answers the dialog ends its loop: what was posted after it runs once the
  // dialog's caller has gone on, as on the program's own loop.
  while (up()) {
    QApplication::processEvents();
    if (!up() || !headless_.loop().RunOnePosted()) break;
  }
  if (!up()) return;
  ADD_FAILURE() << what << " was left up: no key answered it";
  if (auto* d = qobject_cast<QDialog*>(dialog.data())) d->reject();
}

FitBench::~FitBench() {
  app().SetView(nullptr);
  view_.reset();
  headless_.dialogs().UseClipboardOf(nullptr);
}

}  // namespace ks::testing
