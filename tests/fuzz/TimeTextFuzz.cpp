// The time texts over any service time, any member time zone the login reply can give
// (three characters) and any day of the clock: each text is produced whole (none gives
// up on an exception), and the program state is one of the three.
#include <fuzzer/FuzzedDataProvider.h>

#include "FuzzSupport.h"
#include "core/dFunc.h"

using namespace velomira;
using velomira::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  State().TimeZoneHours = input.ConsumeIntegralInRange(-99, 999);
  DateTime now;
  now.Year = input.ConsumeIntegralInRange(1, 9999);
  now.Month = input.ConsumeIntegralInRange(1, 12);
  now.Day = input.ConsumeIntegralInRange(1, 28);
  now.Hour = input.ConsumeIntegralInRange(0, 23);
  now.Minute = input.ConsumeIntegralInRange(0, 59);
  SetClockForTests([now] { return now; }, [now] { return now; });
  const std::string kind = input.ConsumeRandomLengthString(4);
  const std::string time = input.ConsumeRemainingBytesAsString();

  const std::string range = FormatTimeRange(time);
  Require(range.starts_with("["), "time range made");
  Require(FormatShortTime(time).starts_with("["), "short time made");
  Require(FormatMonthDayTime(time).starts_with("["), "month-day time made");
  Require(FormatPresetTime(time, kind).starts_with("["), "preset time made");
  Require(FormatPlayTime(time).starts_with("Playtime["), "play time made");
  const int state = ProgramState(time);
  Require(state >= 1 && state <= 3, "program state is 1, 2 or 3");
  return 0;
}
