#include "net_command.h"

#include <gtest/gtest.h>

#include "credentials_check.h"

namespace {

ShutdownRequest request(const QStringList& arguments) {
  return std::get<ShutdownRequest>(parseShutdownSwitches(arguments));
}

const CredentialsFile kFile{"/home/u/.config/OL_HALTDECK/remote-credentials"};
const QString kFileArgument = "--authentication-file=" + kFile.path;

TEST(NetArguments, EachRemoteLineOfTheWindowsBecomesItsNetCommand) {
  struct Case {
    QStringList arguments;
    QStringList net;
  };
  const Case cases[] = {
      {{"/s", "/m", "\\\\PC01", "/t", "30"},
       {"rpc", "shutdown", "--server=PC01", "--timeout=30", kFileArgument}},
      {{"/g", "/m", "\\\\PC01", "/t", "0"},
       {"rpc", "shutdown", "--server=PC01", "-r", "--timeout=0", kFileArgument}},
      {{"/s", "/f", "/m", "\\\\PC01", "/t", "5"},
       {"rpc", "shutdown", "--server=PC01", "-f", "--timeout=5", kFileArgument}},
      {{"/g", "/f", "/m", "\\\\PC01", "/t", "315360000"},
       {"rpc", "shutdown", "--server=PC01", "-r", "-f", "--timeout=315360000", kFileArgument}},
      {{"/a", "/m", "\\\\PC01"}, {"rpc", "abortshutdown", "--server=PC01", kFileArgument}},
      {{"/r", "/m", "\\\\PC01"},
       {"rpc", "shutdown", "--server=PC01", "-r", "--timeout=30", kFileArgument}},
      {{"/s", "/m", "\\\\PC01", "/c", "-f bye", "/t", "1"},
       {"rpc", "shutdown", "--server=PC01", "--timeout=1", "--comment=-f bye", kFileArgument}},
      // A name that looks like an option stays the server option's value.
      {{"/s", "/m", "\\\\--help", "/t", "1"},
       {"rpc", "shutdown", "--server=--help", "--timeout=1", kFileArgument}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments.join(u' ').toStdString());
    EXPECT_EQ(netArguments(request(c.arguments), kFile), c.net);
  }
}

TEST(NetArguments, AKerberosTicketIsUsedWithoutAPassword) {
  EXPECT_EQ(netArguments(request({"/a", "/m", "\\\\PC01"}), KerberosTicket{}),
            (QStringList{"rpc", "abortshutdown", "--server=PC01", "--use-kerberos=required",
                         "--no-pass"}));
}

TEST(NetFailureReason, WhatNetPrintsBecomesOneReadableReason) {
  struct Case {
    const char* output;
    const char* reason;
  };
  const Case cases[] = {
      {"Could not connect to server PC01\nThe username or password was not correct.\n"
       "Connection failed: NT_STATUS_LOGON_FAILURE\n",
       "the user name or password was refused"},
      {"Unable to find a suitable server for domain WORKGROUP\n", "cannot be found on the network"},
      {"Could not connect to server 127.0.0.2\nConnection failed: NT_STATUS_CONNECTION_REFUSED\n",
       "refused the connection"},
      {"Connection failed: NT_STATUS_ACCESS_DENIED\n", "access denied"},
      {"Connection failed: NT_STATUS_IO_TIMEOUT\n", "did not answer"},
      {"Failed to set parse authentication file!\nERROR: Unable to open credentials file!\n",
       "the credentials file cannot be read"},
      {"first\nsomething new went wrong  \n\n", "net said: something new went wrong"},
      {"", "net failed with exit code 255"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(netFailureReason(QString::fromUtf8(c.output), 255), QLatin1String(c.reason))
        << c.output;
  }
}

TEST(CredentialsFile, UsedOnlyWhenItIsTheUsersOwnPlainFileNobodyElseCanRead) {
  const QString path = "/home/u/.config/OL_HALTDECK/remote-credentials";
  struct Case {
    FileFacts facts;
    const char* problem;  // nullptr: fine
  };
  const Case cases[] = {
      {{true, true, 1000, 0600}, nullptr},
      {{true, true, 1000, 0400}, nullptr},
      {{false, false, 0, 0}, "no credentials: get a Kerberos ticket with kinit"},
      {{true, false, 1000, 0600}, "is not a plain file"},
      {{true, true, 0, 0600}, "belongs to another user"},
      {{true, true, 1000, 0640}, "chmod 600"},
      {{true, true, 1000, 0604}, "chmod 600"},
      {{true, true, 1000, 0620}, "chmod 600"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.facts.permissions);
    const auto problem = credentialsFileProblem(c.facts, 1000, path);
    if (!c.problem) {
      EXPECT_FALSE(problem) << problem->toStdString();
      continue;
    }
    ASSERT_TRUE(problem);
    EXPECT_TRUE(problem->contains(QLatin1String(c.problem))) << problem->toStdString();
  }
}

TEST(CredentialsFile, TheMissingFileMessageSaysWhereAndHow) {
  const auto problem = credentialsFileProblem({}, 1000, "/x/remote-credentials");
  ASSERT_TRUE(problem);
  for (const char* part : {"kinit", "\"username =\"", "\"password =\"", "\"domain =\"",
                           "/x/remote-credentials", "readable only by you"}) {
    EXPECT_TRUE(problem->contains(QLatin1String(part))) << part;
  }
}

}  // namespace
