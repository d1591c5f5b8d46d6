#pragma once
// URLLink: a line of link text that opens a web address through the desktop shell when
// pressed with the left mouse button. The containing window may change the address or
// cancel through GoToURL. Its three properties persist in the container's property bag.

#include <QMap>
#include <QString>
#include <QVariant>
#include <QWidget>
#include <memory>

#include "core/shell_port.h"
#include "core/ui_port.h"

class QLabel;

namespace ui {

// A container's stored properties; keys are matched without regard to case. Writing a
// value equal to its default removes the key, so only differences are kept.
class PropertyBag {
 public:
  QVariant ReadProperty(const QString& key, const QVariant& default_value) const;
  void WriteProperty(const QString& key, const QVariant& value, const QVariant& default_value);
  bool Contains(const QString& key) const { return values_.contains(key.toLower()); }

 private:
  QMap<QString, QVariant> values_;
};

class URLLink : public QWidget {
  Q_OBJECT

 public:
  static const char* const kDefaultText;  // the maker's home page
  static const char* const kDefaultURL;   // the product's page

  // Without a shell the desktop's (QtShell) is used; without a Ui port, message boxes and
  // the pointer go through the Qt ones of this widget.
  explicit URLLink(QWidget* parent = nullptr, roster::Shell* shell = nullptr,
                   roster::Ui* ui = nullptr);
  ~URLLink() override;

  QString Text() const;
  void SetText(const QString& text);
  QString URL() const { return url_; }
  void SetURL(const QString& url);
  bool ShowToolTip() const { return show_tool_tip_; }
  void SetShowToolTip(bool show);

  void UserControl_InitProperties();
  void UserControl_ReadProperties(const PropertyBag& bag);
  void UserControl_WriteProperties(PropertyBag& bag) const;

  // A press on the label, as the mouse delivers it; public so tests can press.
  void lblURL_MouseDown(Qt::MouseButtons buttons);

  QLabel* Label() const { return lbl_url_; }
  QSize sizeHint() const override;

 signals:
  // Before the address is opened: change url, or set cancel to stop. Direct connections only.
  void GoToURL(QString& url, bool& cancel);
  // A property changed and the container should store it again.
  void PropertyChanged(const QString& name);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void UpdateToolTip();

  QLabel* lbl_url_;
  QString url_;
  bool show_tool_tip_ = false;
  std::unique_ptr<roster::Shell> own_shell_;
  std::unique_ptr<roster::Ui> own_ui_;
  roster::Shell* shell_;
  roster::Ui* ui_;
};

}  // namespace ui
