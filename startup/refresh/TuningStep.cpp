// The service's tuning values and its program version.
#include <charconv>

#include "RefreshData.h"
#include "RefreshSteps.h"

namespace velomira::refresh {

namespace {

bool ParseDecimal(const std::string& text, int& value) {
  const char* end = text.data() + text.size();
  auto [stop, error] = std::from_chars(text.data(), end, value);
  return error == std::errc() && stop == end && !text.empty();
}

}  // namespace

void RefreshTuningValues(const std::stop_token&) {
  ClientState& state = State();
  state.LocalVersion = IniFile(state.MainIniPath).ReadInteger("VERSION", "VER", state.LocalVersion);
  const std::string reply = HttpGetStream(DataServletUrl("a_var"));
  if (reply.empty()) return;
  TextList fields;
  SplitText(reply, std::string_view(&FieldSeparator, 1), fields);

  // The first field that is missing or not a number ends the step; those before it stay.
  std::atomic<int>* const targets[] = {&state.NewCheckSteps, &state.BannerSteps,
                                       &state.BannerSeconds, nullptr,
                                       &state.ReloadPasses, &state.NewFetchChecks};
  for (std::size_t i = 0; i < std::size(targets); ++i) {
    int value = 0;
    if (!ParseDecimal(RecordField(fields, i), value)) return;
    if (targets[i] != nullptr) {
      *targets[i] = value;
      continue;
    }
    // The version is kept in memory only; the update step writes it once installed.
    state.UpdateAvailable = state.LocalVersion < value;
    state.LocalVersion = value;
  }
}

}  // namespace velomira::refresh
