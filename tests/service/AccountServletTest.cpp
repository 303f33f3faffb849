// Login, ID check, registration, preferences and lost passwords over HTTP.
#include "ServiceFixture.h"

namespace velomira::service::test {
namespace {

class AccountServletTest : public ServiceTest {};

std::string RegistrationQuery(const std::string& id, const std::string& pass,
                              const std::string& gmt, const std::string& summer) {
  return "zip_code=&gmt=" + gmt + "&usr_id=" + id + "&pass=" + pass +
         "&first_name=Kim&last_name=Lee&e_mail=kim%40example.org&address=1+Main+St&city=Austin"
         "&state=TEXAS&post=73301&country=United+States&age=25&gender=f&conn_tp=3&letter=y"
         "&login_auto=n&smmr=" + summer;
}

TEST_F(AccountServletTest, DemoLoginGivesOffsetAndMemberFields) {
  const Reply reply = Servlet("UserLogin?usr_id=DEMO&pass=demo1234&rem_pass=N");
  ASSERT_EQ(reply.status, 200);
  EXPECT_EQ(reply.code(), "100");
  ASSERT_GE(reply.body.size(), 37u);
  EXPECT_EQ(reply.body.substr(32, 3), "+00");
  EXPECT_EQ(reply.body.substr(35, 2), "00");
  const auto fields = Split(reply.body.substr(37), '\x01');
  ASSERT_EQ(fields.size(), 4u);
  EXPECT_EQ(fields[0], "demo@velomira.example");
  EXPECT_EQ(fields[1], "Demo Listener");
  EXPECT_EQ(fields[2], "c");
  EXPECT_EQ(fields[3], "demo");  // the ID as the service spells it
}

TEST_F(AccountServletTest, LoginFailuresHaveTheirCodes) {
  const struct {
    const char* query;
    const char* code;
  } cases[] = {
      {"usr_id=demo&pass=wrong&rem_pass=N", "240"},
      {"usr_id=nobody_here&pass=demo1234&rem_pass=N", "241"},
      {"usr_id=listener1&pass=&rem_pass=N", "240"},  // sample members cannot log in
      {"usr_id=demo&rem_pass=N", "242"},
      {"usr_id=&pass=x&rem_pass=N", "242"},
      {"usr_id=an_id_far_too_long_for_anyone&pass=x", "242"},
  };
  for (const auto& c : cases) EXPECT_EQ(Servlet(std::string("UserLogin?") + c.query).code(), c.code) << c.query;
}

TEST_F(AccountServletTest, IdCheckThenRegistrationThenLogin) {
  EXPECT_EQ(Servlet("IdOverlapCheck?usr_id=kimlee1").code(), "121");
  EXPECT_EQ(Servlet("IdOverlapCheck?usr_id=demo").code(), "120");   // too short for new IDs
  EXPECT_EQ(Servlet("IdOverlapCheck?usr_id=bad%20id").code(), "120");

  // "a+b&c" as the registration's UrlEncode sends it.
  EXPECT_EQ(Servlet("UserRegistration?" + RegistrationQuery("kimlee1", "a%2Bb%26c", "-0330", "n")).code(),
            "100");
  EXPECT_EQ(Servlet("IdOverlapCheck?usr_id=KimLee1").code(), "120");
  EXPECT_EQ(Servlet("UserRegistration?" + RegistrationQuery("kimlee1", "x", "-0330", "n")).code(),
            "220");

  const Reply login = Servlet("UserLogin?usr_id=kimlee1&pass=a%2Bb%26c&rem_pass=Y");
  EXPECT_EQ(login.code(), "100");
  EXPECT_EQ(login.body.substr(32, 5), "-0430");  // -03:30 as hours -4 plus 30 minutes
  // The login dialog sends the password unencoded: "+" must not turn into a blank.
  EXPECT_EQ(Servlet("UserLogin?usr_id=kimlee1&pass=a+b").code(), "240");  // "&c" is cut off
  EXPECT_EQ(Servlet("UserRegistration?" + RegistrationQuery("plusman", "a%2Bb", "%2B0900", "y")).code(),
            "100");
  const Reply plus = Servlet("UserLogin?usr_id=plusman&pass=a+b&rem_pass=N");
  EXPECT_EQ(plus.code(), "100");
  EXPECT_EQ(plus.body.substr(32, 5), "+1000");  // +09:00 and daylight saving
}

TEST_F(AccountServletTest, RegistrationRefusesBadData) {
  for (const auto& query :
       {RegistrationQuery("shorty", "pw", "99999", "n"), RegistrationQuery("abc", "pw", "00000", "n"),
        RegistrationQuery("nopass1", "", "00000", "n"),
        "gmt=00000&usr_id=longname&pass=pw&first_name=" + std::string(300, 'x')}) {
    EXPECT_EQ(Servlet("UserRegistration?" + query).code(), "221") << query;
  }
}

TEST_F(AccountServletTest, PreferencesRoundTrip) {
  LoginAs();
  ASSERT_EQ(Servlet("UserRegistration?" + RegistrationQuery("prefuser", "first1", "%2B0530", "n")).code(),
            "100");
  Reply get = Servlet("UserPreference?mode=get&usr_id=prefuser");
  ASSERT_EQ(get.code(), "100");
  auto fields = Split(get.body.substr(32), '\x01');
  ASSERT_EQ(fields.size(), 18u);
  EXPECT_EQ(fields[1], "530");
  EXPECT_EQ(fields[2], "");  // passwords are not kept readable
  EXPECT_EQ(fields[3], "prefuser");
  EXPECT_EQ(fields[4], "Kim");
  EXPECT_EQ(fields[6], "kim@example.org");
  EXPECT_EQ(fields[9], "TEXAS");
  EXPECT_EQ(fields[11], "United States");
  EXPECT_EQ(fields[12], "25");
  EXPECT_EQ(fields[13], "f");
  EXPECT_EQ(fields[14], "3");
  EXPECT_EQ(fields[17], "n");

  const Reply update = Servlet(
      "UserPreference?mode=update&zip_code=&gmt=-0500&usr_id=prefuser&pass=second2"
      "&first_name=Kim&last_name=Park&e_mail=kp%40example.org&address=&city=Boston"
      "&state=Massachusetts&post=02101&country=United+States&age=35&gender=f&conn_tp=6&letter=n"
      "&login_auto=y&smmr=y");
  ASSERT_EQ(update.code(), "100");
  EXPECT_EQ(update.body.substr(32, 5), "-0400");

  fields = Split(Servlet("UserPreference?mode=get&usr_id=prefuser").body.substr(32), '\x01');
  ASSERT_EQ(fields.size(), 18u);
  EXPECT_EQ(fields[1], "-500");
  EXPECT_EQ(fields[5], "Park");
  EXPECT_EQ(fields[8], "Boston");
  EXPECT_EQ(fields[14], "6");
  EXPECT_EQ(fields[16], "y");
  EXPECT_EQ(fields[17], "y");
  EXPECT_EQ(Servlet("UserLogin?usr_id=prefuser&pass=first1").code(), "240");
  EXPECT_EQ(Servlet("UserLogin?usr_id=prefuser&pass=second2").code(), "100");

  EXPECT_EQ(Servlet("UserPreference?mode=get&usr_id=nobody_here").code(), "243");
  EXPECT_EQ(Servlet("UserPreference?mode=update&gmt=99999&usr_id=prefuser&pass=x").code(), "221");
  EXPECT_EQ(Servlet("UserPreference?mode=other&usr_id=prefuser").code(), "300");
}

TEST_F(AccountServletTest, LostPasswordMailsANewOne) {
  ASSERT_EQ(Servlet("UserRegistration?" + RegistrationQuery("forgetful", "old1", "00000", "n")).code(),
            "100");
  EXPECT_EQ(Servlet("LostPassword?usr_id=forgetful&email=other%40example.org").code(), "230");
  EXPECT_EQ(Servlet("LostPassword?usr_id=forgetful&email=KIM@example.org").code(), "100");

  auto mail = Db().prepare("SELECT body FROM outbox WHERE kind = 'lost-password' AND to_address = ?");
  mail.with("kim@example.org");
  ASSERT_TRUE(mail.next());
  const std::string body = mail.text(0);
  const std::string password = body.substr(body.rfind(' ') + 1);
  EXPECT_EQ(Servlet("UserLogin?usr_id=forgetful&pass=" + password).code(), "100");
  // Logging in with the mailed password drops the old one.
  EXPECT_EQ(Servlet("UserLogin?usr_id=forgetful&pass=old1").code(), "240");
  EXPECT_FALSE(std::filesystem::is_empty(dataDir_ / "outbox"));
}

}  // namespace
}  // namespace velomira::service::test
