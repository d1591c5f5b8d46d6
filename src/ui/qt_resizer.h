#pragma once
// The control resizer on Qt widgets: a widget's "Tag" dynamic property carries its code, and a
// layout-less area stands for the window's inner size, so the resizer alone places what it
// holds.

#include <QObject>
#include <QPointer>
#include <QTimer>

#include "layout/control_resizer.h"

class QWidget;

namespace ui {

// One window as the resizer sees it: inner size = `area`, state and controls = `window`'s.
class WidgetForm : public roster::ResizableForm {
 public:
  WidgetForm(QWidget* window, QWidget* area);
  ~WidgetForm() override;
  double ScaleWidth() const override;
  double ScaleHeight() const override;
  int WindowState() const override;
  std::vector<roster::ResizableControl*> Controls() override;

 private:
  QPointer<QWidget> window_;
  QPointer<QWidget> area_;
  std::vector<std::unique_ptr<roster::ResizableControl>> controls_;
};

// Watches a window's resizes and state changes and hands each burst of them to the resizer
// as one pass, so a drag is measured as a whole rather than pixel by pixel.
class ResizerHook : public QObject {
  Q_OBJECT

 public:
  ResizerHook(QWidget* window, QWidget* area, roster::Ui& ui, int settle_ms = 40);
  roster::ControlResizer& resizer() { return resizer_; }
  // InitResizer on the window as it is now.
  void Init();
  // One FormResized pass now (Form_Resize).
  void Form_Resize();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  WidgetForm form_;
  roster::ControlResizer resizer_;
  QPointer<QWidget> window_;
  QPointer<QWidget> area_;
  QTimer settle_;
};

// Puts a window's central widget into a container without a layout, filling it, and returns
// the container (the window's inner area from then on). Idempotent.
QWidget* EnsureResizeArea(QWidget* main_window);

}  // namespace ui
