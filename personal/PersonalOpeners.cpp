#include "PersonalOpeners.h"

#include <QPointer>

#include "TfrmHelp.h"
#include "Tfrm_edit.h"
#include "Tfrm_tel.h"

namespace velomira {

namespace {

// The live window of each kind; cleared when the window is freed.
QPointer<Tfrm_edit> frm_edit;
QPointer<TfrmHelp> frmHelp;

template <class Window>
void OpenOnce(QPointer<Window>& instance, MainWindowHost& host) {
  if (instance) return;
  instance = new Window(host);
  instance->Open();
}

}  // namespace

void ShowMyCategories(MainWindowHost& host) { OpenOnce(frm_edit, host); }

void ShowHelp(MainWindowHost& host) { OpenOnce(frmHelp, host); }

void AddPersonalOpeners(MainWindowHooks& hooks) {
  hooks.OpenFunctionWindow = [others = hooks.OpenFunctionWindow](MainWindowHost& host, FunctionWindow window) {
    if (window == FunctionWindow::Help) {
      ShowHelp(host);
    } else if (others) {
      others(host, window);
    } else {
      // A window this build does not have: the list must not stay frozen.
      host.ResumeList();
    }
  };
  hooks.OpenMyCategories = ShowMyCategories;
  hooks.OpenTellAFriend = [](const std::string& message, const std::string& itemText, const std::string&) {
    ShowTellAFriend(message, itemText);
  };
  hooks.CloseSideWindows = [others = hooks.CloseSideWindows] {
    if (frm_edit) frm_edit->MainWindowActivated();
    if (others) others();
  };
}

}  // namespace velomira
