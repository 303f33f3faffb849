#include "TDownLoad.h"

#include "core/ClientState.h"
#include "RefreshSteps.h"

namespace velomira {

namespace {

using Step = void (*)();
constexpr Step Steps[] = {
    refresh::RefreshSubCategories, refresh::RefreshStationCategories, refresh::RefreshStates,
    refresh::RefreshEmergencyList, refresh::RefreshTuningValues,      refresh::RefreshCategoryUrls,
    refresh::RefreshStationIcons,  refresh::RefreshStationBanners,    refresh::RefreshBanners,
    refresh::RefreshPresets,       refresh::RefreshUpdatePackage,
};

}  // namespace

TDownLoad::TDownLoad() : thread_([this] { Execute(); }) {}

TDownLoad::~TDownLoad() {
  Stop();
  Join();
}

void TDownLoad::Stop() { stopRequested_ = true; }

void TDownLoad::Join() {
  if (thread_.joinable()) thread_.join();
}

void TDownLoad::Execute() {
  for (Step step : Steps) {
    if (stopRequested_) return;
    try {
      step();
    } catch (...) {
      // A step that failed leaves its old data; the next step still runs.
    }
  }
  if (!stopRequested_) State().RefreshDone = true;
}

}  // namespace velomira
