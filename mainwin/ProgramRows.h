#pragma once
// The rows of one program record, as the main list and the guide windows show them:
// station icon, title "T"n, media picture, weekday pictures, time "D"n, description
// "Z"n and the station line "S"n (with the second name "H"n on the same line). The
// lists differ only in places, colours and pictures (ProgramRowStyle); lighting,
// clicking and the usage lines are the same everywhere.
#include <QColor>
#include <QFont>
#include <functional>
#include <string>

#include "RowTexts.h"

class QWidget;

namespace velomira {

class THoverLabel;

struct ProgramRowStyle {
  QFont TitleFont, TextFont;  // TextFont also measures where the second name starts
  QColor TitleColor, TextColor, ClickColor, EnterColor;
  int LabelGap = 0;     // each label lies this far below the running y
  int PictureDrop = 2;  // icon and weekday pictures below the running y
  int MediaDrop = 2;    // media picture below the running y after the title
  int WrapWidth = 246;  // time and description labels wrap at this width
  int RowGap = 10;      // after the station line
  // The media picture file for field 2 (empty for none).
  std::function<std::string(const std::string& mediaLetter)> MediaPicture;
  // The page a title, time or description label opens for field 13 and field 6.
  std::function<std::string(const std::string& kind, const std::string& address)> ProgramLink;
};

class ProgramRowBuilder {
 public:
  // hook runs for every label made (to connect the list's handlers).
  ProgramRowBuilder(QWidget* area, ProgramRowStyle style, std::function<void(THoverLabel*)> hook);

  // Builds the rows of record n (its split fields) in the area from y on; returns the
  // running y below them (RowGap included). Pictures that do not exist are skipped.
  int Build(int n, const ProgramFields& fields, int y) const;

  const ProgramRowStyle& Style() const { return style_; }

  // The parts rows are made of, for lists that show a reduced row: a label named name
  // with tag n, LabelGap below y (y then grows by its height; wrapWidth 0 for one line),
  // in the title or text font and colour; a picture with tag n and the arrow cursor,
  // skipped when the file does not exist.
  THoverLabel* AddLabel(const std::string& name, const std::string& caption, const std::string& link,
                        const std::string& hint, bool title, int wrapWidth, int left, int& y, int n) const;
  void AddPicture(const std::string& folder, const std::string& file, int left, int top, int n) const;

 private:
  QWidget* area_;
  ProgramRowStyle style_;
  std::function<void(THoverLabel*)> hook_;
};

// The row label letter + n in area (direct children only), or null.
THoverLabel* FindRowLabel(const QWidget* area, char letter, int n);
// Mouse enter and leave: a "T", "D" or "Z" label lights the other two of its row.
void LightRowPartners(const QWidget* area, const THoverLabel* label, bool entered);
// After a click: the other two of the row are marked clicked as well.
void ClickRowPartners(const QWidget* area, const THoverLabel* label);

// A click on a row label of record `fields`, after the label opened its page: a label
// without a page offers the preset (when offerPreset) with characters 2 to 8 of the
// row's time label and reloads the member's presets in the background; a "T", "D" or
// "Z" label adds a "program," line to the usage log; then the partners are marked.
// The label may be gone when this returns (the question runs the event loop).
void ProgramRowClicked(QWidget* area, THoverLabel* label, const ProgramFields& fields, bool offerPreset);

// The hint a title, time and description label carries (what a click logs).
std::string RowHintOf(const QObject* label);

}  // namespace velomira
