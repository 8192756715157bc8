// Remote lines through the real windows, the real launcher, the layer and the real `net`,
// to a real smbd on loopback whose shutdown scripts record what arrives. Failures show up
// as notifications on the test's private bus.
#include <gtest/gtest.h>

#include <unistd.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

#include "layer_launcher.h"
#include "remote_windows.h"
#include "samba_server.h"

namespace {

// Once per test process, before anything is started: a network of our own when the
// machine allows it, so nothing the layer looks up or sends leaves this process's tree.
bool inPrivateNetwork() {
  static const bool entered = geteuid() == 0 && enterPrivateNetwork();
  return entered;
}

class RemoteActionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (geteuid() != 0) GTEST_SKIP() << "smbd runs as root only";
    if (!inPrivateNetwork() && loopbackPort445InUse()) {
      GTEST_SKIP() << "no private network, and 127.0.0.1:445 is taken";
    }
    ASSERT_TRUE(home.isValid());
    ASSERT_TRUE(bus.isRunning());
    ASSERT_TRUE(bus.startNotifications());
    server = std::make_unique<SambaServer>();
    ASSERT_TRUE(server->problem().isEmpty()) << server->problem().toStdString();
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
    qputenv("KRB5CCNAME", QFile::encodeName("FILE:" + home.filePath("no-ticket")));
    ASSERT_TRUE(QDir(home.path()).mkpath(configFolder()));
    server->writeCredentials(configFolder());
  }
  void TearDown() override {
    qunsetenv("XDG_CONFIG_HOME");
    qunsetenv("KRB5CCNAME");
  }

  QString configFolder() const { return home.filePath("OL_HALTDECK"); }

  void presetRow(int row, const QString& name, bool batch, bool shutdown, bool restart,
                 bool force) {
    const auto tick = [](bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); };
    store.preset(keyName(Setting::RowPcName, row), name);
    store.preset(keyName(Setting::RowBatchRun, row), tick(batch));
    store.preset(keyName(Setting::RowShutdown, row), tick(shutdown));
    store.preset(keyName(Setting::RowRestart, row), tick(restart));
    store.preset(keyName(Setting::RowForce, row), tick(force));
  }

  // Runs the simple window's one row and returns the one notification it ends in.
  QString runSimple(const QString& name, const QString& timeout) {
    const qsizetype before = bus.notifications().size();
    inside(
        WindowId::SguiSimple, [&] { openWindow<SguiSimple>(nullptr, store, launcher); },
        [&](QWidget* w) {
          control<QLineEdit>(w, keyName(Setting::SimplePcName))->setText(name);
          control<QLineEdit>(w, keyName(Setting::ShutdownTimeout))->setText(timeout);
          auto* shutdown = control<QCheckBox>(w, keyName(Setting::SimpleShutdown));
          if (!shutdown->isChecked()) clickTick(shutdown);
          click(w, QStringLiteral("RUN_SSS_BUTTON"));
        });
    const QStringList shown = bus.waitForNotifications(before + 1);
    EXPECT_EQ(shown.size(), before + 1) << name.left(40).toStdString();
    return shown.value(before);
  }

  QTemporaryDir home;
  PrivateBus bus;
  std::unique_ptr<SambaServer> server;
  RecordingStore store;
  LayerLauncher launcher;
};

TEST_F(RemoteActionsTest, BatchRunArrivesAsTheRowsAskForAForcedRestartAsAForcedReboot) {
  presetRow(3, "localhost", true, false, true, true);
  presetRow(17, "127.0.0.1", true, false, true, true);
  presetRow(20, "LOCALHOST", true, true, false, false);
  presetRow(5, "localhost", false, true, true, true);  // not marked for the batch
  store.preset(keyName(Setting::ShutdownTimeout), "30");
  inside(
      WindowId::SguiAdvanced, [&] { openWindow<SguiAdvanced>(nullptr, store, launcher); },
      [](QWidget* w) {
        clickTick(control<QCheckBox>(w, QStringLiteral("ENABLE_BATCH_RUN_TICKBOX")));
        click(w, QStringLiteral("BATCH_RUN_BUTTON"));
      });
  EXPECT_EQ(launcher.launched.size(), 3);
  QStringList records = server->waitForRecords(3);
  records.sort();
  EXPECT_EQ(records, (QStringList{"shutdown", "shutdown -r -f", "shutdown -r -f"}));
  EXPECT_TRUE(bus.notifications().isEmpty()) << bus.notifications().join('\n').toStdString();
}

TEST_F(RemoteActionsTest, AbortAllArrivesAsAbortsAndEveryEmptyRowSaysSo) {
  presetRow(1, "localhost", false, true, false, false);
  presetRow(2, "127.0.0.1", false, false, true, true);
  presetRow(30, "localhost", false, false, false, false);
  inside(
      WindowId::SguiAdvanced, [&] { openWindow<SguiAdvanced>(nullptr, store, launcher); },
      [](QWidget* w) { click(w, QStringLiteral("ABORT_ALL_BUTTON")); });
  EXPECT_EQ(launcher.launched.size(), 30);
  EXPECT_EQ(server->waitForRecords(3), (QStringList{"abort", "abort", "abort"}))
      << server->diagnostics().toStdString();
  const QStringList shown = bus.waitForNotifications(27);
  EXPECT_EQ(shown.size(), 27);
  for (const QString& notice : shown) {
    EXPECT_TRUE(notice.contains("\\\\: no computer name given")) << notice.toStdString();
  }
}

TEST_F(RemoteActionsTest, HostileNamesAndTimeoutsEndInAClearFailureAndReachNoServer) {
  struct Case {
    QString name;
    QString timeout;
    const char* failure;
  };
  const QString tenThousand(10000, u'A');
  QList<Case> cases = {
      {"", "30", "\\\\: no computer name given"},
      {"a=b", "30", "\\\\a=b: a computer name cannot hold \"=\""},
      {"PC 01", "30", "\\\\PC: unexpected argument \"01\""},
      {"localhost; reboot", "30", "\\\\localhost;: a computer name cannot hold \";\""},
      {"$(reboot)", "30", "\\\\$(reboot): a computer name cannot hold \"$\""},
      {"\"localhost\"", "30", "cannot hold \"\\\""},
      {"'localhost'", "30", "cannot hold \"'\""},
      {tenThousand, "30", "a computer name has at most 253 characters"},
      {"localhost", "315360001",
       "\\\\localhost: the delay \"315360001\" is not a number of "
       "seconds from 0 to 315360000"},
      {"localhost", "-1", "the delay \"-1\" is not a number"},
      {"localhost", "30 /r", "\\\\localhost: more than one action given"},
      {"localhost", "30 x", "unexpected argument \"x\""},
      {"localhost", "", "\\\\localhost: /t needs a number of seconds"},
  };
  // Names that are well formed but name no computer go to net and its look-ups, which
  // only a private network keeps in.
  if (inPrivateNetwork()) {
    cases.append({"-r", "30", "\\\\-r: cannot be found on the network"});
    cases.append({"--help", "30", "\\\\--help: cannot be found on the network"});
  }
  for (const Case& c : cases) {
    EXPECT_TRUE(runSimple(c.name, c.timeout).contains(QLatin1String(c.failure)))
        << c.name.left(40).toStdString() << " / " << c.timeout.toStdString();
  }
  EXPECT_TRUE(server->records().isEmpty()) << server->records().join('\n').toStdString();
}

TEST_F(RemoteActionsTest, CredentialsAndRefusalsEachEndInOneClearLine) {
  const QString credentials = QDir(configFolder()).filePath("remote-credentials");
  struct Case {
    const char* line;
    std::function<void()> arrange;
    const char* failure;
  };
  const Case cases[] = {
      {"shutdown /g /f /m \\\\localhost /t 30",
       [&] { server->writeCredentials(configFolder(), "wrong"); },
       "\\\\localhost: the user name or password was refused"},
      {"shutdown /g /f /m \\\\localhost /t 30",
       [&] { QFile::setPermissions(credentials, QFile::ReadOwner | QFile::ReadOther); },
       "can be read or changed by others; run chmod 600 on it"},
      {"shutdown /a /m \\\\localhost", [&] { QFile::remove(credentials); },
       "\\\\localhost: no credentials: get a Kerberos ticket with kinit"},
      {"shutdown /s /m \\\\127.0.0.2 /t 30", [&] { server->writeCredentials(configFolder()); },
       "\\\\127.0.0.2: refused the connection"},
  };
  for (const Case& c : cases) {
    c.arrange();
    const qsizetype before = bus.notifications().size();
    launcher.launch(c.line, WindowStyle::Hidden);
    const QStringList shown = bus.waitForNotifications(before + 1);
    ASSERT_EQ(shown.size(), before + 1) << c.line;
    EXPECT_TRUE(shown.last().contains(QLatin1String(c.failure))) << shown.last().toStdString();
  }
  EXPECT_TRUE(server->records().isEmpty());
}

TEST_F(RemoteActionsTest, WithoutNetTheLineSaysWhichPackageBringsIt) {
  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", QFile::encodeName(home.path()));
  launcher.launch("shutdown /s /m \\\\localhost /t 30", WindowStyle::Hidden);
  qputenv("PATH", path);
  const QStringList shown = bus.waitForNotifications(1);
  ASSERT_EQ(shown.size(), 1);
  EXPECT_TRUE(
      shown[0].contains("\\\\localhost: Samba's net is not installed (Debian package "
                        "samba-common-bin)"))
      << shown[0].toStdString();
}

}  // namespace
