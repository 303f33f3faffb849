#pragma once
// The head of a station's program list, from the station record that leads the
// reply: "My Channels>" over one of the member's channels (the line stays, empty,
// over any other), the station's name, its address as a link, its description, then
// "programs".
#include "mainwin/RowTexts.h"

namespace velomira {

class ProgramListPanel;

// Places the header in the list area from the top; returns the y the rows start at.
int PlaceStationHeader(ProgramListPanel& list, const ProgramFields& station, bool myChannel);

}  // namespace velomira
