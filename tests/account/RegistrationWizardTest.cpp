// The registration wizard through its controls against a canned service: the checks
// of each page in their order, the ID check and its flag, what the finish button sends
// and what it does with the autostart entry and the reply.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QTest>

#include "AccountFixture.h"
#include "WindowDriver.h"
#include "account/Login.h"
#include "account/RegistrationChecks.h"
#include "account/Tfrm_login.h"
#include "account/Tfrm_reg.h"
#include "controls/TFlatRadioButton.h"
#include "controls/THoverImage.h"
#include "controls/THoverLabel.h"
#include "controls/TPicturePanel.h"
#include "core/qt/RunRequest.h"
#include "core/ServletRequests.h"
#include "core/dFunc.h"
#include "platform/AutoStart.h"

namespace velomira::test {
namespace {

const char* const RegistrationPath = "/servlet/servlet.UserRegistration";
const char* const IdCheckPath = "/servlet/servlet.IdOverlapCheck";

class RegistrationWizardTest : public AccountFixture {
 protected:
  void SetUp() override {
    AccountFixture::SetUp();
    configHome_ = ProgramDir() + "config";
    QDir().mkpath(QString::fromStdString(configHome_));
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(configHome_));
    IdChecked() = false;
    login_ = new Tfrm_login(ProgramDir());
    wizard_ = new Tfrm_reg(login_);
    wizard_->show();
  }
  void TearDown() override {
    WaitForRequests();
    QCoreApplication::processEvents();
    delete login_;  // and the wizard with it, if still open
    qunsetenv("XDG_CONFIG_HOME");
    AccountFixture::TearDown();
  }

  // Clicks control and answers every message box it shows with OK; the messages shown.
  std::vector<std::string> ClickAndAnswer(QWidget* control, int boxes) {
    WindowDriver driver;
    for (int box = 0; box < boxes; ++box) driver.Then("frm_alert", "alert_yes");
    Click(control);
    EXPECT_TRUE(WaitUntil([&] { return driver.Finished(); })) << "boxes left unanswered";
    EXPECT_TRUE(driver.Unexpected.empty());
    return driver.Messages;
  }
  // Runs the ID check with the service saying code.
  std::vector<std::string> CheckId(const std::string& id, const std::string& code = "121") {
    server_->Reply(IdCheckPath, code);
    wizard_->ed_id->setText(QString::fromStdString(id));
    return ClickAndAnswer(wizard_->id_overlap, 1);
  }
  // Goes to the ID page with a time zone chosen.
  void ToIdPage(int zone = 1) {
    Click(wizard_->HoverImage2);
    wizard_->cb_time1->setCurrentIndex(zone);
    Click(wizard_->img_next1);
    ASSERT_EQ(wizard_->CurrentPage(), 2);
  }
  void FillIdPage(const std::string& id) {
    ASSERT_EQ(CheckId(id), std::vector<std::string>{"You can use this ID."});
    wizard_->ed_pass->setText("secret1");
    wizard_->ed_conpass->setText("secret1");
  }
  // From the first page to the settings page with only the required fields.
  void ToSettingsPage(int zone = 1, const std::string& id = "kimlee1") {
    ToIdPage(zone);
    FillIdPage(id);
    Click(wizard_->img_next2);
    wizard_->ed_firname->setText("Kim");
    wizard_->ed_mail->setText("kim@mail.example");
    Click(wizard_->img_next3);
    ASSERT_EQ(wizard_->CurrentPage(), 4);
  }
  Received Registration() const {
    const auto sent = server_->RequestsTo(RegistrationPath);
    EXPECT_EQ(sent.size(), 1u);
    return sent.empty() ? Received{} : sent.front();
  }
  bool EntryExists() const {
    return QFile::exists(QString::fromStdString(configHome_ + "/autostart/velomira.desktop"));
  }

  std::string configHome_;
  Tfrm_login* login_ = nullptr;
  QPointer<Tfrm_reg> wizard_;
};

TEST_F(RegistrationWizardTest, OpensOnTheNetworkPageInItsDesignStateAndNextSavesProxyIni) {
  IniFile(ProgramDir() + "proxy.ini").WriteString("proxy", "proxy_address", "stored.example");
  EXPECT_EQ(wizard_->CurrentPage(), 0);
  EXPECT_FALSE(wizard_->proxy_setting->isChecked());
  EXPECT_TRUE(wizard_->ed_host->text().isEmpty());
  EXPECT_FALSE(wizard_->ed_host->isEnabled());
  EXPECT_FALSE(wizard_->ed_proxypass->isEnabled());
  EXPECT_EQ(wizard_->ed_proxypass->objectName(), "ed_proxypass");
  Click(wizard_->HoverImage3);  // cancel does nothing here
  EXPECT_EQ(wizard_->CurrentPage(), 0);

  Click(wizard_->proxy_setting);
  wizard_->ed_host->setText("proxy.example");
  wizard_->ed_port->setText("3128");
  Click(wizard_->HoverImage2);
  EXPECT_EQ(wizard_->CurrentPage(), 1);
  const IniFile proxy(ProgramDir() + "proxy.ini");
  EXPECT_EQ(proxy.ReadString("proxy", "proxy_setting", ""), "1");
  EXPECT_EQ(proxy.ReadString("proxy", "proxy_address", ""), "proxy.example");
  EXPECT_EQ(proxy.ReadString("proxy", "Proxy_port", ""), "3128");
}

TEST_F(RegistrationWizardTest, ListsHoldTheirItemsAndStartOnTheFirst) {
  EXPECT_EQ(wizard_->cb_time1->count(), 53);
  EXPECT_EQ(wizard_->cb_state->count(), 62);
  EXPECT_EQ(wizard_->cb_contry->count(), 238);
  EXPECT_EQ(wizard_->cb_age->count(), 6);
  EXPECT_EQ(wizard_->cb_contry->itemText(230), "Yugoslavia Former)");
  EXPECT_EQ(wizard_->cb_contry->itemText(237), "Jamaica");
  EXPECT_EQ(wizard_->cb_time1->itemText(16), "(GMT -03:30) Newfoundland");
  for (QComboBox* list : {wizard_->cb_time1, wizard_->cb_state, wizard_->cb_contry, wizard_->cb_age})
    EXPECT_EQ(list->currentIndex(), 0) << list->objectName().toStdString();
  EXPECT_TRUE(wizard_->Rb_no->isChecked());
  EXPECT_TRUE(wizard_->rb_btn1->isChecked());
  EXPECT_TRUE(wizard_->Rb_Dial->isChecked());
  EXPECT_TRUE(wizard_->cbo_auto->isChecked());
  EXPECT_TRUE(wizard_->ch_news->isChecked());
}

TEST_F(RegistrationWizardTest, TimeZonePageWantsAZoneAndEnterActsAsNext) {
  Click(wizard_->HoverImage2);
  EXPECT_EQ(ClickAndAnswer(wizard_->img_next1, 1), std::vector<std::string>{"Select time zone."});
  EXPECT_EQ(wizard_->CurrentPage(), 1);
  wizard_->cb_time1->setCurrentIndex(5);
  Click(wizard_->img_cancel1);
  EXPECT_EQ(wizard_->cb_time1->currentIndex(), 0);
  wizard_->cb_time1->setCurrentIndex(5);
  wizard_->cb_time1->setFocus();
  QTest::keyClick(wizard_->cb_time1, Qt::Key_Return);
  EXPECT_EQ(wizard_->CurrentPage(), 2);
  Click(wizard_->img_back2);
  EXPECT_EQ(wizard_->CurrentPage(), 1);
}

TEST_F(RegistrationWizardTest, IdLengthRulesOfTheCheckButtonAndTheNextButton) {
  ToIdPage();
  const struct {
    std::string id;
    bool accepted;
  } cases[] = {{"abcde", false}, {"abcdef", true}, {"abcdefghijklmn", true}};
  for (const auto& c : cases) {
    server_->ClearRequests();
    IdChecked() = false;
    const auto messages = CheckId(c.id);
    EXPECT_EQ(messages, std::vector<std::string>{c.accepted ? "You can use this ID."
                                                            : "Please enter your ID using 6 to 14 characters"})
        << c.id;
    EXPECT_EQ(server_->Count(IdCheckPath), c.accepted ? 1 : 0) << c.id;

    wizard_->ed_id->setText(QString::fromStdString(c.id));
    wizard_->ed_pass->setText("pw");
    wizard_->ed_conpass->setText("pw");
    if (c.accepted) {
      Click(wizard_->img_next2);
      EXPECT_EQ(wizard_->CurrentPage(), 3) << c.id;
      Click(wizard_->img_back3);
    } else {
      EXPECT_EQ(ClickAndAnswer(wizard_->img_next2, 1),
                std::vector<std::string>{"Please enter your ID in between 6 to 14 characters."});
      EXPECT_EQ(wizard_->CurrentPage(), 2);
    }
  }
}

TEST_F(RegistrationWizardTest, IdPageChecksInTheirOrder) {
  ToIdPage();
  const struct {
    const char *id, *pass, *conpass;
    bool checked;
    const char* message;
    const char* focus;
  } cases[] = {
      {"", "", "", false, "Please enter your id.", "ed_id"},
      {"abcdefghijklmnop", "", "", false, "Please enter your ID in between 6 to 14 characters.", "ed_id"},
      {"kimlee1", "", "", false, "Please enter your password.", "ed_pass"},
      {"kimlee1", "Secret", "", false, "Please re-type your password to confirm. ", "ed_conpass"},
      {"kimlee1", "Secret", "secreT!", false, "The two passwords do not match.", "ed_pass"},
      {"kimlee1", "Secret1", "secret1", false, "The two passwords do not match.", "ed_pass"},
      {"kimlee1", "Secret", "Secret", false, "Please press ID duplication check button.", nullptr},
  };
  for (const auto& c : cases) {
    // The edit's length limit is the member's; the rule is tested past it too.
    wizard_->ed_id->setMaxLength(32);
    wizard_->ed_id->setText(c.id);
    wizard_->ed_pass->setText(c.pass);
    wizard_->ed_conpass->setText(c.conpass);
    IdChecked() = c.checked;
    if (QWidget* focus = wizard_->focusWidget()) focus->clearFocus();
    EXPECT_EQ(ClickAndAnswer(wizard_->img_next2, 1), std::vector<std::string>{c.message});
    EXPECT_EQ(wizard_->CurrentPage(), 2);
    if (c.focus) {
      ASSERT_NE(wizard_->focusWidget(), nullptr) << c.message;
      EXPECT_EQ(wizard_->focusWidget()->objectName().toStdString(), c.focus) << c.message;
    }
  }
  // The same password twice passes once the ID is checked.
  IdChecked() = true;
  Click(wizard_->img_next2);
  EXPECT_EQ(wizard_->CurrentPage(), 3);
}

TEST_F(RegistrationWizardTest, TheCheckedFlagSurvivesAnIdEditAndTheCancelButtonClearsIt) {
  ToIdPage();
  FillIdPage("kimlee1");
  wizard_->ed_id->setText("another1");
  Click(wizard_->img_next2);
  EXPECT_EQ(wizard_->CurrentPage(), 3);
  Click(wizard_->img_back3);

  Click(wizard_->img_cancel2);
  EXPECT_TRUE(wizard_->ed_id->text().isEmpty());
  EXPECT_TRUE(wizard_->ed_conpass->text().isEmpty());
  EXPECT_FALSE(IdChecked());

  // A taken ID empties the edit and clears the flag.
  IdChecked() = true;
  EXPECT_EQ(CheckId("takenid1", "120"),
            std::vector<std::string>{"You can not use this ID. Please try another ID."});
  EXPECT_FALSE(IdChecked());
  EXPECT_TRUE(wizard_->ed_id->text().isEmpty());
}

TEST_F(RegistrationWizardTest, TheFlagOutlivesTheWizard) {
  ToIdPage();
  FillIdPage("kimlee1");
  wizard_->close();
  ASSERT_TRUE(WaitUntil([&] { return wizard_.isNull(); }));
  wizard_ = new Tfrm_reg(login_);
  wizard_->show();
  EXPECT_TRUE(IdChecked());
}

TEST_F(RegistrationWizardTest, TheIdCheckSendsTheIdEncodedAndANoReplyLeavesTheFlag) {
  ToIdPage();
  CheckId("a&b c=1");
  const auto sent = server_->RequestsTo(IdCheckPath);
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent.front().Param("usr_id"), "a&b c=1");
  EXPECT_TRUE(IdChecked());

  server_->Stop();
  wizard_->ed_id->setText("kimlee1");
  EXPECT_EQ(ClickAndAnswer(wizard_->id_overlap, 1),
            std::vector<std::string>{"Cannot connect to server.\nPlease make sure your network configuration, try again."});
  EXPECT_TRUE(IdChecked());
  EXPECT_TRUE(wizard_->isEnabled());
  ASSERT_TRUE(WaitUntil([&] { return !OpenedPages().empty(); }));
  EXPECT_EQ(OpenedPages().back(), server_->Root() + "/web/help/faq.htm");
}

// The shapes themselves are the shared rules' table (tests/preferences ProfileRulesTest);
// here one of each verdict, as the page acts on it.
TEST_F(RegistrationWizardTest, EmailVerdictsStopOrLeaveThePage) {
  ToIdPage();
  FillIdPage("kimlee1");
  Click(wizard_->img_next2);
  wizard_->ed_firname->setText("Kim");
  const char* const Malformed = "The e-mail address is not in the correct format. Please try again.";
  const struct {
    const char* mail;
    const char* message;  // none: the page is left
  } cases[] = {
      {"", "Please enter your e-mail address."},
      {"kim.lee@mail", Malformed},
      {"kim.mail.example", nullptr},
  };
  for (const auto& c : cases) {
    wizard_->ed_mail->setText(c.mail);
    if (c.message) {
      EXPECT_EQ(ClickAndAnswer(wizard_->img_next3, 1), std::vector<std::string>{c.message}) << c.mail;
      EXPECT_TRUE(wizard_->ed_mail->text().isEmpty()) << c.mail;
      EXPECT_EQ(wizard_->CurrentPage(), 3);
    } else {
      Click(wizard_->img_next3);
      EXPECT_EQ(wizard_->CurrentPage(), 4) << c.mail;
      Click(wizard_->img_back4);
    }
  }
  wizard_->ed_firname->clear();
  EXPECT_EQ(ClickAndAnswer(wizard_->img_next3, 1), std::vector<std::string>{"Please enter your first name."});
}

TEST_F(RegistrationWizardTest, CancelButtonsResetTheirPage) {
  ToSettingsPage();
  wizard_->cbo_auto->setChecked(false);
  wizard_->ch_news->setChecked(false);
  Click(wizard_->img_cancel4);
  EXPECT_TRUE(wizard_->cbo_auto->isChecked());
  EXPECT_TRUE(wizard_->ch_news->isChecked());

  Click(wizard_->img_back4);
  wizard_->cb_contry->setCurrentIndex(3);
  Click(wizard_->rb_btn2);
  Click(wizard_->img_cancel3);
  EXPECT_TRUE(wizard_->ed_firname->text().isEmpty());
  EXPECT_TRUE(wizard_->ed_mail->text().isEmpty());
  EXPECT_EQ(wizard_->cb_contry->currentIndex(), 0);
  EXPECT_TRUE(wizard_->rb_btn2->isChecked());  // gender stays
}

TEST_F(RegistrationWizardTest, FinishSendsTheFullQueryInOrder) {
  server_->Reply(RegistrationPath, "100");
  ToSettingsPage(22, "kimlee1");  // "(GMT) Monrovia, Casablanca"
  Click(wizard_->img_back4);
  wizard_->ed_lastname->setText("Lee & Co");
  wizard_->ed_addr->setText("1 Main St");
  wizard_->ed_city->setText("Springfield");
  wizard_->ed_code->setText("12345");
  wizard_->cb_state->setCurrentIndex(3);   // ALABAMA
  wizard_->cb_contry->setCurrentIndex(1);  // United States
  wizard_->cb_age->setCurrentIndex(3);     // 25 - 34
  Click(wizard_->rb_btn2);
  Click(wizard_->img_next3);
  Click(wizard_->rb_adsl);
  Click(wizard_->ch_news);
  Click(wizard_->cbo_auto);
  wizard_->ed_pass->setText("a+b");
  wizard_->ed_conpass->setText("a+b");
  Click(wizard_->img_finish);
  ASSERT_TRUE(WaitUntil([&] { return wizard_.isNull(); }));

  MemberProfile expected{"00000", "kimlee1", "a+b", "Kim", "Lee & Co", "kim@mail.example",
                         "1 Main St", "Springfield", "ALABAMA", "12345", "United States",
                         "25", "f", "3", "n", "n", "n"};
  EXPECT_EQ(Registration().Target, std::string(RegistrationPath) + "?" + MemberProfileQuery(expected));
  EXPECT_EQ(MemberProfileQuery(expected).substr(0, 24), "zip_code=&gmt=00000&usr_");
  // The wizard shares the preferences query: the bytes it sends must not move with it.
  EXPECT_EQ(Registration().Target, std::string(RegistrationPath) +
                                       "?zip_code=&gmt=00000&usr_id=kimlee1&pass=a%2Bb&first_name=Kim"
                                       "&last_name=Lee+%26+Co&e_mail=kim%40mail%2Eexample&address=1+Main+St"
                                       "&city=Springfield&state=ALABAMA&post=12345&country=United+States"
                                       "&age=25&gender=f&conn_tp=3&letter=n&login_auto=n&smmr=n");
}

TEST_F(RegistrationWizardTest, OptionalFieldsGoEmptyAndUnchosenListsSendSelect) {
  server_->Reply(RegistrationPath, "100");
  ToSettingsPage(16);  // "(GMT -03:30) Newfoundland"
  Click(wizard_->img_finish);
  ASSERT_TRUE(WaitUntil([&] { return wizard_.isNull(); }));
  const Received sent = Registration();
  EXPECT_EQ(sent.Param("gmt"), "-0330");
  EXPECT_NE(sent.Target.find("&gmt=" + UrlEncode("-0330") + "&"), std::string::npos);
  for (const char* key : {"zip_code", "last_name", "address", "city", "post"})
    EXPECT_EQ(sent.Param(key), "") << key;
  EXPECT_EQ(sent.Param("state"), "Select");
  EXPECT_EQ(sent.Param("country"), "Select");
  EXPECT_EQ(sent.Param("age"), "00");
  EXPECT_EQ(sent.Param("gender"), "m");
  EXPECT_EQ(sent.Param("conn_tp"), "1");
  EXPECT_EQ(sent.Param("letter"), "y");
  EXPECT_EQ(sent.Param("smmr"), "n");
}

TEST_F(RegistrationWizardTest, SuccessBringsBackTheLoginDialogWithTheNewId) {
  server_->Reply(RegistrationPath, "  100\r\n");
  login_->ed_pass->setText("typed before");
  ToSettingsPage();
  Click(wizard_->img_finish);
  ASSERT_TRUE(WaitUntil([&] { return wizard_.isNull(); }));
  EXPECT_TRUE(login_->isVisible());
  EXPECT_EQ(login_->ed_id->text(), "kimlee1");
  EXPECT_EQ(login_->ed_pass->text(), "typed before");
  EXPECT_EQ(ReadUserIni("usr_id"), "<absent>");
}

TEST_F(RegistrationWizardTest, RefusedOrUnreadableRepliesAskToRetryAndKeepTheForm) {
  for (const char* reply : {"221", "", "<html>proxy error</html>"}) {
    server_->ClearRequests();
    server_->Reply(RegistrationPath, reply);
    if (wizard_->CurrentPage() != 4) ToSettingsPage();
    EXPECT_EQ(ClickAndAnswer(wizard_->img_finish, 1),
              std::vector<std::string>{"Retry again velomira registration."})
        << reply;
    ASSERT_FALSE(wizard_.isNull());
    EXPECT_EQ(wizard_->CurrentPage(), 4);
    EXPECT_TRUE(wizard_->isEnabled());
    EXPECT_FALSE(QApplication::overrideCursor());
    EXPECT_EQ(wizard_->ed_id->text(), "kimlee1");
    EXPECT_EQ(wizard_->ed_mail->text(), "kim@mail.example");
  }
}

TEST_F(RegistrationWizardTest, AutoStartEntryFollowsTheBox) {
  server_->Reply(RegistrationPath, "221");
  ToSettingsPage();
  ClickAndAnswer(wizard_->img_finish, 1);
  EXPECT_TRUE(EntryExists());

  Click(wizard_->cbo_auto);
  ClickAndAnswer(wizard_->img_finish, 1);
  EXPECT_FALSE(EntryExists());
  EXPECT_EQ(server_->Count(RegistrationPath), 2);
}

TEST_F(RegistrationWizardTest, AnUnwritableAutoStartEntryIsToldAndTheRegistrationStillSent) {
  // A plain file where the autostart folder should be: nothing can be written below it.
  QFile blocker(QString::fromStdString(configHome_ + "/autostart"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  server_->Reply(RegistrationPath, "100");
  ToSettingsPage();
  const auto messages = ClickAndAnswer(wizard_->img_finish, 1);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages.front().find("autostart entry could not be written"), std::string::npos);
  ASSERT_TRUE(WaitUntil([&] { return wizard_.isNull(); }));
  EXPECT_EQ(Registration().Param("login_auto"), "y");
}

TEST_F(RegistrationWizardTest, LinksOpenTheTermsAndPrivacyPages) {
  ToSettingsPage();
  Click(wizard_->Label14);
  Click(wizard_->img_back4);
  Click(wizard_->Label15);
  ASSERT_TRUE(WaitUntil([&] { return OpenedPages().size() == 2; }));
  EXPECT_EQ(OpenedPages(), (std::vector<std::string>{server_->Root() + "/web/aboutus/terms.htm",
                                                     server_->Root() + "/web/aboutus/privacy.htm"}));
}

TEST_F(RegistrationWizardTest, EveryCloseBoxAndTheFirstBackButtonReturnToLogin) {
  delete wizard_;
  for (const char* control : {"HoverImage1", "TransparentButton5", "TransparentButton1", "TransparentButton2",
                              "TransparentButton3", "TransparentButton4"}) {
    login_->hide();
    wizard_ = new Tfrm_reg(login_);
    wizard_->show();
    QWidget* button = wizard_->findChild<QWidget*>(control);
    ASSERT_NE(button, nullptr) << control;
    // Each close box lies on its own page; show that page the way the member reaches it.
    for (TPicturePanel* page : {wizard_->proxy_pnl, wizard_->pnl1, wizard_->pnl2, wizard_->pnl3, wizard_->pnl4})
      page->setVisible(page->isAncestorOf(button));
    Click(button);
    ASSERT_TRUE(WaitUntil([&] { return wizard_.isNull(); })) << control;
    EXPECT_TRUE(login_->isVisible()) << control;
  }
}

TEST_F(RegistrationWizardTest, NewAccountOnTheLoginDialogOpensTheWizard) {
  delete wizard_;
  delete login_;
  login_ = nullptr;
  WindowDriver driver;
  bool loginHidden = false;
  driver.Then("frm_login", "img_newacc")
      .Then("frm_reg", "TransparentButton5", [&](QWidget* wizard) {
        loginHidden = !frm_login->isVisible();
        EXPECT_EQ(static_cast<Tfrm_reg*>(wizard)->CurrentPage(), 0);
      })
      .Then("frm_login", "img_cancel");
  EXPECT_EQ(RunLogin(ProgramDir()), 2);
  EXPECT_TRUE(driver.Finished());
  EXPECT_TRUE(loginHidden);
  login_ = frm_login;
}

}  // namespace
}  // namespace velomira::test
