// My categories, tell a friend, help mail and the usage logs.
#include <map>
#include <set>
#include <string>
#include <string_view>

#include "Categories.h"
#include "Framing.h"
#include "Mail.h"
#include "ReplyCodes.h"
#include "Servlet.h"

namespace velomira::service {

namespace {

std::string MydbzerList(ServletCall& call) {
  const std::string member = call.params.get("usr_id");
  if (member.empty()) return Reply(code::kBadParameters);
  auto rows = call.db.prepare(
      "SELECT m.category, m.sub_code, c.name FROM my_categories m JOIN sub_categories c "
      "ON c.category = m.category AND c.code = m.sub_code WHERE m.member_id = ? "
      "ORDER BY m.category, m.sub_code");
  rows.with(member);
  RecordWriter out;
  while (rows.next()) {
    out.field(rows.integer(0)).field(rows.integer(1)).field(rows.text(2));
    out.endRecord();
  }
  return Reply(code::kOk, out.text());
}

// "cates" lists category:sub-category pairs ("1:3,1:4,"); "1:*" names the
// whole category: every sub-category it has.
struct CategoryChoice {
  std::map<int, std::set<int>> subCategories;  // category -> chosen codes
  std::set<int> wholeCategories;
  bool valid = false;
};

CategoryChoice ParseCates(std::string_view text) {
  CategoryChoice choice;
  while (!text.empty()) {
    const auto end = text.find(',');
    const std::string_view pair = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (pair.empty()) continue;
    const auto colon = pair.find(':');
    if (colon == std::string_view::npos) return {};
    const auto category = ParseNumber(pair.substr(0, colon));
    if (!category || !CategoryByCode(*category)) return {};
    auto& codes = choice.subCategories[static_cast<int>(*category)];
    const std::string_view sub = pair.substr(colon + 1);
    if (sub == "*") {
      choice.wholeCategories.insert(static_cast<int>(*category));
    } else {
      const auto code = ParseNumber(sub);
      if (!code || *code < 1 || *code > 99) return {};
      codes.insert(static_cast<int>(*code));
    }
  }
  choice.valid = !choice.subCategories.empty();
  return choice;
}

// mode=add makes each named category's selection exactly the pairs sent, as
// the client's picker shows every sub-category of the category with the
// member's current ones checked; "k:*" (nothing checked) selects the whole
// category. mode=del removes the pairs sent ("k:*": the whole category).
std::string MydbzerEdit(ServletCall& call) {
  const std::string member = call.params.get("usr_id");
  const std::string mode = call.params.get("mode");
  const CategoryChoice choice = ParseCates(call.params.get("cates"));
  if (member.empty() || !choice.valid || (mode != "add" && mode != "del")) {
    return Reply(code::kBadParameters);
  }
  auto known = call.db.prepare("SELECT 1 FROM members WHERE id = ?");
  known.with(member);
  if (!known.next()) return Reply(code::kNotFound);

  Transaction transaction(call.db);
  for (const auto& [category, codes] : choice.subCategories) {
    if (mode == "add") {
      call.db.prepare("DELETE FROM my_categories WHERE member_id = ? AND category = ?")
          .with(member, category).run();
    }
    if (choice.wholeCategories.count(category)) {
      if (mode == "add") {
        call.db.prepare(
            "INSERT OR IGNORE INTO my_categories (member_id, category, sub_code) "
            "SELECT ?1, category, code FROM sub_categories WHERE category = ?2")
            .with(member, category).run();
      } else {
        call.db.prepare("DELETE FROM my_categories WHERE member_id = ? AND category = ?")
            .with(member, category).run();
      }
    }
    for (int sub : codes) {
      if (mode == "add") {
        call.db.prepare(
            "INSERT OR IGNORE INTO my_categories (member_id, category, sub_code) "
            "SELECT ?1, category, code FROM sub_categories WHERE category = ?2 AND code = ?3")
            .with(member, category, sub).run();
      } else {
        call.db.prepare(
            "DELETE FROM my_categories WHERE member_id = ? AND category = ? AND sub_code = ?")
            .with(member, category, sub).run();
      }
    }
  }
  transaction.commit();
  return Reply(code::kOk);
}

bool LooksLikeAddress(const std::string& address) {
  const auto at = address.find('@');
  return at != std::string::npos && at > 0 && at + 1 < address.size() && address.size() <= 200;
}

std::string ReplaceAll(std::string text, std::string_view from, std::string_view to) {
  for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

// The program summary arrives as fields joined by 0x01 and the message with
// "[@retrn]" for its line breaks.
std::string TellAFriend(ServletCall& call) {
  Mail mail{"tell-a-friend", call.params.get("from_name"), Trim(call.params.get("from")),
            call.params.get("to_name"), Trim(call.params.get("to")), ""};
  if (!LooksLikeAddress(mail.fromAddress) || !LooksLikeAddress(mail.toAddress)) {
    return Reply(code::kInvalidAddress);
  }
  const std::string program = ReplaceAll(call.params.get("cnt1"), "\x01", "\r\n");
  const std::string message = ReplaceAll(call.params.get("cnt2"), "[@retrn]", "\r\n");
  mail.body = mail.fromName + " thinks you would like this program on Velomira:\r\n\r\n" +
              program + "\r\n\r\n" + message;
  QueueMail(call, mail);
  return Reply(code::kOk);
}

std::string HelpMe(ServletCall& call) {
  Mail mail{"help", call.params.get("from_name"), Trim(call.params.get("from")),
            "Velomira support", call.config.supportAddress,
            ReplaceAll(call.params.get("cnt"), "[@retrn]", "\r\n")};
  // Help always goes to the support mailbox, whatever "to" asks for.
  if (!LooksLikeAddress(mail.fromAddress)) return Reply(code::kInvalidAddress);
  if (mail.body.empty()) return Reply(code::kBadParameters);
  QueueMail(call, mail);
  return Reply(code::kOk);
}

// One usage log per client run, kept as it arrived.
std::string GetLog(ServletCall& call) {
  const std::string name = call.params.get("name");
  if (name.empty() || name.size() > 100 || !call.params.has("cnt")) {
    return Reply(code::kBadParameters);
  }
  call.db.prepare("INSERT INTO usage_logs (name, content, received_utc) VALUES (?, ?, ?)")
      .with(name, call.params.get("cnt"), call.now).run();
  call.log.line("usage log stored: " + name);
  return Reply(code::kOk);
}

}  // namespace

void RegisterPersonalServlets(ServletTable& table) {
  table.add("MydbzerList", MydbzerList);
  table.add("MydbzerEdit", MydbzerEdit);
  table.add("Tell_A_Friend", TellAFriend);
  table.add("Help_me", HelpMe);
  table.add("GetLog", GetLog);
}

}  // namespace velomira::service
