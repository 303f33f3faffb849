// The main window when the service lets it down: gone in the middle of a session,
// silent, answering with an error or nonsense, out of reach behind a proxy that is
// down; and a settings file it cannot write. It never freezes or crashes, says what
// failed, and keeps what the member had.
#include <sys/mount.h>
#include <unistd.h>

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <functional>
#include <sstream>

#include "MainWindowFixture.h"
#include "controls/CodePageText.h"
#include "controls/THoverImage.h"
#include "controls/THoverLabel.h"
#include "controls/TImage.h"
#include "core/IniFile.h"
#include "core/dFunc.h"

namespace velomira::test {
namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

bool ShowsNoPrograms(const TfrmMain* window) {
  return window->ListEmpty && !window->welcome2->isHidden() && !window->TimerMain->isActive();
}

// Turns on a proxy nobody listens at; the file goes again with the object.
class ProxyDown {
 public:
  ProxyDown() {
    CannedService closed;
    closed.Stop();
    IniFile ini(Path());
    ini.WriteString("proxy", "proxy_setting", "1");
    ini.WriteInteger("proxy", "protocol", 3);  // HTTP
    ini.WriteString("proxy", "proxy_address", "127.0.0.1");
    ini.WriteString("proxy", "Proxy_port", closed.Root().substr(closed.Root().rfind(':') + 1));
  }
  ~ProxyDown() { std::remove(Path().c_str()); }

 private:
  static std::string Path() { return State().ProgramDir + "proxy.ini"; }
};

// A list the service cannot give is told, and the list shown before goes on as it
// was: its items, its title and highlight, still moving. The next choice works.
TEST_F(MainWindowTest, AListThatCannotBeHadIsToldAndTheListShownStays) {
  struct Case {
    const char* What;
    int Category;
    std::function<void(CannedService&, const std::string& path)> Break;
    bool CutOff = false;  // the reply starts, then the connection closes
  };
  std::unique_ptr<ProxyDown> proxy;
  CannedService cutting;
  const Case cases[] = {
      {"HTTP 500", 4, [](CannedService& service, const std::string& path) { service.FailWith(path, 500); }},
      {"not found", 6, [](CannedService& service, const std::string& path) { service.FailWith(path, 404); }},
      {"error code", 7,
       [](CannedService& service, const std::string& path) {
         service.Reply(path, Framed(SampleProgram("LOST"), "303"));
       }},
      {"proxy down", 8, [&proxy](CannedService&, const std::string&) { proxy = std::make_unique<ProxyDown>(); }},
      {"connection closed", 9,
       [&cutting](CannedService&, const std::string& path) { cutting.Trickle(path); },
       true},
  };
  State().NewCheckSteps = 0;
  ServeCategory(5, Framed(SampleProgram("FIVE")));
  ServeCategory(2, Framed(SampleProgram("TWO")));
  const QString fiveTitle = ToQString(CategoryTable[4].DisplayName);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    const std::string path = "/list/" + std::to_string(c.Category);
    if (c.CutOff) {
      WriteLookupFile(State().DataDir + CategoryTable[static_cast<std::size_t>(c.Category - 1)].Word + "Url.Dat",
                      {cutting.Root().substr(7) + path});
    } else {
      ServeCategory(c.Category, Framed(SampleProgram("LOST")));
    }
    TfrmMain* window = Create();
    Choose(window, 5);
    c.Break(service_, path);
    {
      ModalAnswerer answerer;
      window->imgNewsClick(c.Category);
      if (c.CutOff) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return cutting.Count(path) == 1; }, 3000));
        cutting.Stop();
      }
      FinishRequests();
      EXPECT_EQ(answerer.Alerts(), QStringList{"Please try again later."});
    }
    ASSERT_EQ(window->Items.Count(), 1);
    EXPECT_EQ(window->Items.Get(0).Text.substr(0, 4), "FIVE");
    EXPECT_NE(window->RowLabel('T', 0), nullptr);
    EXPECT_FALSE(window->ListEmpty);
    EXPECT_TRUE(window->welcome2->isHidden());
    EXPECT_TRUE(window->TimerMain->isActive());
    EXPECT_TRUE(window->TimerTicker->isActive());
    EXPECT_EQ(static_cast<QLabel*>(window->lblTitle)->text(), fiveTitle);
    EXPECT_TRUE(window->CategoryPictures[4]->Clicked());
    EXPECT_FALSE(window->CategoryPictures[static_cast<std::size_t>(c.Category - 1)]->Clicked());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    proxy.reset();
    Choose(window, 2);
    ASSERT_EQ(window->Items.Count(), 1);
    EXPECT_EQ(window->Items.Get(0).Text.substr(0, 3), "TWO");
    EXPECT_TRUE(window->TimerMain->isActive());
    delete window;
  }
}

// A list paused by the member stays paused when the list chosen next cannot be had.
TEST_F(MainWindowTest, AFailedChoiceLeavesAPausedListPaused) {
  ServeCategory(5, Framed(SampleProgram("FIVE")));
  service_.FailWith("/list/4", 500);
  WriteLookupFile(State().DataDir + CategoryTable[3].Word + "Url.Dat", {service_.Root().substr(7) + "/list/4"});
  TfrmMain* window = Create();
  Choose(window, 5);
  window->TransparentButton3Click(2);
  ModalAnswerer answerer;
  Choose(window, 4);
  EXPECT_EQ(answerer.Alerts().size(), 1);
  EXPECT_FALSE(window->TimerMain->isActive());
  EXPECT_TRUE(window->TimerTicker->isActive());
}

// Without a status number there is nothing to judge: a reply too short for its
// header is a list without programs.
TEST_F(MainWindowTest, AReplyShorterThanItsHeaderShowsNoPrograms) {
  ServeCategory(7, "Service Unavailable");
  TfrmMain* window = Create();
  ModalAnswerer answerer;
  Choose(window, 7);
  EXPECT_TRUE(ShowsNoPrograms(window));
  EXPECT_TRUE(answerer.Alerts().isEmpty());
}

TEST_F(MainWindowTest, LongNonsenseBecomesRowsWithoutACrash) {
  std::string nonsense;
  for (int i = 0; i < 300; ++i) nonsense += static_cast<char>((i * 37) % 256);
  ServeCategory(4, nonsense);
  TfrmMain* window = Create();
  Choose(window, 4);
  for (int step = 0; step < 5; ++step) Tick(window);
  for (int tick = 0; tick < 300; ++tick) window->TimerMainTimer();
  EXPECT_FALSE(window->ListEmpty);
}

TEST_F(MainWindowTest, AServiceGoneInTheMiddleOfASessionLosesNothingTheMemberHad) {
  ServeCategory(4, Framed(SampleProgram("P1")));
  TfrmMain* window = Create();
  Choose(window, 4);
  const PresetList presets{{"P7", "20261211[09:32pm-10:00pm] Fri.11", "Show", "www.show.test", ""}};
  State().PresetTable.Set(presets);
  service_.Stop();

  {
    // The next pass finds nobody: said once, while the rows it had go on scrolling
    // and the ticker keeps asking.
    ModalAnswerer answerer;
    Tick(window);
    Tick(window);
    EXPECT_EQ(answerer.Alerts(), QStringList{"Please try again later."});
  }
  EXPECT_EQ(window->Items.Count(), 1);
  EXPECT_NE(window->RowLabel('T', 0), nullptr);
  EXPECT_FALSE(window->ListEmpty);
  EXPECT_TRUE(window->TimerMain->isActive());
  EXPECT_TRUE(window->TimerTicker->isActive());
  window->TimerTimeTimer();
  FinishRequests();
  EXPECT_EQ(State().PresetTable.Get()->size(), 1u);
  EXPECT_EQ(State().PresetTable.Get()->front().ProgramId, "P7");
  window->mainpopPopup();
  FinishRequests();
  EXPECT_EQ(window->MenuItem("MyChannels2")->menu(), nullptr);
  EXPECT_TRUE(window->TimerTime->isActive());
}

TEST_F(MainWindowTest, ASilentServiceShowsTheHourglassUntilTheRequestGivesUp) {
  const ShortRequestTimeouts timeouts;
  ServeCategory(4, Framed(SampleProgram("P1")));
  service_.Hold("/list/4");
  TfrmMain* window = Create();
  window->show();
  ModalAnswerer answerer;
  window->imgNewsClick(4);
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  // The window answers meanwhile: its clock and menus work.
  window->TimerTimeTimer();
  EXPECT_TRUE(QTest::qWaitFor([&] { return answerer.Alerts().size() == 1; }, 10000));
  EXPECT_EQ(answerer.Alerts().front(), "Please try again later.");
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(window->Items.Count(), 0);
  service_.Release("/list/4");
  FinishRequests();
}

// The exit stores the window's place in velomira.Ini; a file it may not write keeps
// what it holds, and the settings of the other files are stored all the same.
TEST_F(MainWindowTest, AReadOnlySettingsFileKeepsItsSettingsAndTheExitGoesOn) {
  const std::string ini = State().MainIniPath;
  IniFile(ini).WriteInteger("LEFT", "left", 7);
  const std::string before = ReadFile(ini);
  bool mounted = false;
  if (::geteuid() != 0) {
    ASSERT_EQ(::chmod(ini.c_str(), 0444), 0);
  } else {
    // Root writes through any file mode; a read-only bind mount stops it.
    if (::mount(ini.c_str(), ini.c_str(), nullptr, MS_BIND, nullptr) != 0) {
      GTEST_SKIP() << "cannot make the settings file read-only here: " << std::strerror(errno);
    }
    mounted = true;
    if (::mount(nullptr, ini.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0) {
      ::umount2(ini.c_str(), MNT_DETACH);
      GTEST_SKIP() << "cannot make the settings file read-only here: " << std::strerror(errno);
    }
  }
  {
    TfrmMain* window = Create();
    window->show();
    window->move(120, 80);
    window->MenuItem("Slow1")->trigger();
    window->close();
    Settle();
    EXPECT_EQ(ReadFile(ini), before);
    EXPECT_EQ(IniFile(State().ProgramDir + "user.ini").ReadInteger("ticker_type", "ticker_type", -1), 2);
  }
  if (mounted) ::umount2(ini.c_str(), MNT_DETACH);
}

}  // namespace
}  // namespace velomira::test
