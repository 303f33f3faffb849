#pragma once
// What the guide benchmarks run in: a temporary installation with the built skin and
// station icons, the canned service answering every list request at once with a
// 50-record program list, and a main-window stand-in whose frame is shown offscreen.
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <string>

#include "mainwin/MainWindowHost.h"
#include "support/CannedService.h"

namespace velomira::bench {

inline constexpr int kRecords = 50;
inline constexpr const char* kListPath = "/servlet/servlet.GetProgramList";

// A program list reply of `count` records on page `page` of `pages`.
std::string ProgramReply(int count, int page, int pages);

class BenchHost : public MainWindowHost {
 public:
  BenchHost();
  void SwapIn(QWidget* panel) override;
  void SwapBack(QWidget* panel) override;
  void HoldList() override {}
  void ResumeList() override {}
  void TitleBarAction(int) override {}
  QWidget* HostWindow() override { return &Frame; }

  QWidget Frame;
};

class BenchInstallation {
 public:
  BenchInstallation();

  test::CannedService Service;
  BenchHost Host;

 private:
  QTemporaryDir dir_;
  QTimer boxCloser_;  // a message box must never stop a run
};

// Runs the event loop until posted work is done and discarded controls are freed.
void Flush();

// Resident memory of the process in bytes (/proc/self/statm).
long ResidentBytes();

}  // namespace velomira::bench
