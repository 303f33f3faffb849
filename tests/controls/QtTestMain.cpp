// Widget tests need one QApplication for the whole run. The offscreen suite draws
// offscreen unless told otherwise; the X11 suite uses the display it is given and,
// without one, falls back to offscreen so its tests can skip themselves.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
#ifdef VELOMIRA_X11_SUITE
  const bool wantsOffscreen = qEnvironmentVariableIsEmpty("DISPLAY");
#else
  const bool wantsOffscreen = true;
#endif
  if (wantsOffscreen && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
