// Query decoding, framing and time-zone texts, without a server.
#include <gtest/gtest.h>

#include "Framing.h"
#include "Query.h"
#include "TimeZone.h"

namespace velomira::service {
namespace {

TEST(UrlDecodeTest, DecodesTheClientsEncodingBytewise) {
  const struct {
    const char* encoded;
    std::string decoded;
  } cases[] = {
      {"a+b%26c", "a b&c"},
      {"%E9t%E9", "\xE9t\xE9"},  // Windows-1252 bytes stay single bytes
      {"100%", "100%"},          // malformed escapes are kept
      {"%4", "%4"},
      {"%zz1", "%zz1"},
      {"%u00e9", "%u00e9"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(UrlDecode(c.encoded), c.decoded) << c.encoded;
}

TEST(QueryParamsTest, FirstOccurrenceRawAndNumbers) {
  const auto params = QueryParams::FromTarget("/x?usr_id=demo&pass=a+b&page=12&page=3&n=x1&e=&flag");
  EXPECT_EQ(params.get("usr_id"), "demo");
  EXPECT_EQ(params.get("pass"), "a b");
  EXPECT_EQ(params.raw("pass"), "a+b");
  EXPECT_EQ(params.number("page"), 12);
  EXPECT_FALSE(params.number("n"));
  EXPECT_TRUE(params.has("e"));
  EXPECT_TRUE(params.has("flag"));
  EXPECT_FALSE(params.has("missing"));
}

TEST(ParseNumberTest, OneOptionalSignAndDigits) {
  const struct {
    const char* text;
    std::optional<std::int64_t> number;
  } cases[] = {
      {" -5 ", -5}, {"+17", 17}, {"\t42\r\n", 42}, {"0", 0},
      {"+-5", std::nullopt}, {"-+5", std::nullopt}, {"--5", std::nullopt}, {"++5", std::nullopt},
      {"+", std::nullopt}, {"-", std::nullopt}, {"", std::nullopt}, {"1e5", std::nullopt},
      {"5 5", std::nullopt}, {"99999999999999999999", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseNumber(c.text), c.number) << c.text;
}

TEST(FramingTest, HeaderIsCodeThenBlanksToThirtyTwo) {
  EXPECT_EQ(ReplyHeader(7), "007" + std::string(29, ' '));
  EXPECT_EQ(ReplyHeader(100, "+0930").substr(0, 8), "100+0930");
  EXPECT_EQ(ReplyHeader(100, std::string(40, 'x')).size(), 32u);
  RecordWriter out;
  out.field("a\x01" "b").field(7);
  out.endRecord();
  out.field("c");
  out.endRecord();
  EXPECT_EQ(out.text(), "a b\x01" "7\x02" "c");
  EXPECT_EQ(ServiceTime(1009805400), "200112311330");
}

TEST(TimeZoneTest, CodesOffsetsAndPreferenceForm) {
  const struct {
    const char* code;
    int minutes;
    const char* login;
    const char* preference;
  } cases[] = {
      {"-0500", -300, "-0500", "-500"}, {"+0900", 540, "+0900", "900"},
      {"00000", 0, "+0000", "0"},       {"+0330", 210, "+0330", "330"},
      {"-0330", -210, "-0430", "-330"}, {"-1200", -720, "-1200", "-1200"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParseTimeZoneCode(c.code), c.minutes) << c.code;
    EXPECT_EQ(LoginOffset(c.minutes), c.login) << c.code;
    EXPECT_EQ(PreferenceTimeZone(c.minutes), c.preference) << c.code;
  }
  for (const char* bad : {"99999", "", "+05", "-05a0", "+1575"}) {
    EXPECT_FALSE(ParseTimeZoneCode(bad)) << bad;
  }
  EXPECT_EQ(EffectiveOffset(-300, "y"), -240);
  EXPECT_EQ(EffectiveOffset(-300, "n"), -300);
}

}  // namespace
}  // namespace velomira::service
