#pragma once
// The registration wizard's rules without its window: the ID-checked flag and the ID
// page's checks in their order (the password and e-mail rules are ProfileRules').
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

}  // namespace velomira
