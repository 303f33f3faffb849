#include "MainActions.h"

#include "TfrmMain.h"
#include "core/dFunc.h"
#include "platform/Browser.h"

namespace velomira {

void MainButtonAction(int tag) {
  switch (tag) {
    case 1:
      OpenWebPage(WebRoot());
      CountUsage(&UsageRecord::LogoClicks);
      break;
    case 2:
      OpenWebPage(WebRoot() + "/help/support.htm");
      CountUsage(&UsageRecord::HelpClicks);
      break;
    case 3:
      if (frmMain) frmMain->HideToTray();
      break;
    case 4:
      if (frmMain) frmMain->ToggleSimpleDisplay();
      break;
    case 5:
      if (frmMain) frmMain->ExitProgram();
      break;
    default:
      break;
  }
}

void RestoreMainTimers() {
  if (frmMain) frmMain->RestoreTimers();
}

}  // namespace velomira
