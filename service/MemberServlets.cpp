// Members: login, ID check, registration, preferences and lost passwords.
#include <array>
#include <cctype>
#include <optional>
#include <string>

#include "Framing.h"
#include "Mail.h"
#include "Passwords.h"
#include "PendingPasswords.h"
#include "ReplyCodes.h"
#include "Servlet.h"
#include "TimeZone.h"

namespace velomira::service {

namespace {

constexpr std::size_t kMaxIdLength = 14;
constexpr std::size_t kMaxPasswordLength = 64;
constexpr std::size_t kMaxFieldLength = 100;

// IDs are plain so that they survive the client sending them unencoded.
bool ValidNewId(const std::string& id) {
  if (id.size() < 6 || id.size() > kMaxIdLength) return false;
  for (unsigned char c : id) {
    if (!std::isalnum(c) && c != '_' && c != '-' && c != '.') return false;
  }
  return true;
}

// The login and the forgotten-password dialog insert what the member typed
// without encoding it, the registration encodes it: accept either form.
bool PasswordMatches(const std::string& hash, const QueryParams& params) {
  const std::string decoded = params.get("pass");
  if (VerifyPassword(hash, decoded)) return true;
  const std::string raw = params.raw("pass");
  return raw != decoded && VerifyPassword(hash, raw);
}

std::string UserLogin(ServletCall& call) {
  const std::string id = call.params.get("usr_id");
  if (id.empty() || id.size() > kMaxIdLength || !call.params.has("pass") ||
      call.params.raw("pass").size() > 3 * kMaxPasswordLength) {
    return Reply(code::kLoginUnavailable);
  }
  auto member = call.db.prepare(
      "SELECT id, password_hash, tz_minutes, smmr, email, first_name, last_name, start_mode "
      "FROM members WHERE id = ?");
  member.with(id);
  if (!member.next()) return Reply(code::kUnknownId);
  const std::string memberId = member.text(0);
  const auto matches = [&](const std::string& hash) { return PasswordMatches(hash, call.params); };
  if (!AcceptPassword(call.db, memberId, member.text(1), matches, call.now)) {
    return Reply(code::kWrongPassword);
  }

  const int offset = EffectiveOffset(static_cast<int>(member.integer(2)), member.text(3));
  std::string name = member.text(5);
  if (!member.text(6).empty()) name += (name.empty() ? "" : " ") + member.text(6);
  RecordWriter fields;
  fields.field(member.text(4)).field(name).field(member.text(7)).field(memberId);
  fields.endRecord();

  auto update = call.db.prepare("UPDATE members SET last_login_utc = ?, remember = ? WHERE id = ?");
  update.with(call.now, call.params.get("rem_pass") == "Y" ? "Y" : "N", memberId).run();
  return ReplyHeader(code::kOk) + LoginOffset(offset) + fields.text();
}

std::string IdOverlapCheck(ServletCall& call) {
  const std::string id = call.params.get("usr_id");
  if (!ValidNewId(id)) return Reply(code::kIdTaken);
  auto st = call.db.prepare("SELECT 1 FROM members WHERE id = ?");
  st.with(id);
  return Reply(st.next() ? code::kIdTaken : code::kIdFree);
}

// The member fields sent by registration and by the preferences update.
struct MemberForm {
  std::string id, password, firstName, lastName, email, address, city, state, post, country,
      age, gender, connection, letter, loginAuto, daylightSaving;
  int zoneMinutes = 0;
};

std::optional<MemberForm> ReadMemberForm(const QueryParams& params) {
  MemberForm form;
  const auto zone = ParseTimeZoneCode(Trim(params.get("gmt")));
  if (!zone) return std::nullopt;
  form.zoneMinutes = *zone;
  form.id = params.get("usr_id");
  form.password = params.get("pass");
  const std::array<std::pair<std::string*, const char*>, 14> texts = {{
      {&form.firstName, "first_name"}, {&form.lastName, "last_name"}, {&form.email, "e_mail"},
      {&form.address, "address"}, {&form.city, "city"}, {&form.state, "state"},
      {&form.post, "post"}, {&form.country, "country"}, {&form.age, "age"},
      {&form.gender, "gender"}, {&form.connection, "conn_tp"}, {&form.letter, "letter"},
      {&form.loginAuto, "login_auto"}, {&form.daylightSaving, "smmr"},
  }};
  for (const auto& [target, key] : texts) {
    *target = Trim(params.get(key));
    if (target->size() > kMaxFieldLength) return std::nullopt;
  }
  if (form.password.empty() || form.password.size() > kMaxPasswordLength) return std::nullopt;
  return form;
}

std::string UserRegistration(ServletCall& call) {
  const auto form = ReadMemberForm(call.params);
  if (!form || !ValidNewId(form->id)) return Reply(code::kInvalidMemberData);
  const auto hash = HashPassword(form->password);
  if (!hash) return Reply(code::kServiceError);
  auto exists = call.db.prepare("SELECT 1 FROM members WHERE id = ?");
  exists.with(form->id);
  if (exists.next()) return Reply(code::kRegistrationIdTaken);
  auto insert = call.db.prepare(
      "INSERT INTO members (id, password_hash, tz_minutes, first_name, last_name, email, address, "
      "city, state, post, country, age, gender, conn_tp, letter, login_auto, smmr, start_mode, "
      "created_utc) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 'c', ?)");
  insert.with(form->id, *hash, form->zoneMinutes, form->firstName, form->lastName, form->email,
              form->address, form->city, form->state, form->post, form->country, form->age,
              form->gender, form->connection, form->letter, form->loginAuto, form->daylightSaving,
              call.now);
  insert.run();
  call.log.line("member registered: " + form->id);
  return Reply(code::kOk);
}

// The stored record for the preferences panel; the password is never sent
// back (only its hash is kept), so the member types it again to save.
std::string PreferenceGet(ServletCall& call) {
  auto member = call.db.prepare(
      "SELECT tz_minutes, id, first_name, last_name, email, address, city, state, post, country, "
      "age, gender, conn_tp, letter, login_auto, smmr FROM members WHERE id = ?");
  member.with(call.params.get("usr_id"));
  if (!member.next()) return Reply(code::kNotFound);
  RecordWriter out;
  out.field("").field(PreferenceTimeZone(static_cast<int>(member.integer(0)))).field("");
  for (int column = 1; column <= 15; ++column) out.field(member.text(column));
  out.endRecord();
  return Reply(code::kOk, out.text());
}

std::string PreferenceUpdate(ServletCall& call) {
  const auto form = ReadMemberForm(call.params);
  if (!form) return Reply(code::kInvalidMemberData);
  const auto hash = HashPassword(form->password);
  if (!hash) return Reply(code::kServiceError);
  auto update = call.db.prepare(
      "UPDATE members SET password_hash = ?, tz_minutes = ?, first_name = ?, last_name = ?, "
      "email = ?, address = ?, city = ?, state = ?, post = ?, country = ?, age = ?, gender = ?, "
      "conn_tp = ?, letter = ?, login_auto = ?, smmr = ? WHERE id = ?");
  update.with(*hash, form->zoneMinutes, form->firstName, form->lastName, form->email,
              form->address, form->city, form->state, form->post, form->country, form->age,
              form->gender, form->connection, form->letter, form->loginAuto, form->daylightSaving,
              form->id);
  update.run();
  if (call.db.changes() == 0) return Reply(code::kNotFound);
  return ReplyHeader(code::kOk) +
         LoginOffset(EffectiveOffset(form->zoneMinutes, form->daylightSaving));
}

std::string UserPreference(ServletCall& call) {
  const std::string mode = call.params.get("mode");
  if (mode == "get") return PreferenceGet(call);
  if (mode == "update") return PreferenceUpdate(call);
  return Reply(code::kBadParameters);
}

// A new password is mailed when ID and address belong together.
std::string LostPassword(ServletCall& call) {
  const std::string id = call.params.get("usr_id");
  std::string email = Trim(call.params.get("email"));
  if (id.empty() || email.empty()) return Reply(code::kBadParameters);
  auto member = call.db.prepare(
      "SELECT id, email, first_name FROM members WHERE id = ? AND email = ? COLLATE NOCASE");
  member.with(id, email);
  if (!member.next()) {
    // The page-1 form sends the address unencoded: "+" arrives as a blank.
    const std::string raw = call.params.raw("email");
    if (raw == email) return Reply(code::kNoSuchMemberOrAddress);
    member = call.db.prepare(
        "SELECT id, email, first_name FROM members WHERE id = ? AND email = ? COLLATE NOCASE");
    member.with(id, raw);
    if (!member.next()) return Reply(code::kNoSuchMemberOrAddress);
  }
  const std::string memberId = member.text(0);
  const std::string address = member.text(1);
  const std::string name = member.text(2);
  const std::string password = RandomPassword(8);
  const auto hash = HashPassword(password);
  if (!hash) return Reply(code::kServiceError);
  OfferNewPassword(call.db, memberId, *hash, call.now);
  QueueMail(call, Mail{"lost-password", "Velomira", "support@velomira.example", name, address,
                       "Your new Velomira password for the ID " + memberId + " is: " + password});
  return Reply(code::kOk);
}

}  // namespace

void RegisterMemberServlets(ServletTable& table) {
  table.add("UserLogin", UserLogin);
  table.add("IdOverlapCheck", IdOverlapCheck);
  table.add("UserRegistration", UserRegistration);
  table.add("UserPreference", UserPreference);
  table.add("LostPassword", LostPassword);
}

}  // namespace velomira::service
