// Tests that talk to the desktop's session bus; the test command provides one.
#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
  // Opening a page starts this harmless program instead of a browser.
  setenv("BROWSER", "true", 1);
  QApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
