#pragma once
#include <string>
#include <string_view>

#include "base/ErrorReport.h"
#include "cleaning/RunHost.h"

namespace vantrelle::commandline {

// Text broken into lines for a message box or a file ("\r\n", or "\r" alone) broken with "\n" once,
// as text output breaks it.
inline std::string PlainLines(std::string_view text) {
  std::string lines;
  lines.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r') {
      lines += text[i];
    } else if (i + 1 >= text.size() || text[i + 1] != '\n') {
      lines += '\n';
    }
  }
  return lines;
}

// A cleaning run without a window: nobody watches a status line, no schedule rests, and whatever the
// window would show in a box (a location's message, an error report) becomes a line of the run's
// text instead, so that the run never waits for a person.
class CommandRunHost : public cleaning::RunHost, private ErrorReporter {
 public:
  // `language`: the one error reports are written in.
  explicit CommandRunHost(Language language = Language::English) : language_(language) {}
  void ShowStatus(const std::string&) override {}
  void ShowMessage(const std::string& text) override { AddLine(text); }
  void PauseSchedule() override {}
  void ResumeSchedule() override {}
  std::optional<platform::WindowHandle> OwnerWindow() const override { return std::nullopt; }
  ErrorReporter& Errors() override { return *this; }
  bool StopRequested() const override { return false; }

  // Each message and report, one or more lines each, in the order they came.
  const std::string& Text() const { return text_; }

 private:
  void Report(const std::string& text) override { AddLine(text); }
  Language ReportLanguage() const override { return language_; }
  // The error report breaks its lines for a message box ("\r\n", "\r\r").
  void AddLine(const std::string& text) { text_ += PlainLines(text) + '\n'; }

  Language language_;
  std::string text_;
};

}  // namespace vantrelle::commandline
