#pragma once
// The sample guide: a believable week of internet radio and TV around the
// time it is created, with stations, banners, help topics and a demo member.
#include <cstdint>
#include <string>

#include "Database.h"

namespace velomira::service {

inline constexpr const char* kDemoMemberId = "demo";
inline constexpr const char* kDemoPassword = "demo1234";

struct SeedSummary {
  bool seeded = false;  // false when the database already held data
  int stations = 0;
  int programs = 0;
  std::int64_t demoPresetStart = 0;  // UTC seconds
};

// Fills an empty database; leaves one that holds programs or members alone.
SeedSummary SeedSampleGuide(Database& database, std::int64_t now);

// A sample guide that no longer reaches a week ahead gets the missing days
// (and a new preview preset for the demo member); the number of days added.
// Guides that did not come from SeedSampleGuide are left alone.
int RenewSampleGuide(Database& database, std::int64_t now);

}  // namespace velomira::service
