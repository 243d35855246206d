#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/RuntimeError.h"
#include "base/Texts.h"
#include "platform/fake/FakeLocale.h"

namespace vantrelle {
namespace {

// The "{n}" placeholders of a text, sorted, so that two languages can be compared.
std::vector<std::string> Placeholders(std::string_view text) {
  std::vector<std::string> found;
  for (std::size_t open = text.find('{'); open != std::string_view::npos; open = text.find('{', open + 1)) {
    const std::size_t close = text.find('}', open);
    if (close != std::string_view::npos) found.emplace_back(text.substr(open, close - open + 1));
  }
  std::sort(found.begin(), found.end());
  return found;
}

// What CI holds every translation to: complete, with the same placeholders as English.
TEST(Texts, EveryLanguageHasEveryTextWithTheSamePlaceholders) {
  for (std::size_t i = 0; i < kTextCount; ++i) {
    const auto id = static_cast<TextId>(i);
    const std::string_view english = TableText(Language::English, id);
    ASSERT_FALSE(english.empty()) << TextName(id);
    const std::string_view german = TableText(Language::German, id);
    EXPECT_FALSE(german.empty()) << TextName(id) << " has no German text";
    EXPECT_EQ(Placeholders(german), Placeholders(english)) << TextName(id);
    const std::string pseudo = Text(Language::Pseudo, id);
    EXPECT_EQ(Placeholders(pseudo), Placeholders(english)) << TextName(id);
    EXPECT_GE(pseudo.size() * 10, english.size() * 13) << TextName(id);
  }
}

TEST(Texts, ArgumentsFillTheirPlaceholdersInTheDisplayLanguage) {
  fake::FakeLocale locale;
  EXPECT_EQ(Text(locale, TextId::FileCountMany, {"2"}), "2 files");
  locale.language = Language::German;
  EXPECT_EQ(Text(locale, TextId::FileCountOne, {"1"}), "1 Datei");
  EXPECT_EQ(FormatText("{2} of {1}, {3} {x} {", {"a", "b"}), "b of a, {3} {x} {");
}

// The program's own failure words are told in the report's language; the system's own message for a
// failure of the same number is never replaced by them.
TEST(Texts, OwnFailureWordsAreTranslatedAndTheSystemsAreKept) {
  for (const RuntimeError& own : {Overflow(), SubscriptOutOfRange(), ObjectNotSet(), InvalidProcedureCall()}) {
    EXPECT_EQ(RuntimeErrorDescription(own, Language::English), own.what());
    EXPECT_NE(RuntimeErrorDescription(own, Language::German), own.what());
  }
  const RuntimeError refused(kInvalidProcedureCall, "Access is denied.");
  EXPECT_EQ(RuntimeErrorDescription(refused, Language::German), "Access is denied.");
}

}  // namespace
}  // namespace vantrelle
