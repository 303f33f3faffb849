#include "Passwords.h"

#include <sodium.h>

#include <semaphore>

namespace velomira::service {

namespace {

// Each hash takes tens of megabytes for a moment: only a few at once.
std::counting_semaphore<2> hashSlots(2);

class HashSlot {
public:
  HashSlot() { hashSlots.acquire(); }
  ~HashSlot() { hashSlots.release(); }
};

}  // namespace

bool InitPasswords() { return sodium_init() >= 0; }

std::optional<std::string> HashPassword(std::string_view password) {
  char hash[crypto_pwhash_STRBYTES];
  HashSlot slot;
  if (crypto_pwhash_str(hash, password.data(), password.size(),
                        crypto_pwhash_OPSLIMIT_INTERACTIVE,
                        crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0) {
    return std::nullopt;
  }
  return std::string(hash);
}

bool VerifyPassword(const std::string& hash, std::string_view password) {
  if (hash.size() >= crypto_pwhash_STRBYTES) return false;
  HashSlot slot;
  return crypto_pwhash_str_verify(hash.c_str(), password.data(), password.size()) == 0;
}

std::string RandomPassword(std::size_t length) {
  static constexpr char kAlphabet[] = "abcdefghijkmnpqrstuvwxyz23456789";
  std::string password;
  for (std::size_t i = 0; i < length; ++i) {
    password.push_back(kAlphabet[randombytes_uniform(sizeof kAlphabet - 1)]);
  }
  return password;
}

}  // namespace velomira::service
