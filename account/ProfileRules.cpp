#include "account/ProfileRules.h"

#include "account/ProfileLists.h"

namespace velomira {

namespace {

// 1-based position, 0 when absent.
std::size_t Position(const std::string& text, char c) {
  const auto at = text.find(c);
  return at == std::string::npos ? 0 : at + 1;
}

}  // namespace

bool PasswordsMatch(const std::string& password, const std::string& confirmation) {
  return password == confirmation;
}

MailVerdict CheckMail(const std::string& mail) {
  const std::size_t at = Position(mail, '@');
  const std::size_t dot = Position(mail, '.');
  if (at == 0 && dot == 0) return MailVerdict::Missing;
  if (dot < at) return MailVerdict::Malformed;
  return MailVerdict::Accepted;
}

std::string StateAsListed(const std::string& stored) {
  const int item = FindItemIgnoringCase(States(), stored);
  return item < 0 ? stored : States()[static_cast<std::size_t>(item)];
}

}  // namespace velomira
