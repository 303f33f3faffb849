#pragma once
// A password mailed for a lost one stands beside the old password until
// either is used to log in (the other is dropped then) or a day passes, so
// that a stranger who knows an ID and its address cannot lock a member out.
#include <cstdint>
#include <functional>
#include <string>

#include "Database.h"

namespace velomira::service {

void OfferNewPassword(Connection& db, const std::string& member, const std::string& hash,
                      std::int64_t now);

// Whether matches accepts the member's password (currentHash) or the one
// offered by mail; the one used becomes the member's only password.
bool AcceptPassword(Connection& db, const std::string& member, const std::string& currentHash,
                    const std::function<bool(const std::string& hash)>& matches,
                    std::int64_t now);

}  // namespace velomira::service
