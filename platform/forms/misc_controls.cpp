// Menus, timers, pictures, lines and the common dialogs.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>

#include "platform/forms/application.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/io/files.h"

namespace ks::forms {

Menu::Menu(Form& form, std::string name, Menu* parent, std::string caption, int index)
    : Control(form, ControlKind::Menu, std::move(name), nullptr, index), parent_(parent), caption_(std::move(caption)) {
  SetTabStop(false);
}

void Menu::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Notify(Property::Caption);
}

void Menu::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  Notify(Property::Checked);
}

void Menu::SetShortcut(const std::string& s) {
  shortcut_ = s;
  Notify(Property::Shortcut);
}

char AccessKeyOf(const std::string& caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] == '&') {
      if (caption[i + 1] == '&') {
        ++i;
        continue;
      }
      return static_cast<char>(std::toupper(static_cast<unsigned char>(caption[i + 1])));
    }
  }
  return 0;
}

bool Menu::ChooseBy() {
  for (const Menu* m = this; m != nullptr; m = m->parent_)
    if (!m->Visible() || !m->Enabled()) return false;
  ParentForm().App().Dispatch([&] { Raise(Click); });
  return true;
}

Timer::Timer(Form& form, std::string name, int interval_ms, bool enabled, int index)
    : Control(form, ControlKind::Timer, std::move(name), nullptr, index), interval_(interval_ms) {
  SetTabStop(false);
  Control::SetEnabled(enabled);
  Restart();
}

Timer::~Timer() { Stop(); }

void Timer::SetInterval(int ms) {
  interval_ = ms < 0 ? 0 : ms;
  Restart();
}

void Timer::SetEnabled(bool enabled) {
  Control::SetEnabled(enabled);
  Restart();
}

void Timer::Restart() {
  Stop();
  if (!Enabled() || interval_ <= 0 || !ParentForm().IsLoaded()) return;
  Application& app = ParentForm().App();
  timer_id_ = app.Loop().StartTimer(interval_, [this, &app] {
    app.DispatchTimerTick([this] {
      if (Tick) Tick();
    });
  });
}

void Timer::Stop() {
  if (timer_id_ != 0) ParentForm().App().Loop().StopTimer(timer_id_);
  timer_id_ = 0;
}

Image::Image(Form& form, std::string name, Control* container, int index)
    : Control(form, ControlKind::Image, std::move(name), container, index) {
  SetTabStop(false);
}

void Image::SetPicture(const std::string& path) {
  picture_ = path;
  Notify(Property::Picture);
}

PictureBox::PictureBox(Form& form, std::string name, Control* container, int index)
    : Control(form, ControlKind::PictureBox, std::move(name), container, index) {}

void PictureBox::SetPicture(const std::string& path) {
  // The pictures are screen-sized: a 4096 by 4096 picture of 32-bit pixels fits.
  constexpr std::size_t kMaxPictureBytes = std::size_t{64} << 20;
  picture_ = path;
  picture_pixels_.reset();
  std::string bytes;
  if (!path.empty() && io::ReadFile(path, bytes, kMaxPictureBytes)) picture_pixels_ = DecodeBmp(bytes);
  surface_stale_ = true;
  Notify(Property::Picture);
}

void PictureBox::Cls() {
  drawing_.clear();
  surface_stale_ = true;
  Notify(Property::Drawing);
}

void PictureBox::Record(DrawOp op) {
  op.width = DrawWidth;
  drawing_.push_back(std::move(op));
  Notify(Property::Drawing);
}

namespace {

// The surface has one pixel per 15 twips, as the view draws a 96 dpi screen.
constexpr float kTwipsPerPixel = 15.0f;

// Twips to a whole pixel, kept within a range where the pixel arithmetic cannot overflow.
int PixelOf(float twips) {
  const float px = std::floor(twips / kTwipsPerPixel);
  return static_cast<int>(std::clamp(px, -1.0e6f, 1.0e6f));
}

}  // namespace

void PictureBox::Apply(const DrawOp& op) const {
  const int x1 = PixelOf(op.x1), y1 = PixelOf(op.y1), x2 = PixelOf(op.x2), y2 = PixelOf(op.y2);
  switch (op.kind) {
    case DrawOp::Kind::Line: surface_.DrawLine(x1, y1, x2, y2, op.color); break;
    case DrawOp::Kind::Box: surface_.DrawRect(x1, y1, x2, y2, op.color, false); break;
    case DrawOp::Kind::FilledBox: surface_.DrawRect(x1, y1, x2, y2, op.color, true); break;
    case DrawOp::Kind::Point: surface_.SetPixel(x1, y1, op.color); break;
    case DrawOp::Kind::Fill: surface_.FloodFill(x1, y1, op.color); break;
    case DrawOp::Kind::Text: break;  // the view draws text over the surface
  }
}

const Raster& PictureBox::Surface() const {
  const int w = std::max(0, PixelOf(Width())), h = std::max(0, PixelOf(Height()));
  if (surface_stale_ || surface_.Width() != w || surface_.Height() != h || surface_back_ != BackColor()) {
    surface_ = Raster(w, h, BackColor());
    if (picture_pixels_) surface_.Paste(*picture_pixels_);
    surface_back_ = BackColor();
    surface_stale_ = false;
    applied_ = 0;
  }
  for (; applied_ < drawing_.size(); ++applied_) Apply(drawing_[applied_]);
  return surface_;
}

std::optional<Color> PictureBox::Point(float x, float y) const { return Surface().Pixel(PixelOf(x), PixelOf(y)); }

void PictureBox::DrawLine(float x1, float y1, float x2, float y2, Color color) {
  Record({DrawOp::Kind::Line, x1, y1, x2, y2, color, {}, 1});
}

void PictureBox::DrawBox(float x1, float y1, float x2, float y2, Color color, bool filled) {
  Record({filled ? DrawOp::Kind::FilledBox : DrawOp::Kind::Box, x1, y1, x2, y2, color, {}, 1});
}

void PictureBox::DrawText(float x, float y, const std::string& text, Color color) {
  Record({DrawOp::Kind::Text, x, y, x, y, color, text, 1});
}

void PictureBox::SetPoint(float x, float y, Color color) { Record({DrawOp::Kind::Point, x, y, x, y, color, {}, 1}); }

void PictureBox::FloodFill(float x, float y, Color color) { Record({DrawOp::Kind::Fill, x, y, x, y, color, {}, 1}); }

Line::Line(Form& form, std::string name, float x1, float y1, float x2, float y2, Control* container, int index)
    : Control(form, ControlKind::Line, std::move(name), container, index), x1_(x1), y1_(y1), x2_(x2), y2_(y2) {
  SetTabStop(false);
}

void Line::SetEnds(float x1, float y1, float x2, float y2) {
  x1_ = x1;
  y1_ = y1;
  x2_ = x2;
  y2_ = y2;
  Notify(Property::Geometry);
}

CommonDialog::CommonDialog(Form& form, std::string name)
    : Control(form, ControlKind::CommonDialog, std::move(name), nullptr, -1) {
  SetTabStop(false);
  SetVisible(false);
}

std::string CommonDialog::FileTitle() const { return std::filesystem::path(FileName).filename().string(); }

namespace {
FileDialogRequest RequestOf(const CommonDialog& d, bool save) {
  FileDialogRequest r;
  r.save = save;
  r.title = d.DialogTitle;
  r.init_dir = d.InitDir;
  r.file_name = d.FileName;
  r.filter = d.Filter;
  r.filter_index = d.FilterIndex;
  r.default_ext = d.DefaultExt;
  r.flags = d.Flags;
  return r;
}
}  // namespace

bool CommonDialog::ShowOpen() {
  const FileDialogResult result = ParentForm().App().Dialogs().FileDialog(RequestOf(*this, false));
  if (!result.accepted) return false;
  FileName = result.file_name;
  FilterIndex = result.filter_index;
  return true;
}

bool CommonDialog::ShowSave() {
  const FileDialogResult result = ParentForm().App().Dialogs().FileDialog(RequestOf(*this, true));
  if (!result.accepted) return false;
  FileName = result.file_name;
  FilterIndex = result.filter_index;
  return true;
}

bool CommonDialog::ShowColor() {
  ColorDialogRequest request;
  request.flags = Flags;
  request.initial = (Flags & kColorInit) ? ColorValue : colors::kBlack;
  const ColorDialogResult result = ParentForm().App().Dialogs().ColorDialog(request);
  if (!result.accepted) return false;
  ColorValue = result.color;
  return true;
}

}  // namespace ks::forms
