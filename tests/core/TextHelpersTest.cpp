#include <cmath>
#include <limits>

#include "CoreTestSupport.h"

namespace velomira {
namespace {

TEST(Scrambler, KnownForms) {
  const std::tuple<std::string, std::uint16_t, std::string> cases[] = {
      {"secret", CredentialKey, "008227095185110117"},  // 6 characters give 18 digits
      {"P\xe9&1", CredentialKey, "043176078137"},
      {"ab", 0, "097089"},
      {"", CredentialKey, ""},
  };
  for (const auto& [plain, key, scrambled] : cases) {
    EXPECT_EQ(ScrambleText(plain, key), scrambled) << plain;
    EXPECT_EQ(UnscrambleText(scrambled, key), plain) << scrambled;
  }
}

TEST(Scrambler, RoundTripsEveryByte) {
  std::string all;
  for (int byte = 0; byte < 256; ++byte) all += static_cast<char>(byte);
  for (const std::uint16_t key : {std::uint16_t{0}, CredentialKey, std::uint16_t{65535}}) {
    EXPECT_EQ(UnscrambleText(ScrambleText(all, key), key), all);
  }
}

TEST(Scrambler, BadGroups) {
  // A group that is not a number counts as 0: 0 XOR (31573 >> 8) is '{'.
  EXPECT_EQ(UnscrambleText("abc", CredentialKey), "{");
  EXPECT_EQ(UnscrambleText("008227095185110117" "12", CredentialKey), "secret");  // incomplete group dropped
  EXPECT_EQ(UnscrambleText("1", CredentialKey), "");
  EXPECT_EQ(UnscrambleText(std::string("\0\0\0", 3), CredentialKey).size(), 1u);
}

TEST(TextHelpers, DoubleAmpersands) {
  EXPECT_EQ(DoubleAmpersands("Tech & Sci"), "Tech && Sci");
  EXPECT_EQ(DoubleAmpersands("&&"), "&&&&");
  EXPECT_EQ(DoubleAmpersands(""), "");
  EXPECT_EQ(DoubleAmpersands("plain"), "plain");
}

TEST(TextHelpers, ToIntTruncatesTowardZero) {
  const std::pair<double, int> cases[] = {
      {12.9, 12}, {-2.5, -2}, {-0.5, 0}, {0.0, 0}, {7.0, 7},
      {2.9999999999999996, 3},  // reads "3" as decimal text
      {1e20, std::numeric_limits<int>::max()}, {-1e20, std::numeric_limits<int>::min()},
      {std::nan(""), 0}, {1e-7, 0}};
  for (const auto& [value, expected] : cases) EXPECT_EQ(ToInt(value), expected) << value;
}

TEST(Codepage, Windows1252AndUtf8) {
  EXPECT_EQ(ToUtf8("caf\xe9 \x80" "5"), "caf\xc3\xa9 \xe2\x82\xac" "5");
  EXPECT_EQ(FromUtf8("caf\xc3\xa9 \xe2\x82\xac" "5"), "caf\xe9 \x80" "5");
  EXPECT_EQ(FromUtf8("\xe2\x80\x9cq\xe2\x80\x9d"), "\x93q\x94");
  EXPECT_EQ(FromUtf8("\xe6\x97\xa5"), "?");        // not in the code page
  EXPECT_EQ(FromUtf8("a\xff" "b\xc3"), "a?b?");     // malformed sequences
  EXPECT_EQ(FromUtf8("\xc0\xaf"), "??");            // overlong form
  EXPECT_EQ(FromUtf8("\xf0\x9f\x98\x80"), "?");
  std::string all;
  for (int byte = 0; byte < 256; ++byte) all += static_cast<char>(byte);
  EXPECT_EQ(FromUtf8(ToUtf8(all)), all);
}

}  // namespace
}  // namespace velomira
