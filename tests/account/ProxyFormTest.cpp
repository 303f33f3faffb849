// The proxy form's enabling rules and its proxy.ini reads and writes, without a window.
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
  std::string Key(const std::string& key) const { return Ini().ReadString("proxy", key, "<absent>"); }

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

TEST_F(ProxyFormTest, AbsentFileOpensOffAndSavesTheDesignSelection) {
  ProxyForm form;
  form.Load(Path());
  EXPECT_FALSE(form.UseProxy());
  EXPECT_EQ(EnabledControls(form), Names{});
  for (const char* edit : ProxyForm::TintedEdits) EXPECT_EQ(form.Tint(edit), EditTint::Grey) << edit;

  EXPECT_EQ(form.Save(Path()), "");
  EXPECT_EQ(Key("proxy_setting"), "0");
  EXPECT_EQ(Key("protocol"), "1");
  EXPECT_EQ(Key("proxy_address"), "");
  EXPECT_EQ(Key("Proxy_port"), "");
  EXPECT_EQ(Key("socks5_checked"), "<absent>");
}

TEST_F(ProxyFormTest, CheckingConnectUsingProxySelectsHttps) {
  ProxyForm form;
  form.Load(Path());
  form.SetUseProxy(true);
  EXPECT_EQ(form.Protocol(), HttpsProtocol);
  EXPECT_EQ(EnabledControls(form), ServerControls);
  EXPECT_EQ(form.Tint("ed_host"), EditTint::White);
  form.Host = "proxy.example";
  form.Port = "8080";
  form.Save(Path());
  EXPECT_EQ(Key("proxy_setting"), "1");
  EXPECT_EQ(Key("protocol"), "3");
  EXPECT_EQ(Key("proxy_address"), "proxy.example");
  EXPECT_EQ(Key("Proxy_port"), "8080");
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

TEST_F(ProxyFormTest, IncompleteCredentialsKeepTheStoredOnes) {
  {
    IniFile ini = Ini();
    ini.WriteBool("proxy", "socks5_checked", true);
    ini.WriteString("proxy", "proxy_usename", "olduser");
    ini.WriteString("proxy", "proxy_pass", "oldpass");
  }
  ProxyForm form;
  form.Load(Path());
  form.SetUseProxy(true);
  form.SelectProtocol(Socks5Protocol);
  form.SetAuthenticate(true);
  form.Host = "10.0.0.1";
  form.Port = "1080";
  form.UserName = "newuser";
  EXPECT_EQ(form.Save(Path()), "Please enter your userpassword.");
  EXPECT_EQ(Key("protocol"), "2");
  EXPECT_EQ(Key("proxy_address"), "10.0.0.1");
  EXPECT_EQ(Key("Proxy_port"), "1080");
  EXPECT_EQ(Key("proxy_usename"), "olduser");
  EXPECT_EQ(Key("proxy_pass"), "oldpass");

  form.UserName.clear();
  form.Password = "pw";
  EXPECT_EQ(form.Save(Path()), "Please enter your username.");
  EXPECT_EQ(Key("proxy_pass"), "oldpass");
}

TEST_F(ProxyFormTest, StoredAuthenticationSurvivesUncheckingTheBox) {
  ProxyForm first;
  first.SetUseProxy(true);
  first.SelectProtocol(Socks5Protocol);
  first.SetAuthenticate(true);
  first.UserName = "ann";
  first.Password = "secret";
  EXPECT_EQ(first.Save(Path()), "");

  ProxyForm second;
  second.Load(Path());
  EXPECT_TRUE(second.Authenticate());
  second.SetAuthenticate(false);
  second.Save(Path());
  EXPECT_EQ(Key("socks5_checked"), "1");

  ProxyForm third;
  third.Load(Path());
  EXPECT_TRUE(third.UseProxy());
  EXPECT_EQ(third.Protocol(), Socks5Protocol);
  EXPECT_TRUE(third.Authenticate());
  EXPECT_EQ(third.UserName, "ann");
  EXPECT_EQ(third.Password, "secret");
  EXPECT_EQ(EnabledControls(third),
            With(ServerControls, {"socks5_check", "auth", "lb_usename", "lb_pass", "ed_usename", "ed_pass"}));
  EXPECT_EQ(third.Tint("ed_host"), EditTint::SystemWindow);
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
