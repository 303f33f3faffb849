#pragma once
// A ringing preset alarm as a desktop notification (org.freedesktop.Notifications on
// the session bus), with an "Open" action that opens the program's page in the member's
// browser. Without a notification service nothing happens; the alarm's own bubble is
// there anyway. Texts are core texts (Windows-1252). UI thread only.
#include <string>

namespace velomira {

struct AlarmNotice {
  std::string Title;
  std::string Station;    // empty when the preset names none
  std::string StartTime;  // "09:32pm"
  std::string Address;    // the program page the action opens
};

// Sends the notification without waiting for the service's answer.
void NotifyAlarm(const AlarmNotice& notice);

// True when a notification service runs or the bus can start one.
bool NotificationServiceAvailable();

}  // namespace velomira
