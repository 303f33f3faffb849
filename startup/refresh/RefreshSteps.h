#pragma once
// The refresh thread's steps, in the order it runs them. Each step fetches one piece of
// the service's data; an empty reply leaves the old files, lists and values in place.
// A step that makes many requests ends between two of them once stop is requested and
// then publishes nothing.
#include <stop_token>

namespace velomira::refresh {

void RefreshSubCategories(const std::stop_token& stop);
void RefreshStationCategories(const std::stop_token& stop);
void RefreshStates(const std::stop_token& stop);
void RefreshEmergencyList(const std::stop_token& stop);
void RefreshTuningValues(const std::stop_token& stop);
void RefreshCategoryUrls(const std::stop_token& stop);
void RefreshStationIcons(const std::stop_token& stop);
void RefreshStationBanners(const std::stop_token& stop);
void RefreshBanners(const std::stop_token& stop);
void RefreshPresets(const std::stop_token& stop);
void RefreshUpdatePackage(const std::stop_token& stop);

}  // namespace velomira::refresh
