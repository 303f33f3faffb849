// The update package's signature and the key pair it is made with.
#include <sys/stat.h>

#include <fstream>

#include "ServiceFixture.h"
#include "ServiceOptions.h"
#include "UpdateSigning.h"

namespace velomira::service::test {
namespace {

class UpdateSigningTest : public ServiceTest {
protected:
  void TearDown() override { std::filesystem::remove_all(dataDir_ / "app"); }

  static void Publish(const std::string& package) {
    std::filesystem::create_directories(dataDir_ / "app");
    std::ofstream(dataDir_ / "app" / "VelomiraMain.zip", std::ios::binary | std::ios::trunc) << package;
  }

  static bool Verifies(const std::string& signature, const std::string& package, const std::string& keyHex) {
    unsigned char key[crypto_sign_PUBLICKEYBYTES];
    std::size_t length = 0;
    if (sodium_hex2bin(key, sizeof key, keyHex.data(), keyHex.size(), nullptr, &length, nullptr) != 0 ||
        length != sizeof key || signature.size() != crypto_sign_BYTES)
      return false;
    return crypto_sign_verify_detached(reinterpret_cast<const unsigned char*>(signature.data()),
                                       reinterpret_cast<const unsigned char*>(package.data()),
                                       package.size(), key) == 0;
  }
};

mode_t ModeOf(const std::filesystem::path& file) {
  struct stat info {};
  ::stat(file.c_str(), &info);
  return info.st_mode & 07777;
}

std::string ReadText(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

TEST_F(UpdateSigningTest, SignatureOfThePackageAsItIsNow) {
  EXPECT_EQ(Get("/down/app/VelomiraMain.zip.sig").status, 404);
  const std::string key = service_->updateKeyHex();
  ASSERT_EQ(key.size(), 64u);

  const std::string first = std::string("PK\x03\x04\0first", 10);
  Publish(first);
  const Reply signature = Get("/down/app/VelomiraMain.zip.sig");
  EXPECT_EQ(signature.status, 200);
  EXPECT_TRUE(Verifies(signature.body, Get("/down/app/VelomiraMain.zip").body, key));
  EXPECT_TRUE(Verifies(signature.body, first, key));

  // Rewritten in place at once, same size: signed afresh all the same.
  const std::string second = std::string("PK\x03\x04\0secnd", 10);
  Publish(second);
  const Reply resigned = Get("/down/app/VelomiraMain.zip.sig");
  EXPECT_TRUE(Verifies(resigned.body, second, key));
  EXPECT_FALSE(Verifies(signature.body, second, key));
}

TEST_F(UpdateSigningTest, KeyPairIsMadeOnceAndKeptPrivate) {
  const std::filesystem::path secret = dataDir_ / "update-signing.key";
  EXPECT_EQ(ModeOf(secret), 0600u);
  EXPECT_EQ(std::filesystem::file_size(secret), crypto_sign_SECRETKEYBYTES);
  EXPECT_EQ(ReadText(dataDir_ / "update-signing.pub"), service_->updateKeyHex() + "\n");
  // What a restart, or --print-update-key, finds.
  EXPECT_EQ(PublicKeyHex(LoadOrCreateUpdateKey(dataDir_)), service_->updateKeyHex());

  // A key file others could read is made private again.
  ::chmod(secret.c_str(), 0644);
  EXPECT_EQ(PublicKeyHex(LoadOrCreateUpdateKey(dataDir_)), service_->updateKeyHex());
  EXPECT_EQ(ModeOf(secret), 0600u);
}

TEST(UpdateKeyFiles, DamagedKeyStopsTheServiceRatherThanReplacingTheKey) {
  char pattern[] = "/tmp/velomira-key-test-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  const std::filesystem::path folder = pattern;
  const std::string key = PublicKeyHex(LoadOrCreateUpdateKey(folder));
  std::string secret = ReadText(folder / "update-signing.key");
  for (const std::string& damaged : {secret.substr(0, 63), secret + "x", std::string(64, '\0')}) {
    std::ofstream(folder / "update-signing.key", std::ios::binary | std::ios::trunc) << damaged;
    EXPECT_THROW(LoadOrCreateUpdateKey(folder), std::runtime_error);
  }
  std::ofstream(folder / "update-signing.key", std::ios::binary | std::ios::trunc) << secret;
  EXPECT_EQ(PublicKeyHex(LoadOrCreateUpdateKey(folder)), key);
  std::filesystem::remove_all(folder);
}

TEST(UpdateKeyFiles, PrintOptionIsUnderstood) {
  std::string error;
  const auto options = ParseServiceOptions({"--data", "d", "--print-update-key"}, error);
  ASSERT_TRUE(options);
  EXPECT_TRUE(options->printUpdateKey);
  EXPECT_FALSE(ParseServiceOptions({}, error)->printUpdateKey);
}

}  // namespace
}  // namespace velomira::service::test
