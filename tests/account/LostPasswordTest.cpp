#include <gtest/gtest.h>

#include "account/LostPassword.h"

namespace velomira {
namespace {

TEST(LostPasswordTest, OnlyTheOrderOfAtAndDotIsChecked) {
  const struct {
    const char* email;
    bool acceptable;
  } cases[] = {
      {"ann@example.com", true}, {"", false},        {"annexample", false},
      {"ann.lee@example", false}, {"ann@example", false}, {"ann.example", true},
      {"@.", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.email);
    EXPECT_EQ(EmailAddressAcceptable(c.email), c.acceptable);
  }
}

TEST(LostPasswordTest, BothValuesAreUrlEncoded) {
  EXPECT_EQ(LostPasswordUrl("http://h:1", "a&b", "x+y@z.com"),
            "http://h:1/servlet/servlet.LostPassword?usr_id=a%26b&email=x%2By%40z%2Ecom");
}

}  // namespace
}  // namespace velomira
