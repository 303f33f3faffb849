#pragma once
// The service's small web site: home, about, help, program and station pages.
#include <optional>
#include <string>
#include <string_view>

#include "Database.h"

namespace velomira::service {

// The page at path below /web ("" or "/" is the home page); nothing when
// there is no such page.
std::optional<std::string> WebPage(Connection& db, std::string_view path, std::int64_t now);

}  // namespace velomira::service
