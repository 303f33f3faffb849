#pragma once
// What one login run remembers between the attempt routine and the verification step
// (internal to the account dialogs).
#include <string>

namespace velomira {

void SetLoggedInId(const std::string& id);
// The verification window's close box asks for the program to end; the attempt that
// is running then ends the login with result 2, and the dialog is not shown again.
void RequestTermination();
bool TerminationRequested();
void ClearTerminationRequest();

}  // namespace velomira
