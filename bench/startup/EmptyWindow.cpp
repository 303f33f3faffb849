// The baseline: the least a Qt Widgets program does to show a window.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle("Velomira Bench Empty");
  window.resize(290, 360);
  window.show();
  return QApplication::exec();
}
