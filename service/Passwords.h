#pragma once
// Member passwords are kept only as salted slow hashes.
#include <optional>
#include <string>
#include <string_view>

namespace velomira::service {

// Initialises the crypto library; false when it cannot be used.
bool InitPasswords();
std::optional<std::string> HashPassword(std::string_view password);
bool VerifyPassword(const std::string& hash, std::string_view password);
// A new password of letters and digits, for the lost-password mail.
std::string RandomPassword(std::size_t length);

}  // namespace velomira::service
