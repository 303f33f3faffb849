#include <gtest/gtest.h>

#include <QSignalSpy>
#include <functional>
#include <vector>

#include "Mouse.h"
#include "controls/THoverImage.h"

namespace velomira {
namespace {

using test::Click;
using test::Enter;
using test::Leave;
using test::Press;

QPixmap Solid(QColor color) {
  QPixmap picture(4, 4);
  picture.fill(color);
  return picture;
}

// Which of the pictures the image shows, by the colour of its first pixel.
QColor Shown(const THoverImage& image) {
  if (image.Picture().isNull()) return QColor();
  return image.Picture().toImage().pixelColor(0, 0);
}

struct HoverImageCase {
  const char* name;
  bool hasEnterPicture;
  std::vector<std::function<void(THoverImage&)>> steps;
  QColor expected;
};

const QColor Normal(Qt::white), Hover(Qt::yellow), Down(Qt::blue);

TEST(HoverImage, StateRulesTable) {
  const auto enter = [](THoverImage& image) { Enter(&image); };
  const auto leave = [](THoverImage& image) { Leave(&image); };
  const auto press = [](THoverImage& image) { Press(&image); };
  const auto setClicked = [](THoverImage& image) { image.SetClicked(true); };
  const auto clearClicked = [](THoverImage& image) { image.SetClicked(false); };
  const auto newHover = [](THoverImage& image) { image.SetPictureEnter(Solid(Qt::green)); };
  const std::vector<HoverImageCase> cases = {
      {"enter shows hover", true, {enter}, Hover},
      {"enter without hover picture keeps picture", false, {enter}, Normal},
      {"leave restores normal", true, {enter, leave}, Normal},
      {"press shows down", true, {enter, press}, Down},
      {"clicked keeps down after leave", true, {enter, setClicked, leave}, Down},
      {"clearing clicked restores normal at once", true, {setClicked, clearClicked}, Normal},
      {"enter while clicked still shows hover", true, {setClicked, enter}, Hover},
      {"setting an extra picture leaves Picture alone", true, {newHover}, Normal},
  };
  for (const HoverImageCase& c : cases) {
    SCOPED_TRACE(c.name);
    THoverImage image;
    image.resize(10, 10);
    image.SetPicture(Solid(Normal));
    image.SetPictureExit(Solid(Normal));
    if (c.hasEnterPicture) image.SetPictureEnter(Solid(Hover));
    image.SetPictureDown(Solid(Down));
    for (const auto& step : c.steps) step(image);
    EXPECT_EQ(Shown(image), c.expected);
  }
}

TEST(HoverImage, RaisesEnterExitAndClickEvents) {
  THoverImage image;
  image.resize(10, 10);
  QSignalSpy entered(&image, &THoverImage::OnMouseEnter);
  QSignalSpy left(&image, &THoverImage::OnMouseExit);
  QSignalSpy clicked(&image, &THoverImage::OnClick);
  Enter(&image);  // no pictures at all: the events still fire
  Click(&image);
  Leave(&image);
  EXPECT_EQ(entered.count(), 1);
  EXPECT_EQ(clicked.count(), 1);
  EXPECT_EQ(left.count(), 1);
  EXPECT_EQ(image.cursor().shape(), Qt::PointingHandCursor);
}

TEST(HoverImage, ReleaseOutsideIsNoClick) {
  THoverImage image;
  image.resize(10, 10);
  QSignalSpy clicked(&image, &THoverImage::OnClick);
  QTest::mousePress(&image, Qt::LeftButton, {}, QPoint(1, 1));
  QTest::mouseRelease(&image, Qt::LeftButton, {}, QPoint(50, 50));
  EXPECT_EQ(clicked.count(), 0);
}

}  // namespace
}  // namespace velomira
