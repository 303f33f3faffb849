#pragma once
// The canned service, with State()'s settings file pointing ServiceRoot at it for the
// life of the object.
#include "core/dFunc.h"
#include "support/CannedService.h"
#include "support/TempFolder.h"

namespace velomira::test {

class StateService : public CannedService {
 public:
  StateService() {
    PointIniAt(settings_.Path() + "velomira.Ini");
    State().MainIniPath = settings_.Path() + "velomira.Ini";
  }

 private:
  TempFolder settings_;
};

}  // namespace velomira::test
