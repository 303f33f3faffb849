#include <gtest/gtest.h>

#include "controls/TMyImage.h"
#include "core/qt/WindowChrome.h"

namespace velomira {
namespace {

QColor TintOf(QColor old, int colorIndex) {
  QImage pixel(1, 1, QImage::Format_RGB32);
  pixel.fill(old);
  return TintImage(pixel, colorIndex).pixelColor(0, 0);
}

TEST(Tint, MixesSeventyPercentDarkBlueWithIntegerDivision) {
  struct Case {
    QColor old;
    QColor expected;
  };
  const Case cases[] = {
      {QColor(255, 255, 255), QColor(85, 85, 138)},
      {QColor(0, 0, 0), QColor(9, 9, 62)},
      {QColor(100, 200, 3), QColor(39, 69, 63)},
  };
  for (const Case& c : cases) EXPECT_EQ(TintOf(c.old, 1), c.expected) << c.old.name().toStdString();
}

TEST(Tint, OtherIndicesLeaveThePictureAlone) {
  EXPECT_EQ(TintOf(QColor(10, 20, 30), 0), QColor(10, 20, 30));
}

TEST(Tint, WithoutAScreenTintsAFlatDarkFill) {
  // The offscreen platform cannot copy the screen.
  TMyImage target;
  TintScreenArea(1, 30, 20, &target, 5, 7);
  ASSERT_EQ(target.Picture().size(), QSize(30, 20));
  EXPECT_EQ(target.Picture().toImage().pixelColor(29, 19), QColor(9, 9, 62));
}

}  // namespace
}  // namespace velomira
