#pragma once
// The member's channels as a small drop list beside the channel window's "My channels"
// button: ten names at a time over a tinted copy of what lies behind, stepped with
// the arrows above and below; choosing one opens its programs. One list at a time;
// the main window closes it when it comes to the front again.
#include <QWidget>
#include <functional>
#include <string>

#include "core/ServletRequests.h"

class QPoint;

namespace velomira {

class THoverImage;
class TImage;

class TfrmChannelList : public QWidget {
  Q_OBJECT
 public:
  using ChooseChannel = std::function<void(const std::string& channelId)>;

  // Closes a list that is still open and shows a new one with its top-left corner at
  // corner (screen coordinates), above owner's window. channels must not be empty.
  static TfrmChannelList* Open(QWidget* owner, const ChannelEntries& channels, const QPoint& corner,
                               ChooseChannel choose);
  static void CloseOpenList();
  static TfrmChannelList* OpenList();  // the live list, or null

  int ItemCount() const { return itemCount_; }
  int NowIndex() const { return nowIndex_; }
  // The first channel shown; the arrows allow only what can be stepped to.
  void SetNowIndex(int index);

  THoverImage* imgUp;
  TImage* PnlChannelList;
  THoverImage* imgDown;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  TfrmChannelList(QWidget* owner, const ChannelEntries& channels, ChooseChannel choose);
  void PlaceLabels();

  int itemCount_ = 0;
  int nowIndex_ = 0;
  ChooseChannel choose_;
};

}  // namespace velomira
