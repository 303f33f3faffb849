#include "CoreTestSupport.h"

namespace velomira {
namespace {

using testing::CoreTest;

class TimeTextTest : public CoreTest {
 protected:
  void SetUp() override {
    CoreTest::SetUp();
    // Monday, 31 December 2001, 14:00 on the local clock.
    SetClocks({2001, 12, 31, 5, 0, 0, 0}, {2001, 12, 31, 14, 0, 0, 0});
  }
};

struct FormatCase {
  int zone;
  const char* input;
  const char* expected;
};

TEST_F(TimeTextTest, TimeRange) {
  const FormatCase cases[] = {
      {9, "200112311330200112311430", "[10:30pm-11:30pm] Mon.31"},
      {9, "200112311330", "[10:30pm-  N / A  ]  Mon.31"},
      {9, "200112311330            ", "[10:30pm-  N / A  ]  Mon.31"},
      {0, "2001123113", "[01:00pm-  N / A  ]  Mon.31"},  // minutes missing
      {0, "200112311200200112310005", "[12:00pm-12:05am] Mon.31"},
      {-5, "200201010315200201010415", "[10:15pm-11:15pm] Mon.31"},  // previous day
      {9, "200112311500200112311600", "[12:00am-01:00am] Tue.01"},  // hour 24 is 12 am next day
      {1, "202402282330", "[12:30am-  N / A  ]  Thu.29"},           // leap day
  };
  for (const FormatCase& c : cases) {
    State().TimeZoneHours = c.zone;
    EXPECT_EQ(FormatTimeRange(c.input), c.expected) << c.input << " zone " << c.zone;
  }
}

TEST_F(TimeTextTest, ShortAndMonthDayTimes) {
  const std::tuple<int, const char*, const char*, const char*> cases[] = {
      {-5, "200201010315", "[10:15pm]  Mon.31", "[10:15pm Dec 31]"},
      {9, "200112311500", "[12:00am]  Tue.01", "[12:00am Jan 01]"},
      {2, "202312312300", "[01:00am]  Mon.01", "[01:00am Jan 01]"},
      {-3, "202401010100", "[10:00pm]  Sun.31", "[10:00pm Dec 31]"},
      {0, "200203010000", "[12:00am]  Fri.01", "[12:00am Mar 01]"},
      {-1, "200203010000", "[11:00pm]  Thu.28", "[11:00pm Feb 28]"},
  };
  for (const auto& [zone, input, shortText, monthDay] : cases) {
    State().TimeZoneHours = zone;
    EXPECT_EQ(FormatShortTime(input), shortText) << input;
    EXPECT_EQ(FormatMonthDayTime(input), monthDay) << input;
  }
}

TEST_F(TimeTextTest, PresetTimeCountsTheDayFromToday) {
  struct PresetCase {
    int zone;
    const char* input;
    const char* kind;
    const char* expected;
  };
  const PresetCase cases[] = {
      {0, "200112311330200112311430", "", "[01:30pm-02:30pm]Mon.31"},
      {0, "200112311330200112311430", "r", "[01:30pm-02:30pm]"},
      {0, "200112311330", "", "[01:30pm-  N / A  ]Mon.31"},
      {0, "200201051330", "", "[01:30pm-  N / A  ]Tue.01"},  // any later date is tomorrow
      {0, "200112201330", "", "[01:30pm-  N / A  ]Sun.30"},  // any earlier date is yesterday
      {9, "200112311530200112311630", "", "[12:30am-01:30am]Tue.01"},
      {5, "200201022000", "", "[01:00am-  N / A  ]Wen.02"},  // +1 by date, +1 by the hour; the day name's own spelling
      {-5, "200112300300", "", "[10:00pm-  N / A  ]Sat.29"},  // -1 by date, -1 by the hour
  };
  for (const PresetCase& c : cases) {
    State().TimeZoneHours = c.zone;
    EXPECT_EQ(FormatPresetTime(c.input, c.kind), c.expected) << c.input << " " << c.kind;
  }
}

TEST_F(TimeTextTest, PlayTime) { EXPECT_EQ(FormatPlayTime("pltm013005"), "Playtime[01:30:05] Mon 31"); }

TEST_F(TimeTextTest, ProgramStateAgainstTheLocalClock) {
  const std::tuple<int, const char*, int> cases[] = {
      {0, "200112311300200112311359", 1},
      {0, "200112311300200112311400", 1},  // ending now counts as ended
      {0, "200112311300200112311500", 2},
      {0, "200112311400200112311500", 2},  // starting now is running
      {0, "200112311401200112311500", 3},
      {9, "200112310500200112310600", 2},
      {-5, "200201010300200201010400", 3},  // 22:00 on 31 December
      {0, "200112301300200112301400", 1},
  };
  for (const auto& [zone, input, state] : cases) {
    State().TimeZoneHours = zone;
    EXPECT_EQ(ProgramState(input), state) << input << " zone " << zone;
  }
}

TEST_F(TimeTextTest, GarbledTimesDoNotThrow) {
  for (const std::string& input : {std::string(), std::string("abc"), std::string("2001ab31xx30"),
                                  std::string("\0\0\0\0", 4), std::string(10'000, '9')}) {
    EXPECT_NO_THROW({
      FormatTimeRange(input);
      FormatShortTime(input);
      FormatMonthDayTime(input);
      FormatPresetTime(input, "");
      FormatPlayTime(input);
      ProgramState(input);
    });
  }
  State().TimeZoneHours = 0;
  EXPECT_EQ(FormatShortTime("2001ab31xx30"), "[12:30am]  Wen.31");  // non-digits count as 0
}

TEST_F(CoreTest, CurrentTimeAddsBothOffsets) {
  const std::tuple<int, int, int, int, int, int> cases[] = {
      // UTC hour, minute, zone hours, zone minutes -> hour, minute
      {23, 50, 0, 15, 0, 5}, {0, 10, 0, -15, 23, 55}, {10, 30, -5, 0, 5, 30},
      {22, 0, 3, 0, 1, 0},   {12, 45, 5, 30, 18, 15}, {0, 0, -12, 0, 12, 0}};
  for (const auto& [utcHour, utcMinute, zoneHours, zoneMinutes, hour, minute] : cases) {
    SetClocks({2001, 12, 31, utcHour, utcMinute, 7, 250}, {});
    State().TimeZoneHours = zoneHours;
    State().TimeZoneMinutes = zoneMinutes;
    UpdateCurrentTime();
    EXPECT_EQ(State().CurrentTime.Hour, hour) << utcHour << ":" << utcMinute;
    EXPECT_EQ(State().CurrentTime.Minute, minute) << utcHour << ":" << utcMinute;
    EXPECT_EQ(State().CurrentTime.Second, 7);
    EXPECT_EQ(State().CurrentTime.Millisecond, 250);
  }
}

TEST_F(CoreTest, UtcStamp) {
  SetClocks({2001, 2, 3, 4, 5, 6, 7}, {2001, 2, 3, 13, 5, 6, 7});
  EXPECT_EQ(UtcStamp(), "20010203,040506");
}

TEST_F(CoreTest, SystemClockIsUsedWithoutOverride) {
  const DateTime now = UtcNow();
  EXPECT_GE(now.Year, 2024);
  EXPECT_EQ(UtcStamp().size(), 15u);
}

}  // namespace
}  // namespace velomira
