#include "settings/value_conversions.h"

#include <array>
#include <charconv>
#include <cmath>

namespace {

// Qt's number parsing reads the text as a C string, so "1", a NUL and anything after it
// would read as 1.
bool holdsNul(const QString& text) {
  return text.contains(QChar(u'\0'));
}

}  // namespace

QString formatPlacementNumber(float twips, const QLocale& locale) {
  // std::to_chars gives the shortest digits that read back as the same float, without
  // exponent in fixed form; QLocale's shortest form works on doubles and would print
  // the float's double expansion.
  std::array<char, 64> buffer{};
  const auto result =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), twips, std::chars_format::fixed);
  QString text = QString::fromLatin1(buffer.data(), int(result.ptr - buffer.data()));
  if (text == QLatin1String("-0")) text = QStringLiteral("0");
  return text.replace(u'.', locale.decimalPoint());
}

std::optional<float> parsePlacementNumber(const QString& text, const QLocale& locale) {
  QLocale strict = locale;
  strict.setNumberOptions(QLocale::RejectGroupSeparator);
  bool ok = false;
  const double value = strict.toDouble(text.trimmed(), &ok);
  if (!ok || holdsNul(text) || !std::isfinite(value)) return std::nullopt;
  if (std::fabs(value) > double(std::numeric_limits<float>::max())) return std::nullopt;
  return float(value);
}

QString formatTickState(int state) {
  return QString::number(state);
}

std::optional<qint16> parseTickState(const QString& text) {
  bool ok = false;
  const int value = text.trimmed().toInt(&ok);
  if (!ok || holdsNul(text) || value < 0 || value > 2) return std::nullopt;
  return qint16(value);
}
