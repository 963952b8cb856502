#include "mainwin/message_notices.h"

#include "mainwin/main_window.h"
#include "platform/forms/application.h"
#include "startup/notices.h"

namespace ks {
namespace {

constexpr std::string_view kGap = "  ";

std::string_view TrimmedEnd(std::string_view text) {
  const size_t last = text.find_last_not_of(' ');
  return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}

}  // namespace

std::string WithNotice(std::string_view caption, std::string_view notice) {
  if (notice.empty() || caption.find(notice) != std::string_view::npos) return std::string(caption);
  const std::string_view message = TrimmedEnd(caption);
  if (message.empty()) return std::string(notice);
  return std::string(message) + std::string(kGap) + std::string(notice);
}

std::string WithoutNotice(std::string_view caption, std::string_view notice) {
  const size_t at = notice.empty() ? std::string_view::npos : caption.find(notice);
  if (at == std::string_view::npos) return std::string(caption);
  const std::string rest =
      std::string(TrimmedEnd(caption.substr(0, at))) + std::string(caption.substr(at + notice.size()));
  return TrimmedEnd(rest).empty() ? std::string() : rest;
}

// Every main window that is loaded shows the notices as they change.
void MainWindow::WireNotices() {
  lblDialog.Change = [this] { lblDialog_Change(); };
  App().State<Notices>().Changed = [&app = App()] {
    for (const char* name : {"Outfrm", "Infrm"}) {
      if (auto* window = dynamic_cast<MainWindow*>(app.FindForm(name))) window->ShowNotices();
    }
  };
}

void MainWindow::ShowNotices() {
  const std::string message = WithoutNotice(lblDialog.Caption(), shown_notices_);
  shown_notices_ = App().State<Notices>().Newest();
  lblDialog.SetCaption(WithNotice(message, shown_notices_));
  lblDialog.SetToolTipText(App().State<Notices>().NewestReason());
}

// Whatever the entry line writes into the label, the notices stay after it.
void MainWindow::lblDialog_Change() {
  if (!shown_notices_.empty()) lblDialog.SetCaption(WithNotice(lblDialog.Caption(), shown_notices_));
}

}  // namespace ks
