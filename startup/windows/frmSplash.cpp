#include "startup/windows/frmSplash.h"

#include "platform/forms/form_resize.h"
#include "platform/io/files.h"
#include "startup/shared_prefs.h"
#include "startup/user_folders.h"
#include "startup/windows/frmCorvaneLogo.h"
#include "startup/windows/supplied_files.h"
#include "station/station_settings.h"
#include "station/windows/frmStationID.h"

namespace ks {

frmSplash::frmSplash(forms::Application& app) : forms::Form(app, "frmSplash") {
  SetCaption("Keystone");
  Move(0, 0, 6000, 4200);
  Image1.Move(360, 240, 4740, 1275);
  Image1.SetPicture(SuppliedFile(app, "logo2.jpg").string());
  lblVersion1.Move(360, 1800, 4740, 300);
  lblVersion1.TextAlign = forms::Alignment::Center;
  lblVersion1.SetCaption("2.3");
  cmdContinue.Move(2040, 2640, 1455, 495);
  cmdContinue.SetCaption("Continue");
  cmdContinue.Default = true;
  cmdContinue.Click = [this] { cmdContinue_Click(); };
}

void frmSplash::Form_Load() {
  forms::Application& app = App();
  Folders& folders = app.State<Folders>();
  folders.WorkingDir = app.StartDirectory();

  // The start-up waits here until the logo window has unloaded itself.
  app.Get<frmCorvaneLogo>().ShowModal();
  forms::ResizeForm(*this);

  const std::filesystem::path company = GetUserDataFolder(app, kCompanyFolder, kDataSubFolder);
  GetUserDataFolder(app, kCompanyFolder, kSharedSubFolder);
  folders.SharedFolder = io::ResolveNoCase(company, kSharedSubFolder);
  folders.DataFolder = io::ResolveNoCase(company, kDataSubFolder);
  LoadSharedPrefs(app, io::ResolveNoCase(folders.SharedFolder, kSharedPrefsFileName));
  // Made silently: when it cannot be made now, the log backup makes it later.
  CreateFolder(app, folders.DataFolder / "BACKUP", 0);

  cmdContinue_Click();
}

void frmSplash::cmdContinue_Click() {
  App().State<RunState>().ProgramVersion = lblVersion1.Caption();
  Hide();
  App().Get<frmStationID>().Show();
  Unload();
}

}  // namespace ks
