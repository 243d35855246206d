#pragma once
// Windows' own cleanup handlers as choices: which key names are never offered (the program does
// that work itself), which are the machine's (they need an administrator), and what a person should
// know before choosing one. Each is one table, read only here.
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "base/Texts.h"
#include "platform/CleanupHandlers.h"

namespace vantrelle::platform {
struct Platform;
}

namespace vantrelle::cleaning {

// "Recycle Bin", "Temporary Files", ... and the handlers the catalogue's rows use.
bool NeverListedHandler(std::string_view keyName);
// "Update Cleanup", "Previous Installations", ...: only the machine's run calls these.
bool MachineHandler(std::string_view keyName);
// The machine's key names, in the table's order.
std::span<const std::string_view> MachineHandlerNames();
// Neither never listed nor the machine's: the person may choose it.
bool PersonHandler(std::string_view keyName);
// The person's handlers a stock Windows 10 or 11 registers, for which the administrative templates
// carry a policy each; any other registered handler is forced by a value of the same form.
std::span<const std::string_view> ShippedPersonHandlerNames();
// What is lost for good when the handler runs, in the text table; nothing for most.
std::optional<TextId> HandlerConsequence(std::string_view keyName);

// Whose choices a list is for: the person's own, or the machine's (an administrator's).
enum class HandlerOwner { Person, Machine };
// The handlers of `all` that `owner` may choose, in their order.
std::vector<platform::CleanupHandlerInfo> ChoosableHandlers(const std::vector<platform::CleanupHandlerInfo>& all,
                                                            HandlerOwner owner);

}  // namespace vantrelle::cleaning
