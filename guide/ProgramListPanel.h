#pragma once
// The program list of a guide window: the records of the last reply kept as raw text,
// at most five of them shown as rows from the scroll bar's position, a header the
// window places at position 0, and a paging bar that repeats the window's last
// request for another page. The window supplies its requests and headers; everything
// else about the rows (labels, pictures, lighting, clicks, usage lines, page rules)
// happens here.
#include <QObject>
#include <QRect>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "mainwin/ProgramRows.h"

class QLabel;
class QScrollBar;
class QWidget;

namespace velomira {

class GuideWindow;
class THoverImage;
class THoverLabel;
class TImage;

// The page numbers of a window kind; they outlive the window, like the query values
// each window keeps beside them.
struct PagingState {
  int CurrentPage = 1;
  int TotalPages = 1;
};

struct ProgramListPlaces {
  QRect List;                          // the list area, in the parent's coordinates
  QRect Paging;                        // the paging bar, in the parent's coordinates
  const char* ListName = "PnlInfo";
  const char* PagingBarName = "Panel1";
  const char* PageLabelName = "Pagelbl";
  int PictureDrop = 8;                 // icon and weekday pictures below the running y
  bool HomeButton = false;             // a "btn_home.gif" before the paging buttons
};

class ProgramListPanel : public QObject {
  Q_OBJECT
 public:
  enum class LoadResult { Failed, Empty, Loaded };

  // Builds the list area, the scroll bar right of it and the paging bar inside parent.
  ProgramListPanel(GuideWindow& window, QWidget* parent, PagingState& paging, const ProgramListPlaces& places);
  ~ProgramListPanel() override;

  // ---- What the window supplies ----
  // Places the window's header at position 0 (with AddHeaderLabel and friends) and
  // returns the y the rows start at; without it the rows start at 23.
  std::function<int()> PlaceHeader;
  // The window's last request again, for another page (the page bar's clicks): called
  // on the UI thread, it returns the work that sends it (run off the UI thread, so it
  // captures the values it needs by copy).
  using RequestWork = std::function<std::string()>;
  std::function<RequestWork(int page)> PageRequest;
  // A page reply that holds no records (the window shows its empty view). Without it
  // the list is just left empty.
  std::function<void()> ShowEmpty;
  // The first record shown at position 0 (the channel window's header shows record 0).
  int FirstRecord = 0;
  // Replies whose first three characters are not a non-zero number count as failed
  // (the windows that say so); otherwise an empty reply or an error code does.
  bool StatusMustBeNumeric = false;

  // ---- Loading ----
  // A reply into the list: Failed shows "Please try again later." and keeps the list
  // as it was; Empty clears the list (the window shows its empty view); Loaded sets
  // the scroll bar to the records and builds the rows.
  LoadResult Load(const std::string& reply);
  // Rows, header and records go; the scroll bar goes back to 0.
  void Clear();
  // Rows and header go; the records stay.
  void ClearRows();
  // The rows of the scroll bar's position (run by every scroll bar change).
  void BuildRows();
  // Paging buttons 1-4: first, previous, next, end, by the page rules.
  void PagingClick(int tag);
  // The page label shows current / total.
  void ShowPage();
  // A page of page 1 of 1 (the empty views).
  void ResetPages();

  // ---- For headers and empty views: controls that go with the rows ----
  QLabel* AddHeaderLabel(const std::string& text, int x, int y, const QColor& color, bool bold = true,
                         int pixelSize = 11, int wrapWidth = 0);
  TImage* AddHeaderPicture(const std::string& folder, const std::string& file, int x, int y);

  const std::vector<std::string>& Records() const { return records_; }
  PagingState& Paging() { return paging_; }
  GuideWindow& Window() { return window_; }

  QWidget* PnlInfo;        // the list area (named by the places)
  QScrollBar* scbPreset;
  QWidget* PagingBar;
  std::array<THoverImage*, 4> PagingButtons;  // btn_first .. btn_end, tags 1-4
  THoverImage* HomeButton = nullptr;          // when the places ask for one
  QLabel* PageLabel;

 signals:
  void HomeClicked();

 protected:
  // One record's rows from y; returns the y below them. Program rows by default; the
  // station list of the channel window shows its own.
  virtual int BuildRecordRow(int n, const ProgramFields& fields, int y);
  // Which fields hold the current page and the total (17 and 18 in program records).
  virtual std::pair<std::size_t, std::size_t> PageFields() const { return {17, 18}; }
  // The label handlers every row label gets.
  void ConnectRowLabel(THoverLabel* label);
  virtual void RowLabelClicked(THoverLabel* label);

 private:
  void ScrollChanged();

  GuideWindow& window_;
  PagingState& paging_;
  std::vector<std::string> records_;
  ProgramRowBuilder rows_;
  bool scrollAttached_ = true;
};

// A page field of a reply: a number, or 1 for anything else.
int PageNumber(const std::string& field);
// The page a paging button (1-4) asks for, or 0 when it asks for none; never below 1
// or above the total, whatever the reply's page fields said.
int PageForButton(int tag, int currentPage, int totalPages);

}  // namespace velomira
