#pragma once
// Enter (either key) in a keyword field runs the search, but only while the field and
// its search button are enabled; the key goes no further either way.
#include <functional>

class QLineEdit;
class QWidget;

namespace velomira {

void SearchOnEnter(QLineEdit* field, QWidget* searchButton, std::function<void()> search);

}  // namespace velomira
