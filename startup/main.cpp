// VelomiraMain: the login gate, then the main window with its background refresh.
#include <memory>

#include "StartSequence.h"
#include "TDownLoad.h"
#include "account/AccountOpeners.h"
#include "account/Login.h"
#include "guide/GuideOpeners.h"
#include "guide/PresetOpeners.h"
#include "mainwin/MainWindowHooks.h"
#include "mainwin/TfrmMain.h"
#include "personal/PersonalOpeners.h"

int main(int argc, char** argv) {
  using namespace velomira;
  // Outlives the main window: ending the process waits for a step still in progress.
  std::unique_ptr<TDownLoad> refresh;

  StartupParts parts;
  parts.RunLogin = [] { return RunLogin(); };
  parts.CreateMainWindow = [&refresh]() -> std::unique_ptr<QWidget> {
    MainWindowHooks hooks;
    hooks.StartRefresh = [&refresh] {
      if (!refresh) refresh = std::make_unique<TDownLoad>();
    };
    hooks.StopRefreshAndWait = [&refresh] {
      if (!refresh) return;
      refresh->Stop();
      refresh->Join();
    };
    AddGuideOpeners(hooks);
    AddPresetOpeners(hooks);
    AddAccountOpeners(hooks);
    AddPersonalOpeners(hooks);
    return std::make_unique<TfrmMain>(LoggedInId(), std::move(hooks));
  };
  return RunStartup(argc, argv, parts);
}
