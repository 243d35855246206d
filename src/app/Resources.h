#pragma once
// Resource identifiers shared by Vantrelle.rc and the code.
#define IDI_VANTRELLE 1
