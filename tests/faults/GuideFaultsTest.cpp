// A guide window whose service lets it down after it opened: gone, silent, answering
// with an error or nonsense, or out of reach behind a proxy that is down. The window
// waits with the hourglass, says "Please try again later." and stays usable.
#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <functional>
#include <memory>

#include "GuideFixture.h"
#include "ListProbe.h"
#include "controls/Mouse.h"
#include "controls/THoverImage.h"
#include "controls/TPicturePanel.h"
#include "core/IniFile.h"
#include "core/dFunc.h"
#include "guide/TfrmDaily.h"
#include "support/ShortRequestTimeouts.h"

namespace velomira::test {
namespace {

const char* const kList = "/servlet/servlet.GetProgramList";

// Turns on an HTTP proxy nobody listens at.
void PointProxyAtAClosedPort() {
  CannedService closed;
  closed.Stop();
  IniFile ini(State().ProgramDir + "proxy.ini");
  ini.WriteString("proxy", "proxy_setting", "1");
  ini.WriteInteger("proxy", "protocol", 3);
  ini.WriteString("proxy", "proxy_address", "127.0.0.1");
  ini.WriteString("proxy", "Proxy_port", closed.Root().substr(closed.Root().rfind(':') + 1));
}

TEST_F(GuideTest, ADayTheServiceCannotGiveAlertsAndTheWindowStaysUsable) {
  struct Case {
    const char* What;
    std::function<void(CannedService&)> Break;
    bool Silent;
  };
  const Case cases[] = {
      {"gone", [](CannedService& service) { service.Stop(); }, false},
      {"silent", [](CannedService& service) { service.Hold(kList); }, true},
      {"HTTP 500", [](CannedService& service) { service.FailWith(kList, 500); }, false},
      {"nonsense", [](CannedService& service) { service.Reply(kList, "<html>\x01\x02\xff busy</html>"); }, false},
      {"proxy down", [](CannedService&) { PointProxyAtAClosedPort(); }, false},
  };
  const ShortRequestTimeouts timeouts;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    // A service of its own for each case; the window finds it through velomira.Ini.
    CannedService service;
    service.PointIniAt(State().MainIniPath);
    service.Reply(kList, Reply({ProgramRecord("P1", "Morning Show")}));
    auto* window = new TfrmDaily(host_);
    window->Open();
    WaitIdle(window);
    window->CmbCate->setCurrentIndex(1);
    WaitIdle(window);

    BoxAnswerer boxes;
    c.Break(service);
    Click(window->DayButtons[5]);
    if (c.Silent) {
      ASSERT_NE(QApplication::overrideCursor(), nullptr);
      EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
      EXPECT_FALSE(window->Panel->isEnabled());
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return !boxes.Messages().empty(); }, 10000));
    EXPECT_EQ(boxes.Messages(), std::vector<std::string>{"Please try again later."});
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(window->Panel->isEnabled());

    // Usable: with the service back, the next day shows its programs.
    std::remove((State().ProgramDir + "proxy.ini").c_str());
    CannedService back;
    back.PointIniAt(State().MainIniPath);
    back.Reply(kList, Reply({ProgramRecord("P2", "Evening Show")}));
    Click(window->DayButtons[4]);
    WaitIdle(window);
    EXPECT_EQ(back.Count(kList), 1);
    EXPECT_EQ(boxes.Messages().size(), 1u);
    service.Release(kList);
    delete window;
  }
}

}  // namespace
}  // namespace velomira::test
