// Reading the login reply and the meaning of each code, without any window.
#include <gtest/gtest.h>

#include "account/LoginAttempt.h"

namespace velomira {
namespace {

// Code, 29 characters the client ignores, time zone, then the four fields.
std::string SuccessReply(const std::string& code, const std::string& zone, const std::string& fields) {
  return code + std::string(29, 'z') + zone + fields;
}

TEST(LoginReplyTest, SuccessReplyGivesTheMemberFacts) {
  const auto reply = ParseLoginReply(
      SuccessReply("150", "-0530", "  ann@example.com\x01" "Ann Lee\x01" "c\x01" "AnnLee  \r\n"));
  EXPECT_EQ(reply.Code, 150);
  EXPECT_EQ(reply.TimeZoneHours, -5);
  EXPECT_EQ(reply.TimeZoneMinutes, 30);
  EXPECT_EQ(reply.Email, "ann@example.com");
  EXPECT_EQ(reply.Name, "Ann Lee");
  EXPECT_EQ(reply.StartMode, "c");
  EXPECT_EQ(reply.MemberId, "AnnLee");
}

TEST(LoginReplyTest, TimeZoneSignsAndEmptyFirstField) {
  const auto reply = ParseLoginReply(SuccessReply("100", "+0900", "\x01" "Bo\x01" "a\x01" "bo"));
  EXPECT_EQ(reply.TimeZoneHours, 9);
  EXPECT_EQ(reply.TimeZoneMinutes, 0);
  EXPECT_EQ(reply.Email, "");  // a leading separator is an empty field, not trimmed away
  EXPECT_EQ(reply.Name, "Bo");
  EXPECT_EQ(reply.MemberId, "bo");
}

TEST(LoginReplyTest, UnusableSuccessRepliesCountAsNoReply) {
  for (const std::string zone : {"abcde", "+0x00", "+09ab", "  ", "+0"}) {
    SCOPED_TRACE(zone);
    const auto reply = ParseLoginReply(SuccessReply("150", zone, ""));
    EXPECT_EQ(reply.Code, 0);
    EXPECT_EQ(reply.MemberId, "");
  }
}

TEST(LoginReplyTest, RefusalsKeepTheirCodeAndCarryNoFacts) {
  EXPECT_EQ(ParseLoginReply("").Code, 0);
  EXPECT_EQ(ParseLoginReply("abc").Code, 0);
  const auto refused = ParseLoginReply(SuccessReply("240", "+0900", "a\x01" "b\x01" "c\x01" "d"));
  EXPECT_EQ(refused.Code, 240);
  EXPECT_EQ(refused.MemberId, "");
  EXPECT_EQ(refused.TimeZoneHours, 0);
}

TEST(LoginVerdictTest, EveryCodeOfTheTable) {
  const struct {
    int code;
    LoginVerdict verdict;
    bool dialogAgain;
  } cases[] = {
      {100, LoginVerdict::LoggedIn, false},        {199, LoginVerdict::LoggedIn, false},
      {240, LoginVerdict::InvalidPassword, true},  {241, LoginVerdict::InvalidId, true},
      {242, LoginVerdict::TryLater, true},         {300, LoginVerdict::TryLater, true},
      {399, LoginVerdict::TryLater, true},         {0, LoginVerdict::CannotConnect, true},
      {50, LoginVerdict::CannotConnect, false},    {200, LoginVerdict::CannotConnect, true},
      {243, LoginVerdict::CannotConnect, true},    {400, LoginVerdict::CannotConnect, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    EXPECT_EQ(VerdictFor(c.code), c.verdict);
    EXPECT_EQ(AttemptShowsDialogAgain(c.code), c.dialogAgain);
  }
  EXPECT_EQ(VerdictMessage(LoginVerdict::LoggedIn), "");
  EXPECT_EQ(VerdictMessage(LoginVerdict::InvalidPassword), "Invalid password entered.");
  EXPECT_EQ(VerdictMessage(LoginVerdict::InvalidId), "Invalid ID entered.");
  EXPECT_EQ(VerdictMessage(LoginVerdict::TryLater), "Please try again later.");
  EXPECT_EQ(VerdictMessage(LoginVerdict::CannotConnect),
            "Cannot connect to server.\rPlease make sure your network configuration, try again.");
}

TEST(LoginRequestTest, IdAndPasswordAreUrlEncoded) {
  EXPECT_EQ(LoginRequestUrl("http://h:1", "ann&b", "p&#+ x", "Y"),
            "http://h:1/servlet/servlet.UserLogin?usr_id=ann%26b&pass=p%26%23%2B+x&rem_pass=Y");
}

}  // namespace
}  // namespace velomira
