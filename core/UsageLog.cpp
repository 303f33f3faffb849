// The usage record: what the member did during this run, sent once at exit.
#include "dFunc.h"

namespace velomira {

namespace {

std::string& LinesField(UsageRecord& usage, UsageLines field) {
  switch (field) {
    case UsageLines::Program: return usage.ProgramClicks;
    case UsageLines::Station: return usage.StationClicks;
    case UsageLines::StationBanner: return usage.StationBannerClicks;
    case UsageLines::TargetBanner: return usage.ListBannerClicks[0];
    case UsageLines::SubCategoryBanner: return usage.ListBannerClicks[1];
    case UsageLines::TopCategoryBanner: return usage.ListBannerClicks[2];
    case UsageLines::WindowBanner: break;
  }
  return usage.WindowBannerClicks;
}

void Bump(std::vector<int>& counters, std::size_t index) {
  if (index >= counters.size()) counters.resize(index + 1);  // not sized yet by the refresh
  ++counters[index];
}

const std::string& EntryOrEmpty(const TextList& list, std::size_t index) {
  static const std::string empty;
  return index < list.size() ? list[index] : empty;
}

}  // namespace

void AddUsageLine(UsageLines field, const std::string& line) {
  try {
    UsageRecord& usage = State().Usage;
    std::lock_guard lock(usage.Lock);
    std::string& lines = LinesField(usage, field);
    if (!lines.empty()) lines += "\r\n";
    lines += line;
  } catch (...) {
    // Out of memory: this click goes uncounted.
  }
}

void CountUsage(int UsageRecord::*counter) {
  UsageRecord& usage = State().Usage;
  std::lock_guard lock(usage.Lock);
  ++(usage.*counter);
}

void CountCategoryClick(int serviceCode) {
  if (serviceCode < 1 || serviceCode > CategoryCount) return;
  UsageRecord& usage = State().Usage;
  std::lock_guard lock(usage.Lock);
  ++usage.CategoryClicks[serviceCode - 1];
}

void CountSubCategoryClick(int categoryIndex, std::size_t subCategory) {
  if (categoryIndex < 0 || categoryIndex >= CategoryCount) return;
  try {
    UsageRecord& usage = State().Usage;
    std::lock_guard lock(usage.Lock);
    Bump(usage.SubCategoryClicks[categoryIndex], subCategory);
  } catch (...) {
  }
}

void CountEmergencyClick(std::size_t entry) {
  try {
    UsageRecord& usage = State().Usage;
    std::lock_guard lock(usage.Lock);
    Bump(usage.EmergencyClicks, entry);
  } catch (...) {
  }
}

void ResizeUsageCounters(const CategoryTextLists& subCategoryCodes, std::optional<std::size_t> emergencyEntries) {
  try {
    UsageRecord& usage = State().Usage;
    std::lock_guard lock(usage.Lock);
    for (int i = 0; i < CategoryCount; ++i) usage.SubCategoryClicks[i].resize(subCategoryCodes[i].size());
    if (emergencyEntries) usage.EmergencyClicks.resize(*emergencyEntries);
  } catch (...) {
  }
}

void StartUsageRecord() {
  const std::string stamp = UtcStamp();
  UsageRecord& usage = State().Usage;
  std::lock_guard lock(usage.Lock);
  usage.UserId = State().MemberId;
  usage.LoginTime = stamp;
}

void StopUsageRecord() {
  const std::string stamp = UtcStamp();
  UsageRecord& usage = State().Usage;
  std::lock_guard lock(usage.Lock);
  usage.LogoutTime = stamp;
}

std::string UsageLogName() {
  try {
    std::string logout;
    {
      const UsageRecord& usage = State().Usage;
      std::lock_guard lock(usage.Lock);
      logout = usage.LogoutTime;
    }
    std::erase(logout, ',');
    return logout + State().MemberId + ".log";
  } catch (...) {
    return {};
  }
}

std::string BuildUsageLogText() {
  try {
    const auto emergencyNames = State().EmergencyNames.Get();
    const auto subCategoryCodes = State().SubCategoryCodes.Get();
    const UsageRecord& usage = State().Usage;
    std::lock_guard lock(usage.Lock);

    TextList lines = {"userid," + usage.UserId, "login," + usage.LoginTime, "logout," + usage.LogoutTime};

    const std::pair<const char*, int> counters[] = {
        {"main_logo,", usage.LogoClicks},        {"main_help,", usage.HelpClicks},
        {"main_display,", usage.DisplayToggles}, {"main_tray,", usage.TrayHides},
        {"click_friend,", usage.FriendOpens},    {"click_my_dbzer,", usage.OwnViewOpens},
        {"click_edit,", usage.EditClicks},       {"click_preset,", usage.PresetOpens},
        {"click_search,", usage.SearchOpens},    {"click_daily,", usage.DailyOpens},
        {"click_channel,", usage.ChannelOpens},  {"click_radio,", usage.RadioClicks},
        {"click_911,", usage.EmergencyOpens}};
    for (const auto& [key, count] : counters) {
      if (count > 0) lines.push_back(key + std::to_string(count));
    }

    for (std::size_t i = 0; i < usage.EmergencyClicks.size(); ++i) {
      if (usage.EmergencyClicks[i] > 0) {
        lines.push_back("911," + EntryOrEmpty(*emergencyNames, i) + "," + std::to_string(usage.EmergencyClicks[i]));
      }
    }

    for (int code = 1; code <= CategoryCount; ++code) {
      const int count = usage.CategoryClicks[code - 1];
      if (count > 0) lines.push_back("top_ctgr," + std::to_string(code) + "," + std::to_string(count));
    }

    for (int category = 0; category < CategoryCount; ++category) {
      const std::vector<int>& counts = usage.SubCategoryClicks[category];
      for (std::size_t j = 0; j < counts.size(); ++j) {
        if (counts[j] <= 0) continue;
        lines.push_back("sub_ctgr," + std::to_string(CategoryTable[category].ServiceCode) + "," +
                        EntryOrEmpty((*subCategoryCodes)[category], j) + "," + std::to_string(counts[j]));
      }
    }

    for (const std::string* text : {&usage.ProgramClicks, &usage.StationClicks, &usage.StationBannerClicks,
                                    &usage.ListBannerClicks[0], &usage.ListBannerClicks[1],
                                    &usage.ListBannerClicks[2], &usage.WindowBannerClicks}) {
      if (!text->empty()) lines.push_back(*text);
    }

    std::string joined;
    for (const std::string& line : lines) {
      if (!joined.empty()) joined += "\r\n";
      joined += line;
    }
    return joined;
  } catch (...) {
    return {};
  }
}

bool PostUsageLog(const std::string& name, const std::string& text) {
  try {
    return IsSuccessCode(ReplyCode(
        HttpPostText(ServiceRoot() + "/servlet/servlet.GetLog?name=" + name + "&cnt=" + UrlEncode(text))));
  } catch (...) {
    return false;
  }
}

void SendUsageLog() {
  try {
    const std::string name = UsageLogName();
    const std::string text = BuildUsageLogText();
    // Once an older log fails the service is most likely away: this one waits behind
    // it rather than costing the exit a second wait.
    if (!SendUnsentUsageLogs() || !PostUsageLog(name, text)) KeepUnsentUsageLog(name, text);
  } catch (...) {
  }
}

}  // namespace velomira
