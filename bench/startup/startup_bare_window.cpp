// The floor: the smallest Qt Widgets program that shows a window of the bar's size.
#include "first_frame_report.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowFlags(Qt::Tool);
  window.setFixedSize(161, 41);
  new FirstFrameReport(&window);
  window.show();
  return QApplication::exec();
}
