#include "account/RegistrationChecks.h"

#include "account/ProfileRules.h"

namespace velomira {

namespace {

constexpr std::size_t ShortestId = 6;
constexpr std::size_t LongestId = 14;

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
  if (!PasswordsMatch(password, confirmation))
    return {"The two passwords do not match.", IdPageField::Password};
  if (!idChecked) return {"Please press ID duplication check button.", IdPageField::None};
  return {};
}

}  // namespace velomira
