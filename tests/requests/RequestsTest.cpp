// The request functions against a raw server on 127.0.0.1: the exact bytes sent, the
// body returned, and every kind of failure turned into an empty result.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "ProxyProcess.h"
#include "RawHttpServer.h"
#include "RequestFixture.h"

namespace velomira::test {
namespace {

const std::string ServiceBody = std::string("100 OK", 6) + std::string(26, ' ') + "a\x01" "b\x02" "c\0d\xFF" "end";

std::string ReadWholeFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

RawHttpServer::Handler Answer(int status, const std::string& body) {
  return [=](const std::string&) { return RawHttpServer::Reply(status, body); };
}

using RequestsTest = RequestFixture;

TEST_F(RequestsTest, PostSendsHttp10WithEmptyBodyAndOnlyTheTwoHeaders) {
  RawHttpServer server(Answer(200, ServiceBody));
  const std::string query = "/servlet/servlet.GetLog?name=x&cnt=" + UrlEncode("a b&c\xE9\r\n");

  EXPECT_EQ(HttpPostText(server.Url(query)), ServiceBody);

  ASSERT_EQ(server.Requests().size(), 1u);
  EXPECT_EQ(server.Requests()[0],
            "POST /servlet/servlet.GetLog?name=x&cnt=a+b%26c%E9%0D%0A HTTP/1.0\r\n"
            "Host: 127.0.0.1:" + std::to_string(server.Port()) + "\r\n"
            "User-Agent: Mozilla/3.0 (compatible; Indy Library)\r\n"
            "Accept: text/html, */*\r\n"
            "Content-Length: 0\r\n"
            "\r\n");
}

TEST_F(RequestsTest, GetStreamSendsAPlainGetAndReturnsTheBodyBytes) {
  RawHttpServer server(Answer(200, ServiceBody));

  EXPECT_EQ(HttpGetStream(server.Url("/servlet/servlet.a_var")), ServiceBody);

  ASSERT_EQ(server.Requests().size(), 1u);
  EXPECT_EQ(server.Requests()[0],
            "GET /servlet/servlet.a_var HTTP/1.1\r\n"
            "Host: 127.0.0.1:" + std::to_string(server.Port()) + "\r\n"
            "User-Agent: Mozilla/3.0 (compatible; Indy Library)\r\n"
            "Accept: text/html, */*\r\n"
            "\r\n");
}

TEST_F(RequestsTest, HttpErrorStatusIsAFailureLikeAnUnreachableHost) {
  for (const int status : {400, 403, 404, 500, 503}) {
    SCOPED_TRACE(status);
    RawHttpServer server(Answer(status, "100 a body that must not be taken for a reply"));
    const std::string target = Folder() + "/file";
    EXPECT_EQ(HttpPostText(server.Url("/servlet/servlet.x")), "");
    EXPECT_EQ(HttpGetStream(server.Url("/servlet/servlet.x")), "");
    EXPECT_FALSE(HttpGetFile(server.Url("/down/x"), target));
    EXPECT_EQ(ReadWholeFile(target), "");
    EXPECT_EQ(server.Connections(), 3);
  }
}

TEST_F(RequestsTest, UnreachableHostAndForeignSchemesGiveEmptyResults) {
  const std::string closed = "http://127.0.0.1:" + std::to_string(FreeLoopbackPort()) + "/servlet/servlet.x";
  EXPECT_EQ(HttpPostText(closed), "");
  EXPECT_EQ(HttpGetStream(closed), "");
  EXPECT_FALSE(HttpGetFile(closed, Folder() + "/file"));
  // Category list addresses come from the service: nothing but HTTP may be followed.
  std::ofstream(Folder() + "/secret") << "secret";
  EXPECT_EQ(HttpGetStream("file://" + Folder() + "/secret"), "");
  EXPECT_EQ(HttpPostText(""), "");
}

TEST_F(RequestsTest, ServerThatNeverAnswersFailsAfterTheIdleTime) {
  SetRequestTimeoutsForTests(1, 1);
  RawHttpServer server([](const std::string&) { return std::nullopt; });
  const auto started = std::chrono::steady_clock::now();

  EXPECT_EQ(HttpPostText(server.Url("/servlet/servlet.x")), "");
  EXPECT_FALSE(HttpGetFile(server.Url("/down/x"), Folder() + "/file"));

  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(8));
  EXPECT_EQ(server.Connections(), 2);
}

// A listener whose accept queue is full: further connections hang in the handshake.
class FullListener {
 public:
  FullListener() {
    listener_ = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
    listen(listener_, 0);
    getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
    for (int& filler : fillers_) {
      filler = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
      connect(filler, reinterpret_cast<sockaddr*>(&address), sizeof address);
    }
  }
  ~FullListener() {
    for (int filler : fillers_) close(filler);
    close(listener_);
  }
  int Port() const { return port_; }

 private:
  int listener_ = -1, port_ = 0;
  int fillers_[4] = {};
};

TEST_F(RequestsTest, ConnectionThatNeverCompletesFailsAfterTheConnectTime) {
  SetRequestTimeoutsForTests(1, 30);
  FullListener listener;
  const auto started = std::chrono::steady_clock::now();

  EXPECT_EQ(HttpPostText("http://127.0.0.1:" + std::to_string(listener.Port()) + "/servlet/servlet.x"), "");

  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(8));
}

TEST_F(RequestsTest, FiftyMegabyteReplyArrivesWhole) {
  std::string body(50u << 20, '\0');
  for (std::size_t i = 0; i < body.size(); ++i) body[i] = static_cast<char>(i * 7 + i / 4096);
  RawHttpServer server(Answer(200, body));

  const std::string reply = HttpGetStream(server.Url("/servlet/servlet.a_icon"));

  ASSERT_EQ(reply.size(), body.size());
  EXPECT_TRUE(reply == body);
}

TEST_F(RequestsTest, GetFileReplacesTheFileWithTheBody) {
  RawHttpServer server(Answer(200, ServiceBody));
  const std::string target = Folder() + "/image.gif";
  std::ofstream(target) << std::string(1000, 'o');  // longer than the new body

  EXPECT_TRUE(HttpGetFile(server.Url("/down/img/icon/icon01.gif"), target));
  EXPECT_EQ(ReadWholeFile(target), ServiceBody);
}

TEST_F(RequestsTest, GetFileReportsAReplyCutShortAsFailure) {
  RawHttpServer server([](const std::string&) -> std::optional<std::string> {
    return "HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n\r\n" + std::string(500, 'x');
  });
  const std::string target = Folder() + "/VelomiraMain.zip";
  std::ofstream(target) << "the old package";

  EXPECT_FALSE(HttpGetFile(server.Url("/down/app/VelomiraMain.zip"), target));
  EXPECT_EQ(HttpGetStream(server.Url("/down/app/VelomiraMain.zip")), "");
  // The old file stays whole and no part of the new one is left beside it.
  EXPECT_EQ(ReadWholeFile(target), "the old package");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Folder()), std::filesystem::directory_iterator()), 1);
}

TEST_F(RequestsTest, GetFileThatCannotCreateItsFileSendsNothing) {
  RawHttpServer server(Answer(200, ServiceBody));

  EXPECT_FALSE(HttpGetFile(server.Url("/down/x"), Folder() + "/missing-folder/file"));
  EXPECT_EQ(server.Connections(), 0);
}

TEST_F(RequestsTest, TwoThreadsAndMoreMayRequestAtOnce) {
  RawHttpServer server([](const std::string& request) -> std::optional<std::string> {
    return RawHttpServer::Reply(200, request.substr(0, request.find(" HTTP/")));
  });
  constexpr int Threads = 6, Rounds = 5;
  std::vector<std::thread> threads;
  std::vector<int> correct(Threads, 0);
  for (int t = 0; t < Threads; ++t) {
    threads.emplace_back([&, t] {
      for (int r = 0; r < Rounds; ++r) {
        const std::string path = "/servlet/servlet.x?t=" + std::to_string(t) + "&r=" + std::to_string(r);
        if (HttpPostText(server.Url(path)) == "POST " + path) ++correct[t];
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  for (int t = 0; t < Threads; ++t) EXPECT_EQ(correct[t], Rounds) << "thread " << t;
}

}  // namespace
}  // namespace velomira::test
