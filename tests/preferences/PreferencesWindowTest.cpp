// The preferences panel in a stand-in main window against the canned service: the
// member record into the pages, an unchanged OK that sends the record back as it came,
// OK's order (the check, the update, the client's own settings only once the service
// took it, the new time zone at once), refusals that store nothing, and Cancel.
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
#include "account/ProfileLists.h"
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

// The client's own settings as user.ini, the autostart folder and the state hold them.
struct Settings {
  int TickerSpeed, TickerType, Main, Ticker;
  bool AutoLogin, AutoStartEntry;
  std::string Password;
  bool operator==(const Settings&) const = default;
};

void PrintTo(const Settings& s, std::ostream* out) {
  *out << "speed " << s.TickerSpeed << ", ini " << s.TickerType << "/" << s.Main << "/" << s.Ticker
       << ", autosave " << s.AutoLogin << ", entry " << s.AutoStartEntry << ", password " << s.Password;
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

  bool AutoStartEntryExists() const { return QFile::exists(configHome_ + "/autostart/velomira.desktop"); }
  Settings StoredSettings() const {
    const IniFile user(UserIniPath());
    return {State().TickerSpeed, user.ReadInteger("ticker_type", "ticker_type", -1),
            user.ReadInteger("main", "main", -1), user.ReadInteger("ticker", "ticker", -1),
            user.ReadBool("user", "autosave", false), AutoStartEntryExists(), RememberedPassword()};
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

TEST_F(PreferencesTest, AnUnchangedOkSendsTheRecordBackAsStoredAndChangesNoSetting) {
  // A member who once chose Slow, with the password retyped as he must to save.
  IniFile user(UserIniPath());
  user.WriteInteger("ticker_type", "ticker_type", 2);
  user.WriteInteger("main", "main", 90);
  user.WriteInteger("ticker", "ticker", 4000);
  user.WriteString("user", "password", ScrambleText("secret1", CredentialKey));
  State().TickerSpeed = 2;
  const Settings before = StoredSettings();
  service_.ReplyWhen(PreferencePath, "mode", "update", UpdateReply("100", "-0500"));

  struct Case {
    std::string stored, sent;
  };
  std::vector<Case> cases;
  for (const std::string& state : States()) cases.push_back({state, state});  // "Select" included
  // Spellings the old panel sent: the same state in another case goes as the list spells
  // it; one the list lacks, or none at all, goes back as it came.
  for (const Case& c : std::vector<Case>{{"Alabama", "ALABAMA"},
                                         {"palau", "PALAU"},
                                         {"Califonia", "Califonia"},
                                         {"west Vriginia", "west Vriginia"},
                                         {"Ontario", "Ontario"},
                                         {"", ""}}) {
    cases.push_back(c);
  }
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored);
    Open(MemberRecord("-500", c.stored));
    EXPECT_EQ(FromQString(window_->cb_state->currentText()), c.sent);
    TypePasswords("secret1", "secret1");
    service_.ClearRequests();
    EXPECT_TRUE(PressOk().empty());
    EXPECT_FALSE(window_);
    ASSERT_EQ(UpdatesSent(), 1);
    const Received update = service_.RequestsTo(PreferencePath).back();
    const std::vector<std::pair<std::string, std::string>> expected{
        {"gmt", "-0500"},     {"usr_id", "member7"}, {"pass", "secret1"},       {"first_name", "Kim"},
        {"last_name", "Park"}, {"e_mail", "kim@example.org"}, {"address", "1 Main St"}, {"city", "Austin"},
        {"state", c.sent},   {"post", "73301"},     {"country", "United States"}, {"age", "25"},
        {"gender", "m"},     {"conn_tp", "3"},      {"letter", "n"},           {"login_auto", "n"},
        {"smmr", "y"}};
    for (const auto& [key, value] : expected) EXPECT_EQ(update.Param(key), value) << key;
    EXPECT_EQ(StoredSettings(), before);
  }
}

TEST_F(PreferencesTest, AMemberWhoNeverChoseASpeedSeesAndKeepsTheSpeedThatRuns) {
  // Without a saved speed the main list runs medium (50 and 4000 ms).
  Open(MemberRecord("-500"));
  EXPECT_TRUE(window_->SpeedButtons[1]->isChecked());
  service_.ReplyWhen(PreferencePath, "mode", "update", UpdateReply("100", "-0500"));
  TypePasswords("newpass", "newpass");
  EXPECT_TRUE(PressOk().empty());
  const IniFile user(UserIniPath());
  EXPECT_EQ(State().TickerSpeed, 1);
  EXPECT_EQ(user.ReadInteger("ticker_type", "ticker_type", -1), 1);
  EXPECT_EQ(user.ReadInteger("main", "main", -1), 50);
  EXPECT_EQ(user.ReadInteger("ticker", "ticker", -1), 4000);
}

TEST_F(PreferencesTest, ARefusedOkStoresNothing) {
  struct Case {
    const char* what;
    QString password, confirmation, mail;
    std::string updateReply;  // empty: no update may be sent
    std::string message;
    int page;  // shown after the refusal
  };
  const Case cases[] = {
      {"confirmation differs", "newpass", "otherpass", "kim@example.org", "", "The two passwords do not match.", 2},
      {"confirmation differs in case only", "Secret1", "secret1", "kim@example.org", "",
       "The two passwords do not match.", 2},
      {"e-mail malformed", "newpass", "newpass", "kim@example", "",
       "The e-mail address is not in the correct format. Please try again.", 3},
      {"service refuses", "newpass", "newpass", "kim@example.org", UpdateReply("221", ""), "Please try again later.",
       1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const Settings before = StoredSettings();
    Open(MemberRecord("-500"));
    if (!c.updateReply.empty()) service_.ReplyWhen(PreferencePath, "mode", "update", c.updateReply);
    // Every setting of the panel changed: speed, auto-start (the record says no), save.
    window_->SpeedButtons[2]->setChecked(true);
    window_->cb_new->setChecked(true);
    window_->cb_save->setChecked(false);
    window_->ed_mail->setText(c.mail);
    TypePasswords(c.password, c.confirmation);
    const int updates = UpdatesSent();
    EXPECT_EQ(PressOk(), std::vector<std::string>{c.message});
    ASSERT_TRUE(window_);
    EXPECT_EQ(UpdatesSent(), updates + (c.updateReply.empty() ? 0 : 1));
    EXPECT_EQ(StoredSettings(), before);
    EXPECT_EQ(window_->Page(), c.page);
    EXPECT_TRUE(window_->Panel->isEnabled());
    window_->pre_cancelClick();
    Settle(0);
  }
}

TEST_F(PreferencesTest, ASuccessfulUpdateMovesTheClockAtOnceAndRemembersTheNewPassword) {
  Open(MemberRecord("-500"));
  service_.ReplyWhen(PreferencePath, "mode", "update", UpdateReply("100", "+0530"));
  window_->cb_zone->setCurrentIndex(38);  // (GMT +05:30) Bombay ...
  TypePasswords("newpass", "newpass");
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
  EXPECT_EQ(update.Param("state"), "TEXAS");
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

TEST_F(PreferencesTest, AutoStartIsWrittenOrRemovedOnceTakenAndAFailureIsToldOnce) {
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
