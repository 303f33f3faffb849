#include "account/AccountOpeners.h"

#include <QPointer>

#include "account/Tfrm_pre.h"

namespace velomira {

namespace {

// The live preferences panel; cleared when it is freed.
QPointer<Tfrm_pre> frm_pre;

}  // namespace

void ShowPreferences(MainWindowHost& host) {
  if (frm_pre) return;
  // The row menu's entry opens it without the list held first.
  host.HoldList();
  frm_pre = new Tfrm_pre(host);
  frm_pre->Open();
}

void AddAccountOpeners(MainWindowHooks& hooks) {
  hooks.OpenFunctionWindow = [others = hooks.OpenFunctionWindow](MainWindowHost& host, FunctionWindow window) {
    if (window == FunctionWindow::Preferences) {
      ShowPreferences(host);
    } else if (others) {
      others(host, window);
    } else {
      // A window this build does not have: the list must not stay frozen.
      host.ResumeList();
    }
  };
}

}  // namespace velomira
