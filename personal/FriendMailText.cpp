#include "FriendMailText.h"

#include <string_view>
#include <vector>

#include "core/AsciiText.h"
#include "core/dFunc.h"

namespace velomira {

namespace {

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  SplitText(line, std::string_view(&FieldSeparator, 1), fields);
  return fields;
}

// Characters from..from+count-1 (1-based), as far as the text reaches.
std::string Chars(const std::string& text, std::size_t from, std::size_t count) {
  return from - 1 < text.size() ? text.substr(from - 1, count) : std::string();
}

bool StartsNoCase(const std::string& text, std::string_view prefix) {
  return text.size() >= prefix.size() && EqualsNoCase(std::string_view(text).substr(0, prefix.size()), prefix);
}

}  // namespace

std::string FriendTimeText(const std::string& programLine) {
  const std::vector<std::string> f = Fields(programLine);
  const std::string& start = RecordField(f, 3);
  if (StartsNoCase(start, "pltm")) {
    return "Playtime[" + Chars(start, 5, 2) + ":" + Chars(start, 7, 2) + ":" + Chars(start, 9, 2) + "]";
  }
  if (StartsNoCase(RecordField(f, 13), "w")) return "Inputtime" + FormatTimeRange(start).substr(0, 8) + "]";
  return FormatTimeRange(start + RecordField(f, 4));
}

std::string FriendProgramSummary(const std::string& programLine) {
  const std::vector<std::string> f = Fields(programLine);
  const std::string& start = RecordField(f, 3);
  const std::string separator(1, FieldSeparator);
  const std::string date = Chars(start, 5, 2) + "/" + Chars(start, 7, 2) + "/" + Chars(start, 1, 4);
  return RecordField(f, 5) + separator + RecordField(f, 7) + separator + RecordField(f, 8) + separator + date +
         FriendTimeText(programLine) + separator + RecordField(f, 11) + separator + RecordField(f, 6);
}

std::string FriendMessage(const std::string& memo) {
  std::string message;
  for (std::size_t i = 0; i < memo.size(); ++i) {
    if (memo[i] == '\r' || memo[i] == '\n') {
      if (memo[i] == '\r' && i + 1 < memo.size() && memo[i + 1] == '\n') ++i;
      message += "[@retrn]";
    } else {
      message += memo[i];
    }
  }
  return message;
}

MailOutcome TellAFriendOutcome(const std::string& reply) {
  return IsSuccessCode(ReplyCode(reply)) ? MailOutcome::Sent : MailOutcome::TryLater;
}

MailOutcome HelpMailOutcome(const std::string& reply) {
  const int code = ReplyCode(TrimBlanks(reply));
  if (IsSuccessCode(code)) return MailOutcome::Sent;
  return code == 0 ? MailOutcome::TryLater : MailOutcome::Retry;
}

const char* MailOutcomeText(MailOutcome outcome) {
  switch (outcome) {
    case MailOutcome::Sent: return "Sucess sending your mail.";
    case MailOutcome::Retry: return "Please retry sending your mail.";
    default: return "Please try again later.";
  }
}

}  // namespace velomira
