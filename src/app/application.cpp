#include "app/application.h"

#include <QApplication>

#include "app/main_bar.h"
#include "app/session_close.h"
#include "platform/bundled_shutdown.h"
#include "platform/command_launcher.h"
#include "platform/platform_settings.h"
#include "platform/session_end.h"
#include "platform/window_manager.h"
#include "settings/qsettings_store.h"
#include "settings/settings_location.h"
#include "widgets/pictures.h"

Application::Application() {
  QApplication::setWindowIcon(pictureIcon(QStringLiteral("app_icon")));
  const QString section = settingsSectionFor(QCoreApplication::applicationFilePath());
  store_ = std::make_unique<QSettingsStore>(openPlatformSettings(kSettingsApplication, section));
  launcher_ =
      createPlatformLauncher(bundledShutdownProgram(QCoreApplication::applicationDirPath()));
  windowManager_ = createPlatformWindowManager();
  bar_ = std::make_unique<MainBar>(AppServices{*store_, *launcher_, *windowManager_});
  QObject::connect(bar_.get(), &MainBar::closed, qApp, &QCoreApplication::quit);
  sessionEnd_ = closeAtSessionEnd(*bar_);
}

Application::~Application() = default;
