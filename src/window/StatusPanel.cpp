#include "window/StatusPanel.h"

namespace vantrelle {

std::vector<Control*> StatusPanel::Controls() {
  return {&helpButton, &statusFrame, &countdownBar, &countdownTimer, &scheduleSwitch, &deleteNowButton};
}

}  // namespace vantrelle
