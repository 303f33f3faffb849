#pragma once
// The main program's start: skin packages, the single running copy, the start
// argument, the login gate, the splash window, the main window and its message loop.
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

namespace velomira {

struct StartupParts {
  std::string ProgramDir;  // ends in "/"; empty: the running program's folder
  std::string LockName;    // the single-copy lock; empty: the client's own
  // The login gate: 1 when a member is logged in.
  std::function<int()> RunLogin;
  // Creates the main window (not yet shown) while the splash window is up.
  std::function<std::unique_ptr<QWidget>()> CreateMainWindow;
};

// Runs the whole start and the message loop until the main window closes. Uses the
// running application object when there is one, otherwise creates it. Returns the
// process exit code.
int RunStartup(int& argc, char** argv, const StartupParts& parts);

}  // namespace velomira
