#include "ui/qt_resizer.h"

#include <QEvent>
#include <QLayout>
#include <QMainWindow>
#include <QVariant>
#include <QWidget>
#include <cmath>
#include <limits>

namespace ui {

namespace {

constexpr const char* kExactPlacement = "hmResizerPlacement";

// Qt geometry is whole pixels; the resizer computes in fractions. The exact values are kept
// beside the widget and used as long as nobody else has moved it since.
class WidgetControl : public roster::ResizableControl {
 public:
  explicit WidgetControl(QWidget* w) : w_(w) {}

  std::optional<std::string> Tag() const override {
    QVariant tag = w_ ? w_->property("Tag") : QVariant();
    if (!tag.isValid()) return std::nullopt;
    return tag.toString().toStdString();
  }

  std::optional<double> Get(roster::Placement p) const override {
    if (!w_) return std::nullopt;
    return Exact()[static_cast<int>(p)];
  }

  int Set(roster::Placement p, double value) override {
    if (!w_) return roster::kErrNoSuchProperty;
    if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<int>::max())
      return roster::kErrOverflow;
    if ((p == roster::Placement::kWidth || p == roster::Placement::kHeight) && value < 0)
      return roster::kErrInvalidPropertyValue;
    std::array<double, 4> exact = Exact();
    exact[static_cast<int>(p)] = value;
    const int v = static_cast<int>(std::lround(value));
    QRect g = w_->geometry();
    switch (p) {
      case roster::Placement::kLeft:
        g.moveLeft(v);
        break;
      case roster::Placement::kTop:
        g.moveTop(v);
        break;
      case roster::Placement::kWidth:
        g.setWidth(v);
        break;
      case roster::Placement::kHeight:
        g.setHeight(v);
        break;
    }
    w_->setGeometry(g);
    w_->setProperty(kExactPlacement,
                    QVariantList{exact[0], exact[1], exact[2], exact[3], w_->geometry()});
    return 0;
  }

 private:
  std::array<double, 4> Exact() const {
    const QRect g = w_->geometry();
    QVariantList kept = w_->property(kExactPlacement).toList();
    if (kept.size() == 5 && kept[4].toRect() == g)
      return {kept[0].toDouble(), kept[1].toDouble(), kept[2].toDouble(), kept[3].toDouble()};
    return {double(g.x()), double(g.y()), double(g.width()), double(g.height())};
  }

  QPointer<QWidget> w_;
};

}  // namespace

WidgetForm::WidgetForm(QWidget* window, QWidget* area) : window_(window), area_(area) {}
WidgetForm::~WidgetForm() = default;

double WidgetForm::ScaleWidth() const { return area_ ? area_->width() : 0; }
double WidgetForm::ScaleHeight() const { return area_ ? area_->height() : 0; }

int WidgetForm::WindowState() const {
  if (!window_) return roster::kWindowNormal;
  const Qt::WindowStates s = window_->windowState();
  if (s & Qt::WindowMinimized) return roster::kWindowMinimised;
  if (s & (Qt::WindowMaximized | Qt::WindowFullScreen)) return roster::kWindowMaximised;
  return roster::kWindowNormal;
}

std::vector<roster::ResizableControl*> WidgetForm::Controls() {
  controls_.clear();
  std::vector<roster::ResizableControl*> out;
  if (!window_) return out;
  for (QWidget* w : window_->findChildren<QWidget*>()) {
    if (w->isWindow()) continue;  // menus and dialogs are windows of their own
    controls_.push_back(std::make_unique<WidgetControl>(w));
    out.push_back(controls_.back().get());
  }
  return out;
}

ResizerHook::ResizerHook(QWidget* window, QWidget* area, roster::Ui& ui, int settle_ms)
    : QObject(window),
      form_(window, area),
      resizer_(ui, "Hollymoor"),
      window_(window),
      area_(area) {
  setObjectName("ControlResizer");
  settle_.setSingleShot(true);
  settle_.setInterval(settle_ms);
  connect(&settle_, &QTimer::timeout, this, &ResizerHook::Form_Resize);
  window->installEventFilter(this);
  if (area != window) area->installEventFilter(this);
}

void ResizerHook::Init() { resizer_.InitResizer(form_); }

void ResizerHook::Form_Resize() {
  settle_.stop();
  resizer_.FormResized(form_);
}

bool ResizerHook::eventFilter(QObject* watched, QEvent* event) {
  const bool resized = watched == area_ && event->type() == QEvent::Resize;
  const bool state = watched == window_ && event->type() == QEvent::WindowStateChange;
  if (resized || state) settle_.start();
  return false;
}

QWidget* EnsureResizeArea(QWidget* main_window) {
  auto* mw = qobject_cast<QMainWindow*>(main_window);
  if (!mw) return main_window;
  QWidget* central = mw->centralWidget();
  if (central && central->objectName() == "ResizeArea") return central;
  auto* area = new QWidget;
  area->setObjectName("ResizeArea");
  if (central) {
    QSize size = central->size();
    mw->takeCentralWidget();
    central->setParent(area);
    area->resize(size);
    central->setGeometry(0, 0, size.width(), size.height());
    central->show();
  }
  mw->setCentralWidget(area);
  if (mw->layout()) mw->layout()->activate();
  if (central) central->setGeometry(area->rect());
  return area;
}

}  // namespace ui
