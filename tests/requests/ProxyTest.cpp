// How "proxy.ini" steers a request: settings that go direct, settings that must not
// send at all, and each proxy kind carried by a real proxy server started here.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

#include "ProxyProcess.h"
#include "RawHttpServer.h"
#include "RequestFixture.h"
#include "core/ProxySettings.h"

namespace velomira::test {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

const std::string ServiceBody = "100 OK" + std::string(26, ' ') + "record\x01" "field";

RawHttpServer::Handler AnswerOk() {
  return [](const std::string&) { return RawHttpServer::Reply(200, ServiceBody); };
}

class ProxyTest : public RequestFixture {
 protected:
  void UseProxy(int protocol, const std::string& port, const std::string& moreLines = "") const {
    WriteProxyIni("proxy_setting=1\r\nprotocol=" + std::to_string(protocol) +
                  "\r\nproxy_address=127.0.0.1\r\nProxy_port=" + port + "\r\n" + moreLines);
  }
};

TEST(ProxyPortTest, OnlyPlainDecimalPortsAreUsable) {
  const struct {
    const char* text;
    int port;
  } cases[] = {
      {"8080", 8080}, {"1", 1}, {"65535", 65535}, {"00080", 80}, {" 80", 80}, {"80 ", 80},
      {"", 0}, {"0", 0}, {"65536", 0}, {"99999", 0}, {"123456", 0},
      {" ", 0}, {"80a", 0}, {"a80", 0}, {"8 0", 0}, {"\t80", 0}, {"-1", 0}, {"+80", 0}, {"0x50", 0}, {"$50", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseProxyPort(c.text), c.port) << '"' << c.text << '"';
}


TEST_F(ProxyTest, PortThatIsNotADecimalNumberSendsNothing) {
  RawHttpServer service(AnswerOk());
  for (const int protocol : {1, 2, 3}) {
    for (const char* port : {"", "abc", "12a", "0x50", "99999", "-1"}) {
      SCOPED_TRACE(std::to_string(protocol) + " \"" + port + "\"");
      UseProxy(protocol, port);
      EXPECT_EQ(HttpPostText(service.Url("/servlet/servlet.x")), "");
      EXPECT_EQ(HttpGetStream(service.Url("/servlet/servlet.x")), "");
      EXPECT_FALSE(HttpGetFile(service.Url("/down/x"), Folder() + "/file"));
    }
  }
  EXPECT_EQ(service.Connections(), 0);
}

TEST_F(ProxyTest, ProxyWithoutAddressSendsNothing) {
  RawHttpServer service(AnswerOk());
  WriteProxyIni("proxy_setting=1\r\nprotocol=3\r\nProxy_port=8080\r\n");
  EXPECT_EQ(HttpPostText(service.Url("/servlet/servlet.x")), "");
  EXPECT_EQ(service.Connections(), 0);
}

TEST_F(ProxyTest, SettingsWithoutAUsableProxyKindGoDirect) {
  const std::string deadPort = std::to_string(FreeLoopbackPort());
  const std::string proxyAt = "proxy_address=127.0.0.1\r\nProxy_port=" + deadPort + "\r\n";
  const std::string cases[] = {
      "proxy_setting=0\r\nprotocol=3\r\n" + proxyAt,
      "protocol=2\r\n" + proxyAt,  // proxy_setting missing: off
      "proxy_setting=1\r\nprotocol=0\r\n" + proxyAt,
      "proxy_setting=1\r\nprotocol=4\r\n" + proxyAt,
      "proxy_setting=1\r\nprotocol=-1\r\n" + proxyAt,
      "proxy_setting=1\r\nprotocol=0\r\nproxy_address=\r\nProxy_port=junk\r\n",
  };
  for (const std::string& lines : cases) {
    SCOPED_TRACE(lines);
    RawHttpServer service(AnswerOk());
    WriteProxyIni(lines);
    EXPECT_EQ(HttpPostText(service.Url("/servlet/servlet.x")), ServiceBody);
    ASSERT_EQ(service.Requests().size(), 1u);
    EXPECT_THAT(service.Requests()[0], StartsWith("POST /servlet/servlet.x HTTP/1.0\r\n"));
  }
}

TEST_F(ProxyTest, EnvironmentProxiesAreIgnored) {
  const std::string deadProxy = "http://127.0.0.1:" + std::to_string(FreeLoopbackPort());
  setenv("http_proxy", deadProxy.c_str(), 1);
  setenv("ALL_PROXY", deadProxy.c_str(), 1);
  RawHttpServer service(AnswerOk());
  EXPECT_EQ(HttpPostText(service.Url("/servlet/servlet.x")), ServiceBody);

  // ... and an exclusion list in the environment does not bypass the member's proxy.
  setenv("no_proxy", "*", 1);
  RawHttpServer proxy(AnswerOk());
  UseProxy(3, std::to_string(proxy.Port()));
  EXPECT_EQ(HttpPostText(service.Url("/servlet/servlet.y")), ServiceBody);
  EXPECT_EQ(proxy.Connections(), 1);
  unsetenv("http_proxy");
  unsetenv("ALL_PROXY");
  unsetenv("no_proxy");
}

TEST_F(ProxyTest, HttpProxyReceivesTheFullAddressAndOnlyTheTwoHeaders) {
  RawHttpServer proxy(AnswerOk());
  UseProxy(3, std::to_string(proxy.Port()));

  EXPECT_EQ(HttpPostText("http://service.invalid/servlet/servlet.PresetList?usr_id=m1"), ServiceBody);

  ASSERT_EQ(proxy.Requests().size(), 1u);
  EXPECT_EQ(proxy.Requests()[0],
            "POST http://service.invalid/servlet/servlet.PresetList?usr_id=m1 HTTP/1.0\r\n"
            "Host: service.invalid\r\n"
            "User-Agent: Mozilla/3.0 (compatible; Indy Library)\r\n"
            "Accept: text/html, */*\r\n"
            "Content-Length: 0\r\n"
            "\r\n");
}

// ---- Real proxy servers ----------------------------------------------------------------

std::string FindSystemProgram(const std::string& name) {
  for (const char* folder : {"/usr/sbin/", "/usr/bin/", "/sbin/", "/bin/", "/usr/local/sbin/", "/usr/local/bin/"}) {
    const std::string path = folder + name;
    if (access(path.c_str(), X_OK) == 0) return path;
  }
  return {};
}

// The proxies drop their privileges to a user; here that is whoever runs the tests
// (root in the containers, where no other system users exist).
std::string CurrentUserName() {
  const passwd* entry = getpwuid(geteuid());
  return entry ? entry->pw_name : "root";
}

class RealProxyTest : public ProxyTest {
 protected:
  void SetUp() override {
    ProxyTest::SetUp();
    proxyPort_ = FreeLoopbackPort();
  }
  void TearDown() override {
    proxy_.Stop();
    ProxyTest::TearDown();
  }

  std::string ProxyPort() const { return std::to_string(proxyPort_); }
  std::string WriteConfig(const std::string& name, const std::string& text) const {
    const std::string path = Folder() + "/" + name;
    std::ofstream(path) << text;
    return path;
  }

  // The same request fails while the proxy is down and arrives once it is up, and the
  // proxy's log names the service's port: only the proxy can have carried it.
  void ExpectCarriedByProxy(const std::vector<std::string>& argv, const std::string& logMark) {
    const std::string url = service_.Url("/servlet/servlet.UserLogin?usr_id=m1&pass=p&rem_pass=N");
    EXPECT_EQ(HttpPostText(url), "");
    EXPECT_EQ(service_.Connections(), 0);

    ASSERT_TRUE(proxy_.Start(argv, proxyPort_, Folder() + "/proxy.log")) << proxy_.Log();
    EXPECT_EQ(HttpPostText(url), ServiceBody);
    EXPECT_EQ(HttpGetStream(service_.Url("/servlet/servlet.a_var")), ServiceBody);
    EXPECT_TRUE(HttpGetFile(service_.Url("/down/img/icon/icon01.gif"), Folder() + "/image.gif"));
    EXPECT_EQ(service_.Connections(), 3);
    ASSERT_EQ(service_.Requests().size(), 3u);
    EXPECT_THAT(service_.Requests()[0], StartsWith("POST /servlet/servlet.UserLogin?usr_id=m1&pass=p&rem_pass=N HTTP/1.0\r\n"));

    proxy_.Stop();  // flushes its log
    EXPECT_THAT(proxy_.Log(), HasSubstr(logMark));
  }

  std::string ServicePort() const { return std::to_string(service_.Port()); }

  RawHttpServer service_{AnswerOk()};
  ProxyProcess proxy_;
  int proxyPort_ = 0;
};

TEST_F(RealProxyTest, HttpProxy) {
  const std::string tinyproxy = FindSystemProgram("tinyproxy");
  if (tinyproxy.empty()) GTEST_SKIP() << "tinyproxy is not installed";
  const std::string config = WriteConfig("tinyproxy.conf",
      "Port " + ProxyPort() + "\nListen 127.0.0.1\nAllow 127.0.0.1\nLogLevel Info\nMaxClients 20\n" +
      (geteuid() == 0 ? "User root\nGroup root\n" : ""));
  UseProxy(3, ProxyPort());

  ExpectCarriedByProxy({tinyproxy, "-d", "-c", config}, "127.0.0.1:" + ServicePort());
  EXPECT_THAT(service_.Requests()[1], HasSubstr("\r\nVia: "));  // added by the proxy
}

TEST_F(RealProxyTest, Socks4) {
  const std::string danted = FindSystemProgram("danted");
  if (danted.empty()) GTEST_SKIP() << "danted is not installed";
  const std::string config = WriteConfig("danted.conf",
      "logoutput: stderr\n"
      "internal: 127.0.0.1 port = " + ProxyPort() + "\n"
      "external: 127.0.0.1\n"
      "clientmethod: none\n"
      "socksmethod: none\n"
      "user.privileged: " + CurrentUserName() + "\n"
      "user.unprivileged: " + CurrentUserName() + "\n"
      "client pass {\n  from: 127.0.0.0/8 to: 0.0.0.0/0\n}\n"
      "socks pass {\n  from: 127.0.0.0/8 to: 0.0.0.0/0\n  protocol: tcp\n  proxyprotocol: socks_v4\n  log: connect\n}\n");
  UseProxy(1, ProxyPort());

  ExpectCarriedByProxy({danted, "-f", config, "-p", Folder() + "/danted.pid"}, "127.0.0.1." + ServicePort());
}

TEST_F(RealProxyTest, Socks5WithoutAuthentication) {
  const std::string microsocks = FindSystemProgram("microsocks");
  if (microsocks.empty()) GTEST_SKIP() << "microsocks is not installed";
  // Credentials present but not switched on: none are offered.
  UseProxy(2, ProxyPort(), "socks5_checked=0\r\nproxy_usename=velo\r\nproxy_pass=secret\r\n");

  ExpectCarriedByProxy({microsocks, "-i", "127.0.0.1", "-p", ProxyPort()}, "127.0.0.1:" + ServicePort());
}

TEST_F(RealProxyTest, Socks5WithUserNameAndPassword) {
  const std::string microsocks = FindSystemProgram("microsocks");
  if (microsocks.empty()) GTEST_SKIP() << "microsocks is not installed";
  const std::string credentials = "proxy_usename=velo\r\nproxy_pass=se cret\r\n";
  UseProxy(2, ProxyPort(), "socks5_checked=1\r\n" + credentials);

  ExpectCarriedByProxy({microsocks, "-i", "127.0.0.1", "-p", ProxyPort(), "-u", "velo", "-P", "se cret"},
                       "127.0.0.1:" + ServicePort());
}

TEST_F(RealProxyTest, Socks5RefusesMissingOrWrongCredentials) {
  const std::string microsocks = FindSystemProgram("microsocks");
  if (microsocks.empty()) GTEST_SKIP() << "microsocks is not installed";
  ASSERT_TRUE(proxy_.Start({microsocks, "-i", "127.0.0.1", "-p", ProxyPort(), "-u", "velo", "-P", "secret"},
                           proxyPort_, Folder() + "/proxy.log"));
  const std::string url = service_.Url("/servlet/servlet.x");

  UseProxy(2, ProxyPort(), "socks5_checked=0\r\nproxy_usename=velo\r\nproxy_pass=secret\r\n");
  EXPECT_EQ(HttpPostText(url), "");
  UseProxy(2, ProxyPort(), "socks5_checked=1\r\nproxy_usename=velo\r\nproxy_pass=wrong\r\n");
  EXPECT_EQ(HttpPostText(url), "");
  EXPECT_EQ(service_.Connections(), 0);

  UseProxy(2, ProxyPort(), "socks5_checked=1\r\nproxy_usename=velo\r\nproxy_pass=secret\r\n");
  EXPECT_EQ(HttpPostText(url), ServiceBody);
  EXPECT_EQ(service_.Connections(), 1);
}

}  // namespace
}  // namespace velomira::test
