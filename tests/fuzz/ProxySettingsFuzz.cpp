// proxy.ini with any content: a proxy is only usable with a host and a port 1-65535,
// credentials belong to SOCKS 5 alone, and a typed port is digits or refused.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>

#include "FuzzSupport.h"
#include "core/AsciiText.h"
#include "core/ProxySettings.h"

using namespace velomira;
using velomira::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string typedPort = input.ConsumeRandomLengthString(16);
  const std::string content = input.ConsumeRemainingBytesAsString();

  const int port = ParseProxyPort(typedPort);
  Require(port >= 0 && port <= 65535, "a port is 0-65535");
  if (port != 0) {
    const std::string_view digits = TrimBlanks(typedPort);
    Require(std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }),
            "an accepted port is digits");
  }

  const auto path = velomira::fuzz::Scratch().Path() / "proxy.ini";
  velomira::fuzz::WriteFileBytes(path, content);
  const ProxySettings settings = ReadProxySettings(path.string());
  if (settings.Kind == ProxyKind::Direct) {
    Require(settings.Host.empty() && settings.Port == 0 && !settings.UseCredentials && settings.Usable,
            "a direct connection carries no proxy");
    return 0;
  }
  Require(settings.Usable == (!settings.Host.empty() && settings.Port >= 1 && settings.Port <= 65535),
          "usable exactly with a host and a port");
  Require(!settings.UseCredentials || settings.Kind == ProxyKind::Socks5, "credentials only for SOCKS 5");
  Require(settings.UseCredentials || (settings.User.empty() && settings.Password.empty()), "no stray credentials");
  return 0;
}
