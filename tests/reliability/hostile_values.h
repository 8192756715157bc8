#pragma once

#include <QList>
#include <QString>
#include <optional>

#include "settings/key_catalogue.h"

// A value that a hand-edited or damaged store may hold, with what it means in each value
// form: the text of the same value in its valid form, or nothing when it is outside the
// form (and so reads as the key's default). As free text every value is valid as it is.
struct HostileValue {
  const char* label;
  QString text;
  std::optional<QString> asPlacement;
  std::optional<QString> asTick;
};

inline QList<HostileValue> hostileValues() {
  const QString none;
  return {
      {"empty", "", {}, {}},
      {"non-numeric", "abc", {}, {}},
      {"largest single-precision number",
       "340282346638528859811704183484516925440",
       "340282346638528859811704183484516925440",
       {}},
      {"beyond single precision", "99999999999999999999999999999999999999999", {}, {}},
      {"1e40", "1e40", {}, {}},
      {"NaN", "NaN", {}, {}},
      {"infinity", "-inf", {}, {}},
      {"negative zero", "-0", "0", "0"},
      {"greyed tick", "2", "2", "2"},
      {"minus one", "-1", "-1", {}},
      {"beyond 16 bits", "65536", "65536", {}},
      {"beyond signed 16 bits", "32768", "32768", {}},
      {"100,000 digits", QString(100000, u'9'), {}, {}},
      {"100,000 letters", QString(100000, u'x'), {}, {}},
      {"control characters", QStringLiteral("\x01\x02\x1b[2J\x7f\t\r\n"), {}, {}},
      {"a number and a control character", QStringLiteral("1\x01"), {}, {}},
      {"a number and NUL", QStringLiteral("1") + QChar(0), {}, {}},
      {"line break inside", QStringLiteral("1\n0"), {}, {}},
      {"fullwidth digit", QStringLiteral("\uFF11"), {}, {}},
  };
}

// A plainly valid value for the key, different from its default.
inline QString validValueFor(const SettingKey& key, int index) {
  switch (key.form) {
    case ValueForm::PlacementNumber:
      return QString::number(1500 + 15 * index);
    case ValueForm::TickState:
      return QStringLiteral("1");
    case ValueForm::FreeText:
      return QStringLiteral(" PC-%1 ").arg(index);
  }
  return {};
}

// What the key means in its own form when it holds the hostile value: the valid text of
// the same value, or nothing for "reads as the default".
inline std::optional<QString> meaningOf(const HostileValue& value, const SettingKey& key) {
  switch (key.form) {
    case ValueForm::PlacementNumber:
      return value.asPlacement;
    case ValueForm::TickState:
      return value.asTick;
    case ValueForm::FreeText:
      return value.text;
  }
  return {};
}
