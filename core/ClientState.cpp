#include "ClientState.h"

namespace velomira {

namespace {
ClientState* g_state = new ClientState;  // lives until the process ends
}

ClientState& State() { return *g_state; }

void ResetState() {
  // The old state may still be read by a finished refresh run's leftovers in tests;
  // leaking it is cheaper and safer than freeing it under a reader.
  g_state = new ClientState;
}

}  // namespace velomira
