#include "GuideOpeners.h"

#include <QPointer>

#include "TfrmChannel.h"
#include "TfrmChannelList.h"
#include "TfrmDaily.h"
#include "TfrmSearch.h"
#include "WindowOpeners.h"

namespace velomira {

namespace {

// The live window of each kind; cleared when the window is freed.
QPointer<TfrmChannel> frmChannel;
QPointer<TfrmDaily> frmDaily;
QPointer<TfrmSearch> frmSearch;

}  // namespace

void AddGuideOpeners(MainWindowHooks& hooks) {
  hooks.OpenFunctionWindow = [](MainWindowHost& host, FunctionWindow window) {
    switch (window) {
      case FunctionWindow::Search: OpenOnce(frmSearch, host); break;
      case FunctionWindow::Daily: OpenOnce(frmDaily, host); break;
      case FunctionWindow::Channel: OpenOnce(frmChannel, host); break;
      default:
        // A window this build does not have: the list must not stay frozen.
        host.ResumeList();
        break;
    }
  };
  hooks.OpenChannel = [](MainWindowHost& host, const std::string& channelId) {
    if (frmChannel) {
      frmChannel->LoadChannelPrograms(channelId, 3);
      return;
    }
    host.HoldList();
    frmChannel = new TfrmChannel(host);
    frmChannel->OpenOnChannel(channelId);
  };
  hooks.CloseSideWindows = [] { TfrmChannelList::CloseOpenList(); };
}

}  // namespace velomira
