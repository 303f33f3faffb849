#pragma once
#include <string>

namespace velomira {

// Unpacks the skin packages waiting in programDir's temp folder into the default skin's
// folders and deletes them, also when a package could not be unpacked.
void UnpackSkinPackages(const std::string& programDir);

}  // namespace velomira
