#include "window/WindowTexts.h"

#include <array>
#include <string>
#include <utility>

#include "window/Controls.h"

namespace vantrelle {
namespace {

struct CaptionText {
  std::string_view control;
  TextId text;
};

constexpr std::array kCaptionTexts = {
    CaptionText{"Frame4", TextId::ScheduleFrameCaption},
    CaptionText{"Option1", TextId::WeeklyOptionCaption},
    CaptionText{"Option2", TextId::DailyOptionCaption},
    CaptionText{"Option3", TextId::EveryOptionCaption},
    CaptionText{"Label5", TextId::HoursUnitCaption},
    CaptionText{"Label4", TextId::MinutesUnitCaption},
    CaptionText{"Label3", TextId::DaysUnitCaption},
    CaptionText{"PushButton1", TextId::HelpButtonCaption},
    CaptionText{"Frame3", TextId::StartUpFrameCaption},
    CaptionText{"Check3", TextId::StartWithWindowsCaption},
    CaptionText{"Check8", TextId::StartInTrayCaption},
    CaptionText{"Frame2", TextId::StatusFrameCaption},
    CaptionText{"Frame1", TextId::LocationsFrameCaption},
    CaptionText{"Check7", TextId::OwnFolderBoxCaption},
    CaptionText{"Check2", TextId::SystemTempBoxCaption},
    CaptionText{"Check4", TextId::UserTempBoxCaption},
    CaptionText{"Check1", TextId::WindowsTempBoxCaption},
    CaptionText{"Check5", TextId::RecycleBinBoxCaption},
    CaptionText{"Check6", TextId::RecentDocsBoxCaption},
    CaptionText{"PushButton4", TextId::TurnOnCaption},
    CaptionText{"PushButton2", TextId::DeleteNowCaption},
    CaptionText{"DownloadsBox", TextId::DownloadsBoxCaption},
    CaptionText{"DownloadsUnit", TextId::DownloadsUnitCaption},
    CaptionText{"RecycleBinDaysLabel", TextId::RecycleBinDaysCaption},
    CaptionText{"RecycleBinDaysUnit", TextId::RecycleBinDaysUnitCaption},
    CaptionText{"MoreButton", TextId::MoreButtonCaption},
    CaptionText{"KeepRecentLabel", TextId::KeepRecentCaption},
    CaptionText{"KeepRecentUnit", TextId::KeepRecentUnitCaption},
    CaptionText{"LowSpaceUnit", TextId::LowSpaceUnitCaption},
    CaptionText{"PreviewButton", TextId::PreviewButtonCaption},
    CaptionText{"HistoryButton", TextId::HistoryButtonCaption},
    CaptionText{"LastRunLine", TextId::LastRunNever},
    CaptionText{"ManagedLine", TextId::ManagedLineCaption},
};

constexpr std::array kWeekdays = {TextId::Sunday,   TextId::Monday, TextId::Tuesday, TextId::Wednesday,
                                  TextId::Thursday, TextId::Friday, TextId::Saturday};

}  // namespace

std::optional<TextId> CaptionTextOf(std::string_view control) {
  for (const CaptionText& caption : kCaptionTexts) {
    if (caption.control == control) return caption.text;
  }
  return std::nullopt;
}

void ShowTextsIn(Language language, const std::vector<Control*>& controls, ListBox& weekdays) {
  for (Control* control : controls) {
    if (const auto text = CaptionTextOf(control->Name())) control->SetCaption(Text(language, *text));
  }
  std::vector<std::string> days;
  for (TextId day : kWeekdays) days.push_back(Text(language, day));
  weekdays.SetShownItems(std::move(days));
}

}  // namespace vantrelle
