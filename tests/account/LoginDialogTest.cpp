// The login gate against a test server: typed and automatic logins, every code of the
// reply table, what lands in user.ini and in the client state.
#include <QApplication>
#include <QCheckBox>
#include <QTest>
#include <QTimer>
#include <QLabel>
#include <QLineEdit>

#include "AccountFixture.h"
#include "WindowDriver.h"
#include "account/Login.h"
#include "account/Tfrm_login.h"
#include "controls/THoverImage.h"
#include "controls/TPicturePanel.h"
#include "core/dFunc.h"

namespace velomira::test {
namespace {

const std::string LoginPath = "/servlet/servlet.UserLogin";
const std::string ConnectMessage =
    "Cannot connect to server.\nPlease make sure your network configuration, try again.";

std::string SuccessReply(const std::string& zone = "+0930") {
  return "150" + std::string(29, '#') + zone + "ann@example.com\x01" "Ann Lee\x01" "c\x01" "AnnLee";
}

// Types into the dialog and presses the login picture.
std::function<void(QWidget*)> Type(const QString& id, const QString& password, bool automatic) {
  return [=](QWidget* window) {
    window->findChild<QLineEdit*>("ed_id")->setText(id);
    window->findChild<QLineEdit*>("ed_pass")->setText(password);
    window->findChild<QCheckBox*>("cbo_auto")->setChecked(automatic);
  };
}

class LoginDialogTest : public AccountFixture {
 protected:
  void TearDown() override {
    delete frm_login;
    AccountFixture::TearDown();
  }
  void Remember(const std::string& id, const std::string& password, bool automatic) {
    WriteUserIni("username", ScrambleText(id, CredentialKey));
    WriteUserIni("password", ScrambleText(password, CredentialKey));
    WriteUserIni("autosave", automatic ? "1" : "0");
  }
};

TEST_F(LoginDialogTest, WithoutUserIniTheEmptyDialogShows) {
  WindowDriver driver;
  QString id = "?", password = "?", version;
  bool automatic = true;
  driver.Then("frm_login", "img_cancel", [&](QWidget* window) {
    id = window->findChild<QLineEdit*>("ed_id")->text();
    password = window->findChild<QLineEdit*>("ed_pass")->text();
    automatic = window->findChild<QCheckBox*>("cbo_auto")->isChecked();
    version = window->findChild<QLabel*>("lblver")->text();
  });
  EXPECT_EQ(RunLogin(ProgramDir()), 2);
  EXPECT_TRUE(driver.Finished());
  EXPECT_EQ(id, "");
  EXPECT_EQ(password, "");
  EXPECT_FALSE(automatic);
  EXPECT_EQ(version, "version-1.04");
  EXPECT_FALSE(frm_login->pnl_login->Picture().isNull());
  EXPECT_FALSE(frm_login->img_login->PictureEnter().isNull());
  EXPECT_EQ(IniFile(ProgramDir() + "velomira.Ini").ReadString("VERSION", "VER", ""), "104");
  EXPECT_EQ(State().ProgramDir, ProgramDir());
  EXPECT_EQ(State().FormDir, ProgramDir() + "Image/Default/Form/");
  EXPECT_FALSE(State().BrowserCommand.empty());
  EXPECT_TRUE(server_->Targets().empty());
}

TEST_F(LoginDialogTest, TypedLoginStoresFactsAndEncodedCredentials) {
  server_->Reply(LoginPath, SuccessReply("-0530"));
  WindowDriver driver;
  driver.Then("frm_login", "img_login", Type("ann", "p&#+ w", true));
  EXPECT_EQ(RunLogin(ProgramDir()), 1);
  EXPECT_TRUE(driver.Finished());
  EXPECT_EQ(driver.Unexpected, std::vector<std::string>{});

  EXPECT_EQ(server_->Targets(),
            std::vector<std::string>{LoginPath + "?usr_id=ann&pass=p%26%23%2B+w&rem_pass=Y"});
  EXPECT_EQ(State().TimeZoneHours, -5);
  EXPECT_EQ(State().TimeZoneMinutes, 30);
  EXPECT_EQ(State().MemberEmail, "ann@example.com");
  EXPECT_EQ(State().MemberName, "Ann Lee");
  EXPECT_EQ(State().StartMode, "c");
  EXPECT_EQ(LoggedInId(), "AnnLee");  // as the service spells it
  EXPECT_EQ(State().MemberId, "AnnLee");
  // user.ini keeps the ID as typed.
  EXPECT_EQ(UnscrambleText(ReadUserIni("username"), CredentialKey), "ann");
  EXPECT_EQ(UnscrambleText(ReadUserIni("password"), CredentialKey), "p&#+ w");
  EXPECT_EQ(ReadUserIni("autosave"), "1");
}

TEST_F(LoginDialogTest, EnterMovesFromIdToPasswordAndLogsInFromThere) {
  server_->Reply(LoginPath, SuccessReply());
  WindowDriver driver;
  QWidget* focusAfterId = nullptr;
  driver.Then("frm_login", "", [&](QWidget* window) {
    Type("ann", "pw", false)(window);
    auto* id = window->findChild<QLineEdit*>("ed_id");
    auto* password = window->findChild<QLineEdit*>("ed_pass");
    QTimer::singleShot(0, [=, &focusAfterId] {
      id->setFocus();
      QTest::keyClick(id, Qt::Key_Return);
      focusAfterId = QApplication::focusWidget();
      QTest::keyClick(password, Qt::Key_Return);
    });
  });
  EXPECT_EQ(RunLogin(ProgramDir()), 1);
  EXPECT_EQ(focusAfterId, frm_login->ed_pass);
  EXPECT_EQ(server_->RequestsTo(LoginPath).size(), 1u);
}

TEST_F(LoginDialogTest, EveryRefusalShowsItsMessageAndTheDialogAgain) {
  const struct {
    std::string reply, message;
    bool faqOpened;
  } cases[] = {
      {"240 refused", "Invalid password entered.", false},
      {"241 refused", "Invalid ID entered.", false},
      {"242 busy", "Please try again later.", false},
      {"300 busy", "Please try again later.", false},
      {"399 busy", "Please try again later.", false},
      {"", ConnectMessage, true},
      {"200 other", ConnectMessage, true},
      {SuccessReply("+9:00"), ConnectMessage, true},  // time zone not a number
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.reply);
    server_->Reply(LoginPath, c.reply);
    Remember("ann", "old", false);  // a refusal must not touch what is stored
    std::remove((ProgramDir() + "pages.txt").c_str());
    WindowDriver driver;
    QString shownId;
    driver
        .Then("frm_login", "img_login",
              [&](QWidget* window) {
                Type("ann", "pw", false)(window);
                WriteUserIni("autosave", "1");  // switched off by the refusal
              })
        .Then("frm_alert", "alert_yes")
        .Then("frm_login", "img_cancel",
              [&](QWidget* window) { shownId = window->findChild<QLineEdit*>("ed_id")->text(); });
    EXPECT_EQ(RunLogin(ProgramDir()), 2);
    EXPECT_TRUE(driver.Finished());
    EXPECT_EQ(driver.Messages, std::vector<std::string>{c.message});
    EXPECT_EQ(driver.Unexpected, std::vector<std::string>{});
    EXPECT_EQ(shownId, "ann");
    EXPECT_EQ(ReadUserIni("autosave"), "0");
    EXPECT_EQ(UnscrambleText(ReadUserIni("password"), CredentialKey), "old");
    EXPECT_EQ(LoggedInId(), "ann");
    if (c.faqOpened) {
      EXPECT_TRUE(WaitUntil([&] { return !OpenedPages().empty(); }));
      EXPECT_EQ(OpenedPages(), std::vector<std::string>{server_->Root() + "/web/help/faq.htm"});
    }
    delete frm_login;
  }
}

TEST_F(LoginDialogTest, CodeBelowOneHundredEndsATypedLogin) {
  server_->Reply(LoginPath, "050");
  WindowDriver driver;
  driver.Then("frm_login", "img_login", Type("ann", "pw", false)).Then("frm_alert", "alert_yes");
  EXPECT_EQ(RunLogin(ProgramDir()), 2);
  EXPECT_TRUE(driver.Finished());
  EXPECT_EQ(driver.Messages, std::vector<std::string>{ConnectMessage});
  EXPECT_EQ(driver.Unexpected, std::vector<std::string>{});
  EXPECT_TRUE(WaitUntil([&] { return !OpenedPages().empty(); }));
}

TEST_F(LoginDialogTest, EmptyFieldsAreRefusedWithoutARequest) {
  WindowDriver driver;
  driver.Then("frm_login", "img_login", Type("", "pw", false))
      .Then("frm_alert", "alert_yes")
      .Then("frm_login", "img_login", Type("ann", "", false))
      .Then("frm_alert", "alert_yes")
      .Then("frm_login", "img_cancel");
  EXPECT_EQ(RunLogin(ProgramDir()), 2);
  EXPECT_TRUE(driver.Finished());
  EXPECT_EQ(driver.Messages,
            (std::vector<std::string>{"Please enter your ID.", "Please enter your password."}));
  EXPECT_TRUE(server_->Targets().empty());
}

TEST_F(LoginDialogTest, AutomaticLoginNeverShowsTheDialog) {
  server_->Reply(LoginPath, SuccessReply());
  Remember("ann", "a&b", true);
  WindowDriver driver;
  EXPECT_EQ(RunLogin(ProgramDir()), 1);
  EXPECT_EQ(driver.Unexpected, std::vector<std::string>{});
  EXPECT_FALSE(frm_login->isVisible());
  EXPECT_EQ(server_->Targets(),
            std::vector<std::string>{LoginPath + "?usr_id=ann&pass=a%26b&rem_pass=Y"});
  EXPECT_EQ(State().TimeZoneHours, 9);
  EXPECT_EQ(State().TimeZoneMinutes, 30);
  EXPECT_EQ(UnscrambleText(ReadUserIni("username"), CredentialKey), "ann");
  EXPECT_EQ(UnscrambleText(ReadUserIni("password"), CredentialKey), "a&b");
  EXPECT_EQ(ReadUserIni("autosave"), "1");
}

TEST_F(LoginDialogTest, FailedAutomaticLoginFallsBackToTheFilledDialog) {
  server_->Reply(LoginPath, "240");
  Remember("ann", "secret", true);
  WindowDriver driver;
  QString id, password;
  driver.Then("frm_alert", "alert_yes").Then("frm_login", "img_cancel", [&](QWidget* window) {
    id = window->findChild<QLineEdit*>("ed_id")->text();
    password = window->findChild<QLineEdit*>("ed_pass")->text();
  });
  EXPECT_EQ(RunLogin(ProgramDir()), 2);
  EXPECT_TRUE(driver.Finished());
  EXPECT_EQ(driver.Messages, std::vector<std::string>{"Invalid password entered."});
  EXPECT_EQ(id, "ann");
  EXPECT_EQ(password, "secret");
  EXPECT_EQ(ReadUserIni("autosave"), "0");
}

TEST_F(LoginDialogTest, AutomaticLoginWithCodeBelowOneHundredKeepsAutosave) {
  server_->Reply(LoginPath, "050");
  Remember("ann", "secret", true);
  WindowDriver driver;
  driver.Then("frm_alert", "alert_yes").Then("frm_login", "img_cancel");
  EXPECT_EQ(RunLogin(ProgramDir()), 2);
  EXPECT_TRUE(driver.Finished());
  EXPECT_EQ(driver.Messages, std::vector<std::string>{ConnectMessage});
  EXPECT_EQ(ReadUserIni("autosave"), "1");
}

TEST_F(LoginDialogTest, VerificationCloseBoxEndsTheProgram) {
  server_->Reply(LoginPath, SuccessReply());
  Remember("ann", "secret", true);
  WindowDriver driver;
  // Runs in the one pass of the event loop the verification window gets to paint.
  QTimer::singleShot(0, [] {
    if (QWidget* verification = VisibleWindow("frm_auto")) {
      Click(verification->findChild<QWidget*>("TransparentButton1"));
    }
  });
  EXPECT_EQ(RunLogin(ProgramDir()), 2);
  EXPECT_EQ(driver.Unexpected, std::vector<std::string>{});
  EXPECT_FALSE(frm_login->isVisible());
  EXPECT_EQ(ReadUserIni("autosave"), "1");
}

TEST_F(LoginDialogTest, RememberedPasswordIsOnlyFilledForAutomaticLogin) {
  Remember("ann", "secret", false);
  WindowDriver driver;
  QString id, password;
  driver.Then("frm_login", "img_cancel", [&](QWidget* window) {
    id = window->findChild<QLineEdit*>("ed_id")->text();
    password = window->findChild<QLineEdit*>("ed_pass")->text();
  });
  EXPECT_EQ(RunLogin(ProgramDir()), 2);
  EXPECT_EQ(id, "ann");
  EXPECT_EQ(password, "");
}

}  // namespace
}  // namespace velomira::test
