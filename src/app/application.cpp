#include "app/application.h"

#include <QApplication>
#include <QIcon>

#include "actions/command_launcher.h"
#include "app/main_bar.h"
#include "app/window_manager.h"
#include "platform/bundled_shutdown.h"
#include "settings/qsettings_store.h"
#include "settings/settings_location.h"

Application::Application() {
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/app_icon.svg")));
  const QString section = settingsSectionFor(QCoreApplication::applicationFilePath());
  store_ = std::make_unique<QSettingsStore>(openPlatformSettings(kSettingsApplication, section));
  launcher_ =
      createPlatformLauncher(bundledShutdownProgram(QCoreApplication::applicationDirPath()));
  windowManager_ = createPlatformWindowManager();
  bar_ = std::make_unique<MainBar>(AppServices{*store_, *launcher_, *windowManager_});
  QObject::connect(bar_.get(), &MainBar::closed, qApp, &QCoreApplication::quit);
}

Application::~Application() = default;
