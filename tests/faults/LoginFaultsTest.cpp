// The login dialog when nobody answers at the service's address: the member is told
// and gets the dialog back, and what he had stored stays.
#include <QLineEdit>

#include "AccountFixture.h"
#include "WindowDriver.h"
#include "account/Login.h"
#include "account/Tfrm_login.h"
#include "core/dFunc.h"

namespace velomira::test {
namespace {

class LoginFaultsTest : public AccountFixture {
 protected:
  void TearDown() override {
    delete frm_login;
    AccountFixture::TearDown();
  }
};

TEST_F(LoginFaultsTest, AServiceDownAtTheStartSaysSoAndGivesTheDialogBack) {
  WriteUserIni("username", ScrambleText("ann", CredentialKey));
  WriteUserIni("password", ScrambleText("old", CredentialKey));
  server_->Stop();
  WindowDriver driver;
  driver
      .Then("frm_login", "img_login",
            [](QWidget* window) {
              window->findChild<QLineEdit*>("ed_id")->setText("ann");
              window->findChild<QLineEdit*>("ed_pass")->setText("pw");
            })
      .Then("frm_alert", "alert_yes")
      .Then("frm_login", "img_cancel");
  EXPECT_EQ(RunLogin(ProgramDir()), 2);
  EXPECT_TRUE(driver.Finished());
  EXPECT_EQ(driver.Messages,
            std::vector<std::string>{"Cannot connect to server.\nPlease make sure your network configuration, try again."});
  EXPECT_EQ(driver.Unexpected, std::vector<std::string>{});
  EXPECT_EQ(UnscrambleText(ReadUserIni("password"), CredentialKey), "old");
}

}  // namespace
}  // namespace velomira::test
