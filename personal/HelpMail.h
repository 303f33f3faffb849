#pragma once
// The help window's data: the topics of "911.Dat" and the support mailbox.
#include <string>
#include <vector>

namespace velomira {

struct HelpTopic {
  std::string Address, Title;
};
// Groups of three lines (address, title, a name for the usage log); a missing file or
// a group cut short gives no topic for it.
std::vector<HelpTopic> ReadHelpTopics(const std::string& path);

// velomira.Ini [SERVICE] MAIL, default "support@velomira.example".
std::string SupportMailboxAddress();

}  // namespace velomira
