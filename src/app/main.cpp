#include <QApplication>
#include <QIcon>

#include "actions/command_launcher.h"
#include "app/main_bar.h"
#include "app/window_manager.h"
#include "settings/qsettings_store.h"
#include "settings/settings_location.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/app_icon.svg")));

  const QString section = settingsSectionFor(QCoreApplication::applicationFilePath());
  QSettingsStore store(openPlatformSettings(kSettingsApplication, section));
  const auto launcher = createPlatformLauncher();
  const auto windowManager = createPlatformWindowManager();

  MainBar bar(AppServices{store, *launcher, *windowManager});
  QObject::connect(&bar, &MainBar::closed, &app, &QCoreApplication::quit);
  bar.show();
  return app.exec();
}
