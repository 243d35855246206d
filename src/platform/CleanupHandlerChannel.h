#pragma once
// What the program and its handler host (a child copy of the program that runs Windows' cleanup
// handlers, someone else's code, away from the window) say to each other over two pipes of their own:
// one line per message, fields separated by tabs, UTF-8.
//
// To the host: "list\t<volume>", "measure\t<volume>\t<key>", "scan\t<volume>\t<key>" or
// "purge\t<volume>\t<key>", then at most "stop" (or the pipe closed), which the handler hears as
// E_ABORT.
// From the host: "alive" at every progress report, "handler\t<key>\t<name>\t<description>" per
// handler listed (and for a scan, when the handler is offered), and last
// "done\t<status>\t<bytes>\t<error>".
//
// The host runs someone else's code, so what it writes is read as untrusted input: a line is at most
// kMaxLine bytes and every field is checked (ParseHostLine); anything else is nonsense. Portable:
// no Windows header, tested natively.
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "platform/CleanupHandlers.h"

namespace vantrelle::platform::channel {

inline constexpr std::string_view kList = "list";
inline constexpr std::string_view kMeasure = "measure";
inline constexpr std::string_view kPurge = "purge";
inline constexpr std::string_view kScan = "scan";
inline constexpr std::string_view kStop = "stop";
inline constexpr std::string_view kAlive = "alive";
inline constexpr std::string_view kHandler = "handler";
inline constexpr std::string_view kDone = "done";

// The longest line either side may send, without its line break.
inline constexpr std::size_t kMaxLine = 64 * 1024;

// One line of fields; a tab, line break or other control character inside a field becomes a blank,
// and a line that would be longer than kMaxLine is cut there.
std::string Line(std::initializer_list<std::string_view> fields);
std::vector<std::string> Fields(std::string_view line);

// Lines as they come in pieces from a pipe. Never holds more than kMaxLine bytes of an unfinished
// line beside the last piece added.
class LineReader {
 public:
  void Add(std::string_view bytes);
  enum class Result {
    Line,     // `line` holds the next whole line, without its break
    None,     // no whole line yet
    TooLong,  // a line longer than kMaxLine: nothing after it can be trusted
  };
  Result Next(std::string& line);

 private:
  std::string pending_;
  std::size_t start_ = 0;  // where the next line begins in pending_
};

// One line from the host, read strictly.
struct HostMessage {
  enum class Kind { Alive, Handler, Done, Nonsense };
  Kind kind = Kind::Nonsense;
  CleanupHandlerInfo handler;   // Handler: the key name is never empty
  CleanupHandlerResult result;  // Done: a status the host may give (Done, NothingToClean, Stopped, Failed)
};
// "alive" alone; "handler" with exactly three fields after it, a key name among them; "done" with
// exactly three: a status of digits naming one of those the host may give, bytes of digits within
// 64 bits, any error text. No control character but the tab separating fields. Anything else is
// Nonsense.
HostMessage ParseHostLine(std::string_view line);

}  // namespace vantrelle::platform::channel
