#include <QApplication>

#include "app/application.h"
#include "app/main_bar.h"

int main(int argc, char* argv[]) {
  QApplication qtApplication(argc, argv);
  Application application;
  application.bar().show();
  return QApplication::exec();
}
