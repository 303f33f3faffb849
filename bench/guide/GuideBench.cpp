// What the guide windows cost, offscreen, each against a baseline measured in the same
// run:
// - rebuilding the list rows at each scroll position of a 50-record reply (CPU time),
//   against the same scrolling through a list whose records build no controls;
// - a paging click until its rows are shown, the canned service answering at once (wall
//   time), against the same request whose reply is dropped;
// - resident memory after opening and closing each window kind 200 times.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QScrollBar>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <vector>

#include "BenchInstallation.h"
#include "TfrmTestList.h"
#include "controls/TPicturePanel.h"
#include "core/dFunc.h"
#include "guide/GuideWindow.h"
#include "guide/ProgramListPanel.h"
#include "guide/TfrmChannel.h"
#include "guide/TfrmDaily.h"
#include "guide/TfrmSearch.h"

using namespace velomira;
using namespace velomira::bench;

namespace {

BenchInstallation* g_installation = nullptr;

// The window kinds whose opening and closing is measured.
struct WindowKind {
  const char* Name;
  std::function<GuideWindow*(MainWindowHost&)> Create;
};
const WindowKind kListWindow{"list window",
                             [](MainWindowHost& host) -> GuideWindow* { return new test::TfrmTestList(host); }};
const std::vector<WindowKind>& WindowKinds() {
  static const std::vector<WindowKind> kinds{
      kListWindow,
      {"channel window", [](MainWindowHost& host) -> GuideWindow* { return new TfrmChannel(host); }},
      {"daily window", [](MainWindowHost& host) -> GuideWindow* { return new TfrmDaily(host); }},
      {"search window", [](MainWindowHost& host) -> GuideWindow* { return new TfrmSearch(host); }},
  };
  return kinds;
}

void WaitUntilIdle(GuideWindow* window) {
  while (window->Busy()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  Flush();
}

GuideWindow* OpenWindow(const WindowKind& kind) {
  GuideWindow* window = kind.Create(g_installation->Host);
  window->Open();
  WaitUntilIdle(window);
  return window;
}

void CloseWindow(GuideWindow* window) {
  window->imgOkClick();
  Flush();
}

// The list window with its 50 records loaded.
test::TfrmTestList* OpenListWindow() {
  auto* window = static_cast<test::TfrmTestList*>(OpenWindow(kListWindow));
  if (window->List->Records().size() != static_cast<std::size_t>(kRecords)) {
    std::fprintf(stderr, "the list window did not load its %d records\n", kRecords);
    std::exit(1);
  }
  return window;
}

// The baseline list: the panel's own work at every scroll position, no row controls.
class RowlessList : public ProgramListPanel {
 public:
  using ProgramListPanel::ProgramListPanel;

 protected:
  int BuildRecordRow(int, const ProgramFields&, int y) override { return y; }
};

void ScrollThrough(benchmark::State& state, ProgramListPanel& list) {
  list.PnlInfo->show();
  int position = 0;
  for (auto _ : state) {
    position = (position + 1) % kRecords;
    list.scbPreset->setValue(position);
    list.PnlInfo->repaint();
    Flush();  // what the event loop does after each change
  }
}

void RowsRebuilt(benchmark::State& state) {
  test::TfrmTestList* window = OpenListWindow();
  ScrollThrough(state, *window->List);
  CloseWindow(window);
}
BENCHMARK(RowsRebuilt)->Unit(benchmark::kMillisecond);

void RowlessRowsRebuilt(benchmark::State& state) {
  test::TfrmTestList* window = OpenListWindow();
  window->List->PnlInfo->hide();
  PagingState pages;
  ProgramListPlaces places;
  places.List = window->List->PnlInfo->geometry();
  places.Paging = window->List->PagingBar->geometry();
  // Freed with the window's panel.
  auto* list = new RowlessList(*window, window->Panel, pages, places);
  list->Load(ProgramReply(kRecords, 2, 3));
  ScrollThrough(state, *list);
  CloseWindow(window);
}
BENCHMARK(RowlessRowsRebuilt)->Unit(benchmark::kMillisecond);

void PagingClickToRows(benchmark::State& state) {
  test::TfrmTestList* window = OpenListWindow();
  int tag = 2;
  for (auto _ : state) {
    tag = tag == 2 ? 3 : 2;  // page 2 of 3: previous and next both ask
    window->List->PagingClick(tag);
    WaitUntilIdle(window);
    window->List->PnlInfo->repaint();
    Flush();
  }
  g_installation->Service.ClearRequests();
  CloseWindow(window);
}
BENCHMARK(PagingClickToRows)->Unit(benchmark::kMillisecond)->UseRealTime();

void PagingRequestDropped(benchmark::State& state) {
  test::TfrmTestList* window = OpenListWindow();
  for (auto _ : state) {
    window->Request([] { return test::TfrmTestList::RequestPage(3); }, [](const std::string&) {});
    WaitUntilIdle(window);
  }
  g_installation->Service.ClearRequests();
  CloseWindow(window);
}
BENCHMARK(PagingRequestDropped)->Unit(benchmark::kMillisecond)->UseRealTime();

// Remembers each run's time per iteration for the summary: CPU time where all the work
// is on the UI thread (so other load on the machine does not skew it), wall time where
// a request thread and the service take part.
class SummaryReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration && run.iterations > 0) {
        const double total = run.run_name.time_type.empty() ? run.cpu_accumulated_time : run.real_accumulated_time;
        seconds_[run.run_name.function_name] = total / static_cast<double>(run.iterations);
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }

  void PrintRatio(const char* what, const std::string& measured, const std::string& baseline,
                  const char* baselineName) const {
    const auto m = seconds_.find(measured);
    const auto b = seconds_.find(baseline);
    if (m == seconds_.end() || b == seconds_.end() || b->second <= 0) return;
    std::printf("%s: %.3f ms, %s %.3f ms, ratio %.1f\n", what, m->second * 1e3, baselineName, b->second * 1e3,
                m->second / b->second);
  }

  double Milliseconds(const std::string& name) const {
    const auto found = seconds_.find(name);
    return found == seconds_.end() ? -1 : found->second * 1e3;
  }

 private:
  std::map<std::string, double> seconds_;
};

// Opening and closing a window kind `times` times, after a few openings that fill the
// caches: resident memory and top-level widgets before and after.
struct Growth {
  long ResidentBefore, ResidentAfter;
  qsizetype WidgetsBefore, WidgetsAfter;
};
Growth OpenAndClose(const WindowKind& kind, int times) {
  for (int i = 0; i < 10; ++i) CloseWindow(OpenWindow(kind));
  g_installation->Service.ClearRequests();
  Growth growth{ResidentBytes(), 0, QApplication::topLevelWidgets().size(), 0};
  for (int i = 0; i < times; ++i) {
    CloseWindow(OpenWindow(kind));
    g_installation->Service.ClearRequests();
  }
  growth.ResidentAfter = ResidentBytes();
  growth.WidgetsAfter = QApplication::topLevelWidgets().size();
  return growth;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  benchmark::Initialize(&argc, argv);
  QApplication app(argc, argv);
  BenchInstallation installation;
  g_installation = &installation;

  SummaryReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::printf("\n");
  reporter.PrintRatio("rows rebuilt at a scroll position (50 records, 5 rows)", "RowsRebuilt", "RowlessRowsRebuilt",
                      "rowless list");
  const double rebuild = reporter.Milliseconds("RowsRebuilt");
  if (rebuild >= 0) std::printf("  %.3f ms per rebuild of five rows (aim: under 2 ms): %s\n", rebuild,
                                rebuild < 2 ? "met" : "NOT met");
  reporter.PrintRatio("paging click to rows shown", "PagingClickToRows", "PagingRequestDropped",
                      "the same request, reply dropped");

  constexpr int kOpenings = 200;
  constexpr double kMegabyte = 1024.0 * 1024.0;
  for (const WindowKind& kind : WindowKinds()) {
    const Growth growth = OpenAndClose(kind, kOpenings);
    const double megabytes = static_cast<double>(growth.ResidentAfter - growth.ResidentBefore) / kMegabyte;
    std::printf("%s opened and closed %d times: resident memory %.1f MB -> %.1f MB, %+.2f MB (limit 2 MB): %s; "
                "top-level widgets %lld -> %lld\n",
                kind.Name, kOpenings, static_cast<double>(growth.ResidentBefore) / kMegabyte,
                static_cast<double>(growth.ResidentAfter) / kMegabyte, megabytes, megabytes <= 2 ? "met" : "NOT met",
                static_cast<long long>(growth.WidgetsBefore), static_cast<long long>(growth.WidgetsAfter));
  }
  g_installation = nullptr;
  benchmark::Shutdown();
  return 0;
}
