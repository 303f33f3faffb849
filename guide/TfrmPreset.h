#pragma once
// The preset window: the member's presets, which the member can check and delete, and
// the five programs members preset most, which can be watched at once or preset.
#include <string>
#include <vector>

#include "GuideWindow.h"
#include "core/ServletRequests.h"

class QComboBox;

namespace velomira {

class PresetListPanel;
class THoverImage;

// True from the preset window's creation until it closes; the "starts now" box of an
// alarm reloads the window's list while it is set.
extern bool PresetWindowOpen;

class TfrmPreset : public GuideWindow {
  Q_OBJECT
 public:
  explicit TfrmPreset(MainWindowHost& host);
  ~TfrmPreset() override;

  // The member's presets from the service into the list and into State().PresetTable.
  // Asked while a request runs, it follows once that request is done.
  void ReloadPresetList();
  // A top-5 program chosen: ended ones are only named so, one on air opens in the
  // browser, an upcoming one is offered as a preset.
  void CmbTopChange(int index);
  // Deletes the checked presets and shows what the service still holds.
  void imgDeleteClick();

  const std::vector<TopPreset>& TopPrograms() const { return top_; }

  QComboBox* CmbTop;
  THoverImage* imgDelete;
  PresetListPanel* List;

 protected:
  void Opened() override;

 private:
  void TopLoaded(const std::string& reply);
  void PresetListLoaded(const std::string& reply);
  void OfferTopPreset(const TopPreset& program, const std::string& startText);

  std::vector<TopPreset> top_;
  bool reloadPending_ = false;
  bool quietFailure_ = false;
  bool closed_ = false;  // a failure already told for the request chain under way
};

}  // namespace velomira
