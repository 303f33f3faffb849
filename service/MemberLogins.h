#pragma once
// Member requests carry only the member's ID, so a successful login opens a
// login for that member from that client address; it stays open for a day
// after the member's last request.
#include <cstdint>
#include <string>

#include "Database.h"

namespace velomira::service {

void OpenLogin(Connection& db, const std::string& member, const std::string& address,
               std::int64_t now);
// True (and the login kept open) when member has an open login from address.
bool UseLogin(Connection& db, const std::string& member, const std::string& address,
              std::int64_t now);
// True (and that login kept open) when any member has an open login from
// address: for requests that name no member.
bool UseAnyLogin(Connection& db, const std::string& address, std::int64_t now);

}  // namespace velomira::service
