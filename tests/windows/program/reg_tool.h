#pragma once

#include <QString>
#include <optional>

// Windows' own reg.exe, run as a separate program, so that the tests see the registry
// from outside the store that wrote it.
namespace reg_tool {

// The registry key of the program-settings functions for one section.
QString sectionKey(const QString& section);

struct Value {
  QString type;  // "REG_SZ", "REG_DWORD"...
  QString data;
};

// `reg query KEY /v NAME`; nothing when the value does not exist.
std::optional<Value> query(const QString& key, const QString& name);
// `reg add KEY /v NAME /t REG_SZ /d DATA /f`
bool addString(const QString& key, const QString& name, const QString& data);
// `reg delete KEY /f`, ignoring a key that does not exist.
void deleteKey(const QString& key);

}  // namespace reg_tool
