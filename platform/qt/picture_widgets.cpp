// Images, picture boxes with their recorded drawing, and lines.
#include <algorithm>
#include <cmath>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

#include "platform/forms/controls.h"
#include "platform/qt/appearance.h"
#include "platform/qt/control_widgets.h"
#include "platform/qt/cp1252.h"

namespace ks::qt {
namespace {

using forms::ControlKind;
using forms::Property;

QPixmap LoadPicture(const std::string& path) {
  if (path.empty()) return {};
  return QPixmap(QFile::decodeName(path.c_str()));
}

// An image control: the picture at its own size, or stretched over the control.
class ImageWidget final : public QWidget {
 public:
  explicit ImageWidget(QWidget* parent) : QWidget(parent) { setFocusPolicy(Qt::NoFocus); }
  void SetPicture(const std::string& path) {
    picture_ = LoadPicture(path);
    update();
  }
  bool stretch = false;

 protected:
  void paintEvent(QPaintEvent*) override {
    if (picture_.isNull()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (stretch) {
      painter.drawPixmap(rect(), picture_);
    } else {
      painter.drawPixmap(0, 0, picture_);
    }
  }

 private:
  QPixmap picture_;
};

// A picture box: its picture, then its recorded drawing, kept as one image.
class PictureBoxWidget final : public QWidget {
 public:
  PictureBoxWidget(forms::PictureBox& box, QWidget* parent) : QWidget(parent), box_(box) {}
  void Invalidate() {
    valid_ = false;
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    if (!valid_ || canvas_.size() != size()) Render();
    QPainter painter(this);
    painter.drawImage(0, 0, canvas_);
  }

 private:
  void Render() {
    canvas_ = QImage(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    canvas_.fill(QColorOf(box_.BackColor(), palette()));
    // The model keeps the surface (its BMP picture and every drawing but text).
    CopySurface();
    QPainter painter(&canvas_);
    painter.setFont(font());
    for (const forms::DrawOp& op : box_.Drawing()) {
      if (op.kind != forms::DrawOp::Kind::Text) continue;
      painter.setPen(QColorOf(op.color, palette()));
      const QPointF at(op.x1 / kTwipsPerPixel, op.y1 / kTwipsPerPixel);
      painter.drawText(QPointF(at.x(), at.y() + painter.fontMetrics().ascent()), FromCp1252(op.text));
    }
    valid_ = true;
  }

  void CopySurface() {
    const forms::Raster& surface = box_.Surface();
    const int w = std::min(surface.Width(), canvas_.width());
    const int h = std::min(surface.Height(), canvas_.height());
    forms::Color last = 0;
    QRgb last_rgb = QColorOf(last, palette()).rgb();
    for (int y = 0; y < h; ++y) {
      auto* line = reinterpret_cast<QRgb*>(canvas_.scanLine(y));
      for (int x = 0; x < w; ++x) {
        const forms::Color c = *surface.Pixel(x, y);
        if (c != last) {
          last = c;
          last_rgb = QColorOf(c, palette()).rgb();
        }
        line[x] = last_rgb;
      }
    }
  }

  forms::PictureBox& box_;
  QImage canvas_;
  bool valid_ = false;
};

// A line: a transparent widget over the line's bounding box.
class LineWidget final : public QWidget {
 public:
  LineWidget(forms::Line& line, QWidget* parent) : QWidget(parent), line_(line) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
  }
  void Place() {
    const int x1 = Px(line_.X1()), y1 = Px(line_.Y1()), x2 = Px(line_.X2()), y2 = Px(line_.Y2());
    const int pad = std::max(1, line_.BorderWidth);
    setGeometry(QRect(QPoint(std::min(x1, x2) - pad, std::min(y1, y2) - pad),
                      QPoint(std::max(x1, x2) + pad, std::max(y1, y2) + pad)));
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setPen(QPen(QColorOf(line_.BorderColor, palette()), std::max(1, line_.BorderWidth)));
    const QPoint origin = pos();
    painter.drawLine(QPoint(Px(line_.X1()), Px(line_.Y1())) - origin, QPoint(Px(line_.X2()), Px(line_.Y2())) - origin);
  }

 private:
  forms::Line& line_;
};

}  // namespace

QWidget* CreatePictureWidget(forms::Control& control, QWidget* parent, OperatorInput&) {
  switch (control.Kind()) {
    case ControlKind::Image: return new ImageWidget(parent);
    case ControlKind::PictureBox: return new PictureBoxWidget(static_cast<forms::PictureBox&>(control), parent);
    case ControlKind::Line: return new LineWidget(static_cast<forms::Line&>(control), parent);
    default: return nullptr;
  }
}

bool SyncPictureWidget(forms::Control& control, QWidget& widget, forms::Property what) {
  switch (control.Kind()) {
    case ControlKind::Image: {
      auto& image = static_cast<ImageWidget&>(widget);
      image.stretch = static_cast<forms::Image&>(control).Stretch;
      if (what == Property::Picture) image.SetPicture(static_cast<forms::Image&>(control).Picture());
      image.update();
      return true;
    }
    case ControlKind::PictureBox: {
      static_cast<PictureBoxWidget&>(widget).Invalidate();
      return true;
    }
    case ControlKind::Line:
      static_cast<LineWidget&>(widget).Place();
      return true;
    default: return false;
  }
}

}  // namespace ks::qt
