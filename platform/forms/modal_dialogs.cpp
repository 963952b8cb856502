#include "platform/forms/modal_dialogs.h"

namespace ks::forms {

template <typename Answer>
Answer ModalDialogs::Modal(const std::function<Answer()>& show) {
  std::optional<Answer> answer;
  as_modal_([&] { answer = show(); });
  return *std::move(answer);
}

int ModalDialogs::MessageBox(const MessageBoxRequest& request) {
  return Modal<int>([&] { return shown_.MessageBox(request); });
}

std::optional<std::string> ModalDialogs::InputBox(const InputBoxRequest& request) {
  return Modal<std::optional<std::string>>([&] { return shown_.InputBox(request); });
}

FileDialogResult ModalDialogs::FileDialog(const FileDialogRequest& request) {
  return Modal<FileDialogResult>([&] { return shown_.FileDialog(request); });
}

ColorDialogResult ModalDialogs::ColorDialog(const ColorDialogRequest& request) {
  return Modal<ColorDialogResult>([&] { return shown_.ColorDialog(request); });
}

}  // namespace ks::forms
