#pragma once
// The main window's captions in the person's display language. The panels are built with the
// design's English captions; a form in another language replaces them from the text table.
#include <optional>
#include <string_view>
#include <vector>

#include "base/Texts.h"

namespace vantrelle {

class Control;
class ListBox;

// The text table's entry for a control's caption as designed, or nothing for a control whose caption
// is no text of ours (a path, "...", or none).
std::optional<TextId> CaptionTextOf(std::string_view control);

// Every listed control takes its caption in the language, and the weekday list its day names.
void ShowTextsIn(Language language, const std::vector<Control*>& controls, ListBox& weekdays);

}  // namespace vantrelle
