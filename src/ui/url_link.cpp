#include "ui/url_link.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

#include "ui/qt_shell.h"
#include "ui/qt_ui.h"

namespace ui {

const char* const URLLink::kDefaultText = "https://hollymoor.example.org/";
const char* const URLLink::kDefaultURL = "https://hollymoor.example.org/secret-santa/";

QVariant PropertyBag::ReadProperty(const QString& key, const QVariant& default_value) const {
  return values_.value(key.toLower(), default_value);
}

void PropertyBag::WriteProperty(const QString& key, const QVariant& value,
                                const QVariant& default_value) {
  if (value == default_value)
    values_.remove(key.toLower());
  else
    values_.insert(key.toLower(), value);
}

URLLink::URLLink(QWidget* parent, roster::Shell* shell, roster::Ui* ui)
    : QWidget(parent), lbl_url_(new QLabel(this)) {
  setObjectName("URLLink");
  lbl_url_->setObjectName("lblURL");
  lbl_url_->setTextFormat(Qt::PlainText);
  lbl_url_->setCursor(Qt::PointingHandCursor);
  QPalette p = lbl_url_->palette();
  p.setColor(QPalette::WindowText, Qt::blue);
  lbl_url_->setPalette(p);
  QFont f = lbl_url_->font();
  f.setUnderline(true);
  lbl_url_->setFont(f);
  lbl_url_->installEventFilter(this);
  if (!shell) {
    own_shell_ = std::make_unique<QtShell>();
    shell = own_shell_.get();
  }
  if (!ui) {
    own_ui_ = std::make_unique<QtUi>(this);
    ui = own_ui_.get();
  }
  shell_ = shell;
  ui_ = ui;
  UserControl_InitProperties();
}

URLLink::~URLLink() = default;

QString URLLink::Text() const { return lbl_url_->text(); }

void URLLink::SetText(const QString& text) {
  lbl_url_->setText(text);
  const QFontMetrics fm(lbl_url_->font());
  lbl_url_->setGeometry(0, 0, fm.horizontalAdvance(text), fm.height());
  updateGeometry();
  emit PropertyChanged("Text");
}

void URLLink::SetURL(const QString& url) {
  url_ = url;
  UpdateToolTip();
  emit PropertyChanged("URL");
}

void URLLink::SetShowToolTip(bool show) {
  show_tool_tip_ = show;
  UpdateToolTip();
  emit PropertyChanged("ShowToolTip");
}

void URLLink::UpdateToolTip() { lbl_url_->setToolTip(show_tool_tip_ ? url_ : QString()); }

QSize URLLink::sizeHint() const { return lbl_url_->geometry().size(); }

void URLLink::UserControl_InitProperties() {
  SetText(kDefaultText);
  url_ = kDefaultURL;
  SetShowToolTip(false);
}

void URLLink::UserControl_ReadProperties(const PropertyBag& bag) {
  // A value that cannot be read gives the new-instance defaults and ends the reading.
  const QVariant text = bag.ReadProperty("Text", QString(kDefaultText));
  if (text.typeId() != QMetaType::QString) return UserControl_InitProperties();
  SetText(text.toString());
  const QVariant url = bag.ReadProperty("URL", QString(kDefaultURL));
  if (url.typeId() != QMetaType::QString) return UserControl_InitProperties();
  url_ = url.toString();
  const QVariant show = bag.ReadProperty("ShowToolTip", false);
  if (show.typeId() != QMetaType::Bool && show.typeId() != QMetaType::Int)
    return UserControl_InitProperties();
  SetShowToolTip(show.toBool());
}

void URLLink::UserControl_WriteProperties(PropertyBag& bag) const {
  bag.WriteProperty("Text", Text(), QString(kDefaultText));
  bag.WriteProperty("URL", url_, QString(kDefaultURL));
  bag.WriteProperty("ShowToolTip", show_tool_tip_, false);
}

void URLLink::lblURL_MouseDown(Qt::MouseButtons buttons) {
  if (buttons & Qt::LeftButton) {
    QString url = url_;
    bool cancel = false;
    emit GoToURL(url, cancel);
    if (cancel) return;
    ui_->SetMousePointer(roster::kPointerHourglass);
    const std::string target = url.toStdString();
    if (!shell_->Open(target)) {
      const roster::Shell::Error e = shell_->LastError();
      ui_->MsgBox(tr("Unable to load '%1' : %2 (Error %3)")
                      .arg(url, QString::fromStdString(e.description))
                      .arg(e.number)
                      .toStdString(),
                  roster::mb::kOkOnly, roster::kApplicationTitle);
    }
  }
  ui_->SetMousePointer(roster::kPointerDefault);
}

bool URLLink::eventFilter(QObject* watched, QEvent* event) {
  if (watched == lbl_url_ && event->type() == QEvent::MouseButtonPress) {
    lblURL_MouseDown(static_cast<QMouseEvent*>(event)->buttons());
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace ui
