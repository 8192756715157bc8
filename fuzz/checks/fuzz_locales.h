#pragma once

#include <QLocale>
#include <cstdint>

// The locales the checks run under: the C locale, comma decimal separators, a Unicode
// minus sign, Arabic and Persian separators and digits, right-to-left marks.
inline QLocale fuzzLocale(uint8_t choice) {
  static const QLocale locales[] = {
      QLocale::c(),
      QLocale(QLocale::English, QLocale::UnitedStates),
      QLocale(QLocale::German, QLocale::Germany),
      QLocale(QLocale::Finnish, QLocale::Finland),
      QLocale(QLocale::French, QLocale::France),
      QLocale(QLocale::Swedish, QLocale::Sweden),
      QLocale(QLocale::Arabic, QLocale::Egypt),
      QLocale(QLocale::Persian, QLocale::Iran),
      QLocale(QLocale::Hindi, QLocale::India),
      QLocale(QLocale::Hebrew, QLocale::Israel),
      QLocale(QLocale::Chinese, QLocale::China),
      QLocale(QLocale::Japanese, QLocale::Japan),
      QLocale(QLocale::Korean, QLocale::SouthKorea),
      QLocale(QLocale::Russian, QLocale::Russia),
      QLocale(QLocale::Bengali, QLocale::Bangladesh),
      QLocale(QLocale::Esperanto, QLocale::World),
  };
  return locales[choice % std::size(locales)];
}
