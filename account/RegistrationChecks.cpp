#include "account/RegistrationChecks.h"

#include <algorithm>

namespace velomira {

namespace {

constexpr std::size_t ShortestId = 6;
constexpr std::size_t LongestId = 14;

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameIgnoringAsciiCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

// 1-based position, 0 when absent.
std::size_t Position(const std::string& text, char c) {
  const auto at = text.find(c);
  return at == std::string::npos ? 0 : at + 1;
}

}  // namespace

bool& IdChecked() {
  static bool checked = false;
  return checked;
}

bool IdTooShortToCheck(const std::string& id) { return id.size() < ShortestId; }

IdPageProblem CheckIdPage(const std::string& id, const std::string& password,
                          const std::string& confirmation, bool idChecked) {
  if (id.empty()) return {"Please enter your id.", IdPageField::Id};
  if (id.size() < ShortestId || id.size() > LongestId)
    return {"Please enter your ID in between 6 to 14 characters.", IdPageField::Id};
  if (password.empty()) return {"Please enter your password.", IdPageField::Password};
  if (confirmation.empty())
    return {"Please re-type your password to confirm. ", IdPageField::Confirmation};
  if (!SameIgnoringAsciiCase(password, confirmation))
    return {"The two passwords do not match.", IdPageField::Password};
  if (!idChecked) return {"Please press ID duplication check button.", IdPageField::None};
  return {};
}

MailVerdict CheckMail(const std::string& mail) {
  const std::size_t at = Position(mail, '@');
  const std::size_t dot = Position(mail, '.');
  if (at == 0 && dot == 0) return MailVerdict::Missing;
  if (dot < at) return MailVerdict::Malformed;
  return MailVerdict::Accepted;
}

}  // namespace velomira
