#pragma once
// The refresh thread's steps, in the order it runs them. Each step fetches one piece of
// the service's data; an empty reply leaves the old files, lists and values in place.

namespace velomira::refresh {

void RefreshSubCategories();
void RefreshStationCategories();
void RefreshStates();
void RefreshEmergencyList();
void RefreshTuningValues();
void RefreshCategoryUrls();
void RefreshStationIcons();
void RefreshStationBanners();
void RefreshBanners();
void RefreshPresets();
void RefreshUpdatePackage();

}  // namespace velomira::refresh
