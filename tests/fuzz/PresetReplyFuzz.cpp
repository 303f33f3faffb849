// The PresetList reply: a reply with a body gives one preset per record holding that
// record's fields; a reply without one leaves the member's list untouched.
#include "FuzzSupport.h"
#include "core/dFunc.h"

using namespace velomira;
using velomira::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view reply(reinterpret_cast<const char*>(data), size);
  const PresetList kept = {{"kept", "", "", ""}};
  PresetList presets = kept;

  if (!ParsePresetReply(reply, presets)) {
    Require(ReplyBody(reply).empty(), "only an empty body is refused");
    Require(presets.size() == 1 && presets[0].ProgramId == "kept", "a refused reply keeps the list");
    return 0;
  }
  std::vector<std::string> records;
  SplitText(ReplyBody(reply), std::string_view(&RecordSeparator, 1), records);
  Require(presets.size() == records.size(), "one preset per record");
  const std::string_view fieldSeparator(&FieldSeparator, 1);
  for (std::size_t i = 0; i < records.size(); ++i) {
    Require(presets[i].ProgramId == FieldAt(records[i], fieldSeparator, 0), "program ID is field 0");
    Require(presets[i].Start.starts_with(FieldAt(records[i], fieldSeparator, 3).substr(0, 8)),
            "start begins with the service date");
    Require(presets[i].Title == FieldAt(records[i], fieldSeparator, 5), "title is field 5");
    Require(presets[i].Address == FieldAt(records[i], fieldSeparator, 6), "address is field 6");
  }
  return 0;
}
