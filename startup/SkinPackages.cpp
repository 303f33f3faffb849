#include "SkinPackages.h"

#include <cstdio>

#include "core/dFunc.h"

namespace velomira {

void UnpackSkinPackages(const std::string& folder) {
  for (const char* name : {"Basic", "bubble", "button", "Form", "media"}) {
    const std::string package = ResolvePathCase(folder + "temp/" + name + ".zip");
    if (!FileExistsAnyCase(package)) continue;
    // Each folder step matches the installed spelling, so no twin folder appears.
    std::string target = folder;
    for (const std::string& step : {std::string("image/"), std::string("default/"), name + std::string("/")})
      target = ResolvePathForWrite(target + step);
    ExtractAll(package, target);
    std::remove(package.c_str());
  }
}

}  // namespace velomira
