// A stored "2" (a greyed check box, which a hand-edited store may hold) shows greyed; the
// user's clicks then only tick and clear the box, and Save writes "0" or "1", never "2".
#include "remote_windows.h"

namespace {

struct GreyedBox {
  WindowId window;
  SettingKey key;
};

class GreyedTicksTest : public RemoteWindowsTest {
 protected:
  void insideWindow(WindowId window, const std::function<void(QWidget*)>& body) {
    window == WindowId::SguiSimple ? insideSimple(body) : insideAdvanced(body);
  }
};

TEST_F(GreyedTicksTest, ClicksOnAGreyedBoxTickAndClearItAndSaveNeverWritesTwo) {
  const GreyedBox boxes[] = {
      {WindowId::SguiSimple, settingKey(Setting::SimpleForce)},
      {WindowId::SguiSimple, settingKey(Setting::SimpleShutdown)},
      {WindowId::SguiAdvanced, settingKey(Setting::RowForce, 7)},
      {WindowId::SguiAdvanced, settingKey(Setting::RowBatchRun, 30)},
  };
  // What Save writes after 0, 1, 2 and 3 clicks; a box still greyed is not ticked.
  const QString savedAfter[] = {"0", "1", "0", "1"};
  const Qt::CheckState shownAfter[] = {Qt::PartiallyChecked, Qt::Checked, Qt::Unchecked,
                                       Qt::Checked};
  for (const GreyedBox& box : boxes) {
    for (int clicks = 0; clicks < 4; ++clicks) {
      SCOPED_TRACE(box.key.name.toStdString() + " clicked " + std::to_string(clicks) + " times");
      store.preset(box.key.name, QStringLiteral("2"));
      insideWindow(box.window, [&](QWidget* window) {
        QCheckBox* tick = control<QCheckBox>(window, box.key.name);
        for (int click = 1; click <= clicks; ++click) {
          clickTick(tick);
          EXPECT_EQ(tick->checkState(), shownAfter[click]) << "after click " << click;
        }
        EXPECT_EQ(tick->checkState(), shownAfter[clicks]);
        click(window, QStringLiteral("SAVE_BUTTON"));
      });
      EXPECT_EQ(store.value(box.key.name), savedAfter[clicks]);
    }
  }
}

TEST_F(GreyedTicksTest, AGreyedForceRunsNothingUntilAClickTicksIt) {
  store.preset(keyName(Setting::SimplePcName), QStringLiteral("PC1"));
  store.preset(keyName(Setting::SimpleShutdown), QStringLiteral("1"));
  store.preset(keyName(Setting::SimpleForce), QStringLiteral("2"));
  insideSimple([&](QWidget* window) {
    click(window, QStringLiteral("RUN_SSS_BUTTON"));
    EXPECT_TRUE(launcher.launches.isEmpty());
    clickTick(window, keyName(Setting::SimpleForce));
    click(window, QStringLiteral("RUN_SSS_BUTTON"));
    EXPECT_EQ(launcher.commandLines(), QStringList{R"(shutdown /s /f /m \\PC1 /t 30)"});
  });
}

}  // namespace
