#include "RowTexts.h"

#include <algorithm>
#include <cctype>

#include "core/dFunc.h"

namespace velomira {

namespace {
const std::string kTrailingBlanks(9, ' ');
constexpr std::array<const char*, 7> kDayWords{"sun", "mon", "tue", "wed", "tue", "fri", "sat"};
}  // namespace

bool EqualsNoCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && StartsWithNoCase(a, b);
}

bool StartsWithNoCase(const std::string& text, const std::string& prefix) {
  if (text.size() < prefix.size()) return false;
  return std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
  });
}

bool IsRepeatedProgram(const ProgramFields& fields) {
  return StartsWithNoCase(RecordField(fields, 14), "r");
}

std::string DateLineCaption(const ProgramFields& fields) {
  const std::string& start = RecordField(fields, 3);
  const std::string startEnd = start + RecordField(fields, 4);
  if (IsRepeatedProgram(fields)) return FormatTimeRange(startEnd) + kTrailingBlanks;
  if (StartsWithNoCase(start, "pltm")) return FormatPlayTime(start) + kTrailingBlanks;
  if (StartsWithNoCase(RecordField(fields, 13), "w")) {
    return "Inputtime" + FormatShortTime(startEnd) + kTrailingBlanks;
  }
  return FormatTimeRange(startEnd) + kTrailingBlanks;
}

std::array<std::string, 7> DayPictureNames(const std::string& weekdays) {
  std::array<std::string, 7> names;
  for (std::size_t i = 0; i < names.size(); ++i) {
    const char digit = static_cast<char>('1' + i);
    const bool runs = weekdays == "0" || weekdays.find(digit) != std::string::npos;
    names[i] = std::string(runs ? "red_" : "blue_") + kDayWords[i];
  }
  return names;
}

std::string MediaIconName(const std::string& mediaType) {
  if (mediaType.empty()) return {};
  switch (std::tolower(static_cast<unsigned char>(mediaType[0]))) {
    case 'v': return "M1.gif";
    case 'c': return "chat_1.gif";
    case 'a': return "sound_1.gif";
    case 't': return "text_1.gif";
    default: return {};
  }
}

std::string RowLabelAddress(const std::string& kind, const std::string& address) {
  if (EqualsNoCase(kind, "s") || EqualsNoCase(kind, "w")) return {};
  if (address.empty()) return {};
  std::string upper = address;
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  // Secure addresses are complete as well; prefixing them would break the link.
  if (upper.find("HTTP://") != std::string::npos || upper.find("HTTPS://") != std::string::npos) {
    return address;
  }
  return "Http://" + address;
}

std::string RowHint(const ProgramFields& fields) {
  return RecordField(fields, 0) + "," + RecordField(fields, 1) + "," + RecordField(fields, 13) + ",";
}

std::string PresetStartText(const std::string& dateCaption) {
  return dateCaption.size() > 1 ? dateCaption.substr(1, 7) : std::string();
}

}  // namespace velomira
