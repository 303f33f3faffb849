// Verification of the update package's detached signature (libsodium).
#include "UpdateSignature.h"

#include <sodium.h>

#include <array>
#include <fstream>
#include <iterator>
#include <optional>

#include "AsciiText.h"

namespace velomira {

namespace {

using PublicKey = std::array<unsigned char, crypto_sign_PUBLICKEYBYTES>;

std::optional<PublicKey> ParsePublicKey(std::string_view hex) {
  hex = TrimBlanks(hex);
  if (hex.size() != 2 * crypto_sign_PUBLICKEYBYTES) return std::nullopt;
  PublicKey key{};
  std::size_t length = 0;
  const char* end = nullptr;
  if (sodium_hex2bin(key.data(), key.size(), hex.data(), hex.size(), nullptr, &length, &end) != 0 ||
      length != key.size() || end != hex.data() + hex.size())
    return std::nullopt;
  return key;
}

std::optional<std::string> ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return bytes;
}

}  // namespace

bool IsUpdateKey(std::string_view publicKeyHex) { return ParsePublicKey(publicKeyHex).has_value(); }

bool PackageSignatureValid(const std::string& packagePath, std::string_view signature,
                           std::string_view publicKeyHex) {
  try {
    if (sodium_init() < 0) return false;
    const std::optional<PublicKey> key = ParsePublicKey(publicKeyHex);
    if (!key || signature.size() != crypto_sign_BYTES) return false;
    const std::optional<std::string> package = ReadFileBytes(packagePath);
    if (!package) return false;
    return crypto_sign_verify_detached(reinterpret_cast<const unsigned char*>(signature.data()),
                                       reinterpret_cast<const unsigned char*>(package->data()),
                                       package->size(), key->data()) == 0;
  } catch (...) {
    return false;  // out of memory reading the package: not verified
  }
}

}  // namespace velomira
