#pragma once

#include <QString>
#include <optional>

// What the file system says about the credentials file.
struct FileFacts {
  bool exists = false;
  bool regularFile = false;  // a symbolic link is not one
  unsigned owner = 0;
  unsigned permissions = 0;  // the mode's 0777 bits
};

// Why the credentials file must not be used, or none. It holds a password: it must be the
// user's own plain file that nobody else can read or change.
std::optional<QString> credentialsFileProblem(const FileFacts& facts, unsigned user,
                                              const QString& path);

// The sentence that tells a user how to give the remote computers who they are.
QString howToProvideCredentials(const QString& path);
