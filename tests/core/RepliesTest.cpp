#include "CoreTestSupport.h"

namespace velomira {
namespace {

using testing::CoreTest;

const std::string Header100 = "100" + std::string(29, ' ');

TEST(ReplyFraming, StatusCodes) {
  const std::pair<std::string, int> cases[] = {
      {"", 0},          {"1", 0},   {"12", 0},      {"100", 100},      {Header100 + "body", 100},
      {"212 no list", 212},         {"abc", 0},     {"1a0", 0},        {" 12", 0},
      {"-12", 0},       {"999", 999}, {std::string("1\0" "0", 3), 0}};
  for (const auto& [reply, code] : cases) EXPECT_EQ(ReplyCode(reply), code) << reply;

  EXPECT_FALSE(IsSuccessCode(0));
  EXPECT_FALSE(IsSuccessCode(99));
  EXPECT_TRUE(IsSuccessCode(100));
  EXPECT_TRUE(IsSuccessCode(199));
  EXPECT_FALSE(IsSuccessCode(211));
}

TEST(ReplyFraming, BodyStartsAtCharacter33) {
  EXPECT_EQ(ReplyBody(""), "");
  EXPECT_EQ(ReplyBody(Header100), "");
  EXPECT_EQ(ReplyBody(Header100 + "x"), "x");
  EXPECT_EQ(ReplyBody("100 short"), "");
}

struct SplitCase {
  std::string text, delimiter;
  std::vector<std::string> pieces;
};

TEST(SplitTextTest, PiecesBetweenDelimiters) {
  const SplitCase cases[] = {
      {"a\x01\x01" "b\x01", "\x01", {"a", "", "b"}},  // trailing delimiter: no empty last piece
      {"", "\x01", {}},
      {"\x01", "\x01", {""}},
      {"\x01" "a", "\x01", {"", "a"}},
      {"abc", "\x01", {"abc"}},
      {"a--b----c", "--", {"a", "b", "", "c"}},
      {"abc", "", {"abc"}},  // no delimiter to split at
      {std::string("a\0b\x02" "c", 5), "\x02", {std::string("a\0b", 3), "c"}},
  };
  for (const SplitCase& c : cases) {
    std::vector<std::string> list = {"left", "over"};
    SplitText(c.text, c.delimiter, list);
    EXPECT_EQ(list, c.pieces) << c.text;
  }
}

TEST(SplitTextTest, FieldAt) {
  const std::tuple<const char*, int, const char*> cases[] = {
      {"a,b,c", 0, "a"}, {"a,b,c", 1, "b"}, {"a,b,c", 2, "c"}, {"a,b,c", 3, ""}, {"a,b,c", -1, ""},
      {"a,,c", 1, ""},   {"a,b,", 2, ""},   {"", 0, ""},       {"abc", 0, "abc"}};
  for (const auto& [text, index, field] : cases) EXPECT_EQ(FieldAt(text, ",", index), field) << text << index;
  EXPECT_EQ(FieldAt("a::b", "::", 1), "b");
}

TEST(SplitTextTest, MissingRecordFieldIsEmpty) {
  const std::vector<std::string> fields = {"p1", "icon07"};
  EXPECT_EQ(RecordField(fields, 1), "icon07");
  EXPECT_EQ(RecordField(fields, 2), "");
  EXPECT_EQ(RecordField(fields, 18), "");
}

TEST(SplitTextTest, FiftyMegabyteReply) {
  const std::string record = std::string(95, 'x') + "\x01" "y" "\x01" "z" "\x02";  // 100 bytes
  std::string reply = Header100;
  reply.reserve(50'000'100);
  for (int i = 0; i < 500'000; ++i) reply += record;
  EXPECT_EQ(ReplyCode(reply), 100);
  std::vector<std::string> records;
  SplitText(ReplyBody(reply), "\x02", records);
  ASSERT_EQ(records.size(), 500'000u);
  EXPECT_EQ(FieldAt(records.back(), "\x01", 2), "z");
}

std::string Record(std::initializer_list<std::string> fields) {
  std::string text;
  for (const std::string& field : fields) text += (text.empty() ? "" : "\x01") + field;
  return text;
}

TEST_F(CoreTest, PresetReplyFillsTheTable) {
  State().TimeZoneHours = 9;
  const std::string reply = Header100 +
                            Record({"p1", "icon07", "v", "200112311330", "200112311430", "Morning Show", "http://a/p1",
                                    "Radio One"}) +
                            "\x02" + Record({"p2"}) + "\x02";
  PresetList presets = {{"old", "", "", "", ""}};
  ASSERT_TRUE(ParsePresetReply(reply, presets));
  ASSERT_EQ(presets.size(), 2u);
  EXPECT_EQ(presets[0].ProgramId, "p1");
  EXPECT_EQ(presets[0].Start, "20011231[10:30pm-  N / A  ]  Mon.31");
  EXPECT_EQ(presets[0].Title, "Morning Show");
  EXPECT_EQ(presets[0].Address, "http://a/p1");
  EXPECT_EQ(presets[0].Station, "Radio One");
  EXPECT_EQ(presets[1].ProgramId, "p2");  // too few fields: the rest is empty
  EXPECT_EQ(presets[1].Title, "");
  EXPECT_EQ(presets[1].Address, "");
}

TEST_F(CoreTest, EmptyPresetReplyLeavesTheTable) {
  PresetList presets = {{"kept", "", "", "", ""}};
  for (const std::string& reply : {std::string(), Header100, std::string("100")}) {
    EXPECT_FALSE(ParsePresetReply(reply, presets));
    ASSERT_EQ(presets.size(), 1u);
    EXPECT_EQ(presets[0].ProgramId, "kept");
  }
}

}  // namespace
}  // namespace velomira
