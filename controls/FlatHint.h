#pragma once
// The flat hint window: control hints (tool tips) drawn as a flat pale-yellow box with
// a thin dark border and no shadow or rounding. Call once after creating QApplication.
namespace velomira {

void InstallFlatHints();

}  // namespace velomira
