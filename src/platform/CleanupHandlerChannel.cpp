#include "platform/CleanupHandlerChannel.h"

#include <cstdint>
#include <limits>
#include <optional>

namespace vantrelle::platform::channel {

namespace {

using Status = CleanupHandlerResult::Status;

// Digits only, one to twenty of them (as many as 2^64-1 has), within `largest`.
std::optional<std::uint64_t> Number(std::string_view text, std::uint64_t largest) {
  if (text.empty() || text.size() > 20) return std::nullopt;
  std::uint64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    const auto digit = static_cast<std::uint64_t>(c - '0');
    if (digit > largest || value > (largest - digit) / 10) return std::nullopt;
    value = value * 10 + digit;
  }
  return value;
}

bool HasControlCharacter(std::string_view line) {
  for (char c : line) {
    if (static_cast<unsigned char>(c) < 0x20 && c != '\t') return true;
    if (c == 0x7f) return true;
  }
  return false;
}

}  // namespace

std::string Line(std::initializer_list<std::string_view> fields) {
  std::string line;
  bool first = true;
  for (std::string_view field : fields) {
    if (!first) line += '\t';
    first = false;
    for (char c : field) line += (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) ? ' ' : c;
  }
  if (line.size() > kMaxLine) line.resize(kMaxLine);
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

void LineReader::Add(std::string_view bytes) {
  if (start_ > 0) {  // the lines already handed out go first, so that only one unfinished line is kept
    pending_.erase(0, start_);
    start_ = 0;
  }
  pending_.append(bytes);
}

LineReader::Result LineReader::Next(std::string& line) {
  const std::size_t end = pending_.find('\n', start_);
  const std::size_t length = (end == std::string::npos ? pending_.size() : end) - start_;
  if (length > kMaxLine) {
    pending_.clear();
    start_ = 0;
    return Result::TooLong;
  }
  if (end == std::string::npos) return Result::None;
  line.assign(pending_, start_, length);
  start_ = end + 1;
  return Result::Line;
}

HostMessage ParseHostLine(std::string_view line) {
  HostMessage message;
  if (line.size() > kMaxLine || HasControlCharacter(line)) return message;
  const std::vector<std::string> fields = Fields(line);
  if (fields[0] == kAlive && fields.size() == 1) {
    message.kind = HostMessage::Kind::Alive;
  } else if (fields[0] == kHandler && fields.size() == 4 && !fields[1].empty()) {
    message.kind = HostMessage::Kind::Handler;
    message.handler = {fields[1], fields[2], fields[3]};
  } else if (fields[0] == kDone && fields.size() == 4) {
    const auto status = Number(fields[1], static_cast<std::uint64_t>(Status::Failed));
    const auto bytes = Number(fields[2], std::numeric_limits<std::uint64_t>::max());
    if (!status || !bytes) return message;
    message.kind = HostMessage::Kind::Done;
    message.result = {static_cast<Status>(*status), *bytes, fields[3]};
  }
  return message;
}

}  // namespace vantrelle::platform::channel
