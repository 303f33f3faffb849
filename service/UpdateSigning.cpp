#include "UpdateSigning.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <stdexcept>

#include "StaticFiles.h"

namespace velomira::service {

namespace {

constexpr const char* kSecretKeyFile = "update-signing.key";
constexpr const char* kPublicKeyFile = "update-signing.pub";

class FileDescriptor {
public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }

private:
  int fd_;
};

bool WriteAll(int fd, const unsigned char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(fd, data, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

// Reads up to capacity bytes; the count read, or -1 on an error.
ssize_t ReadUpTo(int fd, unsigned char* data, std::size_t capacity) {
  std::size_t done = 0;
  while (done < capacity) {
    const ssize_t got = ::read(fd, data + done, capacity - done);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return -1;
    if (got == 0) break;
    done += static_cast<std::size_t>(got);
  }
  return static_cast<ssize_t>(done);
}

// A secret key is taken only when it is whole and its public half matches its seed.
std::optional<UpdateKeyPair> ReadSecretKey(const std::filesystem::path& file) {
  FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW));
  if (fd.get() < 0) {
    if (errno == ENOENT) return std::nullopt;
    throw std::runtime_error("cannot read " + file.string());
  }
  // A key file that others could read is made private again at once.
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode) ||
      ((info.st_mode & 077) != 0 && ::fchmod(fd.get(), 0600) != 0))
    throw std::runtime_error("cannot keep " + file.string() + " private");
  UpdateKeyPair keys;
  unsigned char extra = 0;
  if (ReadUpTo(fd.get(), keys.secretKey.data(), keys.secretKey.size()) !=
          static_cast<ssize_t>(keys.secretKey.size()) ||
      ReadUpTo(fd.get(), &extra, 1) != 0)
    throw std::runtime_error(file.string() + " is not an update signing key");
  UpdateKeyPair derived;
  crypto_sign_seed_keypair(derived.publicKey.data(), derived.secretKey.data(), keys.secretKey.data());
  const bool matches = sodium_memcmp(derived.secretKey.data(), keys.secretKey.data(), keys.secretKey.size()) == 0;
  sodium_memzero(derived.secretKey.data(), derived.secretKey.size());
  if (!matches) throw std::runtime_error(file.string() + " is not an update signing key");
  keys.publicKey = derived.publicKey;
  return keys;
}

// Writes a new key pair's secret key whole under a temporary name and links it into
// place, so a crash never leaves half a key and two services starting together end up
// with the same key. Nothing when another process linked its key first.
std::optional<UpdateKeyPair> CreateSecretKey(const std::filesystem::path& file) {
  UpdateKeyPair keys;
  crypto_sign_keypair(keys.publicKey.data(), keys.secretKey.data());
  std::string temp = file.string() + ".XXXXXX";
  const int raw = ::mkostemp(temp.data(), O_CLOEXEC);  // created owner-only (0600)
  if (raw < 0) throw std::runtime_error("cannot create " + file.string());
  bool written = false;
  {
    FileDescriptor fd(raw);
    written = ::fchmod(fd.get(), 0600) == 0 &&
              WriteAll(fd.get(), keys.secretKey.data(), keys.secretKey.size()) && ::fsync(fd.get()) == 0;
  }
  const bool linked = written && ::link(temp.c_str(), file.c_str()) == 0;
  const int linkError = errno;
  ::unlink(temp.c_str());
  if (linked) return keys;
  if (written && linkError == EEXIST) return std::nullopt;
  throw std::runtime_error("cannot create " + file.string());
}

void WritePublicKeyFile(const std::filesystem::path& file, const std::string& hex) {
  std::ifstream existing(file);
  std::string current;
  if (existing && std::getline(existing, current) && current == hex) return;
  std::ofstream(file, std::ios::trunc) << hex << "\n";
}

}  // namespace

UpdateKeyPair LoadOrCreateUpdateKey(const std::filesystem::path& dataDir) {
  if (sodium_init() < 0) throw std::runtime_error("cannot initialise libsodium");
  const std::filesystem::path secretFile = dataDir / kSecretKeyFile;
  std::optional<UpdateKeyPair> keys = ReadSecretKey(secretFile);
  if (!keys) keys = CreateSecretKey(secretFile);
  if (!keys) keys = ReadSecretKey(secretFile);
  if (!keys) throw std::runtime_error("cannot read " + secretFile.string());
  WritePublicKeyFile(dataDir / kPublicKeyFile, PublicKeyHex(*keys));
  return *keys;
}

std::string PublicKeyHex(const UpdateKeyPair& keys) {
  char hex[2 * crypto_sign_PUBLICKEYBYTES + 1];
  return sodium_bin2hex(hex, sizeof hex, keys.publicKey.data(), keys.publicKey.size());
}

std::optional<std::string> PackageSigner::signatureOf(const std::filesystem::path& package) {
  const std::optional<std::string> bytes = ReadWholeFile(package);
  if (!bytes) return std::nullopt;
  const auto* data = reinterpret_cast<const unsigned char*>(bytes->data());
  Digest digest{};
  crypto_generichash(digest.data(), digest.size(), data, bytes->size(), nullptr, 0);

  std::lock_guard lock(mutex_);
  if (signedDigest_ != digest) {
    std::string signature(crypto_sign_BYTES, '\0');
    crypto_sign_detached(reinterpret_cast<unsigned char*>(signature.data()), nullptr, data, bytes->size(),
                         keys_.secretKey.data());
    signature_ = std::move(signature);
    signedDigest_ = digest;
  }
  return signature_;
}

}  // namespace velomira::service
