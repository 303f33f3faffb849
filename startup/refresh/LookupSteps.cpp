// The steps that rewrite the lookup files of DataDir.
#include <algorithm>

#include "RefreshData.h"
#include "RefreshSteps.h"

namespace velomira::refresh {

namespace {

std::string DataFile(const std::string& name) { return ResolvePathForWrite(State().DataDir + name); }

// Rewrites one lookup file from a reply; false when the reply was empty.
bool RefreshLookupFile(const std::string& servlet, const std::string& fileName) {
  const std::string reply = HttpGetStream(DataServletUrl(servlet));
  if (reply.empty()) return false;
  WriteLookupFile(DataFile(fileName), AllFields(reply));
  return true;
}

bool IsBlankLine(const std::string& line) {
  return std::all_of(line.begin(), line.end(), [](char c) { return c == ' ' || c == '\t'; });
}

}  // namespace

void RefreshSubCategories(const std::stop_token&) {
  const std::string reply = HttpGetStream(DataServletUrl("a_SubCtgr"));
  if (reply.empty()) return;
  ClientState& state = State();
  UsageRecord& usage = state.Usage;

  std::array<std::size_t, CategoryCount> pairs{};
  {
    std::lock_guard lock(usage.Lock);
    for (int i = 0; i < CategoryCount; ++i) pairs[i] = usage.SubCategoryClicks[i].size();
  }
  const std::vector<TextList> records = SplitRecords(reply);
  const std::size_t used = std::min<std::size_t>(records.size(), CategoryCount);
  for (std::size_t i = 0; i < used; ++i) {
    // A file that could not be written (a full disk) keeps its old pairs.
    if (WriteLookupFile(DataFile(std::string(CategoryTable[i].Word) + ".Dat"), records[i]))
      pairs[i] = records[i].size() / 2;
  }

  // The banner lists start afresh; the banner step fills them.
  BannerLists banners{state.Banners.Get()->Table, {}};
  for (int i = 0; i < CategoryCount; ++i) banners.ByCategory[i].SubCategories.resize(pairs[i]);
  state.Banners.Set(std::move(banners));
  ReadCategoryDatFiles(false);
  // Clicks counted before this step are still to be logged.
  ResizeUsageCounters(state.SubCategories.Get()->Codes, std::nullopt);
}

void RefreshStationCategories(const std::stop_token&) { RefreshLookupFile("a_SttnCtgr", "state_cate.Dat"); }

void RefreshStates(const std::stop_token&) { RefreshLookupFile("a_State", "state.Dat"); }

void RefreshEmergencyList(const std::stop_token&) {
  const std::string reply = HttpGetStream(DataServletUrl("a_911"));
  if (reply.empty()) return;
  ClientState& state = State();
  const std::string path = DataFile("911.Dat");
  WriteLookupFile(path, AllFields(reply));
  {
    std::lock_guard lock(state.Usage.Lock);
    state.Usage.EmergencyClicks.resize(SplitRecords(reply).size());
  }
  // Groups of three lines: address, title, the name used in the usage log.
  const TextList lines = ReadLookupFile(path);
  TextList names;
  for (std::size_t third = 2; third < lines.size(); third += 3) names.push_back(lines[third]);
  state.EmergencyNames.Set(std::move(names));
}

void RefreshCategoryUrls(const std::stop_token&) {
  const std::string download = DataFile("TempUrl.Dat");
  if (!HttpGetFile(DataServletUrl("a_front_url"), download)) return;
  // Sections separated by blank lines, one per category in table order; a blank line
  // ends one category's file and opens (empties) the next one.
  std::size_t category = 0;
  TextList section;
  for (const std::string& line : ReadLookupFile(download)) {
    if (!IsBlankLine(line)) {
      section.push_back(line);
      continue;
    }
    WriteLookupFile(DataFile(std::string(CategoryTable[category].Word) + "Url.Dat"), section);
    section.clear();
    if (++category == CategoryTable.size()) break;
  }
  if (category < CategoryTable.size())
    WriteLookupFile(DataFile(std::string(CategoryTable[category].Word) + "Url.Dat"), section);
  ReadCategoryUrlFiles(false);
}

}  // namespace velomira::refresh
