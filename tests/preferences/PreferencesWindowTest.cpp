// The preferences panel in a stand-in main window against the canned service: the
// member record into the pages, OK's order (ticker speed and auto-start first, the
// check, the update, the remembered password only once the service took it, the new
// time zone at once), failures that leave the panel usable, and Cancel.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>

#include "GuideFixture.h"
#include "account/AccountOpeners.h"
#include "account/RememberedLogin.h"
#include "account/Tfrm_pre.h"
#include "controls/CodePageText.h"
#include "controls/TFlatRadioButton.h"
#include "controls/TPicturePanel.h"
#include "core/dFunc.h"

namespace velomira::test {
namespace {

const std::string PreferencePath = "/servlet/servlet.UserPreference";

// A get reply: the 18 fields, the password empty as the service keeps only its hash.
std::string MemberRecord(const std::string& zone, const std::string& state = "TEXAS",
                         const std::string& country = "United States") {
  return Reply({Record({{1, zone}, {3, "member7"}, {4, "Kim"}, {5, "Park"}, {6, "kim@example.org"},
                        {7, "1 Main St"}, {8, "Austin"}, {9, state}, {10, "73301"}, {11, country}, {12, "25"},
                        {13, "m"}, {14, "3"}, {15, "n"}, {16, "n"}, {17, "y"}},
                       18)});
}

std::string UpdateReply(const std::string& code, const std::string& offset) {
  return code + std::string(32 - code.size(), ' ') + offset;
}

class PreferencesTest : public GuideTest {
 protected:
  void SetUp() override {
    GuideTest::SetUp();
    // The autostart entry goes into the test's own folder.
    configHome_ = QString::fromStdString(State().ProgramDir) + "config";
    QDir().mkpath(configHome_);
    qputenv("XDG_CONFIG_HOME", configHome_.toUtf8());
    IniFile user(UserIniPath());
    user.WriteString("user", "password", ScrambleText("oldpass", CredentialKey));
    user.WriteBool("user", "autosave", true);
    State().TickerSpeed = 1;
  }
  void TearDown() override {
    GuideTest::TearDown();
    qunsetenv("XDG_CONFIG_HOME");
  }

  Tfrm_pre* Open(const std::string& record) {
    service_.ReplyWhen(PreferencePath, "mode", "get", record);
    window_ = new Tfrm_pre(host_);
    window_->Open();
    WaitIdle(window_);
    return window_;
  }

  // Types the password twice, as the member must to save.
  void TypePasswords(const QString& password, const QString& confirmation) {
    window_->ed_pass->setText(password);
    window_->Edit4->setText(confirmation);
  }

  // Presses OK with every box answered; the messages shown.
  std::vector<std::string> PressOk() {
    BoxAnswerer answerer;
    const QPointer<Tfrm_pre> guard(window_);
    window_->pre_okClick();
    if (guard) WaitIdle(window_);
    Settle(20);
    return answerer.Messages();
  }

  std::string RememberedPassword() const {
    return UnscrambleText(IniFile(UserIniPath()).ReadString("user", "password", ""), CredentialKey);
  }
  int UpdatesSent() const {
    int count = 0;
    for (const Received& request : service_.RequestsTo(PreferencePath)) count += request.Param("mode") == "update";
    return count;
  }

  QString configHome_;
  QPointer<Tfrm_pre> window_;
};

TEST_F(PreferencesTest, TheRecordFillsThePagesAndTheTimeZoneSelectsTheFirstItemOfItsOffset) {
  struct Case {
    std::string zone;
    QString shown;
  };
  for (const Case& c : std::vector<Case>{{"-500", "(GMT -05:00) Bogota, Lima"},
                                         {"330", "(GMT +03:30) Tehran"},
                                         {"545", "select"}}) {
    Tfrm_pre* window = Open(MemberRecord(c.zone));
    EXPECT_EQ(window->cb_zone->currentText(), c.shown) << c.zone;
    EXPECT_EQ(window->Page(), 1);
    EXPECT_TRUE(window->Rb_yes->isChecked());
    EXPECT_EQ(window->ed_id->text(), "member7");
    EXPECT_FALSE(window->ed_id->isEnabled());
    EXPECT_TRUE(window->ed_pass->text().isEmpty());
    EXPECT_EQ(window->cb_country->currentText(), "United States");
    EXPECT_EQ(window->cb_age->currentText(), "25 ~ 34");
    EXPECT_TRUE(window->rb_male->isChecked());
    EXPECT_TRUE(window->ConnectionButtons[2]->isChecked());  // DSL/ADSL
    EXPECT_FALSE(window->cb_wek->isChecked());
    EXPECT_FALSE(window->cb_new->isChecked());
    EXPECT_TRUE(window->cb_save->isChecked());
    EXPECT_TRUE(window->SpeedButtons[1]->isChecked());
    window->pre_cancelClick();
    Settle(0);
  }
}

TEST_F(PreferencesTest, AnUnknownTimeZoneStopsOkAtTheTimeZonePage) {
  Open(MemberRecord("545"));
  window_->ShowPage(4);
  TypePasswords("newpass", "newpass");
  EXPECT_EQ(PressOk(), std::vector<std::string>{"Please elect a time zone."});
  EXPECT_EQ(window_->Page(), 1);
  EXPECT_EQ(UpdatesSent(), 0);
}

TEST_F(PreferencesTest, StatesMatchWithoutRegardToCaseAndAnUnlistedOneSendsNothing) {
  Open(MemberRecord("-500", "ALABAMA"));
  EXPECT_EQ(window_->cb_state->currentText(), "Alabama");
  window_->pre_cancelClick();
  Settle(0);

  for (const std::string state : {"CALIFORNIA", "OTHERS INCLUDING CANADA"}) {
    Open(MemberRecord("-500", state));
    EXPECT_EQ(window_->cb_state->currentIndex(), -1) << state;
    service_.ReplyWhen(PreferencePath, "mode", "update", UpdateReply("100", "-0500"));
    TypePasswords("newpass", "newpass");
    PressOk();
    ASSERT_FALSE(service_.RequestsTo(PreferencePath).empty());
    const Received update = service_.RequestsTo(PreferencePath).back();
    EXPECT_EQ(update.Param("mode"), "update");
    EXPECT_TRUE(update.Target.find("&state=&post=73301&") != std::string::npos) << update.Target;
  }
}

TEST_F(PreferencesTest, AMismatchedConfirmationStoresTheSpeedButNotThePassword) {
  Open(MemberRecord("-500"));
  window_->SpeedButtons[2]->setChecked(true);
  TypePasswords("newpass", "otherpass");
  EXPECT_EQ(PressOk(), std::vector<std::string>{"The two passwords do not match."});

  EXPECT_EQ(window_->Page(), 2);
  EXPECT_EQ(State().TickerSpeed, 2);
  const IniFile user(UserIniPath());
  EXPECT_EQ(user.ReadInteger("ticker_type", "ticker_type", -1), 2);
  EXPECT_EQ(user.ReadInteger("main", "main", -1), 90);
  EXPECT_EQ(user.ReadInteger("ticker", "ticker", -1), 4000);
  EXPECT_EQ(RememberedPassword(), "oldpass");
  EXPECT_EQ(UpdatesSent(), 0);
  EXPECT_TRUE(window_->Panel->isEnabled());
}

TEST_F(PreferencesTest, ASuccessfulUpdateMovesTheClockAtOnceAndRemembersTheNewPassword) {
  Open(MemberRecord("-500"));
  service_.ReplyWhen(PreferencePath, "mode", "update", UpdateReply("100", "+0530"));
  window_->cb_zone->setCurrentIndex(38);  // (GMT +05:30) Bombay ...
  TypePasswords("newpass", "NEWPASS");
  const int resumes = host_.Resumes;
  EXPECT_TRUE(PressOk().empty());

  EXPECT_EQ(State().TimeZoneHours, 5);
  EXPECT_EQ(State().TimeZoneMinutes, 30);
  EXPECT_EQ(host_.ClockRefreshes, 1);
  EXPECT_EQ(host_.Resumes, resumes + 1);
  EXPECT_EQ(host_.Shown, nullptr);
  EXPECT_FALSE(window_);
  EXPECT_EQ(RememberedPassword(), "newpass");

  const Received update = service_.RequestsTo(PreferencePath).back();
  EXPECT_EQ(update.Param("gmt"), "+0530");
  EXPECT_EQ(update.Param("usr_id"), "member7");
  EXPECT_EQ(update.Param("pass"), "newpass");
  EXPECT_EQ(update.Param("state"), "Texas");
  EXPECT_EQ(update.Param("country"), "United States");
  EXPECT_EQ(update.Param("age"), "25");
  EXPECT_EQ(update.Param("gender"), "m");
  EXPECT_EQ(update.Param("conn_tp"), "3");
  EXPECT_EQ(update.Param("letter"), "n");
  EXPECT_EQ(update.Param("login_auto"), "n");
  EXPECT_EQ(update.Param("smmr"), "y");
  EXPECT_EQ(update.Target.rfind("/servlet/servlet.UserPreference?mode=update&zip_code=&gmt=", 0), 0u);
}

TEST_F(PreferencesTest, WithoutSaveTheRememberedPasswordIsForgotten) {
  Open(MemberRecord("-500"));
  service_.ReplyWhen(PreferencePath, "mode", "update", UpdateReply("100", "-0500"));
  window_->cb_save->setChecked(false);
  TypePasswords("newpass", "newpass");
  PressOk();
  EXPECT_EQ(RememberedPassword(), "");
  EXPECT_FALSE(IniFile(UserIniPath()).ReadBool("user", "autosave", true));
}

TEST_F(PreferencesTest, AFailedOrUnreadableUpdateKeepsThePanelUsableWithWhatWasTyped) {
  for (const std::string& reply : {UpdateReply("221", ""), std::string(), UpdateReply("100", "")}) {
    Open(MemberRecord("-500"));
    service_.ReplyWhen(PreferencePath, "mode", "update", reply);
    window_->ed_city->setText("Boston");
    TypePasswords("newpass", "newpass");
    EXPECT_EQ(PressOk(), std::vector<std::string>{"Please try again later."});
    ASSERT_TRUE(window_);
    EXPECT_TRUE(window_->Panel->isEnabled());
    EXPECT_FALSE(window_->Busy());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(window_->ed_city->text(), "Boston");
    EXPECT_EQ(RememberedPassword(), "oldpass");
    EXPECT_EQ(State().TimeZoneHours, 0);
    window_->pre_cancelClick();
    Settle(0);
  }
}

TEST_F(PreferencesTest, AnEmptyRecordSaysTryLaterAndLeavesCancelWorking) {
  BoxAnswerer answerer;
  Open("");
  Settle(20);
  EXPECT_EQ(answerer.Messages(), std::vector<std::string>{"Please try again later."});
  EXPECT_TRUE(window_->Panel->isEnabled());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  window_->pre_cancelClick();
  Settle(0);
  EXPECT_FALSE(window_);
}

TEST_F(PreferencesTest, CancelAfterChangingTheSpeedKeepsTheOldSpeed) {
  Open(MemberRecord("-500"));
  window_->SpeedButtons[0]->setChecked(true);
  const int resumes = host_.Resumes;
  window_->pre_cancelClick();
  Settle(0);
  EXPECT_EQ(State().TickerSpeed, 1);
  EXPECT_EQ(IniFile(UserIniPath()).ReadInteger("ticker_type", "ticker_type", -1), -1);
  EXPECT_EQ(host_.Resumes, resumes + 1);
  EXPECT_EQ(host_.Shown, nullptr);
  EXPECT_EQ(UpdatesSent(), 0);
}

TEST_F(PreferencesTest, AutoStartIsWrittenOrRemovedAndAFailureIsToldOnceBeforeTheUpdate) {
  const QString entry = configHome_ + "/autostart/velomira.desktop";
  Open(MemberRecord("-500"));
  service_.ReplyWhen(PreferencePath, "mode", "update", UpdateReply("100", "-0500"));
  window_->cb_new->setChecked(true);
  TypePasswords("newpass", "newpass");
  PressOk();
  EXPECT_TRUE(QFile::exists(entry));

  Open(MemberRecord("-500"));
  TypePasswords("newpass", "newpass");
  PressOk();  // the record says "n"
  EXPECT_FALSE(QFile::exists(entry));

  // A file where the autostart folder belongs: the entry cannot be written (as with a
  // read-only folder, which root could still write to).
  QDir(configHome_ + "/autostart").removeRecursively();
  QFile blocker(configHome_ + "/autostart");
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  Open(MemberRecord("-500"));
  window_->cb_new->setChecked(true);
  TypePasswords("newpass", "newpass");
  const int updates = UpdatesSent();
  const std::vector<std::string> messages = PressOk();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find("autostart folder cannot be written"), std::string::npos) << messages[0];
  EXPECT_EQ(UpdatesSent(), updates + 1);
}

TEST_F(PreferencesTest, ThePictureAndTheMenuOpenOnePanelThroughTheHooks) {
  service_.ReplyWhen(PreferencePath, "mode", "get", MemberRecord("-500"));
  MainWindowHooks hooks;
  std::vector<FunctionWindow> passedOn;
  hooks.OpenFunctionWindow = [&passedOn](MainWindowHost&, FunctionWindow window) { passedOn.push_back(window); };
  AddAccountOpeners(hooks);
  hooks.OpenFunctionWindow(host_, FunctionWindow::Preferences);
  QWidget* first = host_.Shown;
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->objectName(), "pnl_pre");
  hooks.OpenFunctionWindow(host_, FunctionWindow::Preferences);
  EXPECT_EQ(host_.Shown, first);
  hooks.OpenFunctionWindow(host_, FunctionWindow::Help);
  EXPECT_EQ(passedOn, std::vector<FunctionWindow>{FunctionWindow::Help});
  Settle(50);
}

}  // namespace
}  // namespace velomira::test
