// The update package's signature check, on files of its own.
#include <sodium.h>

#include <cctype>

#include "CoreTestSupport.h"
#include "UpdateSignature.h"

namespace velomira {
namespace {

using test::TempFolder;

class UpdateSignatureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_GE(sodium_init(), 0);
    crypto_sign_keypair(publicKey_, secretKey_);
    char hex[2 * crypto_sign_PUBLICKEYBYTES + 1];
    keyHex_ = sodium_bin2hex(hex, sizeof hex, publicKey_, sizeof publicKey_);
    folder_.Write("package.zip", package_);
  }

  std::string Sign(const std::string& bytes) const {
    std::string signature(crypto_sign_BYTES, '\0');
    crypto_sign_detached(reinterpret_cast<unsigned char*>(signature.data()), nullptr,
                         reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), secretKey_);
    return signature;
  }

  std::string Package() const { return folder_.Path() + "package.zip"; }

  TempFolder folder_;
  const std::string package_ = std::string("PK\x03\x04\0with a zero byte", 22);
  unsigned char publicKey_[crypto_sign_PUBLICKEYBYTES];
  unsigned char secretKey_[crypto_sign_SECRETKEYBYTES];
  std::string keyHex_;
};

TEST_F(UpdateSignatureTest, KeyIsSixtyFourHexDigits) {
  std::string upper = keyHex_;
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  for (const std::string& key : {keyHex_, upper, " " + keyHex_ + "\t"}) {
    EXPECT_TRUE(IsUpdateKey(key)) << key;
    EXPECT_TRUE(PackageSignatureValid(Package(), Sign(package_), key)) << key;
  }
  for (const std::string& key : {std::string(), keyHex_.substr(2), keyHex_ + "00", "0x" + keyHex_.substr(2),
                                 keyHex_.substr(0, 31) + " " + keyHex_.substr(32), "g" + keyHex_.substr(1)}) {
    EXPECT_FALSE(IsUpdateKey(key)) << key;
    EXPECT_FALSE(PackageSignatureValid(Package(), Sign(package_), key)) << key;
  }
}

TEST_F(UpdateSignatureTest, SignatureCoversEveryByteOfTheFile) {
  const std::string signature = Sign(package_);
  EXPECT_TRUE(PackageSignatureValid(Package(), signature, keyHex_));
  EXPECT_FALSE(PackageSignatureValid(Package(), signature + "x", keyHex_));
  EXPECT_FALSE(PackageSignatureValid(Package(), Sign(package_.substr(0, 4)), keyHex_));
  EXPECT_FALSE(PackageSignatureValid(folder_.Path() + "missing.zip", signature, keyHex_));
  folder_.Write("package.zip", package_ + "\n");
  EXPECT_FALSE(PackageSignatureValid(Package(), signature, keyHex_));
}

}  // namespace
}  // namespace velomira
