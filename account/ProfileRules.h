#pragma once
// The rules the registration wizard and the preferences panel share for the same member
// record: the password and its confirmation, the e-mail address, the state.
#include <string>

namespace velomira {

// The service compares passwords exactly, so the confirmation must too: a confirmation
// that differs only in letter case would set a password the member did not mean.
bool PasswordsMatch(const std::string& password, const std::string& confirmation);

enum class MailVerdict { Accepted, Missing, Malformed };
// Only the order of the first "@" and the first "." counts: "." before "@" (or "@"
// without ".") is malformed, neither is missing, a "." alone passes.
MailVerdict CheckMail(const std::string& mail);

// A stored state as the state list spells it (letter case ignored); a state the list
// does not hold stays as it is, so that sending the record back keeps it.
std::string StateAsListed(const std::string& stored);

}  // namespace velomira
