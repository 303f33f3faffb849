#include "TickerRules.h"

namespace velomira {

bool BannerFollowsLine(int lineCount, int bannerSteps) {
  if (lineCount == 5) return true;
  return bannerSteps > 0 && (lineCount + 5) % bannerSteps == 0;
}

bool NewProgramsFollowLine(int lineCount, int newCheckSteps, int category) {
  if (NewProgramCode(category).empty() || newCheckSteps <= 0) return false;
  return lineCount % newCheckSteps == 0;
}

std::string NewProgramCode(int category) {
  switch (category) {
    case 1: return "n";
    case 2: return "m";
    case 3: return "s";
    default: return {};
  }
}

}  // namespace velomira
