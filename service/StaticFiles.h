#pragma once
// Files served from disk: pictures and the update package.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace velomira::service {

// base joined with the "/"-separated relative path, each component matched
// without regard to letter case when the exact name is missing; nothing for
// a missing file or a path that leaves base.
std::optional<std::filesystem::path> ResolveInside(const std::filesystem::path& base,
                                                   std::string_view relative);

std::optional<std::string> ReadWholeFile(const std::filesystem::path& file);

}  // namespace velomira::service
