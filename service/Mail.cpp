#include "Mail.h"

#include <fstream>
#include <system_error>

namespace velomira::service {

namespace {

// Stored member texts reach headers too: a control byte never starts a header.
std::string HeaderText(std::string text) {
  for (char& c : text) {
    if (static_cast<unsigned char>(c) < 0x20 || c == '\x7f') c = ' ';
  }
  return text;
}

}  // namespace

void QueueMail(ServletCall& call, const Mail& mail) {
  auto insert = call.db.prepare(
      "INSERT INTO outbox (kind, from_name, from_address, to_name, to_address, body, created_utc) "
      "VALUES (?, ?, ?, ?, ?, ?, ?)");
  insert.with(mail.kind, mail.fromName, mail.fromAddress, mail.toName, mail.toAddress, mail.body,
              call.now);
  insert.run();
  const std::string id = std::to_string(call.db.lastInsertId());

  if (!call.config.dataDir.empty()) {
    const auto folder = call.config.dataDir / "outbox";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    std::ofstream file(folder / (id + "-" + mail.kind + ".txt"), std::ios::binary);
    file << "From: " << HeaderText(mail.fromName) << " <" << HeaderText(mail.fromAddress) << ">\r\n"
         << "To: " << HeaderText(mail.toName) << " <" << HeaderText(mail.toAddress) << ">\r\n\r\n"
         << mail.body << "\r\n";
  }
  call.log.line("outbox #" + id + ": " + mail.kind + " mail to <" + mail.toAddress + ">");
}

}  // namespace velomira::service
