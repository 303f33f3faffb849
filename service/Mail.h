#pragma once
// The service sends no mail: each message is kept in the outbox table, written
// as a text file to the data folder's outbox/ and logged.
#include <string>

#include "Servlet.h"

namespace velomira::service {

struct Mail {
  std::string kind;
  std::string fromName;
  std::string fromAddress;
  std::string toName;
  std::string toAddress;
  std::string body;
};

void QueueMail(ServletCall& call, const Mail& mail);

}  // namespace velomira::service
