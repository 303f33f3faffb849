#pragma once
// Limits of every service request (the request functions themselves are in dFunc.h).
namespace velomira {

// A request gives up when connecting takes longer than ConnectSeconds or when nothing
// arrives for IdleSeconds, so a silent server cannot freeze a window. Defaults: 30, 60.
// Tests shorten both; the program never changes them.
void SetRequestTimeoutsForTests(long connectSeconds, long idleSeconds);

}  // namespace velomira
