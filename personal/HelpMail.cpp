#include "HelpMail.h"

#include "core/AsciiText.h"
#include "core/dFunc.h"

namespace velomira {

std::vector<HelpTopic> ReadHelpTopics(const std::string& path) {
  const TextList lines = ReadLookupFile(path);
  std::vector<HelpTopic> topics;
  for (std::size_t first = 0; first + 1 < lines.size(); first += 3) {
    topics.push_back({std::string(TrimBlanks(lines[first])), lines[first + 1]});
  }
  return topics;
}

std::string SupportMailboxAddress() {
  constexpr const char* fallback = "support@velomira.example";
  const ClientState& state = State();
  const std::string value(TrimBlanks(IniFile(state.MainIniPath).ReadString("SERVICE", "MAIL", fallback)));
  return value.empty() ? fallback : value;
}

}  // namespace velomira
