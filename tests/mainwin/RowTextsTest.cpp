// Texts and pictures of a program's rows.
#include <gtest/gtest.h>

#include "mainwin/RowTexts.h"

namespace velomira {
namespace {

TEST(RowTexts, DayPicturesAreRedOnTheProgramsDays) {
  EXPECT_EQ(DayPictureNames("0"), (std::array<std::string, 7>{"red_sun", "red_mon", "red_tue", "red_wed",
                                                               "red_tue", "red_fri", "red_sat"}));
  // Thursday has no picture of its own and shows Tuesday's.
  EXPECT_EQ(DayPictureNames("135"), (std::array<std::string, 7>{"red_sun", "blue_mon", "red_tue", "blue_wed",
                                                                 "red_tue", "blue_fri", "blue_sat"}));
}

TEST(RowTexts, LabelAddresses) {
  struct Case {
    std::string Kind, Address, Expected;
  };
  const Case cases[] = {
      {"x", "www.a.test", "Http://www.a.test"},
      {"x", "http://www.a.test", "http://www.a.test"},
      {"x", "HTTPS://www.a.test", "HTTPS://www.a.test"},
      {"x", "", ""},
      {"s", "www.a.test", ""},
      {"W", "www.a.test", ""},
      {"", "www.a.test", "Http://www.a.test"},
  };
  for (const Case& c : cases) EXPECT_EQ(RowLabelAddress(c.Kind, c.Address), c.Expected) << c.Kind << c.Address;
}

TEST(RowTexts, DateCaptionsAndPresetStart) {
  ProgramFields program{"P1", "icon07", "v", "202612101330", "202612101430", "", "", "", "",
                        "",   "",       "",  "0", "x",          "n"};
  const std::string caption = DateLineCaption(program);
  EXPECT_EQ(caption, "[01:30pm-02:30pm] Thu.10         ");
  EXPECT_EQ(PresetStartText(caption), "01:30pm");
  program[13] = "w";
  EXPECT_EQ(DateLineCaption(program).rfind("Inputtime[01:30pm]", 0), 0u);
  program[14] = "R";  // a weekly program wins over the input time
  EXPECT_EQ(DateLineCaption(program), caption);
  EXPECT_EQ(MediaIconName("C"), "chat_1.gif");
  EXPECT_EQ(MediaIconName("q"), "");
  EXPECT_EQ(RowHint(program), "P1,icon07,w,");
}

}  // namespace
}  // namespace velomira
