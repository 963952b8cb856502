#include "keying/keyer_services.h"

#include "keying/windows/CWFrm.h"
#include "keying/windows/PhoneFrm.h"
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
  // No sound device and no keyer library are driven yet: nothing plays, no keyer is open.
  bool VoicePlaying() override { return false; }
  void StopVoice() override {}
  int wk_getstatus() override { return 0; }
  void wk_clearbuf() override {}
  void wk_backspace() override {}
  void BlindKeyPhone(const std::string&) override {}
  bool PromptPlaying() override { return false; }
  int PromptLengthMs() override { return 0; }

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
