#pragma once
#include <exception>
#include <string_view>
#include <utility>

#include "base/ErrorReport.h"
#include "base/RuntimeError.h"

namespace vantrelle {

// Runs the numbered lines of one guarded routine. A line that fails (its own statement, or any
// unguarded routine it calls) is reported with the routine's location and that line's number, and
// the routine goes on with the next line; the guard stays armed for later lines.
class Guard {
 public:
  Guard(ErrorReporter& reporter, std::string_view location) : reporter_(reporter), location_(location) {}

  // One statement line.
  template <class Step>
  void Line(int number, Step&& step) {
    try {
      std::forward<Step>(step)();
    } catch (...) {
      Report(number);
    }
  }

  // The test of a conditional line. A failing test resumes inside the conditional, as if it had
  // held, so the result is then true.
  template <class Condition>
  bool Test(int number, Condition&& condition) {
    try {
      return static_cast<bool>(std::forward<Condition>(condition)());
    } catch (...) {
      Report(number);
      return true;
    }
  }

 private:
  void Report(int number) {
    const Language language = reporter_.ReportLanguage();
    reporter_.Report(ErrorReportText(location_, number, Describe(std::current_exception(), language), language));
  }

  static std::string Describe(std::exception_ptr failure, Language language) {
    try {
      std::rethrow_exception(failure);
    } catch (const RuntimeError& e) {
      return RuntimeErrorDescription(e, language);
    } catch (const std::exception& e) {
      return e.what();
    } catch (...) {
      return Text(language, TextId::UnexpectedError);
    }
  }

  ErrorReporter& reporter_;
  std::string_view location_;
};

}  // namespace vantrelle
