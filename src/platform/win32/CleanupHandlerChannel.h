#pragma once
// What the program and its handler host (a child copy of the program that runs Windows' cleanup
// handlers, someone else's code, away from the window) say to each other over its pipes: one line
// per message, fields separated by tabs, UTF-8.
//
// To the host: "list\t<volume>", "measure\t<volume>\t<key>", "scan\t<volume>\t<key>" or
// "purge\t<volume>\t<key>", then at
// most "stop" (or the pipe closed), which the handler hears as E_ABORT.
// From the host: "alive" at every progress report, "handler\t<key>\t<name>\t<description>" per
// handler listed (and for a scan, when the handler is offered), and last "done\t<status>\t<bytes>\t<error>".
#include <string>
#include <string_view>
#include <vector>

namespace vantrelle::win32::channel {

inline constexpr std::string_view kList = "list";
inline constexpr std::string_view kMeasure = "measure";
inline constexpr std::string_view kPurge = "purge";
inline constexpr std::string_view kScan = "scan";
inline constexpr std::string_view kStop = "stop";
inline constexpr std::string_view kAlive = "alive";
inline constexpr std::string_view kHandler = "handler";
inline constexpr std::string_view kDone = "done";

// One line of fields; a tab or line break inside a field becomes a blank.
std::string Line(std::initializer_list<std::string_view> fields);
std::vector<std::string> Fields(std::string_view line);

// Lines as they come in pieces from a pipe.
class LineReader {
 public:
  void Add(std::string_view bytes) { pending_.append(bytes); }
  // The next whole line, without its break; false while none is complete.
  bool Next(std::string& line);

 private:
  std::string pending_;
};

}  // namespace vantrelle::win32::channel
