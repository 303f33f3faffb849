#pragma once
// The program list of a guide window, driven through a small test window against the
// canned service: program records with sensible fields to change one at a time.
#include <map>
#include <string>
#include <vector>

#include "GuideFixture.h"
#include "TfrmTestList.h"

class QLabel;

namespace velomira {
class THoverLabel;
class TImage;
}  // namespace velomira

namespace velomira::test {

inline constexpr const char* kListPath = "/servlet/servlet.GetProgramList";

// Program i: "P<i>", icon "icon<i>", video, tonight 21:30-22:30 service time, title,
// page, station and description; not repeating; page 1 of 1. `changes` replace fields.
std::string Program(int i, const std::map<int, std::string>& changes = {});
std::vector<std::string> Programs(int count, const std::map<int, std::string>& changes = {});

class ProgramListTest : public GuideTest {
 protected:
  void SetUp() override;

  // A test window opened on `reply` (its first request answered by the canned service).
  TfrmTestList* OpenWith(const std::string& reply);

  static THoverLabel* Row(TfrmTestList* window, char letter, int n);
  // The row labels' names in the list, in creation order ("T0", "D0", ...).
  static std::vector<std::string> RowLabelNames(TfrmTestList* window);
  // The window's header label, when one is shown.
  static QLabel* Header(TfrmTestList* window, const char* text);
  // Pictures of record n in the list, by their left edge.
  static std::map<int, TImage*> Pictures(TfrmTestList* window, int n);
};

}  // namespace velomira::test
