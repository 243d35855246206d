#include "base/Texts.h"

#include <array>
#include <cstddef>

namespace vantrelle {

namespace {

using Table = std::array<std::string_view, kTextCount>;

constexpr std::size_t Index(TextId id) { return static_cast<std::size_t>(id); }

constexpr Table kNames = {
#define VANTRELLE_TEXT(name, text) #name,
#include "base/TextTableEnglish.h"
#undef VANTRELLE_TEXT
};

constexpr Table kEnglish = {
#define VANTRELLE_TEXT(name, text) text,
#include "base/TextTableEnglish.h"
#undef VANTRELLE_TEXT
};

// Filled by name, so the German table may list its lines in any order; a name English lacks fails to build.
constexpr Table kGerman = [] {
  Table table{};
#define VANTRELLE_TEXT(name, text) table[Index(TextId::name)] = text;
#include "base/TextTableGerman.h"
#undef VANTRELLE_TEXT
  return table;
}();

// Each ASCII letter's accented stand-in (UTF-8), or nothing where it has none.
std::string_view Accented(char c) {
  switch (c) {
    case 'a': return "\xC3\xA5";  // å
    case 'e': return "\xC3\xA9";  // é
    case 'i': return "\xC3\xAE";  // î
    case 'o': return "\xC3\xB6";  // ö
    case 'u': return "\xC3\xBC";  // ü
    case 'n': return "\xC3\xB1";  // ñ
    case 'c': return "\xC3\xA7";  // ç
    case 'y': return "\xC3\xBD";  // ý
    case 'A': return "\xC3\x85";  // Å
    case 'E': return "\xC3\x89";  // É
    case 'I': return "\xC3\x8E";  // Î
    case 'O': return "\xC3\x96";  // Ö
    case 'U': return "\xC3\x9C";  // Ü
    case 'N': return "\xC3\x91";  // Ñ
    case 'C': return "\xC3\x87";  // Ç
    default: return {};
  }
}

// English with accented letters and about 40 % more characters, placeholders and line breaks kept.
std::string Pseudo(std::string_view english) {
  std::string text;
  std::size_t letters = 0;
  for (const char c : english) {
    const std::string_view accented = Accented(c);
    if (accented.empty()) {
      text += c;
    } else {
      text += accented;
    }
    if (c != '\n') ++letters;
  }
  const std::size_t padding = (letters * 2 + 4) / 5;
  for (std::size_t i = 0; i < padding; ++i) text += (i % 2 == 0) ? "~" : "\xC3\xBE";  // ~þ
  return text;
}

}  // namespace

std::string_view TextName(TextId id) { return kNames[Index(id)]; }

std::string_view TableText(Language language, TextId id) {
  switch (language) {
    case Language::English: return kEnglish[Index(id)];
    case Language::German: return kGerman[Index(id)];
    case Language::Pseudo: return {};
  }
  return {};
}

std::string Text(Language language, TextId id) {
  if (language == Language::Pseudo) return Pseudo(kEnglish[Index(id)]);
  const std::string_view own = TableText(language, id);
  return std::string(own.empty() ? kEnglish[Index(id)] : own);
}

std::string Text(const Locale& locale, TextId id) { return Text(locale.DisplayLanguage(), id); }

std::string Text(const Locale& locale, TextId id, std::initializer_list<std::string_view> args) {
  return FormatText(Text(locale, id), args);
}

std::string FormatText(std::string_view pattern, std::initializer_list<std::string_view> args) {
  std::string text;
  std::size_t i = 0;
  while (i < pattern.size()) {
    const std::size_t close = pattern[i] == '{' ? pattern.find('}', i + 1) : std::string_view::npos;
    if (close != std::string_view::npos && close > i + 1 && close - i <= 3) {
      std::size_t number = 0;
      bool digits = true;
      for (std::size_t k = i + 1; k < close; ++k) {
        if (pattern[k] < '0' || pattern[k] > '9') digits = false;
        number = number * 10 + static_cast<std::size_t>(pattern[k] - '0');
      }
      if (digits && number >= 1 && number <= args.size()) {
        text += *(args.begin() + (number - 1));
        i = close + 1;
        continue;
      }
    }
    text += pattern[i++];
  }
  return text;
}

}  // namespace vantrelle
