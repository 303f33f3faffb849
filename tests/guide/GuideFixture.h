#pragma once
// Guide windows on a temporary installation, talking to a canned service, with the
// clocks fixed at Thursday 2026-12-10 21:31 (UTC and local alike, member offset 0),
// hosted by a stand-in main window.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <string>
#include <vector>

#include "guide/GuideWindow.h"
#include "mainwin/MainWindowHost.h"
#include "support/CannedService.h"

namespace velomira::test {

// A main window stand-in: swapping puts the panel into its frame at once and every
// call is recorded.
class FakeHost : public MainWindowHost {
 public:
  FakeHost();
  ~FakeHost() override;
  void SwapIn(QWidget* panel) override;
  void SwapBack(QWidget* panel) override;
  void HoldList() override { ++Holds; }
  void ResumeList() override { ++Resumes; }
  void TitleBarAction(int tag) override { TitleBarTags.push_back(tag); }
  QWidget* HostWindow() override { return &Frame; }
  void ShowSubCategory(int category, int subIndex, const std::string& title) override {
    SubCategoryLists.push_back({category, subIndex, title});
  }
  void SubCategoryPickerClosed() override { ++PickerCloses; }
  void RefreshClock() override { ++ClockRefreshes; }
  void ShowMyList() override { ++MyListShows; }

  QWidget Frame;
  QWidget* Shown = nullptr;  // the panel in the frame, null when it was given back
  int Holds = 0, Resumes = 0;
  std::vector<int> TitleBarTags;
  struct SubCategoryList {
    int Category, SubIndex;
    std::string Title;
  };
  std::vector<SubCategoryList> SubCategoryLists;
  int PickerCloses = 0;
  int ClockRefreshes = 0;
  int MyListShows = 0;
};

// Answers every modal box that comes up while it lives: a question gets `answer`,
// notices and alerts are closed. Keeps the message texts it saw, in order.
class BoxAnswerer {
 public:
  explicit BoxAnswerer(int answer = 1);
  ~BoxAnswerer();
  const std::vector<std::string>& Messages() const { return messages_; }

 private:
  QTimer timer_;
  int answer_;
  std::vector<std::string> messages_;
};

// One record of a program list reply: fields by index, the rest empty.
std::string Record(std::initializer_list<std::pair<int, std::string>> fields, int count = 19);
// A reply: the 32-character header with code, then the records joined by 0x02.
std::string Reply(const std::vector<std::string>& records, const std::string& code = "100");

class GuideTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  void SetClock(int year, int month, int day, int hour, int minute);
  // Writes a small picture into a State() folder (a PNG under the name; it loads the
  // same way).
  static void DrawPicture(const std::string& folder, const std::string& name, int width = 8, int height = 10);
  // Runs the event loop until window has no request running and posted work is done.
  static void WaitIdle(GuideWindow* window);
  static void Settle(int ms = 20);

  QTemporaryDir dir_;
  CannedService service_;
  FakeHost host_;
};

}  // namespace velomira::test
