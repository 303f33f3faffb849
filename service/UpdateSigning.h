#pragma once
// The service's Ed25519 key pair and the detached signature of the update package:
// clients install a package only when this key signed it.
#include <sodium.h>

#include <array>
#include <filesystem>
#include <mutex>
#include <optional>
#include <string>

namespace velomira::service {

struct UpdateKeyPair {
  std::array<unsigned char, crypto_sign_PUBLICKEYBYTES> publicKey{};
  std::array<unsigned char, crypto_sign_SECRETKEYBYTES> secretKey{};
};

// The key pair of dataDir: the secret key in update-signing.key (64 raw bytes, owner
// only), the public key beside it in update-signing.pub (hex). Made on first use.
// Throws when the secret key can neither be read nor created.
UpdateKeyPair LoadOrCreateUpdateKey(const std::filesystem::path& dataDir);

// The public key as 64 lower-case hex digits, the form clients are configured with.
std::string PublicKeyHex(const UpdateKeyPair& keys);

// Signs the package when it is first served and again whenever the file changes.
class PackageSigner {
public:
  explicit PackageSigner(UpdateKeyPair keys) : keys_(keys) {}
  ~PackageSigner() { sodium_memzero(keys_.secretKey.data(), keys_.secretKey.size()); }
  PackageSigner(const PackageSigner&) = delete;
  PackageSigner& operator=(const PackageSigner&) = delete;

  // The 64 raw signature bytes; nothing when the file cannot be read.
  std::optional<std::string> signatureOf(const std::filesystem::path& package);
  std::string publicKeyHex() const { return PublicKeyHex(keys_); }

private:
  using Digest = std::array<unsigned char, crypto_generichash_BYTES>;

  UpdateKeyPair keys_;
  std::mutex mutex_;
  // The content last signed, by its hash: a file rewritten within the file system's
  // time resolution keeps its size and time stamp, but not its hash.
  std::optional<Digest> signedDigest_;
  std::string signature_;
};

}  // namespace velomira::service
