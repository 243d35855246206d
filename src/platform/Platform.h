#pragma once
// The operating system as the logic sees it: one interface per service. The composition root
// (src/app for the real program, the fakes for tests) owns the implementations; the logic only
// borrows them through this bundle.

namespace vantrelle {
class Locale;
}  // namespace vantrelle

namespace vantrelle::platform {

class SettingsStore;
class FileServices;
class Shell;
class NotifyArea;
class Registry;
class MessageBoxService;
class Environment;
class Instance;
class Clock;
class EventPump;
class WindowProcedures;
class TextFiles;
class RunLock;
class Storage;
class RunningPrograms;
class CleanupHandlers;
class MachineState;
class Downloads;

struct Platform {
  SettingsStore* settings = nullptr;
  FileServices* files = nullptr;
  Shell* shell = nullptr;
  NotifyArea* notifyArea = nullptr;
  Registry* registry = nullptr;
  MessageBoxService* messageBox = nullptr;
  Environment* environment = nullptr;
  Instance* instance = nullptr;
  Clock* clock = nullptr;
  EventPump* events = nullptr;
  Locale* locale = nullptr;
  WindowProcedures* windowProcedures = nullptr;
  TextFiles* textFiles = nullptr;
  // Without one, runs of this process are not kept apart from those of others.
  RunLock* runLock = nullptr;
  // Free space, the Downloads folder and the Recycle Bin item by item.
  Storage* storage = nullptr;
  // Without it, no program counts as running.
  RunningPrograms* runningPrograms = nullptr;
  // Without it, every further location is cleaned by deleting its files.
  CleanupHandlers* cleanupHandlers = nullptr;
  // Without it, no service counts as running and the process has no administrator's rights.
  MachineState* machine = nullptr;
  // Without it, nothing is downloaded.
  Downloads* downloads = nullptr;
  // How many threads a cleaning run empties folders with: 0 for as many as the machine has processors
  // (2 to 8), 1 for the calling thread alone (the fakes' default, so that a test sees every step).
  int cleaningWorkers = 0;
};

}  // namespace vantrelle::platform
