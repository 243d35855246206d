// The further locations of the catalogue: the dialog that chooses them and the line that counts them.
#include "cleaning/DeletionRun.h"
#include "cleaning/Preview.h"
#include "settings/MoreLocations.h"
#include "window/MainForm.h"

namespace vantrelle {

std::vector<std::string> MainForm::ChosenMoreLocations() const {
  try {
    return settings::ChosenMore(*platform_.settings);
  } catch (...) {
    return {};  // a store that cannot be read chooses none, as a new installation
  }
}

void MainForm::ShowMoreChosen() {
  optionsPanel.moreLine.SetCaption(MoreLocationsLine(*platform_.locale, ChosenMoreLocations().size()));
}

void MainForm::MoreClicked() {
  if (!moreDialog_) return;
  MoreLocationsChoice choice(platform_, moreFound_);
  choice.OnChange = [this, &choice] {
    optionsPanel.moreLine.SetCaption(MoreLocationsLine(*platform_.locale, choice.ChosenCount()));
  };
  moreDialog_->ShowModal(windowHandle, choice);
}

void MainForm::RememberFound(const cleaning::RunResult& result) {
  for (const auto& location : result.locations) {
    if (location.location == cleaning::Location::More && location.outcome == cleaning::Outcome::Emptied) {
      moreFound_[location.moreId] = location.tally.bytesFreed;
    }
  }
}

void MainForm::RememberFound(const cleaning::PreviewResult& result) {
  for (const auto& location : result.locations) {
    if (location.location == cleaning::Location::More) moreFound_[location.moreId] = location.bytes;
  }
}

}  // namespace vantrelle
