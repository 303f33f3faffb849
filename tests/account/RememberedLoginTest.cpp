// What a successful typed login leaves in user.ini: the password only for automatic
// login, whatever an older run left there.
#include <QCheckBox>
#include <QLineEdit>
#include <cstdio>

#include "AccountFixture.h"
#include "WindowDriver.h"
#include "account/Login.h"
#include "account/Tfrm_login.h"
#include "core/dFunc.h"

namespace velomira::test {
namespace {

const std::string LoginPath = "/servlet/servlet.UserLogin";

class RememberedLoginTest : public AccountFixture {
 protected:
  void TearDown() override {
    delete frm_login;
    AccountFixture::TearDown();
  }
};

TEST_F(RememberedLoginTest, OnlyAutomaticLoginKeepsThePasswordScrambled) {
  const struct {
    const char* what;
    bool olderPassword;  // a password left without automatic login by an older run
    bool automatic;      // cbo_auto at this login
    const char* kept;    // the password in user.ini afterwards, unscrambled
  } cases[] = {
      {"not remembered", false, false, ""},
      {"not remembered, an older password on disk", true, false, ""},
      {"remembered", false, true, "typed1"},
      {"remembered over an older password", true, true, "typed1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::remove((ProgramDir() + "user.ini").c_str());
    if (c.olderPassword) {
      WriteUserIni("password", ScrambleText("older1", CredentialKey));
      WriteUserIni("autosave", "0");
    }
    server_->Reply(LoginPath, "150" + std::string(29, '#') + "+0100" + "ann@example.com\x01" "Ann\x01" "c\x01" "ann");
    WindowDriver driver;
    driver.Then("frm_login", "img_login", [&](QWidget* window) {
      window->findChild<QLineEdit*>("ed_id")->setText("ann");
      window->findChild<QLineEdit*>("ed_pass")->setText("typed1");
      window->findChild<QCheckBox*>("cbo_auto")->setChecked(c.automatic);
    });
    EXPECT_EQ(RunLogin(ProgramDir()), 1);
    EXPECT_TRUE(driver.Finished());
    EXPECT_EQ(UnscrambleText(ReadUserIni("password"), CredentialKey), c.kept);
    if (!c.automatic) {
      EXPECT_EQ(ReadUserIni("password"), "");  // not even scrambled
    }
    EXPECT_EQ(ReadUserIni("autosave"), c.automatic ? "1" : "0");
    EXPECT_EQ(UnscrambleText(ReadUserIni("username"), CredentialKey), "ann");
    delete frm_login;
  }
}

}  // namespace
}  // namespace velomira::test
