#pragma once
// A main window on a temporary installation, talking to a canned service, with the
// clocks fixed at 2026-12-10 21:31 (UTC and local alike, member offset 0).
#include <gtest/gtest.h>

#include <QDialog>
#include <QPointer>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include "ReplyTexts.h"
#include "mainwin/TfrmMain.h"
#include "support/CannedService.h"
#include "support/ShortRequestTimeouts.h"

namespace velomira::test {

// Answers every modal box that comes up while it lives: the alarm bubble is clicked,
// a question gets `answer`, notices and alerts are closed. Counts what it answered.
class ModalAnswerer {
 public:
  explicit ModalAnswerer(int answer = 1);
  ~ModalAnswerer();
  int Questions() const { return questions_; }
  int Alarms() const { return alarms_; }
  const QStringList& Alerts() const { return alerts_; }  // the alert boxes' messages

 private:
  QTimer timer_;
  int answer_;
  int questions_ = 0;
  int alarms_ = 0;
  QStringList alerts_;
};

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Creates the main window (not shown) with these hooks.
  TfrmMain* Create(MainWindowHooks hooks = {});
  // The URL list of category 1-9: line 0 answers with `reply` at /list/<category>.
  void ServeCategory(int category, const std::string& reply);
  void SetClock(int year, int month, int day, int hour, int minute);
  // Runs the event loop for a short while (deferred deletes, single shots).
  static void Settle(int ms = 20);
  // Lets the requests the window started end and their replies arrive, and those the
  // replies started in turn.
  static void FinishRequests();
  // A category picture click and a ticker step, each with the replies they asked for.
  static void Choose(TfrmMain* window, int category);
  static void Tick(TfrmMain* window);

  QTemporaryDir dir_;
  CannedService service_;
  QPointer<TfrmMain> window_;
};

}  // namespace velomira::test
