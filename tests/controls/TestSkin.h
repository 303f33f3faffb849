#pragma once
// A throwaway skin drawn into a temporary folder; State()'s picture folders point at
// it for the life of the object.
#include <QColor>
#include <QSize>
#include <QTemporaryDir>
#include <string>

namespace velomira::test {

class TestSkin {
 public:
  TestSkin();
  ~TestSkin();
  // Draws a GIF of one colour into the folder (a State() folder such as ButtonDir).
  static void Draw(const std::string& folder, const std::string& name, QSize size,
                   QColor color);
  std::string Folder() const;

 private:
  QTemporaryDir dir_;
};

}  // namespace velomira::test
