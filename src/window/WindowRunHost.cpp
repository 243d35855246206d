#include "window/WindowRunHost.h"

#include "window/MainForm.h"

namespace vantrelle {

void WindowRunHost::ShowStatus(const std::string& text) { form_.statusPanel.statusFrame.SetCaption(text); }
void WindowRunHost::ShowMessage(const std::string& text) { form_.MsgBox(text); }
void WindowRunHost::PauseSchedule() { form_.statusPanel.countdownTimer.SetEnabled(false); }
void WindowRunHost::ResumeSchedule() { form_.statusPanel.countdownTimer.SetEnabled(true); }
std::optional<platform::WindowHandle> WindowRunHost::OwnerWindow() const { return form_.windowHandle; }
ErrorReporter& WindowRunHost::Errors() { return form_.errorReport_; }
bool WindowRunHost::StopRequested() const { return form_.endRequested; }

}  // namespace vantrelle
