#pragma once
// The flat hint window: control hints (tool tips) in flat pale-yellow hint colours with
// black text (the style draws a plain one-pixel frame). Call once after creating
// QApplication.
namespace velomira {

void InstallFlatHints();

}  // namespace velomira
