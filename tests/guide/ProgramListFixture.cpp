#include "ProgramListFixture.h"

#include <QLabel>

#include "controls/CodePageText.h"
#include "controls/THoverLabel.h"
#include "controls/TImage.h"
#include "controls/Tag.h"
#include "mainwin/ProgramRows.h"

namespace velomira::test {

std::string Program(int i, const std::map<int, std::string>& changes) {
  const std::string id = std::to_string(i);
  std::map<int, std::string> fields{
      {0, "P" + id},           {1, "icon" + id},          {2, "v"},
      {3, "202612102130"},     {4, "202612102230"},       {5, "Title " + id},
      {6, "www.example.test/p" + id}, {7, "Station"},     {8, "www.station.test"},
      {11, "About " + id},     {13, "x"},                 {14, "n"},
      {17, "1"},               {18, "1"}};
  for (const auto& [index, value] : changes) fields[index] = value;
  std::string record;
  for (int f = 0; f < 19; ++f) record += (f ? "\x01" : "") + fields[f];
  return record;
}

std::vector<std::string> Programs(int count, const std::map<int, std::string>& changes) {
  std::vector<std::string> records;
  for (int i = 0; i < count; ++i) records.push_back(Program(i, changes));
  return records;
}

void ProgramListTest::SetUp() {
  GuideTest::SetUp();
  TfrmTestList::Pages() = {};
}

TfrmTestList* ProgramListTest::OpenWith(const std::string& reply) {
  service_.Reply(kListPath, reply);
  auto* window = new TfrmTestList(host_);
  window->Open();
  WaitIdle(window);
  service_.ClearRequests();
  return window;
}

THoverLabel* ProgramListTest::Row(TfrmTestList* window, char letter, int n) {
  return FindRowLabel(window->List->PnlInfo, letter, n);
}

std::vector<std::string> ProgramListTest::RowLabelNames(TfrmTestList* window) {
  std::vector<std::string> names;
  for (auto* label : window->List->PnlInfo->findChildren<THoverLabel*>(Qt::FindDirectChildrenOnly)) {
    names.push_back(label->objectName().toStdString());
  }
  return names;
}

QLabel* ProgramListTest::Header(TfrmTestList* window, const char* text) {
  for (auto* label : window->List->PnlInfo->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
    if (!qobject_cast<THoverLabel*>(label) && label->text() == ToQString(text)) return label;
  }
  return nullptr;
}

std::map<int, TImage*> ProgramListTest::Pictures(TfrmTestList* window, int n) {
  std::map<int, TImage*> pictures;
  for (auto* picture : window->List->PnlInfo->findChildren<TImage*>(Qt::FindDirectChildrenOnly)) {
    if (Tag(picture) == n) pictures[picture->x()] = picture;
  }
  return pictures;
}

}  // namespace velomira::test
