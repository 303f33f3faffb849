#pragma once
// A guide window with one program list, built the way the real guide windows build
// theirs: a header over the rows at position 0, the daily programs of one category as
// its first view, and paging that repeats that request. Its banners are the channel
// window's kind: marked "p", logged as "c".
#include <string>

#include "guide/GuideWindow.h"
#include "guide/ProgramListPanel.h"

namespace velomira::test {

class TfrmTestList : public GuideWindow {
 public:
  static constexpr const char* kHeaderText = "Programs of the day";
  static constexpr const char* kEmptyText = "No program found.";

  // titleBarStopsBanner: the search window's kind of title bar.
  explicit TfrmTestList(MainWindowHost& host, bool titleBarStopsBanner = false);

  // The page numbers, program-wide as the real windows keep them.
  static PagingState& Pages();

  // The window's request for a page (0: the first request, without a page).
  static std::string RequestPage(int page);

  ProgramListPanel* List;
  int EmptyViews = 0;

 protected:
  void Opened() override;

 private:
  void Show(const std::string& reply);
};

}  // namespace velomira::test
