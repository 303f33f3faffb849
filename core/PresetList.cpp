// The member's presets, loaded from servlet.PresetList.
#include "dFunc.h"

namespace velomira {

bool ParsePresetReply(std::string_view reply, PresetList& presets) {
  try {
    const std::string_view body = ReplyBody(reply);
    if (body.empty()) return false;
    std::vector<std::string> records, fields;
    SplitText(body, std::string_view(&RecordSeparator, 1), records);
    PresetList parsed;
    parsed.reserve(records.size());
    for (const std::string& record : records) {
      SplitText(record, std::string_view(&FieldSeparator, 1), fields);
      const std::string& start = RecordField(fields, 3);
      parsed.push_back({RecordField(fields, 0), start.substr(0, 8) + FormatTimeRange(start),
                        RecordField(fields, 5), RecordField(fields, 6), RecordField(fields, 7)});
    }
    presets = std::move(parsed);
    return true;
  } catch (...) {
    return false;
  }
}

void LoadPresetList() {
  try {
    const std::string reply = HttpPostText(ServiceRoot() + "/servlet/servlet.PresetList?usr_id=" + State().MemberId);
    PresetList presets;
    if (ParsePresetReply(reply, presets)) State().PresetTable.Set(std::move(presets));
  } catch (...) {
    // A failed load keeps the presets the member already had.
  }
}

}  // namespace velomira
