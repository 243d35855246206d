// The main window's part in keeping the community's list current: the weekly check after start-up,
// whose result shows on the last-run line.
#include "window/MainForm.h"

namespace vantrelle {

void MainForm::StartBackgroundWork(std::function<void()> wake) { weeklyListCheck_.Start(std::move(wake)); }

void MainForm::BackgroundWoke() {
  const auto said = weeklyListCheck_.Poll();
  if (said && !said->empty()) optionsPanel.lastRunLine.SetCaption(*said);
}

}  // namespace vantrelle
