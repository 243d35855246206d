#pragma once
// Every fake service, owned together, and the bundle the logic borrows them through.
#include "platform/Platform.h"
#include "platform/fake/FakeCleanupHandlers.h"
#include "platform/fake/FakeClock.h"
#include "platform/fake/FakeDownloads.h"
#include "platform/fake/FakeEnvironment.h"
#include "platform/fake/FakeEventPump.h"
#include "platform/fake/FakeFileSystem.h"
#include "platform/fake/FakeInstance.h"
#include "platform/fake/FakeLocale.h"
#include "platform/fake/FakeMachineState.h"
#include "platform/fake/FakeMessageBox.h"
#include "platform/fake/FakeNotifyArea.h"
#include "platform/fake/FakeRegistry.h"
#include "platform/fake/FakeRunLock.h"
#include "platform/fake/FakeRunningPrograms.h"
#include "platform/fake/FakeSettingsStore.h"
#include "platform/fake/FakeShell.h"
#include "platform/fake/FakeStorage.h"
#include "platform/fake/FakeTextFiles.h"
#include "platform/fake/FakeWindowProcedures.h"

namespace vantrelle::fake {

struct FakePlatform {
  FakePlatform() {
    platform.settings = &settings;
    platform.messageBox = &messageBox;
    platform.environment = &environment;
    platform.instance = &instance;
    platform.clock = &clock;
    platform.events = &events;
    platform.shell = &shell;
    platform.notifyArea = &notifyArea;
    platform.registry = &registry;
    platform.windowProcedures = &windowProcedures;
    platform.locale = &locale;
    platform.files = &files;
    platform.textFiles = &textFiles;
    platform.runLock = &runLock;
    platform.storage = &storage;
    platform.runningPrograms = &runningPrograms;
    platform.cleanupHandlers = &cleanupHandlers;
    platform.machine = &machine;
    platform.downloads = &downloads;
    platform.cleaningWorkers = 1;  // every step in order; tests that want workers ask for them
  }
  FakePlatform(const FakePlatform&) = delete;
  FakePlatform& operator=(const FakePlatform&) = delete;

  FakeSettingsStore settings;
  FakeMessageBox messageBox;
  FakeEnvironment environment;
  FakeInstance instance;
  FakeClock clock;
  FakeEventPump events;
  FakeShell shell;
  FakeNotifyArea notifyArea;
  FakeRegistry registry;
  FakeWindowProcedures windowProcedures;
  FakeLocale locale;
  FakeFileSystem files;
  FakeTextFiles textFiles;
  FakeRunLock runLock;
  FakeStorage storage{files};
  FakeRunningPrograms runningPrograms;
  FakeCleanupHandlers cleanupHandlers;
  FakeMachineState machine;
  FakeDownloads downloads;
  platform::Platform platform;
};

}  // namespace vantrelle::fake
