#include "PresetOpeners.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThread>

#include "TfrmC2.h"
#include "TfrmPreset.h"
#include "WindowOpeners.h"
#include "mainwin/Tfrmalertalam.h"

namespace velomira {

namespace {

// The live window of each kind; cleared when the window is freed.
QPointer<TfrmPreset> frmPreset;
QPointer<TfrmC2> frmC2;

void OpenPresetWindow(MainWindowHost& host) { OpenOnce(frmPreset, host); }

void OpenSubCategoryPicker(MainWindowHost& host, int category, QWidget* button) {
  if (frmC2) {
    frmC2->Replace();
    // The old pop-up leaves the screen before the new one captures its backdrop.
    QCoreApplication::processEvents();
    QThread::msleep(1);
  }
  frmC2 = new TfrmC2(host, category, button);
  frmC2->show();
}

}  // namespace

void AddPresetOpeners(MainWindowHooks& hooks) {
  HandleFunctionWindow(hooks, FunctionWindow::Preset, OpenPresetWindow);
  hooks.OpenSubCategoryPicker = OpenSubCategoryPicker;
  AddCloseSideWindows(hooks, [] {
    if (frmC2) frmC2->MainWindowActivated();
  });
  PresetWindowReload = [] {
    if (PresetWindowOpen && frmPreset) frmPreset->ReloadPresetList();
  };
}

}  // namespace velomira
