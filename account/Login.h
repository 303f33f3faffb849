#pragma once
// The login gate of the main program.
#include <string>

namespace velomira {

// Creates the login dialog (which resolves ProgramDir as the running executable's
// folder, the settings paths and the browser command) and logs the member in: at once
// from the remembered ID and password when automatic login is on, otherwise (or when
// that fails) through the dialog. 1 when the member is logged in, 2 otherwise.
int RunLogin();
// The same with the program folder given (ending in "/"), for tests and tools.
int RunLogin(const std::string& programDir);

// Shows the verification window, sends servlet.UserLogin and reads the reply into
// State() (time zone, e-mail, name, start mode). On success id becomes the ID as the
// service spells it. code is the reply code, 0 when there was no usable reply.
void VerifyLogin(std::string& id, const std::string& password, const std::string& remember,
                 int& code);

// The ID of the last attempt: as the service spelled it after a success, as typed after
// a failure. The main window copies it into MemberId.
const std::string& LoggedInId();

// The account dialogs call this when they close: the login dialog comes back.
void ShowLoginWindow();

}  // namespace velomira
