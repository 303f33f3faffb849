#pragma once
// Telling the member of a newer version an installed copy cannot fetch itself.
namespace velomira {

// Shows the alert box once for State().UnannouncedVersion and records the version as
// told ([UPDATE] NOTIFIED in velomira.Ini); nothing when no version waits. UI thread.
void TellOfNewVersion();

}  // namespace velomira
