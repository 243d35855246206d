#include "app/Application.h"

#include "app/Resources.h"

namespace vantrelle::app {
namespace {

platform::Platform Bundle(platform::SettingsStore& settings, platform::Shell& shell,
                          platform::MessageBoxService& messageBox, platform::Environment& environment,
                          platform::Clock& clock, platform::EventPump& events, platform::Instance& instance) {
  platform::Platform bundle;
  bundle.settings = &settings;
  bundle.shell = &shell;
  bundle.messageBox = &messageBox;
  bundle.environment = &environment;
  bundle.clock = &clock;
  bundle.events = &events;
  bundle.instance = &instance;
  return bundle;
}

}  // namespace

Application::Application(HINSTANCE instance)
    : platform_(Bundle(settings_, shell_, messageBox_, environment_, clock_, events_, instance_)),
      form_(platform_),
      window_(form_, *this, instance, IDI_VANTRELLE) {}

bool Application::Start() {
  // A second copy ends before it reads or shows anything.
  if (instance_.PreviousInstanceRunning()) return false;
  if (!window_.Create()) return false;
  messageBox_.SetOwner(window_.Handle());
  StartUp();
  window_.ShowForm();
  return true;
}

// Everything that must happen before the window is first shown; Form1 is shown as it leaves it.
void Application::StartUp() { form_.WindowVisible = true; }

int Application::Run() {
  if (!Start()) return 0;
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (window_.Navigate(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

// The view has already recorded the new state in Form1::State; nothing else reacts to it yet.
void Application::Resized() {}

void Application::CloseRequested() {
  messageBox_.SetOwner(nullptr);
  window_.Destroy();
  PostQuitMessage(0);
}

}  // namespace vantrelle::app
