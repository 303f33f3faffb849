#include <gtest/gtest.h>

#include "core/dFunc.h"

namespace velomira {
namespace {

TEST(UrlEncodeTest, EncodesEveryByteButLettersAndDigits) {
  const struct {
    std::string text, encoded;
  } cases[] = {
      {"a b&c", "a+b%26c"},
      {"", ""},
      {"AZaz09", "AZaz09"},
      {"-_.~*'()", "%2D%5F%2E%7E%2A%27%28%29"},
      {"\xE9\xFF\x80", "%E9%FF%80"},  // one escape per byte of the code page
      {std::string("\0\x01\x02", 3), "%00%01%02"},
      {"\r\n+%", "%0D%0A%2B%25"},
      {"  ", "++"},
  };
  for (const auto& c : cases) EXPECT_EQ(UrlEncode(c.text), c.encoded) << c.text;
}

}  // namespace
}  // namespace velomira
