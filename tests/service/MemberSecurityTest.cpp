// Member requests carry only an ID: they are answered only after a login
// from the same address, and logins cannot be guessed by trying.
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

}  // namespace
}  // namespace velomira::service::test
