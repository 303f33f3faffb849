#include "PersonalOpeners.h"

#include <QPointer>

#include "TfrmHelp.h"
#include "Tfrm_edit.h"
#include "Tfrm_tel.h"
#include "guide/WindowOpeners.h"

namespace velomira {

namespace {

// The live window of each kind; cleared when the window is freed.
QPointer<Tfrm_edit> frm_edit;
QPointer<TfrmHelp> frmHelp;

}  // namespace

void ShowMyCategories(MainWindowHost& host) { OpenOnce(frm_edit, host); }

void ShowHelp(MainWindowHost& host) { OpenOnce(frmHelp, host); }

void AddPersonalOpeners(MainWindowHooks& hooks) {
  HandleFunctionWindow(hooks, FunctionWindow::Help, ShowHelp);
  hooks.OpenMyCategories = ShowMyCategories;
  hooks.OpenTellAFriend = [](const std::string& message, const std::string& itemText, const std::string&) {
    ShowTellAFriend(message, itemText);
  };
  AddCloseSideWindows(hooks, [] {
    if (frm_edit) frm_edit->MainWindowActivated();
  });
}

}  // namespace velomira
