#pragma once
// The window's controls as plain objects. Each keeps its properties and raises its events the way
// the handlers expect: a value set from code that differs from the current one raises the same
// event a person's change would. The Win32 view mirrors them on screen through ControlObserver and
// turns a person's action into the same calls a test makes (Click, Type, GotFocus, LostFocus).

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Clock.h"

namespace vantrelle {

class Control;

class ControlObserver {
 public:
  virtual ~ControlObserver() = default;
  virtual void ControlChanged(Control& control) = 0;
  virtual void FocusRequested(Control& control) = 0;
};

using Handler = std::function<void()>;

class Control {
 public:
  explicit Control(std::string name, std::string caption = {}) : name_(std::move(name)), caption_(std::move(caption)) {}
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control() = default;

  const std::string& Name() const { return name_; }
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string_view caption);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  // Policy forces the control's value: it is shown disabled, whatever Enabled says, and left alone.
  bool Locked() const { return locked_; }
  void SetLocked(bool locked);

  // Asks for the input focus; the view moves it, a test reads the request.
  void SetFocus();
  int FocusRequests() const { return focusRequests_; }
  // The focus arrived or left (from the view or a test).
  void GotFocus();
  void LostFocus();
  bool HasFocus() const { return hasFocus_; }
  // The mouse moved over the control.
  void MouseMove();

  void SetObserver(ControlObserver* observer) { observer_ = observer; }

  Handler OnGotFocus;
  Handler OnLostFocus;
  Handler OnMouseMove;

 protected:
  void Changed();
  static void Raise(const Handler& handler) {
    if (handler) handler();
  }

 private:
  std::string name_;
  std::string caption_;
  bool enabled_ = true;
  bool visible_ = true;
  bool locked_ = false;
  bool hasFocus_ = false;
  int focusRequests_ = 0;
  ControlObserver* observer_ = nullptr;
};

// Tick box: 0 unticked, 1 ticked, 2 greyed; only exactly 1 counts as ticked.
class CheckBox : public Control {
 public:
  using Control::Control;
  int Value() const { return value_; }
  bool Ticked() const { return value_ == 1; }
  // A value outside 0..2 is refused with "Invalid property value". A different value raises OnClick.
  void SetValue(int value);
  // A person's click: ticks an unticked or greyed box, unticks a ticked one.
  void Click() { SetValue(value_ == 1 ? 0 : 1); }
  Handler OnClick;

 private:
  int value_ = 0;
};

class OptionButton;

// Option buttons of one group: choosing one clears the others.
class OptionGroup {
 public:
  void Add(OptionButton& button) { members_.push_back(&button); }
  void ClearOthers(const OptionButton& chosen);

 private:
  std::vector<OptionButton*> members_;
};

class OptionButton : public Control {
 public:
  OptionButton(std::string name, std::string caption, OptionGroup& group)
      : Control(std::move(name), std::move(caption)), group_(group) {
    group_.Add(*this);
  }
  bool Value() const { return value_; }
  // Choosing a button clears the others and raises OnClick; clearing raises nothing.
  void SetValue(bool value);
  // A person's click raises OnClick even on the chosen button.
  void Click();
  Handler OnClick;

 private:
  friend class OptionGroup;
  void Clear();
  OptionGroup& group_;
  bool value_ = false;
};

class TextBox : public Control {
 public:
  using Control::Control;
  const std::string& Text() const { return text_; }
  // A different text raises OnChange, whether typed by a person or set by code.
  void SetText(const std::string& text);
  // A person's keystrokes: the whole text as it stands after them.
  void Type(const std::string& text) { SetText(text); }
  int SelStart() const { return selStart_; }
  int SelLength() const { return selLength_; }
  void Select(int start, int length);
  // How often code asked for a selection, so the view applies a request and leaves a person's caret alone.
  int SelectRequests() const { return selectRequests_; }
  Handler OnChange;

 private:
  std::string text_;
  int selStart_ = 0;
  int selLength_ = 0;
  int selectRequests_ = 0;
};

// Drop-down list that only offers its entries (no typing).
class ListBox : public Control {
 public:
  ListBox(std::string name, std::vector<std::string> items) : Control(std::move(name)), items_(std::move(items)) {}
  // The entries as stored and compared; a person may read them translated (ShownItems).
  const std::vector<std::string>& Items() const { return items_; }
  const std::vector<std::string>& ShownItems() const { return shownItems_.empty() ? items_ : shownItems_; }
  // The entries as a person reads them, one for each of Items, in the same order.
  void SetShownItems(std::vector<std::string> shown) { shownItems_ = std::move(shown); }
  int ListIndex() const { return index_; }
  // -1 for none. Another position raises OnClick.
  void SetListIndex(int index);
  std::string Text() const;
  // The entry of that name (ignoring case); a text not in the list is "Invalid property value".
  void SetText(const std::string& text);
  Handler OnClick;

 private:
  std::vector<std::string> items_;
  std::vector<std::string> shownItems_;
  int index_ = -1;
};

// Date-time picker used for a time of day.
class TimePicker : public Control {
 public:
  using Control::Control;
  const LocalTime& Value() const { return value_; }
  // A different value raises OnChange.
  void SetValue(const LocalTime& value);
  // The picker's own value, set without an event (its design value).
  void InitialValue(const LocalTime& value) { value_ = value; }
  Handler OnChange;
  Handler OnClick;

 private:
  LocalTime value_{};
};

class PushButton : public Control {
 public:
  using Control::Control;
  void Click() { Raise(OnClick); }
  Handler OnClick;
};

class Frame : public Control {
 public:
  using Control::Control;
};

class Label : public Control {
 public:
  using Control::Control;
};

class ProgressBar : public Control {
 public:
  using Control::Control;
  std::int32_t Max() const { return max_; }
  void SetMax(std::int32_t max);
  std::int32_t Value() const { return value_; }
  void SetValue(std::int32_t value);

 private:
  std::int32_t max_ = 100;
  std::int32_t value_ = 0;
};

// Periodic timer: ticks every Interval milliseconds while enabled; an interval of 0 never ticks.
class Timer : public Control {
 public:
  using Control::Control;
  std::int32_t Interval() const { return interval_; }
  void SetInterval(std::int32_t milliseconds);
  // The timer's period came round (from the view's real timer or a test).
  void Elapse() {
    if (Enabled() && interval_ > 0) Raise(OnTimer);
  }
  Handler OnTimer;

 private:
  std::int32_t interval_ = 0;
};

}  // namespace vantrelle
