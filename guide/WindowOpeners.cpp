#include "WindowOpeners.h"

namespace velomira {

void HandleFunctionWindow(MainWindowHooks& hooks, FunctionWindow kind, std::function<void(MainWindowHost&)> open) {
  hooks.OpenFunctionWindow = [kind, open = std::move(open), others = hooks.OpenFunctionWindow](
                                 MainWindowHost& host, FunctionWindow window) {
    if (window == kind) {
      open(host);
    } else if (others) {
      others(host, window);
    } else {
      host.ResumeList();
    }
  };
}

void AddCloseSideWindows(MainWindowHooks& hooks, std::function<void()> close) {
  hooks.CloseSideWindows = [close = std::move(close), others = hooks.CloseSideWindows] {
    close();
    if (others) others();
  };
}

}  // namespace velomira
