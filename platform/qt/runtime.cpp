#include "platform/qt/runtime.h"

#include <filesystem>

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include "platform/io/clock.h"
#include "platform/io/environment.h"
#include "platform/io/settings_store.h"
#include "platform/qt/event_loop.h"
#include "platform/qt/services.h"
#include "platform/qt/view.h"

namespace ks::qt {

QtRuntime::QtRuntime(std::unique_ptr<io::Clock> clock, std::unique_ptr<io::Environment> environment,
                     std::unique_ptr<io::SettingsStore> settings) {
  auto loop = std::make_unique<QtEventLoop>();
  auto services = std::make_unique<QtServices>(*loop);
  loop_ = loop.get();
  services_ = services.get();
  forms::Platform platform{std::move(loop), std::move(services), std::move(clock), std::move(environment),
                           std::move(settings)};
  app_ = std::make_unique<forms::Application>(std::move(platform));
  loop_->Attach(*app_);
  view_ = std::make_unique<QtView>(*app_, *loop_);
  app_->SetView(view_.get());
  services_->OnDialog = [view = view_.get()](const std::string& what) { view->Trace(what); };
  app_->SetScreen(QtView::ScreenOf(QGuiApplication::primaryScreen()));
  std::error_code ec;
  app_->SetStartDirectory(std::filesystem::current_path(ec));
}

QtRuntime::~QtRuntime() {
  // The windows go first, without telling the view; then the view's widgets.
  app_.reset();
  view_.reset();
}

int QtRuntime::Run(const std::function<void()>& start) {
  QApplication::setQuitOnLastWindowClosed(false);
  QTimer::singleShot(0, loop_, [this, start] {
    loop_->RunFromQt([&] { loop_->Dispatch(start); });
    if (app_->Ended() || app_->LoadedForms().empty()) loop_->Quit();
  });
  return QApplication::exec();
}

}  // namespace ks::qt
