#include "TDownLoad.h"

#include "core/ClientState.h"
#include "core/Requests.h"
#include "RefreshSteps.h"

namespace velomira {

namespace {

using Step = void (*)(const std::stop_token&);
constexpr Step Steps[] = {
    refresh::RefreshSubCategories, refresh::RefreshStationCategories, refresh::RefreshStates,
    refresh::RefreshEmergencyList, refresh::RefreshTuningValues,      refresh::RefreshCategoryUrls,
    refresh::RefreshStationIcons,  refresh::RefreshStationBanners,    refresh::RefreshBanners,
    refresh::RefreshPresets,       refresh::RefreshUpdatePackage,
};

}  // namespace

TDownLoad::TDownLoad() : thread_([](std::stop_token stop) { Execute(stop); }) {}

TDownLoad::~TDownLoad() {
  Stop();
  Join();
}

void TDownLoad::Stop() { thread_.request_stop(); }

void TDownLoad::Join() {
  if (thread_.joinable()) thread_.join();
}

void TDownLoad::Execute(const std::stop_token& stop) {
  // Only this thread's requests: the windows' requests go on after a stop.
  const RequestAbortScope abortOnStop(stop);
  for (Step step : Steps) {
    if (stop.stop_requested()) return;
    try {
      step(stop);
    } catch (...) {
      // A step that failed leaves its old data; the next step still runs.
    }
  }
  if (!stop.stop_requested()) State().RefreshDone = true;
}

}  // namespace velomira
