#include "keying/keyer_services.h"

#include "keying/windows/BlindFrm.h"
#include "keying/windows/CWFrm.h"
#include "keying/windows/PhoneFrm.h"
#include "keying/windows/frmWinKey.h"
#include "platform/forms/application.h"

namespace ks {
namespace {

// The keyer windows' own operations.
class WindowKeyerServices final : public KeyerServices {
 public:
  explicit WindowKeyerServices(forms::Application& app) : app_(app) {}
  void FKeyCW(int& KeyCode) override { app_.Get<CWFrm>().FKeyCW(KeyCode); }
  void FKeyPhone(int& KeyCode) override { app_.Get<PhoneFrm>().FKeyPhone(KeyCode); }
  void LoopThroughCWBuffer() override { app_.Get<CWFrm>().LoopThroughCWBuffer(); }
  // Questions about a player or the keyer load no window: one not loaded plays nothing.
  bool VoicePlaying() override {
    PhoneFrm* phone = app_.IfLoaded<PhoneFrm>();
    return phone != nullptr && phone->Playing();
  }
  void StopVoice() override {
    if (PhoneFrm* phone = app_.IfLoaded<PhoneFrm>()) phone->StopPlaying();
  }
  int wk_getstatus() override {
    frmWinKey* winkey = app_.IfLoaded<frmWinKey>();
    return winkey != nullptr ? winkey->wk_getstatus() : 0;
  }
  void wk_clearbuf() override {
    if (frmWinKey* winkey = app_.IfLoaded<frmWinKey>()) winkey->wk_clearbuf();
  }
  void wk_backspace() override {
    if (frmWinKey* winkey = app_.IfLoaded<frmWinKey>()) winkey->wk_backspace();
  }
  // The first prompt loads the window, which announces the level first.
  void BlindKeyPhone(const std::string& name) override { app_.Get<BlindFrm>().BlindKeyPhone(name); }
  bool PromptPlaying() override {
    BlindFrm* blind = app_.IfLoaded<BlindFrm>();
    return blind != nullptr && blind->Playing();
  }
  int PromptLengthMs() override { return PromptPlaying() ? app_.IfLoaded<BlindFrm>()->PromptLengthMs() : 0; }

 private:
  forms::Application& app_;
};

// app.State<KeyerServicesSlot>()
struct KeyerServicesSlot {
  std::unique_ptr<KeyerServices> services;
};

}  // namespace

KeyerServices& Keyers(forms::Application& app) {
  auto& slot = app.State<KeyerServicesSlot>();
  if (!slot.services) slot.services = std::make_unique<WindowKeyerServices>(app);
  return *slot.services;
}

void UseKeyerServices(forms::Application& app, std::unique_ptr<KeyerServices> services) {
  app.State<KeyerServicesSlot>().services = std::move(services);
}

}  // namespace ks
