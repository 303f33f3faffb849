#include "account/AccountOpeners.h"

#include <QPointer>

#include "account/Tfrm_pre.h"
#include "guide/WindowOpeners.h"

namespace velomira {

namespace {

// The live preferences panel; cleared when it is freed.
QPointer<Tfrm_pre> frm_pre;

}  // namespace

void ShowPreferences(MainWindowHost& host) {
  if (frm_pre) return;
  // The row menu's entry opens it without the list held first.
  host.HoldList();
  OpenOnce(frm_pre, host);
}

void AddAccountOpeners(MainWindowHooks& hooks) {
  HandleFunctionWindow(hooks, FunctionWindow::Preferences, ShowPreferences);
}

}  // namespace velomira
