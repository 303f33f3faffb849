#include <gtest/gtest.h>

#include <QRegion>

#include "core/qt/WindowChrome.h"

namespace velomira {
namespace {

// The left and right end of one row of a shape; (-1, -1) when the row is not in it.
std::pair<int, int> RowSpan(const QRegion& shape, int row) {
  const QRegion line = shape.intersected(QRect(-10, row, 10000, 1));
  if (line.isEmpty()) return {-1, -1};
  return {line.boundingRect().left(), line.boundingRect().right()};
}

TEST(SwapShape, TrapezoidInsetGrowsFivePixelsPerStep) {
  struct Case {
    int height, step, row;
    std::pair<int, int> span;
  };
  const Case cases[] = {
      {266, 1, 0, {5, 194}},      // top row inset 5 on each side of a 200-wide window
      {266, 1, 216, {0, 199}},    // bottom row of the shape at full width
      {266, 1, 217, {-1, -1}},    // below height - 50 nothing shows
      {266, 2, 0, {10, 189}},
      {266, 2, 108, {5, 194}},    // half way down, half the inset
      {216, 3, 0, {15, 184}},
      {66, 4, 16, {0, 199}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.height << "/" << c.step << "/" << c.row);
    EXPECT_EQ(RowSpan(SwapClosingShape(200, c.height, c.step), c.row), c.span);
  }
}

TEST(SwapShape, LastStepHidesTheWholeWindow) {
  // At 16 pixels no row is left; the shape must still hide the window, not clear it.
  const QRegion shape = SwapClosingShape(200, 16, 5);
  EXPECT_FALSE(shape.isEmpty());
  EXPECT_TRUE(shape.intersected(QRect(0, 0, 200, 16)).isEmpty());
}

}  // namespace
}  // namespace velomira
