#pragma once
#include <string>

namespace velomira {

// Unpacks the skin packages waiting in folder's temp folder into the default skin's
// folders below folder and deletes them, also when a package could not be unpacked.
void UnpackSkinPackages(const std::string& folder);

}  // namespace velomira
