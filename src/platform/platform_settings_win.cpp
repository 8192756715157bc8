#include "platform/platform_settings.h"

// The registry area that the Windows program-settings functions (GetSetting/SaveSetting)
// use, so values other programs stored there through them are read as they are.
std::unique_ptr<QSettings> openPlatformSettings(const QString& application,
                                                const QString& section) {
  const QString path =
      QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\") + application +
      u'\\' + section;
  return std::make_unique<QSettings>(path, QSettings::NativeFormat);
}
