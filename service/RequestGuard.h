#pragma once
// Who may use which servlet, and how often: member servlets and the mail
// servlets a member sends (tell a friend, help) need an open login from the
// same address, failed logins and mails are limited, mail
// header texts may hold no control bytes. Consulted for every servlet request.
#include <optional>
#include <string>
#include <string_view>

#include "RateWindow.h"
#include "StorageQuota.h"
#include "Servlet.h"

namespace velomira::service {

class RequestGuard {
public:
  // The reply refusing the request, or nothing when it may be served.
  std::optional<std::string> refusal(std::string_view servlet, ServletCall& call);
  // Takes note of a served request's reply (logins opened, failures, mails).
  void served(std::string_view servlet, ServletCall& call, std::string_view reply);

private:
  RateWindow failedLogins_{10, 15 * 60};
  RateWindow mailsPerMember_{20, 60 * 60};
  RateWindow mailsPerAddress_{50, 60 * 60};
  RateWindow logsPerMember_{100, 24 * 60 * 60};
  StorageQuota storage_;
};

}  // namespace velomira::service
