#pragma once
#include <string>

namespace velomira {

// Writes LocalVersion back to velomira.Ini and reads it again for the login dialog's
// version label; empty when the label keeps its design text.
std::string InstalledVersionLabel();

}  // namespace velomira
