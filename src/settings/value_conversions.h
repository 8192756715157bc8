#pragma once

#include <QLocale>
#include <QString>
#include <optional>

// Conversions between stored text and window values. A parse that returns nothing means
// the text is outside the key's valid form; callers then use the key's default.

// Shortest decimal text of a single-precision number: optional "-", digits, and the
// locale's decimal separator with fraction digits only when the number is not whole.
QString formatPlacementNumber(float twips, const QLocale& locale = QLocale());
// A finite single-precision number written with the same locale rules, or nothing.
std::optional<float> parsePlacementNumber(const QString& text, const QLocale& locale = QLocale());

// "0" or "1" (a greyed 2 is written as "2").
QString formatTickState(int state);
// A 16-bit check box state 0, 1 or 2; anything else is outside the form.
std::optional<qint16> parseTickState(const QString& text);
