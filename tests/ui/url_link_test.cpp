#include "ui/url_link.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>

#include "support/qt_helpers.h"

namespace {

class URLLinkTest : public ::testing::Test {
 protected:
  URLLinkTest() : link_(nullptr, &shell_, &ui_) {}
  testing_support::RecordingShell shell_;
  testing_support::FakeUi ui_;
  ui::URLLink link_;
};

TEST_F(URLLinkTest, LabelFollowsTextAddressAndToolTipFlag) {
  EXPECT_EQ(link_.Label()->objectName(), "lblURL");
  link_.SetURL("https://a.example/");
  EXPECT_EQ(link_.Label()->toolTip(), "");
  link_.SetShowToolTip(true);
  EXPECT_EQ(link_.Label()->toolTip(), "https://a.example/");
  link_.SetURL("https://b.example/");
  EXPECT_EQ(link_.Label()->toolTip(), "https://b.example/");
  link_.SetText("List");
  const int narrow = link_.Label()->width();
  link_.SetText("List of SMTP Servers");
  EXPECT_GT(link_.Label()->width(), narrow);
  EXPECT_EQ(link_.Label()->pos(), QPoint(0, 0));
}

TEST_F(URLLinkTest, LeftPressOpensTheAddressTheContainerChoseUnlessItCancels) {
  link_.lblURL_MouseDown(Qt::RightButton);
  EXPECT_TRUE(shell_.opened.empty());
  link_.SetURL("https://a.example/");
  auto chosen =
      QObject::connect(&link_, &ui::URLLink::GoToURL, [](QString& url, bool&) { url += "faq"; });
  link_.lblURL_MouseDown(Qt::LeftButton | Qt::RightButton);
  EXPECT_EQ(shell_.opened, (std::vector<std::string>{"https://a.example/faq"}));
  EXPECT_EQ(ui_.pointers, (std::vector<int>{0, 11, 0}));
  EXPECT_EQ(link_.URL(), "https://a.example/");  // the stored address is not changed

  QObject::disconnect(chosen);
  QObject::connect(&link_, &ui::URLLink::GoToURL, [](QString&, bool& cancel) { cancel = true; });
  link_.lblURL_MouseDown(Qt::LeftButton);
  EXPECT_EQ(shell_.opened.size(), 1u);
  EXPECT_EQ(ui_.pointers.size(), 3u);  // the pointer is not touched on Cancel
}

TEST_F(URLLinkTest, AFailedOpenIsReportedAndThePointerReset) {
  shell_.succeed = false;
  link_.SetURL("nowhere");
  link_.lblURL_MouseDown(Qt::LeftButton);
  ASSERT_EQ(ui_.boxes.size(), 1u);
  EXPECT_EQ(ui_.boxes[0].text, "Unable to load 'nowhere' : File not found (Error 53)");
  EXPECT_EQ(ui_.boxes[0].style, 0);
  EXPECT_EQ(ui_.boxes[0].title, "Hollymoor");
  EXPECT_EQ(ui_.MousePointer(), 0);
}

TEST_F(URLLinkTest, PropertiesPersistOnlyWhatDiffersAndReadCaseInsensitively) {
  ui::PropertyBag bag;
  link_.UserControl_WriteProperties(bag);
  EXPECT_FALSE(bag.Contains("Text") || bag.Contains("URL") || bag.Contains("ShowToolTip"));

  link_.SetText("List of SMTP Servers");
  link_.SetURL("https://smtp.example/");
  link_.UserControl_WriteProperties(bag);
  EXPECT_TRUE(bag.Contains("text"));
  EXPECT_FALSE(bag.Contains("showtooltip"));

  ui::URLLink other(nullptr, &shell_, &ui_);
  bag.WriteProperty("SHOWTOOLTIP", true, false);
  other.UserControl_ReadProperties(bag);
  EXPECT_EQ(other.Text(), "List of SMTP Servers");
  EXPECT_EQ(other.URL(), "https://smtp.example/");
  EXPECT_EQ(other.Label()->toolTip(), "https://smtp.example/");

  bag.WriteProperty("ShowToolTip", QStringList{"x"}, false);  // unreadable: new-instance defaults
  other.UserControl_ReadProperties(bag);
  EXPECT_EQ(other.Text(), ui::URLLink::kDefaultText);
  EXPECT_EQ(other.URL(), ui::URLLink::kDefaultURL);
  EXPECT_FALSE(other.ShowToolTip());
}

}  // namespace
