#include "platform/forms/modal_dialogs.h"

namespace ks::forms {

template <typename Answer>
Answer ModalDialogs::Modal(const std::string& what, const std::function<Answer()>& show) {
  std::optional<Answer> answer;
  as_modal_(what, [&] { answer = show(); });
  return *std::move(answer);
}

int ModalDialogs::MessageBox(const MessageBoxRequest& request) {
  return Modal<int>("message box \"" + request.title + "\": " + request.text,
                    [&] { return shown_.MessageBox(request); });
}

std::optional<std::string> ModalDialogs::InputBox(const InputBoxRequest& request) {
  return Modal<std::optional<std::string>>("input box \"" + request.title + "\": " + request.prompt,
                                           [&] { return shown_.InputBox(request); });
}

FileDialogResult ModalDialogs::FileDialog(const FileDialogRequest& request) {
  return Modal<FileDialogResult>("file dialog \"" + request.title + "\"", [&] { return shown_.FileDialog(request); });
}

ColorDialogResult ModalDialogs::ColorDialog(const ColorDialogRequest& request) {
  return Modal<ColorDialogResult>("colour dialog", [&] { return shown_.ColorDialog(request); });
}

}  // namespace ks::forms
