// The data servlets read by the client's background refresh: bare replies
// without the 32-character header.
#include <string>

#include "Categories.h"
#include "Framing.h"
#include "ReplyCodes.h"
#include "Servlet.h"
#include "ServiceSettings.h"

namespace velomira::service {

namespace {

// A picture list with nothing in it is a single blank.
std::string PictureList(const RecordWriter& out) {
  return out.records() == 0 ? std::string(" ") : out.text();
}

// One record per category in display order: code, name, code, name, ...
std::string SubCategories(ServletCall& call) {
  RecordWriter out;
  for (const auto& category : kCategories) {
    auto rows = call.db.prepare("SELECT code, name FROM sub_categories WHERE category = ? ORDER BY code");
    rows.with(category.code);
    bool any = false;
    while (rows.next()) {
      out.field(rows.integer(0)).field(rows.text(1));
      any = true;
    }
    if (!any) out.field("");
    out.endRecord();
  }
  return out.text();
}

std::string CodeNamePairs(ServletCall& call, const char* sql) {
  auto rows = call.db.prepare(sql);
  RecordWriter out;
  while (rows.next()) {
    out.field(rows.text(0)).field(rows.text(1));
    out.endRecord();
  }
  return out.text();
}

std::string StationCategories(ServletCall& call) {
  return CodeNamePairs(call, "SELECT code, name FROM station_categories ORDER BY position");
}

std::string States(ServletCall& call) {
  return CodeNamePairs(call, "SELECT code, name FROM states ORDER BY position");
}

// Help topics: page address, title, name for the usage log.
std::string HelpTopics(ServletCall& call) {
  auto rows = call.db.prepare("SELECT page, title, log_name FROM help_topics ORDER BY position");
  RecordWriter out;
  while (rows.next()) {
    out.field(call.link("/web/help/" + rows.text(0))).field(rows.text(1)).field(rows.text(2));
    out.endRecord();
  }
  return out.text();
}

// Per category a section of list addresses (without the scheme): the whole
// category first, then each sub-category in the order of a_SubCtgr; an empty
// line ends each section.
std::string FrontUrls(ServletCall& call) {
  const std::string base = call.site + "/servlet/servlet.GetProgramList?mode=front&cate1=";
  std::string lines;
  for (const auto& category : kCategories) {
    if (&category != &kCategories.front()) lines += "\r\n";
    const std::string prefix = base + std::to_string(category.code) + "&sub=";
    lines += prefix + "0\r\n";
    auto rows = call.db.prepare("SELECT code FROM sub_categories WHERE category = ? ORDER BY code");
    rows.with(category.code);
    while (rows.next()) lines += prefix + rows.text(0) + "\r\n";
  }
  return lines;
}

std::string TuningValues(ServletCall& call) {
  const ServiceSettings settings = ReadServiceSettings(call.db, call.config.dataDir);
  RecordWriter out;
  out.field(settings.newCheckSteps).field(settings.bannerSteps).field(settings.bannerSeconds)
      .field(settings.version).field(settings.reloadPasses).field(settings.newFetchChecks);
  out.endRecord();
  return out.text();
}

std::string Icons(ServletCall& call) {
  auto rows = call.db.prepare("SELECT DISTINCT icon FROM stations WHERE icon <> '' ORDER BY icon");
  RecordWriter out;
  while (rows.next()) out.field(rows.text(0) + ".gif");
  out.endRecord();
  return PictureList(out);
}

// Station banners: picture, station name, station ID.
std::string StationBanners(ServletCall& call) {
  auto rows = call.db.prepare(
      "SELECT banner, name, id FROM stations WHERE banner IS NOT NULL ORDER BY banner, id");
  RecordWriter out;
  while (rows.next()) {
    out.field(rows.text(0)).field(rows.text(1)).field(rows.text(2));
    out.endRecord();
  }
  return PictureList(out);
}

// Banners: picture, window letters, category marks, sub-category marks, link.
std::string Banners(ServletCall& call) {
  auto rows = call.db.prepare(
      "SELECT file, windows, category_marks, sub_category_marks, link FROM banners "
      "ORDER BY position");
  RecordWriter out;
  while (rows.next()) {
    out.field(rows.text(0)).field(rows.text(1)).field(rows.text(2)).field(rows.text(3))
        .field(call.link(rows.text(4)));
    out.endRecord();
  }
  return PictureList(out);
}

}  // namespace

void RegisterDataServlets(ServletTable& table) {
  table.add("a_SubCtgr", SubCategories, true);
  table.add("a_SttnCtgr", StationCategories, true);
  table.add("a_State", States, true);
  table.add("a_911", HelpTopics, true);
  table.add("a_front_url", FrontUrls, true);
  table.add("a_var", TuningValues, true);
  table.add("a_icon", Icons, true);
  table.add("a_SttnBnnr", StationBanners, true);
  table.add("bannerList", Banners, true);
}

}  // namespace velomira::service
