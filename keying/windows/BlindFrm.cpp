#include "keying/windows/BlindFrm.h"

#include <utility>

#include "keying/keying_devices.h"
#include "platform/forms/application.h"
#include "platform/forms/form_resize.h"
#include "platform/io/clock.h"
#include "platform/io/sound.h"
#include "platform/io/wav.h"
#include "startup/user_folders.h"
#include "station/station_settings.h"

namespace ks {

BlindFrm::BlindFrm(forms::Application& app) : forms::Form(app, "BlindFrm") {
  SetCaption("Voice Navigation Settings");
  LayOut();
  Command1.Click = [this] { Command1_Click(); };
  Option1.Click = [this] { Option1_Click(); };
  Option2.Click = [this] { Option2_Click(); };
  Option3.Click = [this] { Option3_Click(); };
}

BlindFrm::~BlindFrm() {
  if (player_) player_->Stop();
}

void BlindFrm::LayOut() {
  captions_.Add("Background:", 120, 120, 2000, 255).SetFontBold(true);
  captions_.Add("Operators with impaired sight asked for support.  With the prompt files in place, a recorded "
                "voice names each entry field as it receives the focus.",
                120, 420, 7200, 480, true);
  captions_.Add("To Enable Voice Navigation:", 120, 1020, 3000, 255).SetFontBold(true);
  captions_.Add("Choose one of the options below.  Select Off to turn the navigation function off, Call to "
                "indicate the Call field only and All Data Fields to provide verbal prompts through all the data "
                "fields.",
                120, 1320, 7200, 720, true);
  captions_.Add("The navigation WAV files must be in this program's working directory; they come with the "
                "program in its data folder.",
                120, 2100, 7200, 480, true);
  Label7.Move(120, 2640, 7200, 480);
  Label7.WordWrap = true;
  Frame1.Move(120, 3240, 4200, 1320);
  Frame1.SetCaption("Choose your preferred option:");
  forms::OptionButton* const options[] = {&Option1, &Option2, &Option3};
  const char* const captions[] = {"Off", "Call Only", "All Data Fields"};
  for (int i = 0; i < 3; ++i) {
    options[i]->Move(240, 300 + static_cast<float>(i) * 330, 3600, 270);
    options[i]->SetCaption(captions[i]);
  }
  captions_.Add("Additional suggestions and ideas for supporting visually impaired hams are welcome and appreciated.",
                120, 4680, 7200, 480, true);
  Command1.Move(6120, 5280, 1200, 390);
  Command1.SetCaption("Done");
  SetClientSize(7440, 5790);
}

void BlindFrm::Form_Load() {
  FitKeyerWindow(*this);
  forms::Application& app = App();
  Label7.SetCaption("Put the audio wave files in this program's working directory: " +
                    app.State<Folders>().WorkingDir.string());
  switch (app.State<StationSettings>().VoiceNavLevel) {
    case 0: Option1.SetValue(true); break;
    case 1: Option2.SetValue(true); break;
    case 2: Option3.SetValue(true); break;
    default: break;
  }
}

void BlindFrm::Form_Unload(int& /*Cancel*/) {
  if (player_) player_->Stop();
}

bool BlindFrm::Playing() { return player_ && player_->Playing(); }

void BlindFrm::BlindKeyPhone(const std::string& name) {
  forms::Application& app = App();
  if (!player_) player_ = Devices(app).NewSoundPlayer();
  player_->Stop();
  prompt_length_ms_ = 0;
  const std::filesystem::path file = WorkingFile(app, name + ".wav");
  std::string why;
  std::optional<io::WavSound> sound = io::LoadWavFile(file.string(), why);
  if (!sound) return;
  const int length_ms = static_cast<int>(sound->info.DurationMs()) + 1;
  if (!player_->Play(std::move(*sound), why)) return;
  prompt_length_ms_ = length_ms;
}

void BlindFrm::WaitForPrompt() {
  io::Clock& clock = App().Clock();
  const std::int64_t until = clock.TickMs() + prompt_length_ms_ + 500;
  while (Playing() && clock.TickMs() < until) clock.Sleep(10);
}

void BlindFrm::Option1_Click() {
  if (Option1.Value()) BlindKeyPhone("NavDis");
}

void BlindFrm::Option2_Click() {
  if (!Option2.Value()) return;
  BlindKeyPhone("NavEn");
  WaitForPrompt();
  BlindKeyPhone("Call");
}

void BlindFrm::Option3_Click() {
  if (Option3.Value()) BlindKeyPhone("NavEn");
}

void BlindFrm::Command1_Click() {
  forms::Application& app = App();
  StationSettings& settings = app.State<StationSettings>();
  settings.VoiceNavLevel = Option2.Value() ? 1 : Option3.Value() ? 2 : 0;
  Hide();
  WritePrefFile(app);
}

}  // namespace ks
