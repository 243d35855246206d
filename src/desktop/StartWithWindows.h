#pragma once
// Start with Windows: the running program's value in the Run key. Whether it is on is known only from
// the settings store; the Run key is never read.
namespace vantrelle::platform {
class Environment;
class Registry;
}  // namespace vantrelle::platform

namespace vantrelle::desktop {

class StartWithWindows {
 public:
  StartWithWindows(platform::Registry& registry, const platform::Environment& environment)
      : registry_(registry), environment_(environment) {}

  // Writes the value for the running program: named after its file, the full path in double quotes so
  // that a folder with blanks can never start another program. Nothing when the path is unknown.
  void Enable();
  // Deletes that value; nothing happens when there is none.
  void Disable();

 private:
  platform::Registry& registry_;
  const platform::Environment& environment_;
};

}  // namespace vantrelle::desktop
