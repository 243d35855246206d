#include "window/Controls.h"

#include "base/RuntimeError.h"
#include "base/Strings.h"

namespace vantrelle {

void Control::Changed() {
  if (observer_) observer_->ControlChanged(*this);
}

void Control::SetCaption(std::string_view caption) {
  if (caption == caption_) return;
  caption_.assign(caption);  // within the capacity it has: the countdown's status allocates nothing
  Changed();
}

void Control::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Changed();
}

void Control::SetLocked(bool locked) {
  if (locked == locked_) return;
  locked_ = locked;
  Changed();
}

void Control::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  Changed();
}

void Control::SetFocus() {
  ++focusRequests_;
  if (observer_) observer_->FocusRequested(*this);
}

void Control::GotFocus() {
  hasFocus_ = true;
  Raise(OnGotFocus);
}

void Control::LostFocus() {
  hasFocus_ = false;
  Raise(OnLostFocus);
}

void Control::MouseMove() { Raise(OnMouseMove); }

void CheckBox::SetValue(int value) {
  if (value < 0 || value > 2) throw InvalidPropertyValue();
  if (value == value_) return;
  value_ = value;
  Changed();
  Raise(OnClick);
}

void OptionGroup::ClearOthers(const OptionButton& chosen) {
  for (OptionButton* member : members_) {
    if (member != &chosen) member->Clear();
  }
}

void OptionButton::Clear() {
  if (!value_) return;
  value_ = false;
  Changed();
}

void OptionButton::SetValue(bool value) {
  if (value == value_) return;
  if (!value) {
    Clear();
    return;
  }
  value_ = true;
  group_.ClearOthers(*this);
  Changed();
  Raise(OnClick);
}

void OptionButton::Click() {
  if (!value_) {
    SetValue(true);
    return;
  }
  Raise(OnClick);
}

void TextBox::SetText(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  selStart_ = 0;
  selLength_ = 0;
  Changed();
  Raise(OnChange);
}

void TextBox::Select(int start, int length) {
  selStart_ = start;
  selLength_ = length;
  ++selectRequests_;
  Changed();
}

void ListBox::SetListIndex(int index) {
  if (index < -1 || index >= static_cast<int>(items_.size())) throw InvalidPropertyValue();
  if (index == index_) return;
  index_ = index;
  Changed();
  Raise(OnClick);
}

std::string ListBox::Text() const { return index_ < 0 ? std::string() : items_[index_]; }

void ListBox::SetText(const std::string& text) {
  for (std::size_t i = 0; i < items_.size(); ++i) {
    if (EqualsNoCase(items_[i], text)) {
      SetListIndex(static_cast<int>(i));
      return;
    }
  }
  throw InvalidPropertyValue();
}

void TimePicker::SetValue(const LocalTime& value) {
  if (value == value_) return;
  value_ = value;
  Changed();
  Raise(OnChange);
}

void ProgressBar::SetMax(std::int32_t max) {
  if (max == max_) return;
  max_ = max;
  Changed();
}

void ProgressBar::SetValue(std::int32_t value) {
  if (value == value_) return;
  value_ = value;
  Changed();
}

void Timer::SetInterval(std::int32_t milliseconds) {
  if (milliseconds < 0) throw InvalidPropertyValue();
  if (milliseconds == interval_) return;
  interval_ = milliseconds;
  Changed();
}

}  // namespace vantrelle
