#include "keying/entry_window_link.h"

#include "platform/forms/application.h"
#include "platform/forms/controls.h"
#include "startup/notices.h"
#include "station/station_settings.h"

namespace ks {

EntryWindowLink* ActiveEntryWindow(forms::Application& app) {
  const char* name = app.State<StationSettings>().OutOfState == 0 ? "Infrm" : "Outfrm";
  return dynamic_cast<EntryWindowLink*>(app.FindForm(name));
}

void ShowKeyingNotice(forms::Application& app, const char* source, const std::string& notice, const std::string& text,
                      forms::Label* keyer_notice) {
  if (keyer_notice != nullptr) {
    keyer_notice->SetCaption(text);
    keyer_notice->SetToolTipText(text);
  }
  app.State<Notices>().Set(source, notice, text);
}

void TakeBackKeyingNotice(forms::Application& app, const char* source, forms::Label* keyer_notice) {
  if (keyer_notice != nullptr) {
    keyer_notice->SetCaption("");
    keyer_notice->SetToolTipText("");
  }
  app.State<Notices>().Set(source, "");
}

std::string KeyingNotice(forms::Application& app, const char* source) { return app.State<Notices>().Of(source); }

void LogFromMessage(forms::Application& app) {
  EntryWindowLink* window = ActiveEntryWindow(app);
  if (window != nullptr && !window->CallBox().Text().empty()) window->Mains();
}

}  // namespace ks
