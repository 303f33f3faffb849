// The proxy settings as each of their three forms offers them: the form alone, the proxy
// dialog and the registration wizard's network page. One table of what the member does
// and what shows and lands in proxy.ini, run through every form.
#include <QCheckBox>
#include <QLineEdit>
#include <QPointer>
#include <QStyle>
#include <functional>
#include <map>
#include <memory>
#include <cstdio>
#include <optional>
#include <set>

#include "AccountFixture.h"
#include "WindowDriver.h"
#include "account/ProxyForm.h"
#include "account/Tfrm_login.h"
#include "account/Tfrm_proxy.h"
#include "account/Tfrm_reg.h"
#include "controls/CodePageText.h"
#include "controls/TFlatRadioButton.h"
#include "controls/THoverImage.h"
#include "core/dFunc.h"

namespace velomira::test {
namespace {

using Names = std::set<std::string>;
enum class Edit { Host, Port, UserName, Password };

// What a form shows; a case names only what it is about.
struct View {
  std::optional<bool> UseProxy = {}, Authenticate = {};
  std::optional<ProxyProtocol> Protocol = {};
  std::optional<std::string> UserName = {}, Password = {};
  std::optional<Names> Enabled = {};
  std::map<std::string, EditTint> Tints = {};
};

// One form as the member uses it.
class Form {
 public:
  virtual ~Form() = default;
  virtual void UseProxy(bool on) = 0;
  virtual void Protocol(ProxyProtocol protocol) = 0;
  virtual void Authenticate(bool on) = 0;
  virtual void Type(Edit edit, const std::string& text) = 0;
  virtual bool UseProxyShown() const = 0;
  virtual bool AuthenticateShown() const = 0;
  virtual ProxyProtocol ProtocolShown() const = 0;
  virtual std::string Text(Edit edit) const = 0;
  virtual bool Enabled(const char* control) const = 0;
  virtual bool HasTint(const char* edit, EditTint tint) const = 0;
  // OK (or next): the messages it shows, each answered.
  virtual std::vector<std::string> Save(std::size_t messages) = 0;
};

template <typename F>  // ProxyForm, const or not
auto& FieldOf(F& form, Edit edit) {
  switch (edit) {
    case Edit::Host: return form.Host;
    case Edit::Port: return form.Port;
    case Edit::UserName: return form.UserName;
    case Edit::Password: return form.Password;
  }
  return form.Host;
}

class FormAlone : public Form {
 public:
  FormAlone() { form_.Load(ProxyIniPath()); }
  void UseProxy(bool on) override { form_.SetUseProxy(on); }
  void Protocol(ProxyProtocol protocol) override { form_.SelectProtocol(protocol); }
  void Authenticate(bool on) override { form_.SetAuthenticate(on); }
  void Type(Edit edit, const std::string& text) override { FieldOf(form_, edit) = text; }
  bool UseProxyShown() const override { return form_.UseProxy(); }
  bool AuthenticateShown() const override { return form_.Authenticate(); }
  ProxyProtocol ProtocolShown() const override { return form_.Protocol(); }
  std::string Text(Edit edit) const override { return FieldOf(form_, edit); }
  bool Enabled(const char* control) const override { return form_.Enabled(control); }
  bool HasTint(const char* edit, EditTint tint) const override { return form_.Tint(edit) == tint; }
  std::vector<std::string> Save(std::size_t) override {
    const std::string message = form_.Save(ProxyIniPath());
    return message.empty() ? std::vector<std::string>{} : std::vector<std::string>{message};
  }

 private:
  ProxyForm form_;
};

// The dialog and the wizard's page show the same controls; only their window and the
// button that saves differ.
class FormOnAPanel : public Form {
 public:
  void UseProxy(bool on) override { SetBox(controls_->proxy_setting, on); }
  void Protocol(ProxyProtocol protocol) override {
    Click(protocol == Socks4Protocol   ? static_cast<QWidget*>(controls_->rb_socks)
          : protocol == Socks5Protocol ? controls_->rb_socks5
                                       : controls_->rb_https);
  }
  void Authenticate(bool on) override { SetBox(controls_->socks5_check, on); }
  void Type(Edit edit, const std::string& text) override { Line(edit)->setText(ToQString(text)); }
  bool UseProxyShown() const override { return controls_->proxy_setting->isChecked(); }
  bool AuthenticateShown() const override { return controls_->socks5_check->isChecked(); }
  ProxyProtocol ProtocolShown() const override {
    const int selected = controls_->rb_socks->isChecked() + controls_->rb_socks5->isChecked() +
                         controls_->rb_https->isChecked();
    EXPECT_LE(selected, 1) << "more than one protocol selected";
    if (controls_->rb_socks->isChecked()) return Socks4Protocol;
    if (controls_->rb_socks5->isChecked()) return Socks5Protocol;
    return controls_->rb_https->isChecked() ? HttpsProtocol : NoProtocol;
  }
  std::string Text(Edit edit) const override { return FromQString(Line(edit)->text()); }
  bool Enabled(const char* control) const override { return Control(control)->isEnabled(); }
  bool HasTint(const char* edit, EditTint tint) const override {
    const QWidget* line = Control(edit);
    const QColor colour = tint == EditTint::Grey    ? QColor(162, 193, 210)
                          : tint == EditTint::White ? QColor(Qt::white)
                                                    : line->style()->standardPalette().color(QPalette::Base);
    return line->palette().color(QPalette::Base) == colour;
  }
  std::vector<std::string> Save(std::size_t messages) override {
    WindowDriver driver;
    for (std::size_t i = 0; i < messages; ++i) driver.Then("frm_alert", "alert_yes");
    Click(save_);
    EXPECT_TRUE(WaitUntil([&] { return driver.Finished(); })) << "messages left unanswered";
    EXPECT_TRUE(driver.Unexpected.empty());
    return driver.Messages;
  }

 protected:
  void Show(QWidget* window, ProxyControls* controls, QWidget* save) {
    window->show();
    window_ = window;
    controls_ = controls;
    save_ = save;
  }
  QPointer<QWidget> window_;

 private:
  static void SetBox(QCheckBox* box, bool on) {
    if (box->isChecked() != on) Click(box);
  }
  QLineEdit* Line(Edit edit) const {
    switch (edit) {
      case Edit::Host: return controls_->ed_host;
      case Edit::Port: return controls_->ed_port;
      case Edit::UserName: return controls_->ed_usename;
      case Edit::Password: return controls_->ProxyPassword;
    }
    return controls_->ed_host;
  }
  QWidget* Control(const char* name) const {
    // The form's "ed_pass" is the page's password edit, whatever its name there.
    if (std::string_view(name) == "ed_pass") return controls_->ProxyPassword;
    QWidget* control = window_->findChild<QWidget*>(QString::fromLatin1(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
  }

  ProxyControls* controls_ = nullptr;
  QWidget* save_ = nullptr;
};

class ProxyDialog : public FormOnAPanel {
 public:
  ProxyDialog() {
    auto* dialog = new Tfrm_proxy;  // closes and frees itself on OK
    Show(dialog, dialog, dialog->HoverImage1);
  }
  ~ProxyDialog() override { delete window_.data(); }
  // OK closes the dialog, whatever it had to tell.
  std::vector<std::string> Save(std::size_t messages) override {
    std::vector<std::string> shown = FormOnAPanel::Save(messages);
    EXPECT_TRUE(WaitUntil([this] { return window_.isNull(); }));
    return shown;
  }
};

class NetworkPage : public FormOnAPanel {
 public:
  NetworkPage() : login_(new Tfrm_login(State().ProgramDir)) {
    auto* wizard = new Tfrm_reg(login_.get());
    Show(wizard, wizard, wizard->HoverImage2);
  }

 private:
  std::unique_ptr<Tfrm_login> login_;  // owns the wizard
};

const Names ServerControls = {"proxy_serve", "host",     "port",      "ed_host", "ed_port",
                              "protocol",    "rb_socks", "rb_socks5", "rb_https"};
const Names CredentialControls = {"socks5_check", "auth", "lb_usename", "lb_pass", "ed_usename", "ed_pass"};

Names With(Names names, const Names& more) {
  names.insert(more.begin(), more.end());
  return names;
}

using Keys = std::map<std::string, std::string>;  // proxy.ini [proxy]; "<absent>" for none

struct Case {
  const char* what;
  Keys stored;
  bool shownFromFile;  // the view depends on what the file held (the wizard's page never reads it)
  std::function<void(Form&)> act;
  View view;
  std::vector<std::string> messages;
  Keys saved;
};

const std::vector<Case>& Cases() {
  static const std::vector<Case> cases{
      {"an absent file opens off and saves the design selection", {}, false, [](Form&) {},
       View{.UseProxy = false,
            .Enabled = Names{},
            .Tints = {{"ed_host", EditTint::Grey}, {"ed_port", EditTint::Grey}, {"ed_usename", EditTint::Grey},
                      {"ed_pass", EditTint::Grey}}},
       {},
       {{"proxy_setting", "0"}, {"protocol", "1"}, {"proxy_address", ""}, {"Proxy_port", ""},
        {"socks5_checked", "<absent>"}}},
      {"connecting through a proxy selects HTTPS",
       {},
       false,
       [](Form& form) {
         form.UseProxy(true);
         form.Type(Edit::Host, "proxy.example");
         form.Type(Edit::Port, "8080");
       },
       View{.UseProxy = true,
            .Authenticate = false,
            .Protocol = HttpsProtocol,
            .Enabled = ServerControls,
            .Tints = {{"ed_host", EditTint::White}}},
       {},
       {{"proxy_setting", "1"}, {"protocol", "3"}, {"proxy_address", "proxy.example"}, {"Proxy_port", "8080"}}},
      {"SOCKS 5 offers authentication, whose credentials wait for the box",
       {},
       false,
       [](Form& form) {
         form.UseProxy(true);
         form.Protocol(Socks5Protocol);
       },
       View{.Authenticate = false,
            .Protocol = Socks5Protocol,
            .Enabled = With(ServerControls, {"socks5_check", "auth"})},
       {},
       {{"protocol", "2"}, {"socks5_checked", "<absent>"}}},
      {"complete SOCKS 5 credentials are stored",
       {},
       false,
       [](Form& form) {
         form.UseProxy(true);
         form.Protocol(Socks5Protocol);
         form.Authenticate(true);
         form.Type(Edit::UserName, "ann");
         form.Type(Edit::Password, "secret");
       },
       View{.Enabled = With(ServerControls, CredentialControls), .Tints = {{"ed_pass", EditTint::White}}},
       {},
       {{"protocol", "2"}, {"socks5_checked", "1"}, {"proxy_usename", "ann"}, {"proxy_pass", "secret"}}},
      {"a missing password is told and the stored credentials stay",
       {{"socks5_checked", "1"}, {"proxy_usename", "olduser"}, {"proxy_pass", "oldpass"}},
       false,
       [](Form& form) {
         form.UseProxy(true);
         form.Protocol(Socks5Protocol);
         form.Authenticate(true);
         form.Type(Edit::Host, "10.0.0.1");
         form.Type(Edit::Port, "1080");
         form.Type(Edit::UserName, "newuser");
       },
       View{},
       {"Please enter your userpassword."},
       {{"protocol", "2"},
        {"proxy_address", "10.0.0.1"},
        {"Proxy_port", "1080"},
        {"proxy_usename", "olduser"},
        {"proxy_pass", "oldpass"}}},
      {"a missing user name is told and the stored credentials stay",
       {{"socks5_checked", "1"}, {"proxy_usename", "olduser"}, {"proxy_pass", "oldpass"}},
       false,
       [](Form& form) {
         form.UseProxy(true);
         form.Protocol(Socks5Protocol);
         form.Authenticate(true);
         form.Type(Edit::Password, "pw");
       },
       View{},
       {"Please enter your username."},
       {{"proxy_usename", "olduser"}, {"proxy_pass", "oldpass"}}},
      {"stored authentication shows checked again",
       {{"proxy_setting", "1"}, {"protocol", "2"}, {"socks5_checked", "1"}, {"proxy_usename", "ann"},
        {"proxy_pass", "secret"}},
       true,
       [](Form&) {},
       View{.UseProxy = true,
            .Authenticate = true,
            .Protocol = Socks5Protocol,
            .UserName = "ann",
            .Password = "secret",
            .Enabled = With(ServerControls, CredentialControls),
            .Tints = {{"ed_host", EditTint::SystemWindow}, {"ed_pass", EditTint::White}}},
       {},
       {{"socks5_checked", "1"}, {"proxy_usename", "ann"}, {"proxy_pass", "secret"}}},
      {"unchecking stored authentication writes none of it and keeps it",
       {{"proxy_setting", "1"}, {"protocol", "2"}, {"socks5_checked", "1"}, {"proxy_usename", "ann"},
        {"proxy_pass", "secret"}},
       true,
       [](Form& form) { form.Authenticate(false); },
       View{.Authenticate = false, .Enabled = With(ServerControls, {"socks5_check"})},
       {},
       {{"socks5_checked", "1"}, {"proxy_usename", "ann"}, {"proxy_pass", "secret"}}},
  };
  return cases;
}

class ProxyFormsTest : public AccountFixture {
 protected:
  void Run(const std::function<std::unique_ptr<Form>()>& open, bool readsFile) {
    for (const Case& c : Cases()) {
      if (c.shownFromFile && !readsFile) continue;
      SCOPED_TRACE(c.what);
      std::remove(ProxyIniPath().c_str());
      for (const auto& [key, value] : c.stored) IniFile(ProxyIniPath()).WriteString("proxy", key, value);
      std::unique_ptr<Form> form = open();
      c.act(*form);
      Check(*form, c.view);
      EXPECT_EQ(form->Save(c.messages.size()), c.messages);
      for (const auto& [key, value] : c.saved) {
        EXPECT_EQ(IniFile(ProxyIniPath()).ReadString("proxy", key, "<absent>"), value) << key;
      }
    }
  }

  static void Check(const Form& form, const View& view) {
    if (view.UseProxy) {
      EXPECT_EQ(form.UseProxyShown(), *view.UseProxy);
    }
    if (view.Authenticate) {
      EXPECT_EQ(form.AuthenticateShown(), *view.Authenticate);
    }
    if (view.Protocol) {
      EXPECT_EQ(form.ProtocolShown(), *view.Protocol);
    }
    if (view.UserName) {
      EXPECT_EQ(form.Text(Edit::UserName), *view.UserName);
    }
    if (view.Password) {
      EXPECT_EQ(form.Text(Edit::Password), *view.Password);
    }
    if (view.Enabled) {
      Names enabled;
      for (const char* control : ProxyForm::RuledControls) {
        if (form.Enabled(control)) enabled.insert(control);
      }
      EXPECT_EQ(enabled, *view.Enabled);
    }
    for (const auto& [edit, tint] : view.Tints) EXPECT_TRUE(form.HasTint(edit.c_str(), tint)) << edit;
  }
};

TEST_F(ProxyFormsTest, TheFormAlone) {
  Run([] { return std::make_unique<FormAlone>(); }, true);
}

TEST_F(ProxyFormsTest, TheProxyDialog) {
  Run([] { return std::make_unique<ProxyDialog>(); }, true);
}

// The wizard's page starts in the design state whatever proxy.ini holds.
TEST_F(ProxyFormsTest, TheRegistrationNetworkPage) {
  Run([] { return std::make_unique<NetworkPage>(); }, false);
}

}  // namespace
}  // namespace velomira::test
