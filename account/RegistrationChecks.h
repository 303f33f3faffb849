#pragma once
// The registration wizard's rules without its window: the ID-checked flag, the ID
// page's checks in their order and the e-mail address rule.
#include <string>

namespace velomira {

// True once the service called the ID free; for the whole run, not per wizard, and not
// reset by editing the ID afterwards.
bool& IdChecked();

// The ID check button refuses IDs of 5 characters or fewer before asking the service.
bool IdTooShortToCheck(const std::string& id);

enum class IdPageField { None, Id, Password, Confirmation };
struct IdPageProblem {
  std::string Message;  // empty when the page may be left
  IdPageField Focus = IdPageField::None;
};
IdPageProblem CheckIdPage(const std::string& id, const std::string& password,
                          const std::string& confirmation, bool idChecked);

enum class MailVerdict { Accepted, Missing, Malformed };
// Only the order of the first "@" and the first "." counts: "." before "@" (or "@"
// without ".") is malformed, neither is missing, a "." alone passes.
MailVerdict CheckMail(const std::string& mail);

}  // namespace velomira
