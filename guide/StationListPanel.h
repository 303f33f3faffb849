#pragma once
// The stations a channel search found, as rows of the program list panel: the
// hidden channel ID "L"n, the station name "T"n, its description "D"n and its address
// "U"n (a link). The name, description and ID open the station; the count of stations
// heads the first page.
#include <functional>
#include <string>

#include "ProgramListPanel.h"

namespace velomira {

class StationListPanel : public ProgramListPanel {
  Q_OBJECT
 public:
  StationListPanel(GuideWindow& window, QWidget* parent, PagingState& paging, const ProgramListPlaces& places);

  // A search that found nothing: the count header with 0 over page 1 of 1.
  void ShowNoneFound();

  // A row was clicked to open its station (the "station," line is logged already).
  std::function<void(const std::string& channelId)> OpenStation;

 protected:
  int BuildRecordRow(int n, const ProgramFields& fields, int y) override;
  std::pair<std::size_t, std::size_t> PageFields() const override { return {4, 5}; }
  void RowLabelClicked(THoverLabel* label) override;

 private:
  int PlaceCount(std::size_t count);
};

}  // namespace velomira
