#include "startup/notices.h"

#include <algorithm>

#include "platform/forms/application.h"
#include "platform/forms/services.h"

namespace ks {

void Notices::Set(const std::string& source, const std::string& text, const std::string& reason) {
  auto it = std::find_if(notices_.begin(), notices_.end(), [&](const Notice& n) { return n.source == source; });
  if (it != notices_.end()) {
    if (it->text == text && it->reason == reason) return;
    notices_.erase(it);
  } else if (text.empty()) {
    return;
  }
  if (!text.empty()) notices_.push_back({source, text, reason});
  if (Changed) Changed();
}

std::string Notices::Of(const std::string& source) const {
  for (const Notice& n : notices_)
    if (n.source == source) return n.text;
  return {};
}

std::string Notices::Newest() const { return notices_.empty() ? std::string() : notices_.back().text; }
std::string Notices::NewestReason() const { return notices_.empty() ? std::string() : notices_.back().reason; }

void TellFailure(forms::Application& app, const forms::MessageBoxRequest& box, const std::string& source,
                 const std::string& notice) {
  if (app.InTimerEvent()) {
    app.State<Notices>().Set(source, notice);
    return;
  }
  app.MsgBox(box.text, box.buttons, box.title);
}

}  // namespace ks
