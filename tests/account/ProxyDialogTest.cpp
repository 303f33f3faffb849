// The proxy dialog from the login dialog, and its Cancel; what its OK writes is
// ProxyFormsTest's table, shared with the other proxy forms.
#include <QFile>
#include <QLineEdit>

#include "AccountFixture.h"
#include "WindowDriver.h"
#include "account/Login.h"
#include "account/Tfrm_login.h"
#include "core/dFunc.h"

namespace velomira::test {
namespace {

class ProxyDialogTest : public AccountFixture {
 protected:
  void TearDown() override {
    delete frm_login;
    AccountFixture::TearDown();
  }
};

TEST_F(ProxyDialogTest, OpensFromTheLoginDialogAndCancelWritesNothing) {
  WindowDriver driver;
  bool loginHidden = false;
  driver.Then("frm_login", "proxy")
      .Then("frm_proxy", "HoverImage2", [&](QWidget* proxy) {
        loginHidden = !frm_login->isVisible();
        proxy->findChild<QLineEdit*>("ed_host")->setText("typed.example");
      })
      .Then("frm_login", "img_cancel");
  EXPECT_EQ(RunLogin(ProgramDir()), 2);
  EXPECT_TRUE(driver.Finished());
  EXPECT_TRUE(loginHidden);
  EXPECT_FALSE(QFile::exists(QString::fromStdString(ProgramDir() + "proxy.ini")));
}

}  // namespace
}  // namespace velomira::test
