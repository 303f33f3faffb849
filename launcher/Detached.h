#pragma once
#include <string>
#include <vector>

namespace velomira::launcher {

// Starts program with the given arguments in a session of its own and returns without
// waiting; false when it could not be started.
bool StartDetached(const std::string& program, const std::vector<std::string>& arguments);

}  // namespace velomira::launcher
