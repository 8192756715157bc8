#include <QRegularExpression>
#include <cmath>
#include <cstring>
#include <limits>

#include "fuzz_checks.h"
#include "fuzz_locales.h"
#include "settings/typed_settings.h"
#include "settings/value_conversions.h"

namespace {

std::string describe(const char* what, const QString& text) {
  return std::string(what) + " for \"" + text.left(200).toStdString() + '"';
}

// A store of one value that must never be written to.
class OneValueStore : public SettingsStore {
 public:
  explicit OneValueStore(QString text) : text_(std::move(text)) {}
  QString read(const QString&, const QString&) override { return text_; }
  void write(const QString&, const QString&) override { ++writes; }
  int writes = 0;

 private:
  QString text_;
};

// Shortest decimal text: optional "-", digits, the locale's separator with fraction
// digits only when needed; no blanks, group separators or exponent.
std::string checkPlacementText(float twips, const QLocale& locale) {
  const QString text = formatPlacementNumber(twips, locale);
  const QString pattern = QStringLiteral("^-?[0-9]+(%1[0-9]*[1-9])?$")
                              .arg(QRegularExpression::escape(locale.decimalPoint()));
  if (!QRegularExpression(pattern).match(text).hasMatch() || text == QLatin1String("-0")) {
    return describe("a placement number was written outside its form", text);
  }
  const std::optional<float> back = parsePlacementNumber(text, locale);
  if (!back || *back != twips)
    return describe("a written placement number did not read back", text);
  return {};
}

// Blanks around a stored number are forgiven; a control character inside it is not.
bool hasControlCharacterInside(const QString& text) {
  for (QChar c : text.trimmed()) {
    if (c.category() == QChar::Other_Control) return true;
  }
  return false;
}

std::string checkPlacement(const QString& text, const QLocale& locale) {
  const std::optional<float> number = parsePlacementNumber(text, locale);
  if (!number) return {};
  if (hasControlCharacterInside(text)) {
    return describe("a placement with a control character inside was accepted", text);
  }
  if (!std::isfinite(*number)) return describe("a placement read as a non-finite number", text);
  return checkPlacementText(*number, locale);
}

std::string checkTick(const QString& text) {
  const std::optional<qint16> state = parseTickState(text);
  if (!state) return {};
  if (hasControlCharacterInside(text)) {
    return describe("a tick state with a control character inside was accepted", text);
  }
  if (*state < 0 || *state > 2) return describe("a tick state outside 0, 1 and 2", text);
  if (parseTickState(formatTickState(*state)) != state) {
    return describe("a tick state did not read back", text);
  }
  return {};
}

// A typed read gives the parsed value, or the key's default when the text is outside the
// key's form, and writes nothing.
std::string checkTypedRead(const QString& text, uint8_t choice) {
  static const QList<SettingKey> keys = keyCatalogue();
  const SettingKey& key = keys[choice % keys.size()];
  OneValueStore store(text);
  switch (key.form) {
    case ValueForm::PlacementNumber: {
      const float read = readPlacementNumber(store, key);
      const float expected = parsePlacementNumber(text).value_or(key.defaultText.toFloat());
      if (read != expected) return describe("a placement read is neither value nor default", text);
      break;
    }
    case ValueForm::TickState: {
      const qint16 read = readTickState(store, key);
      const qint16 expected = parseTickState(text).value_or(qint16(key.defaultText.toInt()));
      if (read != expected) return describe("a tick read is neither value nor default", text);
      break;
    }
    case ValueForm::FreeText:
      if (readFreeText(store, key) != text) return describe("free text changed on reading", text);
      break;
  }
  if (store.writes != 0) return describe("a read wrote to the store", text);
  return {};
}

}  // namespace

std::string checkStoredValues(const uint8_t* data, size_t size) {
  if (size == 0) return {};
  const QLocale locale = fuzzLocale(data[0]);
  const QString text =
      QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
  for (auto check :
       {checkPlacement(text, locale), checkTick(text), checkTypedRead(text, data[0])}) {
    if (!check.empty()) return check;
  }
  // The bytes as a float: every finite one is written and read back exactly.
  if (size >= 5) {
    float twips = 0;
    std::memcpy(&twips, data + 1, sizeof twips);
    if (std::isfinite(twips)) return checkPlacementText(twips == 0 ? 0.0f : twips, locale);
  }
  return {};
}
