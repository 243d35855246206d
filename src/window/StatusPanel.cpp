#include "window/StatusPanel.h"

#include "base/Guard.h"
#include "base/Texts.h"
#include "platform/Environment.h"
#include "platform/MessageBoxService.h"

namespace vantrelle {

StatusPanel::StatusPanel(platform::Platform& platform, const std::string& applicationTitle)
    : platform_(platform), applicationTitle_(applicationTitle), errorReport_(*platform.messageBox, platform.locale) {
  helpButton.OnClick = [this] { HelpClicked(); };
}

std::vector<Control*> StatusPanel::Controls() {
  return {&helpButton, &statusFrame, &countdownBar, &countdownTimer, &scheduleSwitch, &deleteNowButton};
}

void StatusPanel::HelpClicked() {
  Guard guard(errorReport_, location::kHelpClicked);
  guard.Line(100, [&] {
    platform_.messageBox->Show(
        Text(*platform_.locale, TextId::YourTemporaryFolder, {platform_.environment->Get("TEMP")}), applicationTitle_,
        platform::MessageIcon::None);
  });
}

}  // namespace vantrelle
