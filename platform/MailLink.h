#pragma once
// A new mail in the desktop's mail program.
#include <string>

namespace velomira {

// Hands "mailto:" + address to the desktop's handler (xdg-open), without waiting;
// false when it could not be started.
bool OpenMailTo(const std::string& address);

}  // namespace velomira
