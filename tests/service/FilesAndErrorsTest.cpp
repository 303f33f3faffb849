// Downloads, web pages, and what bad requests get back.
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <thread>

#include "ServiceFixture.h"

namespace velomira::service::test {
namespace {

class FilesAndErrorsTest : public ServiceTest {};

TEST_F(FilesAndErrorsTest, PicturesComeFromDataThenAssets) {
  EXPECT_EQ(Get("/down/img/icon/icon01.gif").body, "GIF89a-asset");
  EXPECT_EQ(Get("/down/img/ICON/Icon01.GIF").body, "GIF89a-asset");  // names ignore case
  std::filesystem::create_directories(dataDir_ / "img" / "icon");
  std::ofstream(dataDir_ / "img" / "icon" / "icon01.gif", std::ios::binary) << "GIF89a-data";
  EXPECT_EQ(Get("/down/img/icon/icon01.gif").body, "GIF89a-data");
  std::filesystem::remove(dataDir_ / "img" / "icon" / "icon01.gif");

  EXPECT_EQ(Get("/down/img/icon/icon02.gif").status, 404);
  EXPECT_EQ(Get("/down/img/../velomira.db").status, 404);
  EXPECT_EQ(Get("/down/img/%2E%2E/velomira.db").status, 404);
  EXPECT_EQ(Get("/down/img/icon/").status, 404);
}

TEST_F(FilesAndErrorsTest, UpdatePackageIsAnnouncedAndServed) {
  EXPECT_EQ(Get("/down/app/VelomiraMain.zip").status, 404);
  EXPECT_EQ(Split(Get("/servlet/servlet.a_var").body, '\x01')[3], "100");
  std::filesystem::create_directories(dataDir_ / "app");
  std::ofstream(dataDir_ / "app" / "VelomiraMain.zip", std::ios::binary) << "PK\x03\x04package";
  std::ofstream(dataDir_ / "app" / "version.txt") << "107\n";
  const Reply package = Get("/down/app/VelomiraMain.zip");
  EXPECT_EQ(package.status, 200);
  EXPECT_EQ(package.body, "PK\x03\x04package");
  EXPECT_EQ(Split(Get("/servlet/servlet.a_var").body, '\x01')[3], "107");
  std::filesystem::remove_all(dataDir_ / "app");
}

TEST_F(FilesAndErrorsTest, WebPagesExistForEveryAddressHandedOut) {
  for (const char* page : {"/web", "/web/", "/web/aboutus/overview.htm", "/web/help/support.htm",
                           "/web/aboutus/terms.htm", "/web/aboutus/privacy.htm", "/web/help/faq.htm",
                           "/web/program/1.htm", "/web/station/1.htm"}) {
    const Reply reply = Get(page);
    EXPECT_EQ(reply.status, 200) << page;
    EXPECT_NE(reply.body.find("<html>"), std::string::npos) << page;
  }
  auto hosted = Db().prepare("SELECT id FROM programs WHERE second_name <> '' LIMIT 1");
  ASSERT_TRUE(hosted.next());
  EXPECT_EQ(Get("/web/host/" + hosted.text(0) + ".htm").status, 200);
  for (const char* missing : {"/web/program/999999.htm", "/web/station/x.htm", "/web/nothing.htm"}) {
    EXPECT_EQ(Get(missing).status, 404) << missing;
  }
}

TEST_F(FilesAndErrorsTest, BadRequestsGetFramedCodesOr404) {
  LoginAs();
  const Reply unknown = Servlet("NoSuchServlet?x=1");
  EXPECT_EQ(unknown.status, 200);
  EXPECT_EQ(unknown.body, "301" + std::string(29, ' '));
  EXPECT_EQ(Get("/nothing/here").status, 404);
  EXPECT_EQ(Get("/servlet/other").status, 404);

  // Past the longest target taken the reply is still framed; past the
  // connection's memory the server answers on its own. Only the usage log
  // takes targets over 1 MB and a bit, and its own cap is 4 MB.
  const Reply huge = Servlet("IdOverlapCheck?usr_id=x&cnt=" + std::string(1'150'000, 'a'));
  EXPECT_EQ(huge.status, 200);
  EXPECT_EQ(huge.code(), "302");
  EXPECT_EQ(Get("/web/help/topic1.htm?x=" + std::string(1'150'000, 'a')).status, 414);
  EXPECT_EQ(Servlet("IdOverlapCheck?usr_id=x&cnt=" + std::string(2'000'000, 'a')).status, 414);
  EXPECT_EQ(Get("/web/help/topic1.htm?x=" + std::string(2'000'000, 'a')).status, 414);
  const Reply hugeLog =
      Servlet("GetLog?name=20261210120000demo.log&cnt=" + std::string(2'000'000, 'a'));
  EXPECT_EQ(hugeLog.status, 200);
  EXPECT_EQ(hugeLog.code(), "302");  // a log over 1 MB
  const Reply overCap =
      Servlet("GetLog?name=20261210120000demo.log&cnt=" + std::string(4'200'000, 'a'));
  EXPECT_EQ(overCap.status, 200);
  EXPECT_EQ(overCap.code(), "302");
  EXPECT_EQ(Servlet("GetLog?name=x.log&cnt=" + std::string(4'300'000, 'a')).status, 414);
  const Reply longKeyword =
      Servlet("GetProgramList?mode=search&cate1=0&keywd=" + std::string(3000, 'k') + "&se_time=all");
  EXPECT_EQ(longKeyword.code(), "300");
  EXPECT_EQ(Servlet("PresetEdit?mode=del&usr_id=demo&prgm_id=%3A%3A").code(), "300");
  // Still serving after all of that.
  EXPECT_EQ(Servlet("IdOverlapCheck?usr_id=someone1").code(), "121");
}

TEST_F(FilesAndErrorsTest, ServesManyClientsAtOnce) {
  constexpr int kThreads = 8;
  constexpr int kRequests = 25;
  std::vector<std::thread> threads;
  std::vector<int> good(kThreads, 0);
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([t, &good] {
      for (int i = 0; i < kRequests; ++i) {
        const std::string day = std::to_string(1 + (t + i) % 7);
        const Reply reply = Servlet("GetProgramList?mode=daily&cate1=1&day=" + day + "&gmt=0");
        if (reply.code() == "100" && reply.records().size() == 20) ++good[t];
      }
    });
  }
  for (auto& thread : threads) thread.join();
  for (int t = 0; t < kThreads; ++t) EXPECT_EQ(good[t], kRequests) << t;
}

}  // namespace
}  // namespace velomira::service::test

namespace velomira::service::test {
namespace {

TEST(RequestLogTest, OneLinePerRequestWithoutQueryTexts) {
  char pattern[] = "/tmp/velomira-log-test-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  std::ostringstream log;
  {
    ServiceConfig config;
    config.dataDir = pattern;
    config.log = &log;
    VelomiraService service(config);
    const int port = service.bind("127.0.0.1", 0);
    ASSERT_GT(port, 0);
    service.start();
    httplib::Client client("127.0.0.1", port);
    ASSERT_TRUE(client.Post("/servlet/servlet.UserLogin?usr_id=someone&pass=secret42&rem_pass=N"));
    ASSERT_TRUE(client.Get("/no/such/page"));
  }  // stopping the service waits for its workers, so both lines are written
  const std::string text = log.str();
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 2) << text;
  EXPECT_NE(text.find("POST /servlet/servlet.UserLogin 200 code 241"), std::string::npos) << text;
  EXPECT_NE(text.find("GET /no/such/page 404"), std::string::npos) << text;
  EXPECT_EQ(text.find("secret42"), std::string::npos);
  std::filesystem::remove_all(pattern);
}

}  // namespace
}  // namespace velomira::service::test
