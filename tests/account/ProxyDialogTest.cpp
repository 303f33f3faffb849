// The proxy dialog through its controls: opened from the login dialog, its OK and
// Cancel writes, and the values that stay in proxy.ini.
#include <QCheckBox>
#include <QFile>
#include <QPointer>
#include <QLineEdit>
#include <QRadioButton>

#include "AccountFixture.h"
#include "WindowDriver.h"
#include "account/Login.h"
#include "account/Tfrm_login.h"
#include "account/Tfrm_proxy.h"
#include "controls/THoverImage.h"
#include "controls/TFlatRadioButton.h"
#include "core/dFunc.h"

namespace velomira::test {
namespace {

class ProxyDialogTest : public AccountFixture {
 protected:
  void TearDown() override {
    delete frm_login;
    AccountFixture::TearDown();
  }
  std::string Key(const std::string& key) const {
    return IniFile(ProgramDir() + "proxy.ini").ReadString("proxy", key, "<absent>");
  }
  // A dialog of its own, shown as the login dialog would show it.
  Tfrm_proxy* OpenDialog() {
    auto* dialog = new Tfrm_proxy;
    dialog->show();
    return dialog;
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

TEST_F(ProxyDialogTest, AbsentFileOpensDisabledAndOkWritesTheDesignState) {
  Tfrm_proxy* dialog = OpenDialog();
  EXPECT_FALSE(dialog->proxy_setting->isChecked());
  for (QWidget* control : std::initializer_list<QWidget*>{dialog->ed_host, dialog->ed_port,
                                                          dialog->rb_socks, dialog->rb_https,
                                                          dialog->socks5_check, dialog->ed_usename}) {
    EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();
  }
  EXPECT_EQ(dialog->ed_host->palette().color(QPalette::Base), QColor(162, 193, 210));
  Click(dialog->HoverImage1);
  EXPECT_EQ(Key("proxy_setting"), "0");
  EXPECT_EQ(Key("protocol"), "1");
  EXPECT_EQ(Key("proxy_address"), "");
  EXPECT_EQ(Key("Proxy_port"), "");
}

TEST_F(ProxyDialogTest, CheckingTheProxySelectsHttps) {
  Tfrm_proxy* dialog = OpenDialog();
  Click(dialog->proxy_setting);
  EXPECT_TRUE(dialog->rb_https->isChecked());
  EXPECT_FALSE(dialog->rb_socks->isChecked());
  EXPECT_TRUE(dialog->ed_host->isEnabled());
  EXPECT_EQ(dialog->ed_host->palette().color(QPalette::Base), QColor(Qt::white));
  dialog->ed_host->setText("proxy.example");
  dialog->ed_port->setText("3128");
  Click(dialog->HoverImage1);
  EXPECT_EQ(Key("proxy_setting"), "1");
  EXPECT_EQ(Key("protocol"), "3");
  EXPECT_EQ(Key("proxy_address"), "proxy.example");
  EXPECT_EQ(Key("Proxy_port"), "3128");
}

TEST_F(ProxyDialogTest, MissingPasswordIsReportedAndStoredCredentialsStay) {
  IniFile ini(ProgramDir() + "proxy.ini");
  ini.WriteBool("proxy", "socks5_checked", true);
  ini.WriteString("proxy", "proxy_usename", "olduser");
  ini.WriteString("proxy", "proxy_pass", "oldpass");

  Tfrm_proxy* dialog = OpenDialog();
  QPointer<Tfrm_proxy> alive = dialog;
  Click(dialog->proxy_setting);
  Click(dialog->rb_socks5);
  EXPECT_TRUE(dialog->socks5_check->isEnabled());
  EXPECT_FALSE(dialog->ed_usename->isEnabled());
  Click(dialog->socks5_check);
  EXPECT_TRUE(dialog->ed_usename->isEnabled());
  dialog->ed_host->setText("10.1.1.1");
  dialog->ed_port->setText("1080");
  dialog->ed_usename->setText("newuser");

  WindowDriver driver;
  driver.Then("frm_alert", "alert_yes");
  Click(dialog->HoverImage1);
  EXPECT_TRUE(WaitUntil([&] { return driver.Finished() && alive.isNull(); }));
  EXPECT_EQ(driver.Messages, std::vector<std::string>{"Please enter your userpassword."});
  EXPECT_EQ(Key("protocol"), "2");
  EXPECT_EQ(Key("proxy_address"), "10.1.1.1");
  EXPECT_EQ(Key("Proxy_port"), "1080");
  EXPECT_EQ(Key("proxy_usename"), "olduser");
  EXPECT_EQ(Key("proxy_pass"), "oldpass");
}

TEST_F(ProxyDialogTest, StoredAuthenticationShowsCheckedAgain) {
  IniFile ini(ProgramDir() + "proxy.ini");
  ini.WriteBool("proxy", "proxy_setting", true);
  ini.WriteInteger("proxy", "protocol", 2);
  ini.WriteBool("proxy", "socks5_checked", true);
  ini.WriteString("proxy", "proxy_usename", "ann");
  ini.WriteString("proxy", "proxy_pass", "secret");

  Tfrm_proxy* dialog = OpenDialog();
  EXPECT_TRUE(dialog->rb_socks5->isChecked());
  EXPECT_TRUE(dialog->socks5_check->isChecked());
  EXPECT_EQ(dialog->ed_usename->text(), "ann");
  EXPECT_EQ(dialog->ed_pass->text(), "secret");
  EXPECT_TRUE(dialog->ed_pass->isEnabled());
  Click(dialog->socks5_check);  // unchecked: nothing of the three is written
  EXPECT_FALSE(dialog->ed_pass->isEnabled());
  Click(dialog->HoverImage1);
  EXPECT_EQ(Key("socks5_checked"), "1");
  EXPECT_EQ(Key("proxy_pass"), "secret");
}

}  // namespace
}  // namespace velomira::test
