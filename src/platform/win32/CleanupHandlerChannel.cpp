#include "platform/win32/CleanupHandlerChannel.h"

namespace vantrelle::win32::channel {

std::string Line(std::initializer_list<std::string_view> fields) {
  std::string line;
  for (std::string_view field : fields) {
    if (!line.empty()) line += '\t';
    for (char c : field) line += (c == '\t' || c == '\n' || c == '\r') ? ' ' : c;
  }
  return line + '\n';
}

std::vector<std::string> Fields(std::string_view line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (;;) {
    const std::size_t tab = line.find('\t', start);
    fields.emplace_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
    if (tab == std::string_view::npos) return fields;
    start = tab + 1;
  }
}

bool LineReader::Next(std::string& line) {
  const std::size_t end = pending_.find('\n');
  if (end == std::string::npos) return false;
  line = pending_.substr(0, end);
  pending_.erase(0, end + 1);
  return true;
}

}  // namespace vantrelle::win32::channel
