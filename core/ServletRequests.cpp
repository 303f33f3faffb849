#include "ServletRequests.h"

#include "dFunc.h"

namespace velomira {

namespace {

std::string Servlet(const char* nameAndFirstKey) {
  return ServiceRoot() + "/servlet/servlet." + nameAndFirstKey;
}

std::string WithPage(std::string url, int page) {
  if (page > 0) url += "&cur_page=" + std::to_string(page);
  return url;
}

}  // namespace

std::string RequestChannelPrograms(const std::string& channelId, int page) {
  return HttpPostText(WithPage(Servlet("GetProgramList?mode=channel&channel_id=") + UrlEncode(channelId), page));
}

std::string RequestDailyPrograms(int cate1, int day, int gmt, int page) {
  return HttpPostText(WithPage(Servlet("GetProgramList?mode=daily&cate1=") + std::to_string(cate1) +
                                   "&day=" + std::to_string(day) + "&gmt=" + std::to_string(gmt),
                               page));
}

std::string RequestSearchPrograms(int cate1, const std::string& keyword, const std::string& timeCode, int page) {
  return HttpPostText(WithPage(Servlet("GetProgramList?mode=search&cate1=") + std::to_string(cate1) +
                                   "&keywd=" + UrlEncode(keyword) + "&se_time=" + timeCode,
                               page));
}

std::string RequestChannelSearch(const std::string& categoryCode, const std::string& keyword,
                                 const std::string& locationCode, int page) {
  return HttpPostText(WithPage(Servlet("ChannelSearchList?cate1=") + UrlEncode(categoryCode) +
                                   "&keywd=" + UrlEncode(keyword) + "&loc=" + UrlEncode(locationCode),
                               page));
}

std::string RequestMyChannels() {
  return HttpPostText(Servlet("ChannelMyList?usr_id=") + State().MemberId);
}

std::string RequestChannelEdit(bool add, const std::string& channelId) {
  return HttpPostText(Servlet("ChannelEdit?usr_id=") + State().MemberId +
                      (add ? "&mode=add" : "&mode=del") + "&sttn_id=" + UrlEncode(channelId));
}

ChannelEntries ParseMyChannels(const std::string& reply) {
  ChannelEntries channels;
  const std::string_view body = ReplyBody(reply);
  if (body.empty()) return channels;
  std::vector<std::string> records, fields;
  SplitText(body, std::string_view(&RecordSeparator, 1), records);
  for (const std::string& record : records) {
    SplitText(record, std::string_view(&FieldSeparator, 1), fields);
    channels.emplace_back(RecordField(fields, 0), RecordField(fields, 1));
  }
  return channels;
}

}  // namespace velomira
