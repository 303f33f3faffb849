#pragma once
#include <string>

namespace velomira {

// The name of the Windows release the client runs on; empty on every other platform,
// which makes the panel swap use its shaped animation.
std::string WindowsVersionName();

}  // namespace velomira
