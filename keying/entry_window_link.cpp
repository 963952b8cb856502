#include "keying/entry_window_link.h"

#include "platform/forms/application.h"
#include "platform/forms/controls.h"
#include "station/station_settings.h"

namespace ks {

EntryWindowLink* ActiveEntryWindow(forms::Application& app) {
  const char* name = app.State<StationSettings>().OutOfState == 0 ? "Infrm" : "Outfrm";
  return dynamic_cast<EntryWindowLink*>(app.FindForm(name));
}

void ShowKeyingNotice(forms::Application& app, const std::string& text) {
  if (EntryWindowLink* window = ActiveEntryWindow(app)) window->DialogLabel().SetCaption(text);
}

void ShowKeyingNotice(forms::Application& app, const std::string& text, forms::Label& keyer_notice) {
  keyer_notice.SetCaption(text);
  keyer_notice.SetToolTipText(text);
  ShowKeyingNotice(app, text);
}

void LogFromMessage(forms::Application& app) {
  EntryWindowLink* window = ActiveEntryWindow(app);
  if (window != nullptr && !window->CallBox().Text().empty()) window->Mains();
}

}  // namespace ks
