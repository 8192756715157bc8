#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <vector>

// A dbus-daemon of the test's own, named as both the system and the session bus for as
// long as it lives (the variables are put back afterwards), with python-dbusmock's logind
// and notification daemon on it when asked. Each mock logs one line per call it gets.
class PrivateBus {
 public:
  PrivateBus();
  ~PrivateBus();
  PrivateBus(const PrivateBus&) = delete;
  PrivateBus& operator=(const PrivateBus&) = delete;

  bool isRunning() const { return !address_.isEmpty(); }
  QString address() const { return address_; }

  // Start the mocks; false when one did not appear on the bus within a few seconds.
  bool startLogind();
  bool startNotifications();

  // Replace a logind Manager method, e.g. with one that raises a D-Bus error.
  bool replaceLogindMethod(const QString& method, const QString& inSignature,
                           const QString& outSignature, const QString& pythonCode);

  // The calls logind received, as "Method arguments" (timestamps cut off), leaving out
  // the mock's own set-up and property reads.
  QStringList logindCalls() const;
  // The body of every notification shown, in order.
  QStringList notifications() const;
  // Waits (bounded) until at least count notifications arrived; returns them.
  QStringList waitForNotifications(qsizetype count, int timeoutMs = 20000) const;
  QStringList waitForLogindCalls(qsizetype count, int timeoutMs = 20000) const;

  QString logindLog() const { return folder_.filePath(QStringLiteral("logind.log")); }

 private:
  bool startMock(const QStringList& arguments, const QString& service);

  QTemporaryDir folder_;
  QProcess daemon_;
  std::vector<std::unique_ptr<QProcess>> mocks_;
  QString address_;
  QByteArray savedSystem_;
  QByteArray savedSession_;
  bool hadSystem_ = false;
  bool hadSession_ = false;
};

// Whether the system bus the environment names is the machine's own (or none is named, so
// the machine's would be used).
bool systemBusIsTheMachines();
