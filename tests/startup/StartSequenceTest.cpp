// The start sequence with stand-ins for the login gate and the main window.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <unistd.h>
#include <filesystem>

#include <gtest/gtest.h>

#include "StartSequence.h"
#include "TLoadForm.h"
#include "support/TempFolder.h"
#include "ZipBuilder.h"
#include "platform/SingleInstance.h"

using namespace velomira;
using velomira::test::TempFolder;

namespace {

class QtEnvironment : public testing::Environment {
 public:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "startup_sequence_tests";
    static char* argv[] = {name, nullptr};
    application_ = std::make_unique<QApplication>(argc, argv);
  }
  void TearDown() override { application_.reset(); }

 private:
  std::unique_ptr<QApplication> application_;
};
const auto* const environment = testing::AddGlobalTestEnvironment(new QtEnvironment);

QWidget* FindTopLevel(const char* name) {
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (widget->objectName() == name) return widget;
  return nullptr;
}

class StartSequenceTest : public testing::Test {
 protected:
  void SetUp() override {
    parts.ProgramDir = folder.Path();
    // A lock of the test's own, so a running client does not interfere.
    parts.LockName = "startup-test-" + std::to_string(::getpid());
    parts.RunLogin = [this] {
      ++logins;
      splashDuringLogin = FindTopLevel("LoadForm") != nullptr;
      return loginResult;
    };
    parts.CreateMainWindow = [this]() -> std::unique_ptr<QWidget> {
      ++mainWindows;
      auto window = std::make_unique<QWidget>();
      QTimer::singleShot(0, window.get(), [window = window.get()] { window->close(); });
      return window;
    };
  }

  void TearDown() override { std::remove(SingleInstanceLockPath(parts.LockName).c_str()); }

  int Run(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "VelomiraMain");
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    int argc = static_cast<int>(arguments.size());
    return RunStartup(argc, argv.data(), parts);
  }

  TempFolder folder;
  StartupParts parts;
  int loginResult = 1;
  int logins = 0, mainWindows = 0;
  bool splashDuringLogin = false;
};

TEST_F(StartSequenceTest, RunsOnlyWithTheExactStartArgument) {
  const std::vector<std::vector<std::string>> refused = {
      {}, {"/velomira"}, {"/VELOMIRA"}, {"Velomira"}, {"/Velomira "}, {"", "/Velomira"}};
  for (const auto& arguments : refused) {
    EXPECT_EQ(Run(arguments), 0);
    EXPECT_EQ(logins, 0) << (arguments.empty() ? "(none)" : arguments[0]);
  }
  Run({"/Velomira", "extra"});
  EXPECT_EQ(logins, 1);
  EXPECT_EQ(mainWindows, 1);
}

TEST_F(StartSequenceTest, SecondCopyEndsButStillUnpacksSkinPackages) {
  std::filesystem::create_directories(folder.Path() + "temp");
  ZipBuilder(folder.Path() + "temp/Form.zip").File("alertbox.gif", "gif").Close();
  SingleInstanceLock running;
  ASSERT_TRUE(running.TryAcquire(parts.LockName));
  Run({"/Velomira"});
  EXPECT_EQ(logins, 0);
  EXPECT_EQ(folder.Read("image/default/Form/alertbox.gif"), "gif");
  EXPECT_FALSE(folder.Exists("temp/Form.zip"));
}

TEST_F(StartSequenceTest, PackagesAreUnpackedIntoTheSkinAndDeletedBeforeLogin) {
  // The installed skin folders are spelled differently from the package names.
  std::filesystem::create_directories(folder.Path() + "Image/Default/Button");
  std::filesystem::create_directories(folder.Path() + "Temp");
  ZipBuilder(folder.Path() + "Temp/Form.zip").File("alertbox.gif", "form").Close();
  ZipBuilder(folder.Path() + "Temp/button.zip").File("News.gif", "button").Close();
  folder.Write("Temp/Basic.zip", "broken package");
  folder.Write("Temp/other.zip", "not a skin package");
  parts.RunLogin = [this] {
    EXPECT_FALSE(folder.Exists("Temp/Form.zip"));
    EXPECT_FALSE(folder.Exists("Temp/button.zip"));
    EXPECT_FALSE(folder.Exists("Temp/Basic.zip"));
    return 2;
  };
  Run({"/Velomira"});
  EXPECT_EQ(folder.Read("Image/Default/Form/alertbox.gif"), "form");
  EXPECT_EQ(folder.Read("Image/Default/Button/News.gif"), "button");
  EXPECT_FALSE(folder.Exists("image"));
  EXPECT_TRUE(folder.Exists("Temp/other.zip"));
}

TEST_F(StartSequenceTest, CancelledLoginEndsWithoutAnyWindow) {
  loginResult = 2;
  Run({"/Velomira"});
  EXPECT_EQ(logins, 1);
  EXPECT_FALSE(splashDuringLogin);
  EXPECT_EQ(mainWindows, 0);
  EXPECT_EQ(FindTopLevel("LoadForm"), nullptr);
  EXPECT_TRUE(SingleInstanceLock().TryAcquire(parts.LockName));  // released on the way out
}

TEST_F(StartSequenceTest, SplashCoversTheMainWindowCreation) {
  bool splashShown = false;
  QSize splashSize;
  bool onTop = false;
  parts.CreateMainWindow = [&]() -> std::unique_ptr<QWidget> {
    if (QWidget* splash = FindTopLevel("LoadForm")) {
      splashShown = splash->isVisible();
      splashSize = splash->size();
      onTop = splash->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    }
    auto window = std::make_unique<QWidget>();
    QTimer::singleShot(0, window.get(), [window = window.get()] {
      EXPECT_EQ(FindTopLevel("LoadForm"), nullptr);  // gone once the main window runs
      EXPECT_TRUE(window->isVisible());
      window->close();
    });
    return window;
  };
  Run({"/Velomira"});
  EXPECT_TRUE(splashShown);
  EXPECT_EQ(splashSize, QSize(330, 133));
  EXPECT_TRUE(onTop);
  EXPECT_EQ(QCoreApplication::applicationName(), "velomira");
  EXPECT_TRUE(SingleInstanceLock().TryAcquire(parts.LockName));
}

TEST_F(StartSequenceTest, OnlyClosingTheMainWindowEndsTheLoop) {
  std::vector<std::string> events;
  parts.CreateMainWindow = [&]() -> std::unique_ptr<QWidget> {
    auto window = std::make_unique<QWidget>();
    QWidget* main = window.get();
    QTimer::singleShot(0, main, [main, &events] {
      main->hide();  // to the tray
      auto* dialog = new QWidget;
      dialog->setAttribute(Qt::WA_DeleteOnClose);
      dialog->show();
      dialog->close();
      events.push_back("hidden, dialog closed");
      QTimer::singleShot(20, main, [main, &events] {
        events.push_back("main closed");
        main->show();
        main->close();
      });
    });
    return window;
  };
  Run({"/Velomira"});
  EXPECT_EQ(events, (std::vector<std::string>{"hidden, dialog closed", "main closed"}));
}

TEST(TLoadForm, ShowsTheWaitingTextOverTheAlertPicture) {
  TempFolder folder;
  TLoadForm splash(folder.Path());
  EXPECT_EQ(splash.objectName(), "LoadForm");
  EXPECT_EQ(splash.PicturePanel()->geometry(), splash.rect());
  EXPECT_TRUE(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
}

}  // namespace
