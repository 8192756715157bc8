// The program as it starts, ending itself once its bar has shown its first frame.
#include "app/application.h"
#include "app/main_bar.h"
#include "first_frame_report.h"

int main(int argc, char* argv[]) {
  QApplication qtApplication(argc, argv);
  Application application;
  new FirstFrameReport(&application.bar());
  application.bar().show();
  return QApplication::exec();
}
