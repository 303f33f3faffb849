#pragma once
// The channel window on the canned service: replies for its servlets and the controls
// a test reads or clicks.
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <string>
#include <vector>

#include "GuideFixture.h"
#include "controls/THoverLabel.h"
#include "core/dFunc.h"
#include "guide/ProgramListPanel.h"
#include "guide/StationListPanel.h"
#include "guide/TfrmChannel.h"
#include "mainwin/ProgramRows.h"

namespace velomira::test {

inline const std::string kPrograms = "/servlet/servlet.GetProgramList";
inline const std::string kStationSearch = "/servlet/servlet.ChannelSearchList";
inline const std::string kMyChannels = "/servlet/servlet.ChannelMyList";
inline const std::string kChannelEdit = "/servlet/servlet.ChannelEdit";

// One station found by a search.
inline std::string Station(const std::string& id, const std::string& page = "1", const std::string& total = "1") {
  return Record(
      {{0, id}, {1, "Station " + id}, {2, "www.st" + id + ".test"}, {3, "About station " + id}, {4, page}, {5, total}},
      6);
}

// A station's program reply: the station record, then `programs` programs.
inline std::string ChannelReply(const std::string& id, int programs, int page = 1, int total = 1) {
  const std::string p = std::to_string(page), t = std::to_string(total);
  std::vector<std::string> records{Record({{0, id},
                                           {5, "Station " + id},
                                           {6, "www.st" + id + ".test"},
                                           {11, "All about station " + id},
                                           {17, p},
                                           {18, t}})};
  for (int i = 1; i <= programs; ++i) {
    const std::string n = std::to_string(i);
    records.push_back(Record({{0, "P" + n},
                              {2, "v"},
                              {3, "202612102200"},
                              {4, "202612102300"},
                              {5, "Title " + n},
                              {6, "www.p" + n + ".test"},
                              {7, "Station " + id},
                              {11, "Program " + n},
                              {17, p},
                              {18, t}}));
  }
  return Reply(records);
}

// The member's channels: IDs "C1", "C2", ... named "Channel 1", ...
inline std::string MyChannelsReply(int count) {
  std::vector<std::string> records;
  for (int i = 1; i <= count; ++i)
    records.push_back(Record({{0, "C" + std::to_string(i)}, {1, "Channel " + std::to_string(i)}}, 2));
  return Reply(records);
}

class ChannelTest : public GuideTest {
 protected:
  void SetUp() override {
    GuideTest::SetUp();
    host_.Frame.show();
    service_.Reply(kMyChannels, MyChannelsReply(0));
  }

  TfrmChannel* OpenWindow() {
    auto* window = new TfrmChannel(host_);
    window->Open();
    WaitIdle(window);
    return window;
  }

  void Search(TfrmChannel* window, const std::string& keyword) {
    window->TxtKey->setText(QString::fromStdString(keyword));
    window->imgSearchClick();
    WaitIdle(window);
  }

  static void Click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton); }

  // The texts of the plain labels of a list area (headers), top to bottom.
  static std::vector<std::string> HeaderTexts(const QWidget* area) {
    std::vector<std::pair<int, std::string>> found;
    for (QLabel* label : area->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
      if (!qobject_cast<THoverLabel*>(label)) found.emplace_back(label->y(), label->text().toStdString());
    }
    std::sort(found.begin(), found.end());
    std::vector<std::string> texts;
    for (const auto& [y, text] : found) texts.push_back(text);
    return texts;
  }

  // The tags of the row labels with this letter, in order.
  static std::vector<int> RowsShown(const QWidget* area, char letter) {
    std::vector<int> rows;
    for (int n = 0; n < 20; ++n) {
      if (FindRowLabel(area, letter, n)) rows.push_back(n);
    }
    return rows;
  }

  std::vector<std::string> TargetsTo(const std::string& path) const {
    std::vector<std::string> targets;
    for (const Received& received : service_.RequestsTo(path)) targets.push_back(received.Target);
    return targets;
  }
};

}  // namespace velomira::test
