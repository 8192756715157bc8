// This computer's four actions through the real windows, the real launcher and the layer,
// to a logind mocked on a private bus.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "actions/action_catalogue.h"
#include "actions/confirm_action_window.h"
#include "app/main_bar.h"
#include "fake_window_manager.h"
#include "layer_launcher.h"
#include "modal_script.h"
#include "recording_store.h"

namespace {

class LocalActionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(bus.isRunning()) << "dbus-daemon did not start";
    ASSERT_TRUE(bus.startLogind()) << "python3-dbusmock's logind did not start";
    ASSERT_TRUE(bus.startNotifications());
    bar.show();
  }

  // The logind calls that carry an action out; the session look-up that log-off makes
  // first is checked on its own.
  QStringList actionCalls(qsizetype count) const {
    for (QDeadlineTimer deadline(20000);; QTest::qWait(20)) {
      QStringList calls = bus.logindCalls();
      calls.removeIf([](const QString& call) { return call.startsWith("GetSessionByPID "); });
      if (calls.size() >= count || deadline.hasExpired()) return calls;
    }
  }
  qsizetype lookups() const {
    const QStringList calls = bus.logindCalls();
    return std::count_if(calls.cbegin(), calls.cend(),
                         [](const QString& call) { return call.startsWith("GetSessionByPID "); });
  }

  void confirm(const QString& label) {
    bar.setActionLabel(label);
    ModalScript script;
    script.then("OL_HALTDECK_CONFIRM_ACTION_WINDOW", [](QWidget* window) {
      QTest::mouseClick(control<QPushButton>(window, "OK_BUTTON"), Qt::LeftButton);
    });
    script.start();
    openWindow<ConfirmActionWindow>(&bar, bar, store, launcher);
    EXPECT_TRUE(script.finished());
  }

  PrivateBus bus;
  RecordingStore store;
  LayerLauncher launcher;
  FakeWindowManager windowManager;
  MainBar bar{AppServices{store, launcher, windowManager}};
};

const QStringList kLabels = {"SHUTDOWN PC", "RESTART PC", "HIBERNATE PC", "LOGOFF CURRENT USER"};
const QStringList kCalls = {"PowerOff True", "Reboot True", "Hibernate True",
                            "TerminateSession \"c1\""};

TEST_F(LocalActionsTest, OkInTheConfirmWindowMakesExactlyTheActionsOneLogindCall) {
  for (qsizetype i = 0; i < kLabels.size(); ++i) {
    SCOPED_TRACE(kLabels[i].toStdString());
    confirm(kLabels[i]);
    EXPECT_EQ(actionCalls(i + 1), kCalls.mid(0, i + 1));
  }
  // Log-off asked for the session of the layer's own process, and only log-off asked.
  EXPECT_EQ(lookups(), 1);
  EXPECT_TRUE(bus.notifications().isEmpty()) << bus.notifications().join('\n').toStdString();
}

TEST_F(LocalActionsTest, TheCountdownReachingZeroMakesTheActionsLogindCall) {
  for (qsizetype i = 0; i < kLabels.size(); ++i) {
    SCOPED_TRACE(kLabels[i].toStdString());
    const char* buttons[] = {"SHUTDOWN_BUTTON", "RESTART_BUTTON", "HIBERNATE_BUTTON",
                             "LOGOFF_BUTTON"};
    ModalScript script;
    script.then("OL_HALTDECK_AUTOTIMER_WINDOW", [&](QWidget* window) {
      QApplication::setActiveWindow(window);
      QTest::mouseClick(control<QPushButton>(window, buttons[i]), Qt::LeftButton);
      auto* box = control<QLineEdit>(window, "CLOSE_REQUEST_COUNTDOWN_TEXTBOX");
      box->selectAll();
      QTest::keyClick(box, Qt::Key_Backspace);
      QTest::keyClicks(box, "00:00:01");
      QTest::mouseClick(control<QPushButton>(window, "OK_BUTTON"), Qt::LeftButton);
      QMetaObject::invokeMethod(window->findChild<QTimer*>("AUTOTIMER_COUNTER"), "timeout");
    });
    script.start();
    QTest::mouseClick(control<QPushButton>(&bar, "AUTOTIMER_BUTTON"), Qt::LeftButton);
    ASSERT_TRUE(script.finished());
    EXPECT_EQ(actionCalls(i + 1), kCalls.mid(0, i + 1));
  }
}

TEST_F(LocalActionsTest, APolkitRefusalEndsInOneLineForThisComputer) {
  ASSERT_TRUE(bus.replaceLogindMethod("Hibernate", "b", "",
                                      "raise dbus.exceptions.DBusException('Access denied', "
                                      "name='org.freedesktop.DBus.Error.AccessDenied')"));
  confirm("HIBERNATE PC");
  const QStringList shown = bus.waitForNotifications(1);
  ASSERT_EQ(shown.size(), 1);
  EXPECT_TRUE(shown[0].contains("this computer: not allowed: Access denied"))
      << shown[0].toStdString();
}

TEST_F(LocalActionsTest, TheBarsRemoteDialogButtonPointsToOlShutdownGui) {
  QTest::mouseClick(control<QPushButton>(&bar, "MS_SHUTDOWN_GUI_BUTTON"), Qt::LeftButton);
  const QStringList shown = bus.waitForNotifications(1);
  ASSERT_EQ(shown.size(), 1);
  EXPECT_TRUE(shown[0].contains("use OL-SHUTDOWN-GUI on the bar")) << shown[0].toStdString();
  EXPECT_TRUE(bus.logindCalls().isEmpty());
}

TEST(LocalActionsWithoutLogind, EndInOneLineSayingLogindIsNotRunning) {
  PrivateBus bus;
  ASSERT_TRUE(bus.isRunning());
  ASSERT_TRUE(bus.startNotifications());
  LayerLauncher launcher;
  runLocalAction("SHUTDOWN PC", launcher);
  const QStringList shown = bus.waitForNotifications(1);
  ASSERT_EQ(shown.size(), 1);
  EXPECT_TRUE(shown[0].contains("this computer: logind is not running")) << shown[0].toStdString();
}

}  // namespace
