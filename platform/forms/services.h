#pragma once
// The dialogs and desktop services the windows use: message and input boxes, file and colour
// dialogs, the clipboard and the beep. The headless implementation takes scripted answers
// and records what was asked; the Qt view shows the real dialogs.
#include <optional>
#include <string>

#include "platform/forms/types.h"

namespace ks::forms {

struct MessageBoxRequest {
  std::string text;
  int buttons = 0;  // vbOKOnly ... plus an icon flag
  std::string title;
};

struct InputBoxRequest {
  std::string prompt;
  std::string title;
  std::string default_text;
};

struct FileDialogRequest {
  bool save = false;
  std::string title;
  std::string init_dir;
  std::string file_name;
  std::string filter;
  int filter_index = 1;
  std::string default_ext;
  int flags = 0;
};

struct FileDialogResult {
  bool accepted = false;
  std::string file_name;  // the full path
  int filter_index = 1;
};

struct ColorDialogRequest {
  Color initial = colors::kBlack;
  int flags = 0;
};

struct ColorDialogResult {
  bool accepted = false;
  Color color = colors::kBlack;
};

class Services {
 public:
  virtual ~Services() = default;
  // Returns the answer (vbOK, vbYes, vbNo ...).
  virtual int MessageBox(const MessageBoxRequest& request) = 0;
  // Nothing when the operator cancels.
  virtual std::optional<std::string> InputBox(const InputBoxRequest& request) = 0;
  virtual FileDialogResult FileDialog(const FileDialogRequest& request) = 0;
  virtual ColorDialogResult ColorDialog(const ColorDialogRequest& request) = 0;
  virtual void SetClipboardText(const std::string& text) = 0;
  virtual std::string ClipboardText() = 0;
  virtual void Beep() = 0;
};

}  // namespace ks::forms
