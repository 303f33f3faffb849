#include "TfrmTestList.h"

#include "controls/TPicturePanel.h"
#include "core/ClientState.h"
#include "core/ServletRequests.h"
#include "guide/GuideLayout.h"

namespace velomira::test {

namespace {

GuideWindowSpec TestListSpec(bool titleBarStopsBanner) {
  GuideWindowSpec spec{"frmTestList", "PnlTestList", "Test list", "", "Programs of one day",
                       'p', 'c', &UsageRecord::DailyOpens};
  spec.TitleBarStopsBanner = titleBarStopsBanner;
  return spec;
}

ProgramListPlaces Places() {
  ProgramListPlaces places;
  places.List = QRect(8, 56, guide_layout::kListRight - 8, guide_layout::kListBottom - 56);
  places.Paging = guide_layout::kPagingBar;
  return places;
}

}  // namespace

TfrmTestList::TfrmTestList(MainWindowHost& host, bool titleBarStopsBanner)
    : GuideWindow(host, TestListSpec(titleBarStopsBanner)) {
  List = new ProgramListPanel(*this, Panel, Pages(), Places());
  List->PlaceHeader = [this] {
    List->AddHeaderLabel(kHeaderText, 8, 4, guide_layout::kHeaderColor);
    return 23;
  };
  List->PageRequest = [](int page) -> ProgramListPanel::RequestWork {
    return [page] { return RequestPage(page); };
  };
  List->ShowEmpty = [this] {
    ++EmptyViews;
    List->ResetPages();
    List->AddHeaderLabel(kEmptyText, 8, 4, guide_layout::kHeaderColor);
  };
}

PagingState& TfrmTestList::Pages() {
  static PagingState pages;
  return pages;
}

std::string TfrmTestList::RequestPage(int page) { return RequestDailyPrograms(4, 5, 0, page); }

void TfrmTestList::Opened() {
  Request([] { return RequestPage(0); }, [this](const std::string& reply) { Show(reply); });
}

void TfrmTestList::Show(const std::string& reply) {
  if (List->Load(reply) == ProgramListPanel::LoadResult::Empty) List->ShowEmpty();
}

}  // namespace velomira::test
