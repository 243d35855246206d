#include "window/AddedOptionsPanel.h"

namespace vantrelle {

AddedOptionsPanel::AddedOptionsPanel() {
  managedLine.SetVisible(false);
  for (TextBox* box : NumberBoxes()) {
    // Typing replaces the whole number.
    box->OnGotFocus = [box] { box->Select(0, static_cast<int>(box->Text().size())); };
  }
}

std::vector<Control*> AddedOptionsPanel::Controls() {
  return {&lastRunLine,         &keepRecentLabel,   &keepRecentBox,
          &keepRecentUnitLabel, &previewButton,     &historyButton,
          &downloadsBox,        &downloadsDaysBox,  &downloadsUnitLabel,
          &recycleBinDaysLabel, &recycleBinDaysBox, &recycleBinDaysUnitLabel,
          &lowSpaceLabel,       &lowSpaceBox,       &lowSpaceUnitLabel,
          &lowSpaceTimer,       &moreButton,        &moreLine,
          &managedLine};
}

}  // namespace vantrelle
