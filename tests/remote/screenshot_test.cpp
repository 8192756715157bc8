#include "remote_windows.h"

// Saves pictures of both remote windows for the documentation when HALTDECK_SCREENSHOT_DIR
// names a folder; otherwise there is nothing to do.
TEST_F(RemoteWindowsTest, SavesScreenshotsWhenAskedTo) {
  const QString folder = qEnvironmentVariable("HALTDECK_SCREENSHOT_DIR");
  if (folder.isEmpty()) GTEST_SKIP() << "HALTDECK_SCREENSHOT_DIR is not set";
  store.preset(keyName(Setting::SimplePcName), QStringLiteral("PC01"));
  store.preset(keyName(Setting::SimpleShutdown), QStringLiteral("1"));
  for (int n : {1, 2, 16, 30}) {
    store.preset(keyName(Setting::RowPcName, n), QStringLiteral("PC%1").arg(n, 2, 10, QChar(u'0')));
    store.preset(keyName(Setting::RowBatchRun, n), QStringLiteral("1"));
    store.preset(keyName(n == 2 ? Setting::RowRestart : Setting::RowShutdown, n),
                 QStringLiteral("1"));
  }
  insideSimple([&](QWidget* w) {
    click(w, QStringLiteral("RUN_SSS_BUTTON"));
    saveScreenshot(w, "sgui_simple");
  });
  insideAdvanced([&](QWidget* w) {
    click(w, QStringLiteral("ABORT_ALL_BUTTON"));
    saveScreenshot(w, "sgui_advanced");
  });
}
