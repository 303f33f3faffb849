#pragma once
// What tell-a-friend sends about a program: the program summary the service puts in
// the mail, and the member's message with its line breaks marked for the query.
#include <string>

namespace velomira {

// The time text of a program line (fields as in the program lists): a play length,
// an input time or the start and end.
std::string FriendTimeText(const std::string& programLine);
// Title, station, station page, date and time, description and program page, joined
// by 0x01.
std::string FriendProgramSummary(const std::string& programLine);
// Every CR LF (and a lone LF or CR) becomes "[@retrn]".
std::string FriendMessage(const std::string& memo);

// The member's message for a mail reply: success, or why to try again (a reply that is
// not a code, an empty one included, asks to try later).
enum class MailOutcome { Sent, TryLater, Retry };
MailOutcome TellAFriendOutcome(const std::string& reply);
MailOutcome HelpMailOutcome(const std::string& reply);
const char* MailOutcomeText(MailOutcome outcome);

}  // namespace velomira
