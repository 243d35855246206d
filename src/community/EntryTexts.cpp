#include "community/EntryTexts.h"

#include <utility>

#include "base/Texts.h"

namespace vantrelle::community {

namespace {

constexpr std::pair<Reason, TextId> kReasons[] = {
    {Reason::TooBroad, TextId::CommunityTooBroad},
    {Reason::PersonsOwnFiles, TextId::CommunityPersonsOwnFiles},
    {Reason::OutsideProfile, TextId::CommunityOutsideProfile},
    {Reason::CouldReachAnyFolder, TextId::CommunityCouldReachAnyFolder},
    {Reason::UnsafeForm, TextId::CommunityUnsafeForm},
    {Reason::NoPipe, TextId::CommunityNoPipe},
    {Reason::UnknownFlag, TextId::CommunityUnknownFlag},
    {Reason::UnknownVariable, TextId::CommunityUnknownVariable},
    {Reason::NoPattern, TextId::CommunityNoPattern},
    {Reason::UnknownKey, TextId::CommunityUnknownKey},
    {Reason::UnknownValue, TextId::CommunityUnknownValue},
    {Reason::SecondKey, TextId::CommunitySecondKey},
    {Reason::ExclusionNotUnderstood, TextId::CommunityExclusionNotUnderstood},
    {Reason::LineTooLong, TextId::CommunityLineTooLong},
    {Reason::NotUtf8, TextId::CommunityNotUtf8},
    {Reason::OutsideEntry, TextId::CommunityOutsideEntry},
    {Reason::NotALine, TextId::CommunityNotALine},
    {Reason::NoUsableFileRule, TextId::CommunityNoUsableFileRule},
    {Reason::SecondEntry, TextId::CommunitySecondEntry},
};

// The categories the community's list uses, by their LangSecRef numbers.
constexpr std::pair<std::uint32_t, TextId> kCategories[] = {
    {3021, TextId::CommunityCategoryApplications}, {3022, TextId::CommunityCategoryInternet},
    {3023, TextId::CommunityCategoryMultimedia},   {3024, TextId::CommunityCategoryUtilities},
    {3025, TextId::CommunityCategoryWindows},
};

}  // namespace

std::string ReasonText(const Locale& locale, Reason reason) {
  for (const auto& [known, text] : kReasons) {
    if (known == reason) return Text(locale, text);
  }
  return {};
}

std::string CategoryText(const Locale& locale, const Entry& entry) {
  if (!entry.section.empty()) return std::string(entry.section);
  for (const auto& [number, text] : kCategories) {
    if (number == entry.langSecRef) return Text(locale, text);
  }
  return Text(locale, TextId::CommunityCategoryOther);
}

}  // namespace vantrelle::community
