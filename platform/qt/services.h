#pragma once
// The dialogs and desktop services with Qt: QMessageBox, QInputDialog, QFileDialog,
// QColorDialog, the clipboard and the beep. Texts are Windows-1252 in the model; paths are
// the file system's own bytes.
#include <functional>
#include <string>

#include <QString>
#include <QStringList>

#include "platform/forms/services.h"

namespace ks::qt {

class QtEventLoop;

class QtServices final : public forms::Services {
 public:
  explicit QtServices(QtEventLoop& loop) : loop_(loop) {}
  int MessageBox(const forms::MessageBoxRequest& request) override;
  std::optional<std::string> InputBox(const forms::InputBoxRequest& request) override;
  forms::FileDialogResult FileDialog(const forms::FileDialogRequest& request) override;
  forms::ColorDialogResult ColorDialog(const forms::ColorDialogRequest& request) override;
  void SetClipboardText(const std::string& text) override;
  std::string ClipboardText() override;
  void Beep() override;

  // Told the title of every message and input box before it shows (the start-up trace).
  std::function<void(const std::string& what)> OnDialog;

 private:
  QtEventLoop& loop_;
};

// "Text (*.txt)|*.txt|All (*.*)|*.*" as Qt's name filters: "Text (*.txt)", "All (*.*)".
QStringList NameFiltersOf(const std::string& filter);

}  // namespace ks::qt
