#pragma once
#include <string>

namespace vantrelle {

// The language of the program's texts (base/Texts.h).
enum class Language { English, German, Pseudo };

// The user's regional settings, which the conversions follow; read live (the person may change them while the program
// runs). Texts are UTF-8; separators may be more than one byte (a no-break space, for instance).
class Locale {
 public:
  virtual ~Locale() = default;
  virtual std::string DecimalSeparator() const = 0;
  virtual std::string ThousandsSeparator() const = 0;
  // Picture of the short date, e.g. "M/d/yyyy" or "dd.MM.yyyy".
  virtual std::string ShortDatePattern() const = 0;
  // Picture of the time of day, e.g. "h:mm:ss tt" or "HH:mm:ss".
  virtual std::string TimePattern() const = 0;
  virtual std::string AmDesignator() const = 0;
  virtual std::string PmDesignator() const = 0;
  // The language Windows shows its own texts in, as far as the program has them.
  virtual Language DisplayLanguage() const { return Language::English; }
};

}  // namespace vantrelle
