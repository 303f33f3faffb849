#pragma once
// Completing a main-program update that the refresh thread left in the Temp folder.
#include <functional>
#include <string>

namespace velomira::launcher {

// Copies a file; fails when the target exists. The copy keeps the source's permission
// bits, so a program stays executable. A failed copy leaves no partial target.
bool CopyExclusive(const std::string& from, const std::string& to);

using CopyFunction = std::function<bool(const std::string& from, const std::string& to)>;

// The installed main program in folder (ends in "/"), matched case-insensitively.
std::string MainProgramPath(const std::string& folder);

// Swaps a staged new main program in, keeping a backup until the copy succeeded and
// rolling back when it failed; then removes the staged files. Every failing file
// operation is passed over. copy is the seam tests use to make a step fail.
void ReplaceMainProgram(const std::string& folder, const CopyFunction& copy = CopyExclusive);

}  // namespace velomira::launcher
