#include "ui/win32/ControlView.h"

#include <commctrl.h>

#include <algorithm>
#include <cwctype>

#include "platform/win32/Unicode.h"
#include "platform/win32/Win32Clock.h"
#include "ui/win32/Dpi.h"

namespace vantrelle::win32 {
namespace {

using layout::Kind;

struct WindowKind {
  const wchar_t* className;
  DWORD style;
  DWORD exStyle;
};

WindowKind KindOf(Kind kind) {
  constexpr DWORD kFocusable = WS_TABSTOP | WS_GROUP;
  switch (kind) {
    case Kind::Frame: return {L"BUTTON", BS_GROUPBOX | WS_CLIPSIBLINGS, 0};
    case Kind::OptionButton: return {L"BUTTON", BS_RADIOBUTTON | BS_NOTIFY | kFocusable, 0};
    case Kind::CheckBox: return {L"BUTTON", BS_3STATE | BS_NOTIFY | kFocusable, 0};
    case Kind::PushButton: return {L"BUTTON", BS_PUSHBUTTON | BS_NOTIFY | kFocusable, 0};
    // Labels show folder paths: one that does not fit keeps its drive and its last folder.
    case Kind::Label: return {L"STATIC", SS_LEFT | SS_NOPREFIX | SS_PATHELLIPSIS, 0};
    case Kind::Note: return {L"STATIC", SS_LEFT | SS_NOPREFIX, 0};
    case Kind::TextBox: return {L"EDIT", ES_AUTOHSCROLL | kFocusable, WS_EX_CLIENTEDGE};
    case Kind::ListBox: return {L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | kFocusable, 0};
    case Kind::TimePicker: return {DATETIMEPICK_CLASSW, DTS_TIMEFORMAT | kFocusable, 0};
    case Kind::ProgressBar: return {PROGRESS_CLASSW, 0, 0};
    default: return {nullptr, 0, 0};
  }
}

bool ShowsCaption(Kind kind) {
  return kind == Kind::Frame || kind == Kind::OptionButton || kind == Kind::CheckBox || kind == Kind::PushButton ||
         kind == Kind::Label || kind == Kind::Note;
}

bool KindGrowsWithCaption(Kind kind) {
  return kind == Kind::Label || kind == Kind::CheckBox || kind == Kind::OptionButton;
}

// Buttons and frames read "&" as an access key's marker, and so do labels with an access key: a
// folder name with "&" must show as typed, and the access key, where the caption has its letter,
// is marked at its first place.
std::wstring CaptionText(const layout::Entry& entry, const std::string& caption, char key) {
  std::wstring text = Widen(caption);
  if ((entry.kind == Kind::Label || entry.kind == Kind::Note) && !key) return text;
  std::size_t keyAt = std::wstring::npos;
  if (key) {
    const wchar_t wide = static_cast<wchar_t>(key);
    keyAt = text.find(wide);
    if (keyAt == std::wstring::npos) keyAt = text.find(static_cast<wchar_t>(std::towupper(wide)));
  }
  std::wstring escaped;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (i == keyAt) escaped += L'&';
    escaped += text[i];
    if (text[i] == L'&') escaped += L'&';
  }
  return escaped;
}

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

WPARAM CheckState(int value) { return value == 1 ? BST_CHECKED : value == 2 ? BST_INDETERMINATE : BST_UNCHECKED; }

LocalTime FromSystemTime(const SYSTEMTIME& s) { return {s.wYear, s.wMonth, s.wDay, s.wHour, s.wMinute, s.wSecond}; }

// Sets a flag for the length of a scope, also when the model throws.
class FlagScope {
 public:
  explicit FlagScope(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
  ~FlagScope() { flag_ = old_; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  bool& flag_;
  bool old_;
};

// The UTF-16 position of a UTF-8 byte position in `text`.
int Utf16Position(const std::string& text, int bytes) {
  if (bytes <= 0) return 0;
  return static_cast<int>(Widen(std::string_view(text).substr(0, static_cast<std::size_t>(bytes))).size());
}

}  // namespace

int ControlId(std::string_view name) {
  int id = kFirstControlId;
  for (const layout::Entry& entry : layout::Entries()) {
    if (entry.name == name) return id;
    ++id;
  }
  return 0;
}

ControlView::ControlView(const layout::Entry& entry, Control& model, Language language)
    : entry_(entry), model_(model), accessKey_(layout::AccessKeyOf(entry, language)) {}

void ControlView::Measure(UINT dpi, HFONT font, HDC measuring) {
  dpi_ = dpi;
  font_ = font;
  measuring_ = measuring;
}

void ControlView::Create(HWND parent, const layout::Rect& inWindow) {
  WindowKind kind = KindOf(entry_.kind);
  if (accessKey_) kind.style &= ~static_cast<DWORD>(SS_NOPREFIX);  // a label's key shows
  const DWORD visible = model_.Visible() ? WS_VISIBLE : 0;
  const DWORD disabled = Usable() ? 0 : WS_DISABLED;
  std::wstring caption;
  if (ShowsCaption(entry_.kind)) {
    shownCaption_ = Widen(model_.Caption());
    captionShown_ = true;
    caption = CaptionText(entry_, model_.Caption(), accessKey_);
  }
  const RECT place = TwipsToPixels(inWindow, dpi_);
  window_ = CreateWindowExW(kind.exStyle, kind.className, caption.c_str(), WS_CHILD | kind.style | visible | disabled,
                            place.left, place.top, place.right - place.left, place.bottom - place.top, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(entry_.name))),
                            reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
  if (font_) SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  if (entry_.kind == Kind::ListBox) {
    FlagScope writing(writing_);
    for (const std::string& item : static_cast<ListBox&>(model_).ShownItems()) {
      SendMessageW(window_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
    }
    Place(dpi_, nullptr, inWindow);  // the height holds the dropped list of the items
  }
  ShowState();
}

void ControlView::Place(UINT dpi, HFONT font, const layout::Rect& inWindow) {
  dpi_ = dpi;
  if (font) {
    font_ = font;
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }
  const RECT place = TwipsToPixels(inWindow, dpi);
  int height = place.bottom - place.top;
  if (entry_.kind == Kind::ListBox) {
    // The layout gives the closed box; its window also holds the dropped list of all entries.
    const int items = static_cast<int>(SendMessageW(window_, CB_GETCOUNT, 0, 0));
    const int itemHeight = static_cast<int>(SendMessageW(window_, CB_GETITEMHEIGHT, 0, 0));
    height += (items + 1) * itemHeight;
  }
  SetWindowPos(window_, nullptr, place.left, place.top, place.right - place.left, height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  if (entry_.kind == Kind::ListBox) {
    // The closed box fills the height the layout gives it, whatever the font.
    const int edge = 2 * SystemMetric(SM_CYEDGE, dpi) + 2;
    SendMessageW(window_, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), (place.bottom - place.top) - edge);
  }
}

bool ControlView::GrowsWithCaption() const { return KindGrowsWithCaption(entry_.kind); }

int ControlView::WantedWidth() const {
  if (!GrowsWithCaption() || !font_ || !measuring_) return 0;
  HGDIOBJ old = SelectObject(measuring_, font_);
  const std::wstring text = Widen(model_.Caption());
  SIZE extent{};
  GetTextExtentPoint32W(measuring_, text.c_str(), static_cast<int>(text.size()), &extent);
  SelectObject(measuring_, old);
  int needed = extent.cx + MulDiv(2, static_cast<int>(dpi_), kDefaultDpi);
  if (entry_.kind != Kind::Label)
    needed += SystemMetric(SM_CXMENUCHECK, dpi_) + MulDiv(6, static_cast<int>(dpi_), kDefaultDpi);
  return needed;
}

void ControlView::ShowState() {
  FlagScope writing(writing_);
  if (!IsWindowEnabled(window_) != !Usable()) EnableWindow(window_, Usable());
  const bool shown = (GetWindowLongW(window_, GWL_STYLE) & WS_VISIBLE) != 0;
  if (shown != model_.Visible()) ShowWindow(window_, model_.Visible() ? SW_SHOWNA : SW_HIDE);

  switch (entry_.kind) {
    case Kind::CheckBox: {
      const WPARAM state = CheckState(static_cast<CheckBox&>(model_).Value());
      if (static_cast<WPARAM>(SendMessageW(window_, BM_GETCHECK, 0, 0)) != state) {
        SendMessageW(window_, BM_SETCHECK, state, 0);
      }
      break;
    }
    case Kind::OptionButton: {
      const WPARAM state = static_cast<OptionButton&>(model_).Value() ? BST_CHECKED : BST_UNCHECKED;
      if (static_cast<WPARAM>(SendMessageW(window_, BM_GETCHECK, 0, 0)) != state) {
        SendMessageW(window_, BM_SETCHECK, state, 0);
      }
      break;
    }
    case Kind::TextBox: ShowTextBox(static_cast<TextBox&>(model_)); break;
    case Kind::ListBox: {
      const int index = static_cast<ListBox&>(model_).ListIndex();
      if (SendMessageW(window_, CB_GETCURSEL, 0, 0) != index) SendMessageW(window_, CB_SETCURSEL, index, 0);
      break;
    }
    case Kind::TimePicker: ShowTimePicker(static_cast<TimePicker&>(model_)); break;
    case Kind::ProgressBar: {
      const auto& bar = static_cast<ProgressBar&>(model_);
      SendMessageW(window_, PBM_SETRANGE32, 0, bar.Max());
      SendMessageW(window_, PBM_SETPOS, static_cast<WPARAM>(bar.Value()), 0);
      break;
    }
    default: break;
  }
}

void ControlView::ShowTextBox(TextBox& box) {
  const std::wstring text = Widen(box.Text());
  const bool replaced = WindowText(window_) != text;
  if (replaced) SetWindowTextW(window_, text.c_str());
  // The caret is the person's unless code set the text or asked for a selection.
  const bool requested = box.SelectRequests() != seenSelectRequests_;
  seenSelectRequests_ = box.SelectRequests();
  if (!replaced && !requested) return;
  const int start = Utf16Position(box.Text(), box.SelStart());
  const int end = Utf16Position(box.Text(), box.SelStart() + box.SelLength());
  SendMessageW(window_, EM_SETSEL, static_cast<WPARAM>(start), end);
}

void ControlView::ShowTimePicker(const TimePicker& picker) {
  SYSTEMTIME shown{};
  const SYSTEMTIME wanted = ToSystemTime(picker.Value());
  if (SendMessageW(window_, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&shown)) == GDT_VALID &&
      FromSystemTime(shown) == picker.Value()) {
    return;
  }
  SendMessageW(window_, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&wanted));
}

bool ControlView::CaptionPending() const {
  return ShowsCaption(entry_.kind) && (!captionShown_ || shownCaption_ != Widen(model_.Caption()));
}

void ControlView::ShowCaption() {
  if (!ShowsCaption(entry_.kind)) return;
  shownCaption_ = Widen(model_.Caption());
  captionShown_ = true;
  SetWindowTextW(window_, CaptionText(entry_, model_.Caption(), accessKey_).c_str());
  if (entry_.kind == Kind::Frame) {
    // A frame draws its caption over the window's background: clear the old, longer text too.
    HWND parent = GetParent(window_);
    RECT strip{};
    GetWindowRect(window_, &strip);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&strip), 2);
    strip.bottom = strip.top + TwipsToPixels(300, WindowDpi(parent));
    RedrawWindow(parent, &strip, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  }
}

void ControlView::Command(UINT code) {
  const bool byPerson = !writing_;  // focus moves are reported either way
  switch (entry_.kind) {
    case Kind::CheckBox:
    case Kind::OptionButton:
    case Kind::PushButton:
      if (byPerson && (code == BN_CLICKED || code == BN_DOUBLECLICKED)) {
        if (entry_.kind == Kind::CheckBox) static_cast<CheckBox&>(model_).Click();
        if (entry_.kind == Kind::OptionButton) static_cast<OptionButton&>(model_).Click();
        if (entry_.kind == Kind::PushButton) static_cast<PushButton&>(model_).Click();
      }
      if (code == BN_SETFOCUS || code == BN_KILLFOCUS) Focus(code == BN_SETFOCUS);
      break;
    case Kind::TextBox:
      if (byPerson && code == EN_CHANGE) static_cast<TextBox&>(model_).Type(Narrow(WindowText(window_)));
      if (code == EN_SETFOCUS || code == EN_KILLFOCUS) Focus(code == EN_SETFOCUS);
      break;
    case Kind::ListBox:
      if (byPerson && code == CBN_SELCHANGE) {
        static_cast<ListBox&>(model_).SetListIndex(static_cast<int>(SendMessageW(window_, CB_GETCURSEL, 0, 0)));
      }
      if (code == CBN_SETFOCUS || code == CBN_KILLFOCUS) Focus(code == CBN_SETFOCUS);
      break;
    default: break;
  }
}

void ControlView::Notify(const NMHDR& header) {
  if (header.code == NM_SETFOCUS || header.code == NM_KILLFOCUS) {
    Focus(header.code == NM_SETFOCUS);
    return;
  }
  if (!writing_ && entry_.kind == Kind::TimePicker && header.code == DTN_DATETIMECHANGE) {
    const auto& change = reinterpret_cast<const NMDATETIMECHANGE&>(header);
    if (change.dwFlags != GDT_VALID) return;
    static_cast<TimePicker&>(model_).SetValue(FromSystemTime(change.st));
  }
}

void ControlView::Focus(bool got) {
  if (got) {
    model_.GotFocus();
  } else {
    model_.LostFocus();
  }
}

}  // namespace vantrelle::win32
