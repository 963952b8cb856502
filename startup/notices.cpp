#include "startup/notices.h"

#include <algorithm>

#include "platform/forms/application.h"
#include "platform/forms/services.h"

namespace ks {

void Notices::Set(const std::string& source, const std::string& text) {
  auto it = std::find_if(notices_.begin(), notices_.end(), [&](const auto& n) { return n.first == source; });
  if (it != notices_.end()) {
    if (it->second == text) return;
    notices_.erase(it);
  } else if (text.empty()) {
    return;
  }
  if (!text.empty()) notices_.emplace_back(source, text);
  if (Changed) Changed();
}

std::string Notices::Of(const std::string& source) const {
  for (const auto& [from, text] : notices_)
    if (from == source) return text;
  return {};
}

std::string Notices::Newest() const { return notices_.empty() ? std::string() : notices_.back().second; }

void TellFailure(forms::Application& app, const forms::MessageBoxRequest& box, const std::string& source,
                 const std::string& notice) {
  if (app.InTimerEvent()) {
    app.State<Notices>().Set(source, notice);
    return;
  }
  app.MsgBox(box.text, box.buttons, box.title);
}

}  // namespace ks
