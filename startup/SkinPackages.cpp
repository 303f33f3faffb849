#include "SkinPackages.h"

#include <cstdio>

#include "core/dFunc.h"

namespace velomira {

void UnpackSkinPackages(const std::string& programDir) {
  for (const char* name : {"Basic", "bubble", "button", "Form", "media"}) {
    const std::string package = ResolvePathCase(programDir + "temp/" + name + ".zip");
    if (!FileExistsAnyCase(package)) continue;
    // Each folder step matches the installed spelling, so no twin folder appears.
    std::string folder = programDir;
    for (const std::string& step : {std::string("image/"), std::string("default/"), name + std::string("/")})
      folder = ResolvePathForWrite(folder + step);
    ExtractAll(package, folder);
    std::remove(package.c_str());
  }
}

}  // namespace velomira
