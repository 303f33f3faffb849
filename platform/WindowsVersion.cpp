#include "WindowsVersion.h"

namespace velomira {

std::string WindowsVersionName() { return {}; }

}  // namespace velomira
