#include "ClientState.h"

#include <vector>

namespace velomira {

namespace {
ClientState* g_state = new ClientState;  // lives until the process ends
}

ClientState& State() { return *g_state; }

void ResetState() {
  // The old state may still be read by a finished refresh run's leftovers in tests;
  // keeping it is cheaper and safer than freeing it under a reader. It stays reachable
  // from here, so leak checks see it as kept, not lost.
  static auto* retired = new std::vector<ClientState*>;
  retired->push_back(g_state);
  g_state = new ClientState;
}

}  // namespace velomira
