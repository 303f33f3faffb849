#include <gtest/gtest.h>

#include "X11Only.h"
#include "core/qt/WindowChrome.h"

namespace velomira {
namespace {

TEST(ScreenCopy, CapturesOnX11) {
  VELOMIRA_REQUIRE_X11();
  EXPECT_EQ(CaptureScreenArea(0, 0, 20, 10).size(), QSize(20, 10));
}

}  // namespace
}  // namespace velomira
