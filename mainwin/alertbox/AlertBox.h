#pragma once
// Every message to the member goes through one of these skinned boxes: borderless,
// stay-on-top, centred on the screen, modal, draggable by the background. Messages are
// core texts (Windows-1252); CR LF or a lone CR starts a new line. One box at a time:
// a call while another box is showing waits (running the event loop) until that box
// has closed. A box is created for each call and freed when it closes.
#include <string>

namespace velomira {

// One OK picture; OK, the close area or the Enter key close it.
void ShowAlert(const std::string& message);
// OK and Cancel pictures: 1 for OK, 2 for Cancel, the close area or any other close.
// Enter does nothing.
int ShowConfirm(const std::string& message);
// One centred OK picture; OK or the close area close it. Enter does nothing.
void ShowNotice(const std::string& message);

// Asks "The program you've selected starts on <startText>. / Would you like to Preset
// this program?"; on OK sends servlet.PresetEdit (mode add) for State().MemberId and
// tells the member the result: a 1xx code "saved on your Preset List", 211 "already
// your Preset List", anything else (an empty reply included) nothing. The caller
// reloads the preset list afterwards (LoadPresetList).
void ConfirmPresetAdd(const std::string& programId, const std::string& scheduleKind,
                      const std::string& regularNumber, const std::string& startText);
// The two halves of ConfirmPresetAdd, for a window that sends the request off the UI
// thread: the question (true for OK), and the notice for the add request's reply.
bool AskPresetAdd(const std::string& startText);
void TellPresetAddResult(const std::string& reply);

}  // namespace velomira
