#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A real smbd on loopback port 445, from a private smb.conf whose shutdown and abort
// scripts record what they receive, one line each: "shutdown -r -f" (the reboot and force
// flags as the client sent them) or "abort". A user root with the password "secret" may
// log on. Started in a session of its own and stopped by its pid: smbd signals its whole
// process group when it ends.
class SambaServer {
 public:
  SambaServer();
  ~SambaServer();
  SambaServer(const SambaServer&) = delete;
  SambaServer& operator=(const SambaServer&) = delete;

  // Empty when the server runs; otherwise why it could not be started.
  QString problem() const { return problem_; }

  QStringList records() const;
  // What smbd wrote to its output and its own log, to explain a failure.
  QString diagnostics() const;
  // Waits (bounded) until at least count records are there; returns them.
  QStringList waitForRecords(qsizetype count, int timeoutMs = 30000) const;

  // A credentials file in net's format for the user root, readable only by its owner.
  QString writeCredentials(const QString& folder, const QString& password = "secret") const;

 private:
  bool writeConfiguration();
  bool addUser();
  void stopRpcHelpers() const;

  QTemporaryDir folder_;
  QProcess smbd_;
  QString problem_;
};

// Moves this process into a network namespace of its own with nothing but a working
// loopback, so a server on port 445 and every name lookup stay inside. Needs root; false
// when the kernel or the container refuses.
bool enterPrivateNetwork();
// Whether something already listens on 127.0.0.1 port 445.
bool loopbackPort445InUse();
