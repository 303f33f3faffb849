#include <gtest/gtest.h>

#include <QEvent>
#include <QSignalSpy>
#include <QTest>

#include "Mouse.h"
#include "TestSkin.h"
#include "controls/TFlatRadioButton.h"
#include "controls/THoverImage.h"
#include "controls/TMyCheck.h"
#include "controls/TPicturePanel.h"
#include "controls/TTransparentButton.h"
#include "controls/Tag.h"
#include "controls/Tmygroup.h"
#include "core/dFunc.h"
#include "core/qt/WindowChrome.h"

namespace velomira {
namespace {

TEST(PicturePanel, StretchesPictureUnlessRedrawIsOff) {
  TPicturePanel panel;
  panel.resize(40, 30);
  QPixmap picture(2, 2);
  picture.fill(Qt::red);
  panel.SetPicture(picture);
  EXPECT_EQ(panel.grab().toImage().pixelColor(39, 29), QColor(Qt::red));

  panel.SetRedraw(false);
  QPixmap blank(40, 30);
  blank.fill(Qt::white);
  panel.render(&blank);
  EXPECT_EQ(blank.toImage().pixelColor(39, 29), QColor(Qt::white));
}

TEST(PicturePanel, OnMessageSeesEventsAndMouseDownReportsTheButton) {
  TPicturePanel panel;
  panel.resize(40, 30);
  int messages = 0;
  panel.OnMessage = [&messages](QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) ++messages;
  };
  QSignalSpy down(&panel, &TPicturePanel::OnMouseDown);
  QTest::mousePress(&panel, Qt::RightButton, {}, QPoint(5, 5));
  EXPECT_EQ(messages, 1);
  ASSERT_EQ(down.count(), 1);
  EXPECT_EQ(down.at(0).at(0).value<Qt::MouseButton>(), Qt::RightButton);
}

TEST(TransparentButton, ClickAndHoverEvents) {
  TTransparentButton area;
  area.resize(9, 9);
  QSignalSpy clicked(&area, &TTransparentButton::OnClick);
  QSignalSpy entered(&area, &TTransparentButton::OnMouseEnter);
  QSignalSpy left(&area, &TTransparentButton::OnMouseExit);
  test::Enter(&area);
  test::Click(&area);
  test::Leave(&area);
  EXPECT_EQ(clicked.count(), 1);
  EXPECT_EQ(entered.count(), 1);
  EXPECT_EQ(left.count(), 1);
  EXPECT_EQ(area.cursor().shape(), Qt::PointingHandCursor);
}

TEST(MyCheck, ReportsEnterAndExitAndStillChecks) {
  TMyCheck check;
  check.resize(60, 16);
  QSignalSpy entered(&check, &TMyCheck::OnMouseEnter);
  QSignalSpy left(&check, &TMyCheck::OnMouseExit);
  test::Enter(&check);
  test::Leave(&check);
  check.click();
  EXPECT_EQ(entered.count(), 1);
  EXPECT_EQ(left.count(), 1);
  EXPECT_TRUE(check.isChecked());
}

TEST(Captions, AmpersandsShowLiterallyWithoutShortcuts) {
  TFlatRadioButton radio;
  radio.SetCaption("SOCKS & HTTP");
  EXPECT_TRUE(radio.shortcut().isEmpty());
  EXPECT_TRUE(radio.Transparent());
  Tmygroup group;
  group.SetCaption("Proxy & type");
  EXPECT_EQ(group.title(), "Proxy && type");
}

TEST(Tag, TellsSharedHandlersApart) {
  QObject object;
  EXPECT_EQ(Tag(&object), 0);
  SetTag(&object, 7);
  EXPECT_EQ(Tag(&object), 7);
}

TEST(LoadButtonPictures, LoadsFourPicturesAndSkipsMissingOnes) {
  test::TestSkin skin;
  test::TestSkin::Draw(State().ButtonDir, "ok.gif", QSize(60, 18), Qt::white);
  test::TestSkin::Draw(State().ButtonDir, "OK_ovr.GIF", QSize(60, 18), Qt::yellow);
  THoverImage image;
  LoadButtonPictures(&image, "ok.gif", "ok_ovr.gif", "ok_down.gif");
  EXPECT_EQ(image.Picture().size(), QSize(60, 18));
  EXPECT_EQ(image.PictureExit().toImage().pixelColor(0, 0), QColor(Qt::white));
  // Found although the file's case differs.
  EXPECT_EQ(image.PictureEnter().toImage().pixelColor(0, 0), QColor(Qt::yellow));
  EXPECT_TRUE(image.PictureDown().isNull());
}

TEST(ControlNameAt, EmptyWhereNoControlIs) {
  EXPECT_EQ(ControlNameAt(-5000, -5000), "");
}

}  // namespace
}  // namespace velomira
