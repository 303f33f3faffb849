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
  HandleFunctionWindow(hooks, FunctionWindow::Search, [](MainWindowHost& host) { OpenOnce(frmSearch, host); });
  HandleFunctionWindow(hooks, FunctionWindow::Daily, [](MainWindowHost& host) { OpenOnce(frmDaily, host); });
  HandleFunctionWindow(hooks, FunctionWindow::Channel, [](MainWindowHost& host) { OpenOnce(frmChannel, host); });
  hooks.OpenChannel = [](MainWindowHost& host, const std::string& channelId) {
    if (frmChannel) {
      frmChannel->LoadChannelPrograms(channelId, 3);
      return;
    }
    host.HoldList();
    Track(frmChannel, new TfrmChannel(host))->OpenOnChannel(channelId);
  };
  AddCloseSideWindows(hooks, [] { TfrmChannelList::CloseOpenList(); });
}

}  // namespace velomira
