// Member requests carry only an ID: they are answered only after a login
// from the same address, and logins cannot be guessed by trying.
#include <filesystem>
#include <iterator>

#include "ServiceFixture.h"

namespace velomira::service::test {
namespace {

constexpr const char* kOtherClient = "127.0.0.2";

class MemberSecurityTest : public ServiceTest {
protected:
  // A fresh member (registered from 127.0.0.1, which logs it in there).
  static void Register(const std::string& id, const std::string& pass) {
    ASSERT_EQ(ServletFrom("127.0.0.1",
                          "UserRegistration?gmt=00000&usr_id=" + id + "&pass=" + pass +
                              "&first_name=Kim&last_name=Lee&e_mail=" + id +
                              "%40example.org&address=1+Main+St&city=Austin&smmr=n")
                  .code(),
              "100");
  }

  // How many of attempts requests are served before the limit (304) refuses them.
  static int ServedBeforeLimit(const std::string& from, const std::string& request, int attempts) {
    int served = 0;
    std::string last;
    for (int i = 0; i < attempts; ++i) {
      last = ServletFrom(from, request).code();
      if (last != "100") break;
      ++served;
    }
    EXPECT_EQ(last, "304");
    return served;
  }
};

TEST_F(MemberSecurityTest, MemberRequestsNeedALoginFromTheSameAddress) {
  Register("victim01", "secret11");
  const std::string takeover = "UserPreference?mode=update&usr_id=victim01&pass=owned123&gmt=00000";
  const char* requests[] = {
      "UserPreference?mode=get&usr_id=victim01",
      "MydbzerEdit?mode=add&usr_id=victim01&cates=2:1,",
      "MydbzerList?usr_id=victim01",
      "ChannelEdit?usr_id=victim01&mode=add&sttn_id=12",
      "ChannelMyList?usr_id=victim01",
      "PresetEdit?mode=del&usr_id=victim01&prgm_id=1%2C-%3A",
      "PresetList?usr_id=victim01",
      "New_PresetList?usr_id=victim01",
      "GetProgramList?mode=my&usr_id=victim01",
      "GetLog?name=20261210120000victim01.log&cnt=x",
  };
  for (const char* request : requests) {
    EXPECT_EQ(ServletFrom(kOtherClient, request).code(), "243") << request;
  }
  EXPECT_EQ(ServletFrom(kOtherClient, takeover).code(), "243");
  EXPECT_EQ(ServletFrom("127.0.0.1", "UserLogin?usr_id=victim01&pass=owned123").code(), "240");

  // The member's own address is served; a login elsewhere opens that address too.
  const Reply mine = ServletFrom("127.0.0.1", "UserPreference?mode=get&usr_id=victim01");
  EXPECT_EQ(mine.code(), "100");
  EXPECT_NE(mine.body.find("victim01@example.org"), std::string::npos);
  ASSERT_EQ(ServletFrom(kOtherClient, "UserLogin?usr_id=victim01&pass=secret11").code(), "100");
  EXPECT_EQ(ServletFrom(kOtherClient, "UserPreference?mode=get&usr_id=victim01").code(), "100");
}

TEST_F(MemberSecurityTest, TenWrongPasswordsLockThatAddressOutForAWhile) {
  Register("guessme1", "right123");
  for (int attempt = 1; attempt <= 10; ++attempt) {
    ASSERT_EQ(ServletFrom(kOtherClient, "UserLogin?usr_id=guessme1&pass=wrong" +
                                            std::to_string(attempt)).code(),
              "240");
  }
  EXPECT_EQ(ServletFrom(kOtherClient, "UserLogin?usr_id=guessme1&pass=right123").code(), "240");
  EXPECT_EQ(ServletFrom(kOtherClient, "UserPreference?mode=get&usr_id=guessme1").code(), "243");
  // The member at another address is not locked out.
  EXPECT_EQ(ServletFrom("127.0.0.1", "UserLogin?usr_id=guessme1&pass=right123").code(), "100");
}

TEST_F(MemberSecurityTest, LostPasswordLeavesTheOldOneUntilOneIsUsed) {
  Register("forget01", "first111");
  ASSERT_EQ(ServletFrom(kOtherClient, "LostPassword?usr_id=forget01&email=forget01%40example.org")
                .code(),
            "100");
  std::string mailed;
  {
    auto mail = Db().prepare("SELECT body FROM outbox WHERE to_address = 'forget01@example.org'");
    ASSERT_TRUE(mail.next());
    const std::string body = mail.text(0);
    mailed = body.substr(body.rfind(' ') + 1);
  }  // ends the read, so that later rows are seen

  EXPECT_EQ(ServletFrom("127.0.0.1", "UserLogin?usr_id=forget01&pass=first111").code(), "100");
  EXPECT_EQ(ServletFrom("127.0.0.1", "UserLogin?usr_id=forget01&pass=" + mailed).code(), "240");
}

// Mails go out only for a member logged in from the caller's address: the
// help mail's sender name is the member's ID, a tell-a-friend mail names no
// member and needs any member's login there. Refused mails leave no trace.
TEST_F(MemberSecurityTest, MailsNeedALoginFromTheSameAddress) {
  constexpr const char* kStranger = "127.0.0.5";  // nobody logs in from here before
  Register("mailer01", "secret11");                 // logged in from 127.0.0.1 only
  const std::string friendMail =
      "Tell_A_Friend?from_name=Kim+Lee&from=mailer01%40example.org&cnt1=World+Report"
      "&cnt2=Watch+this&to_name=Pat&to=pat%40example.org";
  const std::string helpMail =
      "Help_me?from=mailer01%40example.org&from_name=mailer01&cnt=Where+are+my+presets%3F"
      "&to=support%40velomira.example";
  const auto outboxRows = [] {
    auto rows = Db().prepare("SELECT count(*) FROM outbox");
    return rows.next() ? rows.integer(0) : -1;
  };
  const auto outboxFiles = [] {
    std::error_code error;
    const auto folder = dataDir_ / "outbox";
    if (!std::filesystem::exists(folder, error)) return std::ptrdiff_t{0};
    return std::distance(std::filesystem::directory_iterator(folder),
                         std::filesystem::directory_iterator());
  };
  const auto rowsBefore = outboxRows();
  const auto filesBefore = outboxFiles();

  EXPECT_EQ(ServletFrom(kStranger, friendMail).code(), "243");
  EXPECT_EQ(ServletFrom(kStranger, helpMail).code(), "243");
  // Another member's help mail from the logged-in address is no member's own either.
  EXPECT_EQ(ServletFrom("127.0.0.1", "Help_me?from=kim%40example.org&from_name=nobody01&cnt=Hi")
                .code(),
            "243");
  EXPECT_EQ(ServletFrom("127.0.0.1", "Help_me?from=kim%40example.org&cnt=Hi").code(), "243");
  EXPECT_EQ(outboxRows(), rowsBefore);
  EXPECT_EQ(outboxFiles(), filesBefore);

  // Logged in from that address, the same mails go out.
  ASSERT_EQ(ServletFrom(kStranger, "UserLogin?usr_id=mailer01&pass=secret11").code(), "100");
  EXPECT_EQ(ServletFrom(kStranger, friendMail).code(), "100");
  EXPECT_EQ(ServletFrom(kStranger, helpMail).code(), "100");
  EXPECT_EQ(outboxRows(), rowsBefore + 2);
  EXPECT_EQ(outboxFiles(), filesBefore + 2);
}

TEST_F(MemberSecurityTest, MailHeadersTakeNoControlBytes) {
  LoginAs();
  const std::string friendMail = "Tell_A_Friend?cnt1=Show&cnt2=Hi";
  const std::string parts[] = {
      "&from_name=Kim%0D%0ABcc%3A+x%40evil.example&from=kim%40example.org&to_name=Pat&to=pat%40example.org",
      "&from_name=Kim&from=kim%40example.org%0ABcc%3A+x%40evil.example&to_name=Pat&to=pat%40example.org",
      "&from_name=Kim&from=kim%40example.org&to_name=Pat%0D%0ABcc%3A+x%40evil.example&to=pat%40example.org",
      "&from_name=Kim&from=kim%40example.org&to_name=Pat&to=pat%40example.org%0D%0ABcc%3A+x%40evil.example",
      "&from_name=Kim%09&from=kim%40example.org&to_name=Pat&to=pat%40example.org",
  };
  for (const std::string& part : parts) {
    EXPECT_EQ(ServletFrom("127.0.0.1", friendMail + part).code(), "231") << part;
  }
  EXPECT_EQ(ServletFrom("127.0.0.1", "Help_me?from=kim%40example.org%0D%0ABcc%3A+x%40evil.example"
                                     "&from_name=demo&cnt=Help").code(),
            "231");
  EXPECT_EQ(ServletFrom("127.0.0.1", "LostPassword?usr_id=demo&email=demo%40velomira.example%0D%0A")
                .code(),
            "231");
  auto injected = Db().prepare("SELECT count(*) FROM outbox WHERE from_name || from_address || "
                               "to_name || to_address LIKE '%Bcc%'");
  ASSERT_TRUE(injected.next());
  EXPECT_EQ(injected.integer(0), 0);
}

TEST_F(MemberSecurityTest, HelpGoesToSupportWhateverTheClientNames) {
  LoginAs();
  ASSERT_EQ(ServletFrom("127.0.0.1", "Help_me?from=kim%40example.org&from_name=demo"
                                     "&cnt=Relay+this&to=victim%40example.org").code(),
            "100");
  auto mail = Db().prepare("SELECT to_address FROM outbox WHERE body = 'Relay this'");
  ASSERT_TRUE(mail.next());
  EXPECT_EQ(mail.text(0), "support@velomira.example");
}

TEST_F(MemberSecurityTest, MailsAreLimitedPerAddressAndPerMember) {
  LoginAs("demo", "127.0.0.3");
  EXPECT_EQ(ServedBeforeLimit("127.0.0.3", "Help_me?from=kim%40example.org&from_name=demo&cnt=Hi", 60),
            50);
  Register("mailme01", "first111");
  EXPECT_EQ(ServedBeforeLimit("127.0.0.4", "LostPassword?usr_id=mailme01&email=mailme01%40example.org",
                              30),
            20);
}

}  // namespace
}  // namespace velomira::service::test
