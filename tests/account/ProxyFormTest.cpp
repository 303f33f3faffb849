// The proxy form's enabling rules step by step and what it reads of proxy.ini, without a
// window; what all three proxy forms share is ProxyFormsTest's table.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <set>

#include "account/ProxyForm.h"
#include "core/dFunc.h"

namespace velomira {
namespace {

class ProxyFormTest : public ::testing::Test {
 protected:
  std::string Path() const { return folder_.path().toStdString() + "/proxy.ini"; }
  IniFile Ini() const { return IniFile(Path()); }

  static std::set<std::string> EnabledControls(const ProxyForm& form) {
    std::set<std::string> enabled;
    for (const char* control : ProxyForm::RuledControls) {
      if (form.Enabled(control)) enabled.insert(control);
    }
    return enabled;
  }

  QTemporaryDir folder_;
};

using Names = std::set<std::string>;
const Names ServerControls = {"proxy_serve", "host",     "port",      "ed_host", "ed_port",
                              "protocol",    "rb_socks", "rb_socks5", "rb_https"};

Names With(Names names, std::initializer_list<const char*> more) {
  names.insert(more.begin(), more.end());
  return names;
}

TEST_F(ProxyFormTest, EnablingRulesFollowEachAction) {
  ProxyForm form;
  form.SetUseProxy(true);
  form.SelectProtocol(Socks5Protocol);
  EXPECT_EQ(EnabledControls(form), With(ServerControls, {"socks5_check", "auth"}));
  form.SetAuthenticate(true);
  EXPECT_EQ(EnabledControls(form),
            With(ServerControls, {"socks5_check", "auth", "lb_usename", "lb_pass", "ed_usename", "ed_pass"}));
  EXPECT_EQ(form.Tint("ed_pass"), EditTint::White);

  // Unchecking the box also switches the "Authentication" label off.
  form.SetAuthenticate(false);
  EXPECT_EQ(EnabledControls(form), With(ServerControls, {"socks5_check"}));
  form.SetAuthenticate(true);
  form.SelectProtocol(Socks4Protocol);
  EXPECT_EQ(EnabledControls(form), ServerControls);
  EXPECT_EQ(form.Tint("ed_usename"), EditTint::Grey);

  // Switching the proxy off clears HTTPS only; another protocol stays selected.
  form.SelectProtocol(HttpsProtocol);
  form.SetUseProxy(false);
  EXPECT_EQ(form.Protocol(), NoProtocol);
  EXPECT_FALSE(form.Authenticate());
  EXPECT_EQ(EnabledControls(form), Names{});
  form.SetUseProxy(true);
  form.SelectProtocol(Socks5Protocol);
  form.SetUseProxy(false);
  EXPECT_EQ(form.Protocol(), Socks5Protocol);
}

TEST_F(ProxyFormTest, CredentialsAreReadOnlyForSocks5) {
  IniFile ini = Ini();
  ini.WriteBool("proxy", "proxy_setting", true);
  ini.WriteInteger("proxy", "protocol", 3);
  ini.WriteBool("proxy", "socks5_checked", true);
  ini.WriteString("proxy", "proxy_usename", "ann");
  ProxyForm form;
  form.Load(Path());
  EXPECT_EQ(form.Protocol(), HttpsProtocol);
  EXPECT_FALSE(form.Authenticate());
  EXPECT_EQ(form.UserName, "");
}

}  // namespace
}  // namespace velomira
