// Listing times in every form XMLTV allows.
#include <gtest/gtest.h>

#include "XmltvTimes.h"

namespace velomira::service {
namespace {

constexpr std::int64_t kJune1 = 1780272000;  // 2026-06-01 00:00 UTC

TEST(XmltvTimes, EveryFormGivesTheSameMoment) {
  struct Case {
    const char* text;
    int defaultOffset;
    std::int64_t utc;
    bool unknownZone;
  };
  const Case cases[] = {
      {"20260601000000 +0000", 0, kJune1, false},
      {"20260601000000", 0, kJune1, false},
      {"202606010000", 0, kJune1, false},
      {"20260601", 0, kJune1, false},
      {"202606", 0, kJune1, false},
      {"2026", 0, kJune1 - 151 * 86400, false},
      {"20260601000000 +0100", 0, kJune1 - 3600, false},
      {"20260601000000 -0330", 0, kJune1 + 3 * 3600 + 1800, false},
      {"20260601000000+0200", 0, kJune1 - 7200, false},
      {"20260601000000 UTC", 120, kJune1, false},
      {"20260601000000 GMT", 120, kJune1, false},
      {"20260601000000 BST", 0, kJune1 - 3600, false},
      {"20260601000000 CET", 0, kJune1 - 3600, false},
      {"20260601000000 CEST", 0, kJune1 - 7200, false},
      {"20260601000000 EET", 0, kJune1 - 7200, false},
      {"20260601000000 EEST", 0, kJune1 - 3 * 3600, false},
      {"20260601000000 EST", 0, kJune1 + 5 * 3600, false},
      {"20260601000000 EDT", 0, kJune1 + 4 * 3600, false},
      {"20260601000000 CST", 0, kJune1 + 6 * 3600, false},
      {"20260601000000 CDT", 0, kJune1 + 5 * 3600, false},
      {"20260601000000 MST", 0, kJune1 + 7 * 3600, false},
      {"20260601000000 MDT", 0, kJune1 + 6 * 3600, false},
      {"20260601000000 PST", 0, kJune1 + 8 * 3600, false},
      {"20260601000000 PDT", 0, kJune1 + 7 * 3600, false},
      // Without a zone, or with one we do not know, the default zone counts.
      {"20260601000000", 60, kJune1 - 3600, false},
      {"20260601000000 XYZT", 60, kJune1 - 3600, true},
      {"20240229123456 +0000", 0, 1709210096, false},
  };
  for (const auto& c : cases) {
    const auto parsed = ParseListingTime(c.text, c.defaultOffset);
    ASSERT_TRUE(parsed) << c.text;
    EXPECT_EQ(parsed->utc, c.utc) << c.text;
    EXPECT_EQ(parsed->unknownZone, c.unknownZone) << c.text;
  }
}

TEST(XmltvTimes, TimesThatDoNotExistAreRefused) {
  for (const char* text : {"", "tomorrow", "202", "20260", "2026060", "20260230", "20250229",
                           "20261301", "20260600", "20260601240000", "20260601006000",
                           "20260601000060", "202606010000000", "20260601000000 +01",
                           "20260601000000 +2400", "20260601000000 +0160", "20260601000000 +01a0"}) {
    EXPECT_FALSE(ParseListingTime(text, 0)) << text;
  }
}

}  // namespace
}  // namespace velomira::service
