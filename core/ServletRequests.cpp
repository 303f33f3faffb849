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

namespace velomira {

namespace {

bool IsServiceTime(const std::string& text) {
  return text.size() == 12 && text.find_first_not_of("0123456789") == std::string::npos;
}

}  // namespace

std::string RequestPresetTop5() { return HttpPostText(ServiceRoot() + "/servlet/servlet.PresetTop5"); }

std::string RequestNewPresetList() {
  return HttpPostText(ServiceRoot() + "/servlet/servlet.New_PresetList?usr_id=" + State().MemberId);
}

std::string RequestPresetAdd(const std::string& programId, const std::string& scheduleKind,
                             const std::string& regularNumber) {
  // The values come from service records; encoding keeps a stray "&" or "#" from
  // breaking the query (plain IDs and numbers are unchanged by it).
  return HttpPostText(ServiceRoot() + "/servlet/servlet.PresetEdit?prgm_id=" + UrlEncode(programId) +
                      "&usr_id=" + UrlEncode(State().MemberId) + "&mode=add&is_reg=" + UrlEncode(scheduleKind) +
                      "&regular_no=" + UrlEncode(regularNumber));
}

std::string RequestPresetDelete(const std::string& keys) {
  return HttpPostText(ServiceRoot() + "/servlet/servlet.PresetEdit?mode=del&usr_id=" + State().MemberId +
                      "&prgm_id=" + UrlEncode(keys));
}

std::vector<TopPreset> ParsePresetTop5(const std::string& reply) {
  std::vector<TopPreset> programs;
  const std::string_view body = ReplyBody(reply);
  if (body.empty()) return programs;
  std::vector<std::string> records, fields;
  SplitText(body, std::string_view(&RecordSeparator, 1), records);
  for (const std::string& record : records) {
    SplitText(record, std::string_view(&FieldSeparator, 1), fields);
    TopPreset& program = programs.emplace_back();
    program.ProgramId = RecordField(fields, 0);
    program.Title = RecordField(fields, 1);
    program.Start = RecordField(fields, 2);
    program.End = RecordField(fields, 3);
    program.Address = RecordField(fields, 4);
    program.ScheduleKind = RecordField(fields, 5);
    program.RegularNumber = RecordField(fields, 6);
    program.Complete = fields.size() >= 7 && IsServiceTime(program.Start) && IsServiceTime(program.End);
  }
  return programs;
}

}  // namespace velomira

namespace velomira {

std::string MemberProfileQuery(const MemberProfile& profile) {
  return "zip_code=&gmt=" + UrlEncode(profile.Gmt) + "&usr_id=" + UrlEncode(profile.Id) +
         "&pass=" + UrlEncode(profile.Password) + "&first_name=" + UrlEncode(profile.FirstName) +
         "&last_name=" + UrlEncode(profile.LastName) + "&e_mail=" + UrlEncode(profile.Email) +
         "&address=" + UrlEncode(profile.Address) + "&city=" + UrlEncode(profile.City) +
         "&state=" + UrlEncode(profile.StateName) + "&post=" + UrlEncode(profile.Post) +
         "&country=" + UrlEncode(profile.Country) + "&age=" + UrlEncode(profile.Age) +
         "&gender=" + UrlEncode(profile.Gender) + "&conn_tp=" + UrlEncode(profile.Connection) +
         "&letter=" + profile.Newsletter + "&login_auto=" + profile.AutoStart +
         "&smmr=" + profile.DaylightSaving;
}

std::string RequestPreferenceGet() {
  return HttpPostText(ServiceRoot() + "/servlet/servlet.UserPreference?mode=get&usr_id=" +
                      UrlEncode(State().MemberId));
}

std::string RequestPreferenceUpdate(const MemberProfile& profile) {
  return HttpPostText(ServiceRoot() + "/servlet/servlet.UserPreference?mode=update&" +
                      MemberProfileQuery(profile));
}

std::string RequestMyCategories() {
  return HttpPostText(ServiceRoot() + "/servlet/servlet.MydbzerList?usr_id=" + State().MemberId);
}

std::string RequestMyCategoriesEdit(bool add, const std::string& cates) {
  return HttpPostText(ServiceRoot() + "/servlet/servlet.MydbzerEdit?mode=" + (add ? "add" : "del") +
                      "&usr_id=" + State().MemberId + "&cates=" + UrlEncode(cates));
}

std::string RequestTellAFriend(const FriendMail& mail) {
  return HttpPostText(ServiceRoot() + "/servlet/servlet.Tell_A_Friend?from_name=" + UrlEncode(mail.FromName) +
                      "&from=" + UrlEncode(mail.FromAddress) + "&cnt1=" + UrlEncode(mail.Program) +
                      "&cnt2=" + UrlEncode(mail.Message) + "&to_name=" + UrlEncode(mail.ToName) +
                      "&to=" + UrlEncode(mail.ToAddress));
}

std::string RequestHelpMail(const std::string& fromAddress, const std::string& question,
                            const std::string& supportMailbox) {
  // The mailbox comes from the settings file: encoded too, so a stray "&" cannot cut the query.
  return HttpPostText(ServiceRoot() + "/servlet/servlet.Help_me?from=" + UrlEncode(fromAddress) +
                      "&from_name=" + UrlEncode(State().MemberId) + "&cnt=" + UrlEncode(question) +
                      "&to=" + UrlEncode(supportMailbox));
}

std::string RequestIdOverlapCheck(const std::string& id) {
  return HttpPostText(ServiceRoot() + "/servlet/servlet.IdOverlapCheck?usr_id=" + UrlEncode(id));
}

std::string RequestUserRegistration(const MemberProfile& member) {
  return HttpPostText(ServiceRoot() + "/servlet/servlet.UserRegistration?" + MemberProfileQuery(member));
}

}  // namespace velomira
