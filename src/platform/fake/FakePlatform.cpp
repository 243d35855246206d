// The fakes are header-only; this unit keeps the library non-empty and checks the headers compile.
#include "platform/fake/FakePlatform.h"
