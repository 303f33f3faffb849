#include "WebPages.h"

#include <array>

#include "Framing.h"
#include "Query.h"

namespace velomira::service {

namespace {

std::string Escape(std::string_view text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '&': out += "&amp;"; break;
      case '"': out += "&quot;"; break;
      default: out.push_back(c);
    }
  }
  return out;
}

// bodyHtml is already markup; title is plain text.
std::string Page(std::string_view title, std::string_view bodyHtml) {
  std::string html =
      "<!DOCTYPE html>\n<html><head><meta charset=\"windows-1252\"><title>" + Escape(title) +
      " - Velomira</title>\n<style>body{font-family:sans-serif;max-width:40em;margin:2em auto;"
      "color:#1d2340;background:#f4f6fb}h1{color:#3d3d9e}a{color:#2266cc}</style></head>\n"
      "<body><p><a href=\"/web/\">Velomira</a> &middot; <a href=\"/web/help/support.htm\">Support"
      "</a> &middot; <a href=\"/web/help/faq.htm\">FAQ</a></p>\n<h1>" +
      Escape(title) + "</h1>\n";
  html.append(bodyHtml);
  html += "\n</body></html>\n";
  return html;
}

struct FixedPage {
  const char* path;
  const char* title;
  const char* body;
};

constexpr std::array<FixedPage, 6> kFixedPages = {{
    {"/", "Welcome to Velomira",
     "<p>Velomira is your guide to internet radio and television: what is on now, what comes "
     "next, and a reminder when your favourite program starts.</p>"
     "<p><a href=\"/web/aboutus/overview.htm\">About Velomira</a> &middot; "
     "<a href=\"/web/aboutus/terms.htm\">Terms of service</a> &middot; "
     "<a href=\"/web/aboutus/privacy.htm\">Privacy policy</a></p>"},
    {"/aboutus/overview.htm", "About Velomira",
     "<p>Velomira keeps a small window on your desktop with a scrolling list of internet "
     "programs in nine categories, guide windows by channel, by day and by keyword, and presets "
     "that ring an alarm when a program starts.</p>"},
    {"/help/support.htm", "Support",
     "<p>Choose a help topic in the Velomira 911 window, or send us your question from there; "
     "we answer by e-mail.</p><p>See also the <a href=\"/web/help/faq.htm\">frequently asked "
     "questions</a>.</p>"},
    {"/aboutus/terms.htm", "Terms of service",
     "<p>The Velomira guide is offered as it is. Program times and contents are provided by the "
     "stations and may change without notice. Keep your ID and password to yourself.</p>"},
    {"/aboutus/privacy.htm", "Privacy policy",
     "<p>We keep the details you give at registration to run your account, and a record of how "
     "the program is used to improve the guide. Passwords are stored only as salted hashes. We "
     "do not sell your data.</p>"},
    {"/help/faq.htm", "Frequently asked questions",
     "<h2>I cannot connect</h2><p>Check your network connection and the proxy settings in the "
     "login window, then try again.</p><h2>I forgot my password</h2><p>Use \"forgot password\" "
     "in the login window; a new password is sent to your e-mail address.</p><h2>How do I get "
     "reminded of a program?</h2><p>Click a program without a page, or choose one in the top 5 "
     "list of the preset window, and confirm the preset.</p>"},
}};

// "/program/12.htm" -> 12 for the given folder.
std::optional<std::int64_t> IdIn(std::string_view path, std::string_view folder) {
  if (path.substr(0, folder.size()) != folder || path.size() < folder.size() + 5 ||
      path.substr(path.size() - 4) != ".htm") {
    return std::nullopt;
  }
  const std::string_view digits = path.substr(folder.size(), path.size() - folder.size() - 4);
  if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos) {
    return std::nullopt;
  }
  return ParseNumber(digits);
}

std::string TimeText(std::int64_t utc) {
  const std::string t = ServiceTime(utc);
  return t.substr(0, 4) + "-" + t.substr(4, 2) + "-" + t.substr(6, 2) + " " + t.substr(8, 2) +
         ":" + t.substr(10, 2) + " UTC";
}

std::optional<std::string> ProgramPage(Connection& db, std::int64_t id, bool hostPage) {
  auto row = db.prepare(
      "SELECT p.title, p.description, p.start_utc, p.end_utc, p.play_time, p.second_name, s.name, "
      "s.id FROM programs p JOIN stations s ON s.id = p.station_id WHERE p.id = ?");
  row.with(id);
  if (!row.next()) return std::nullopt;
  const std::string station = "<a href=\"/web/station/" + row.text(7) + ".htm\">" +
                              Escape(row.text(6)) + "</a>";
  if (hostPage) {
    if (row.text(5).empty()) return std::nullopt;
    return Page(row.text(5), "<p>" + Escape(row.text(5)) + " presents <a href=\"/web/program/" +
                                 std::to_string(id) + ".htm\">" + Escape(row.text(0)) +
                                 "</a> on " + station + ".</p>");
  }
  std::string when = row.text(4).empty()
                         ? TimeText(row.integer(2)) + " to " + TimeText(row.integer(3))
                         : "plays for " + row.text(4).substr(0, 2) + ":" + row.text(4).substr(2, 2) +
                               ":" + row.text(4).substr(4, 2);
  return Page(row.text(0), "<p>" + Escape(row.text(1)) + "</p><p>On " + station + ", " +
                               Escape(when) + ".</p>");
}

std::optional<std::string> StationPage(Connection& db, std::int64_t id, std::int64_t now) {
  auto row = db.prepare("SELECT name, description FROM stations WHERE id = ?");
  row.with(id);
  if (!row.next()) return std::nullopt;
  std::string body = "<p>" + Escape(row.text(1)) + "</p><h2>Coming up</h2><ul>";
  auto programs = db.prepare(
      "SELECT id, title, start_utc FROM programs WHERE station_id = ? AND end_utc > ? "
      "ORDER BY start_utc LIMIT 8");
  programs.with(id, now);
  while (programs.next()) {
    body += "<li>" + Escape(TimeText(programs.integer(2))) + " <a href=\"/web/program/" +
            programs.text(0) + ".htm\">" + Escape(programs.text(1)) + "</a></li>";
  }
  return Page(row.text(0), body + "</ul>");
}

// Plain markup (headings, paragraphs, lists, a picture, links) that the client's help
// panel shows as well as a browser does.
std::optional<std::string> HelpTopicPage(Connection& db, std::string_view path) {
  auto row = db.prepare("SELECT position, title, body FROM help_topics WHERE '/help/' || page = ?");
  row.with(path);
  if (!row.next()) return std::nullopt;
  std::string body = "<p><img src=\"/down/img/banner/banner01.gif\" alt=\"Velomira\"></p><p>" +
                     Escape(row.text(2)) +
                     "</p>\n<h2>Still stuck?</h2><ul><li>Send us your question from the Velomira 911 "
                     "window; we answer by e-mail.</li><li>Read the <a href=\"/web/help/faq.htm\">"
                     "frequently asked questions</a>.</li></ul>\n<h2>Other topics</h2><ul>";
  auto others = db.prepare("SELECT page, title FROM help_topics WHERE position <> ? ORDER BY position");
  others.with(row.integer(0));
  while (others.next()) {
    body += "<li><a href=\"/web/help/" + Escape(others.text(0)) + "\">" + Escape(others.text(1)) + "</a></li>";
  }
  return Page(row.text(1), body + "</ul>");
}

std::optional<std::string> PromotionPage(Connection& db, std::string_view path) {
  auto row = db.prepare("SELECT file FROM banners WHERE link = '/web' || ?");
  row.with(path);
  if (!row.next()) return std::nullopt;
  return Page("Featured on Velomira",
              "<p><img src=\"/down/img/banner/" + Escape(row.text(0)) +
                  "\" alt=\"\"></p><p>Discover more programs in the Velomira guide.</p>");
}

}  // namespace

std::optional<std::string> WebPage(Connection& db, std::string_view path, std::int64_t now) {
  if (path.empty() || path == "/index.htm" || path == "/index.html") path = "/";
  for (const auto& page : kFixedPages) {
    if (path == page.path) return Page(page.title, page.body);
  }
  if (const auto id = IdIn(path, "/program/")) return ProgramPage(db, *id, false);
  if (const auto id = IdIn(path, "/host/")) return ProgramPage(db, *id, true);
  if (const auto id = IdIn(path, "/station/")) return StationPage(db, *id, now);
  if (path.substr(0, 6) == "/help/") return HelpTopicPage(db, path);
  if (path.substr(0, 7) == "/promo/") return PromotionPage(db, path);
  return std::nullopt;
}

}  // namespace velomira::service
