#pragma once
// An update package is installed only when the service's Ed25519 key signed it, so a
// package swapped on the way (the download is plain HTTP) never runs.
#include <string>
#include <string_view>

namespace velomira {

// True for a public key written as 64 hex digits (blanks around them are ignored).
bool IsUpdateKey(std::string_view publicKeyHex);

// True when signature (64 raw bytes) is the detached Ed25519 signature of the file's
// bytes under the public key given as 64 hex digits. False for a malformed key or
// signature and for a file that cannot be read.
bool PackageSignatureValid(const std::string& packagePath, std::string_view signature,
                           std::string_view publicKeyHex);

}  // namespace velomira
