// An installed copy tells the member of a newer version once, in the alert box.
#include "MainWindowFixture.h"
#include "core/dFunc.h"

namespace velomira::test {
namespace {

TEST_F(MainWindowTest, ANewerVersionIsToldOnceAndRecorded) {
  TfrmMain* window = Create();
  ModalAnswerer answerer;
  window->TimerTimeTimer();  // nothing announced
  State().UnannouncedVersion = 106;
  window->TimerTimeTimer();
  window->TimerTimeTimer();
  ASSERT_EQ(answerer.Alerts().size(), 1);
  EXPECT_TRUE(answerer.Alerts()[0].contains("version-1.06")) << answerer.Alerts()[0].toStdString();
  EXPECT_TRUE(answerer.Alerts()[0].contains("package source")) << answerer.Alerts()[0].toStdString();
  EXPECT_EQ(IniFile(State().MainIniPath).ReadInteger("UPDATE", "NOTIFIED", 0), 106);
}

}  // namespace
}  // namespace velomira::test
