#pragma once
// The sub-category popup of one category: "All of the below " and a check box per
// sub-category (the member's own ones checked), OK and Cancel. OK makes the checked
// sub-categories the member's selection of the category, or the whole category when
// none is checked.
#include <QDialog>
#include <string>
#include <vector>

namespace velomira {

class CaptionLeftCheck;
class THoverImage;
class Tfrm_edit;

class Tfrm_cate2 : public QDialog {
  Q_OBJECT
 public:
  // position: the category's place in CategoryTable (1-9).
  Tfrm_cate2(Tfrm_edit& editor, int position, QWidget* parent);

  // Sends the checked sub-categories and closes once the reply is in.
  void OkClick();
  // What OK sends: "code:sub," per checked box, or "code:*".
  std::string CheckedCates() const;

  int ServiceCode() const { return serviceCode_; }

  CaptionLeftCheck* AllOfTheBelow;
  std::vector<CaptionLeftCheck*> SubCategories;  // tag: the sub-category's code
  THoverImage* imgOk;
  THoverImage* imgCancel;

 private:
  CaptionLeftCheck* MakeCheck(const char* name, const std::string& caption, int top);
  void PreCheck();

  Tfrm_edit& editor_;
  int serviceCode_;
};

}  // namespace velomira
