#pragma once
// The platform's dialogs as the windows show them. A message, input, file or colour dialog
// is a modal display of its own, as a window shown modally is: the keys that wait in a
// window's key queue (typed behind the key that opened it, during a hold) come in while it
// is up and are its keys, as they are when typed once it is up, and the events that run
// under it are their own. Every dialog takes this one road, whichever window asks for it.
#include <functional>
#include <optional>
#include <string>

#include "platform/forms/services.h"

namespace ks::forms {

class ModalDialogs final : public Services {
 public:
  // `as_modal` runs the display it is given, named by what it shows, as the program's modal
  // display.
  using AsModal = std::function<void(const std::string& what, const std::function<void()>& show)>;
  ModalDialogs(Services& shown, AsModal as_modal)
      : shown_(shown), as_modal_(std::move(as_modal)) {}

  int MessageBox(const MessageBoxRequest& request) override;
  std::optional<std::string> InputBox(const InputBoxRequest& request) override;
  FileDialogResult FileDialog(const FileDialogRequest& request) override;
  ColorDialogResult ColorDialog(const ColorDialogRequest& request) override;
  void SetClipboardText(const std::string& text) override { shown_.SetClipboardText(text); }
  std::string ClipboardText() override { return shown_.ClipboardText(); }
  void Beep() override { shown_.Beep(); }

 private:
  template <typename Answer>
  Answer Modal(const std::string& what, const std::function<Answer()>& show);

  Services& shown_;
  AsModal as_modal_;
};

}  // namespace ks::forms
