#include "ui/win32/MainWindow.h"

#include <commctrl.h>

#include <algorithm>
#include <exception>
#include <string_view>

#include "platform/MessageBoxService.h"
#include "platform/win32/Unicode.h"
#include "ui/win32/common/AccessibleName.h"
#include "ui/win32/Dpi.h"
#include "window/Layout.h"

namespace vantrelle::win32 {
namespace {

// No WS_CLIPCHILDREN: frames do not paint their inside, the window's background must show there.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kExStyle = WS_EX_CONTROLPARENT;

FontHandle MakeFont(const layout::Font& font, UINT dpi) {
  return FontHandle(CreateFontW(FontHeight(font.hundredthsOfPoint, dpi), 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL,
                                FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_SWISS, Widen(font.face).c_str()));
}

// Focusable controls first, in keyboard order (dialog navigation follows the order of creation),
// then labels, then frames at the bottom so they never paint over what they hold.
int CreationRank(const layout::Entry& entry) {
  if (layout::TakesFocus(entry)) return entry.tab;
  return entry.kind == layout::Kind::Frame ? 2000 : 1000;
}

// The order of creation: a label that names a box comes directly before it, so that a screen reader
// names the box after it.
std::vector<const layout::Entry*> CreationOrder() {
  std::vector<const layout::Entry*> entries;
  for (const layout::Entry& entry : layout::Entries()) {
    if (layout::OnScreen(entry)) entries.push_back(&entry);
  }
  std::stable_sort(entries.begin(), entries.end(),
                   [](const auto* a, const auto* b) { return CreationRank(*a) < CreationRank(*b); });
  std::vector<const layout::Entry*> order;
  for (const layout::Entry* entry : entries) {
    if (std::find(order.begin(), order.end(), entry) != order.end()) continue;  // already before its box
    if (const layout::Entry* label = layout::LabelBefore(*entry)) order.push_back(label);
    order.push_back(entry);
  }
  return order;
}

void RegisterWindowClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExW(instance, MainWindow::kClassName, &existing)) return;
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = MainWindow::kClassName;
  RegisterClassExW(&windowClass);
}

}  // namespace

MainWindow::MainWindow(MainForm& form, WindowEvents& events, HINSTANCE instance, int iconId)
    : form_(form), events_(events), instance_(instance), iconId_(iconId) {}

MainWindow::~MainWindow() { Destroy(); }

bool MainWindow::Create() {
  const INITCOMMONCONTROLSEX common{sizeof(INITCOMMONCONTROLSEX),
                                    ICC_DATE_CLASSES | ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&common);
  RegisterWindowClass(instance_, &MainWindow::WindowProc);
  // Made at its size for the system's DPI, where it nearly always opens; on a monitor of another DPI
  // it is sized again once its controls are in.
  const UINT systemDpi = GetDpiForSystem();
  const SIZE outer = OuterSize(systemDpi);
  shownCaption_ = Widen(form_.caption);
  HWND window = CreateWindowExW(kExStyle, kClassName, shownCaption_.c_str(), kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                                outer.cx, outer.cy, nullptr, nullptr, instance_, this);
  if (!window) return false;
  ApplyBackground();
  dpi_ = WindowDpi(window);
  measuring_.Reset(CreateCompatibleDC(nullptr));
  MakeFonts();
  managedTip_ = Widen(TextOf(TextId::ManagedTip));
  CreateControls();
  if (dpi_ != systemDpi) FitWindow();
  LoadIcons();
  form_.windowHandle = reinterpret_cast<platform::WindowHandle>(window);
  return true;
}

void MainWindow::Destroy() {
  if (!window_) return;
  for (auto& view : views_) view->Model().SetObserver(nullptr);
  form_.statusPanel.countdownTimer.SetObserver(nullptr);
  form_.optionsPanel.lowSpaceTimer.SetObserver(nullptr);
  form_.windowHandle = 0;
  // Cut loose first: the controls' last notifications must not reach the model.
  HWND window = window_.Release();
  SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  DestroyWindow(window);
  tooltip_ = nullptr;
  tipped_.clear();
  views_.clear();
}

void MainWindow::CreateControls() {
  for (const layout::Entry* entry : CreationOrder()) {
    Control* model = layout::ModelControl(form_, entry->name);
    if (!model) continue;
    auto view = std::make_unique<ControlView>(*entry, *model, DisplayLanguage());
    view->Measure(dpi_, FontOf(*view), measuring_.Get());
    views_.push_back(std::move(view));
  }
  const std::vector<layout::Rect> places = Places();
  for (auto& view : views_) {
    view->Create(window_.Get(), places[IndexOf(*view)]);
    if (const auto name = layout::AccessibleName(view->Entry())) {
      GiveAccessibleName(view->Handle(), Widen(TextOf(*name)));
    }
    view->Model().SetObserver(this);
    ShowManagedTip(*view, true);
  }
  form_.statusPanel.countdownTimer.SetObserver(this);
  form_.optionsPanel.lowSpaceTimer.SetObserver(this);
  ShowTimers();
}

Language MainWindow::DisplayLanguage() const {
  const Locale* locale = form_.Platform().locale;
  return locale ? locale->DisplayLanguage() : Language::English;
}

std::string MainWindow::TextOf(TextId id) const { return Text(DisplayLanguage(), id); }

HFONT MainWindow::FontOf(const ControlView& view) const {
  const bool buttonFont = &layout::FontOf(view.Entry()) == &layout::kPushButtonFont;
  return buttonFont ? buttonFont_.Get() : windowFont_.Get();
}

void MainWindow::MakeFonts() {
  windowFont_ = MakeFont(layout::kWindowFont, dpi_);
  buttonFont_ = MakeFont(layout::kPushButtonFont, dpi_);
  SendMessageW(window_.Get(), WM_SETFONT, reinterpret_cast<WPARAM>(windowFont_.Get()), FALSE);
}

SIZE MainWindow::OuterSize(UINT dpi) {
  const SIZE client{TwipsToPixels(layout::kClientWidth, dpi), TwipsToPixels(layout::kClientHeight, dpi)};
  return win32::OuterSize(client, kStyle, kExStyle, dpi);
}

void MainWindow::FitWindow() {
  const SIZE outer = OuterSize(dpi_);
  SetWindowPos(window_.Get(), nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::ApplyDpi(UINT dpi) {
  dpi_ = dpi;
  MakeFonts();
  Arrange(true);
  for (auto& view : views_) ShowManagedTip(*view, true);
  FitWindow();
  InvalidateRect(window_.Get(), nullptr, TRUE);
}

void MainWindow::LoadIcons() {
  if (!iconId_) return;
  auto load = [&](int size) {
    return IconHandle(static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(iconId_), IMAGE_ICON, size, size, 0)));
  };
  bigIcon_ = load(SystemMetric(SM_CXICON, dpi_));
  smallIcon_ = load(SystemMetric(SM_CXSMICON, dpi_));
  SendMessageW(window_.Get(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.Get()));
  SendMessageW(window_.Get(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.Get()));
}

void MainWindow::ApplyBackground() {
  const COLORREF colour = GetSysColor(form_.buttonFaceBackground ? COLOR_BTNFACE : COLOR_WINDOW);
  if (colour == backColour_ && background_) return;
  backColour_ = colour;
  background_.Reset(CreateSolidBrush(colour));
  InvalidateRect(window_.Get(), nullptr, TRUE);
}

void MainWindow::SystemColoursChanged(UINT message, WPARAM wParam, LPARAM lParam) {
  // The common controls keep colours of their own: they hear of the change too.
  for (auto& view : views_) SendMessageW(view->Handle(), message, wParam, lParam);
  backColour_ = CLR_INVALID;
  ApplyBackground();
  RedrawWindow(window_.Get(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

bool MainWindow::LoadHandCursor(const std::string& file) {
  handCursor_.Reset(LoadCursorFromFileW(Widen(file).c_str()));
  return static_cast<bool>(handCursor_);
}

// True when the program's own pointer was put up.
bool MainWindow::ShowPointer() {
  if (form_.pointer != MousePointer::Custom || !handCursor_) return false;
  SetCursor(handCursor_.Get());
  return true;
}

void MainWindow::ShowForm() {
  HWND window = window_.Get();
  ApplyBackground();
  // The title bar is redrawn only for a new caption.
  std::wstring caption = Widen(form_.caption);
  if (caption != shownCaption_) {
    SetWindowTextW(window, caption.c_str());
    shownCaption_ = std::move(caption);
  }
  if (!form_.windowVisible) {
    ShowWindow(window, SW_HIDE);
    return;
  }
  if (form_.windowState == WindowState::Minimized) {
    if (!IsIconic(window) || !IsWindowVisible(window)) ShowWindow(window, SW_SHOWMINIMIZED);
    return;
  }
  const bool wasHidden = !IsWindowVisible(window);
  // Captions held back by the pacing must be up before the window first shows.
  if (wasHidden) ShowPendingCaptions();
  // Only a change of state touches the window, so a pointer or caption update never activates it.
  if (IsIconic(window)) {
    ShowWindow(window, SW_RESTORE);
  } else if (wasHidden) {
    ShowWindow(window, SW_SHOWNORMAL);
  }
  if (wasHidden && !lastFocus_) {
    // The keyboard starts at the first control of the tab order.
    HWND first = GetNextDlgTabItem(window, nullptr, FALSE);
    if (first) SetFocus(first);
  }
}

bool MainWindow::Navigate(MSG& message) {
  if (!window_) return false;
  return MoveInOptionGroup(message) || PressFocusedButton(message) || IsDialogMessageW(window_.Get(), &message);
}

// The window has no default button: Enter presses the push button that has the focus.
bool MainWindow::PressFocusedButton(const MSG& message) {
  if (message.message != WM_KEYDOWN || message.wParam != VK_RETURN) return false;
  ControlView* view = ViewByWindow(message.hwnd);
  if (!view || view->Entry().kind != layout::Kind::PushButton || !view->Usable()) return false;
  Safely([&] { view->Command(BN_CLICKED); });
  return true;
}

// Each option button is a tab stop of its own, in the designed order, so dialog navigation treats
// each as a group of one; the arrows move through the options of its frame in reading order.
bool MainWindow::MoveInOptionGroup(const MSG& message) {
  if (message.message != WM_KEYDOWN) return false;
  const bool back = message.wParam == VK_UP || message.wParam == VK_LEFT;
  if (!back && message.wParam != VK_DOWN && message.wParam != VK_RIGHT) return false;
  const ControlView* from = ViewByWindow(message.hwnd);
  if (!from || from->Entry().kind != layout::Kind::OptionButton) return false;
  std::vector<ControlView*> options;
  for (const auto& view : views_) {
    const layout::Entry& entry = view->Entry();
    if (entry.kind == layout::Kind::OptionButton && entry.container == from->Entry().container && view->Usable())
      options.push_back(view.get());
  }
  std::sort(options.begin(), options.end(),
            [](const auto* a, const auto* b) { return a->Entry().twips.top < b->Entry().twips.top; });
  const auto at = std::find(options.begin(), options.end(), from);
  if (at == options.end()) return false;
  const std::size_t count = options.size();
  const std::size_t index = static_cast<std::size_t>(at - options.begin());
  ControlView* to = options[(index + (back ? count - 1 : 1)) % count];
  // Chosen first: a button that gets the focus unchecked would report a click of its own.
  Safely([&] { static_cast<OptionButton&>(to->Model()).Click(); });
  SetFocus(to->Handle());
  return true;
}

const ControlView* MainWindow::View(std::string_view name) const {
  for (const auto& view : views_) {
    if (view->Entry().name == name) return view.get();
  }
  return nullptr;
}

ControlView* MainWindow::ViewOf(const Control& control) const {
  for (const auto& view : views_) {
    if (&view->Model() == &control) return view.get();
  }
  return nullptr;
}

ControlView* MainWindow::ViewByWindow(HWND control) const {
  for (const auto& view : views_) {
    if (view->Handle() == control) return view.get();
  }
  return nullptr;
}

ControlView* MainWindow::ViewById(int id) const {
  for (const auto& view : views_) {
    if (GetDlgCtrlID(view->Handle()) == id) return view.get();
  }
  return nullptr;
}

void MainWindow::ControlChanged(Control& control) {
  if (&control == &form_.statusPanel.countdownTimer || &control == &form_.optionsPanel.lowSpaceTimer) {
    ShowTimers();
    return;
  }
  ControlView* view = ViewOf(control);
  if (!view) return;
  view->ShowState();
  ShowManagedTip(*view, false);
  if (view->CaptionPending()) PaceCaption(*view);
}

void MainWindow::ShowManagedTip(const ControlView& view, bool placeChanged) {
  const bool locked = view.Model().Locked();
  const bool shown = tipped_.count(&view) != 0;
  if (locked == shown && !(locked && placeChanged)) return;
  // The tip's window is made for the first locked control: without a policy there is none.
  if (!tooltip_) {
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_.Get(), nullptr, instance_, nullptr);
    if (!tooltip_) return;
  }
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = window_.Get();
  tool.uId = static_cast<UINT_PTR>(ControlId(view.Entry().name));
  if (shown) SendMessageW(tooltip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  tipped_.erase(&view);
  if (!locked) return;
  GetWindowRect(view.Handle(), &tool.rect);
  MapWindowPoints(nullptr, window_.Get(), reinterpret_cast<POINT*>(&tool.rect), 2);
  tool.uFlags = TTF_SUBCLASS;
  tool.lpszText = managedTip_.data();
  if (SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool))) tipped_.insert(&view);
}

void MainWindow::FocusRequested(Control& control) {
  if (ControlView* view = ViewOf(control)) SetFocus(view->Handle());
}

void MainWindow::PaceCaption(ControlView& view) {
  const std::uint64_t now = GetTickCount64();
  if (now - lastCaptionPaint_ >= kCaptionPaceMs) {
    lastCaptionPaint_ = now;
    view.ShowCaption();
    if (view.GrowsWithCaption()) Arrange(false);
    UpdateWindow(window_.Get());  // visible at once even while a long run keeps the loop busy
    return;
  }
  // Too soon after the last repaint: the timer shows the newest text, whatever it is by then.
  if (!captionTimerSet_) {
    captionTimerSet_ = SetTimer(window_.Get(), kCaptionTimerId, static_cast<UINT>(kCaptionPaceMs), nullptr) != 0;
  }
}

void MainWindow::ShowPendingCaptions() {
  KillTimer(window_.Get(), kCaptionTimerId);
  captionTimerSet_ = false;
  lastCaptionPaint_ = GetTickCount64();
  bool grown = false;
  for (auto& view : views_) {
    if (!view->CaptionPending()) continue;
    view->ShowCaption();
    grown = grown || view->GrowsWithCaption();
  }
  if (grown) Arrange(false);
}

std::size_t MainWindow::IndexOf(const ControlView& view) {
  return static_cast<std::size_t>(&view.Entry() - layout::Entries().data());
}

std::vector<layout::Rect> MainWindow::Places() const {
  std::vector<int> wanted(layout::Entries().size(), 0);
  for (const auto& view : views_) {
    wanted[IndexOf(*view)] = MulDiv(view->WantedWidth(), layout::kTwipsPerInch, static_cast<int>(dpi_));
  }
  return layout::Arranged(wanted);
}

void MainWindow::Arrange(bool newFonts) {
  if (newFonts) {
    for (auto& view : views_) view->Measure(dpi_, FontOf(*view), measuring_.Get());
  }
  const std::vector<layout::Rect> places = Places();
  for (auto& view : views_) view->Place(dpi_, newFonts ? FontOf(*view) : nullptr, places[IndexOf(*view)]);
}

void MainWindow::ShowTimer(const Timer& timer, UINT_PTR id, TimerShown& shown) {
  const bool run = timer.Enabled() && timer.Interval() > 0;
  if (run == shown.running && (!run || shown.interval == timer.Interval())) return;
  shown.running = run;
  shown.interval = timer.Interval();
  if (run) {
    SetTimer(window_.Get(), id, static_cast<UINT>(shown.interval), nullptr);
  } else {
    KillTimer(window_.Get(), id);
  }
}

void MainWindow::ShowTimers() {
  ShowTimer(form_.statusPanel.countdownTimer, kCountdownTimerId, countdownTimerShown_);
  ShowTimer(form_.optionsPanel.lowSpaceTimer, kLowSpaceTimerId, lowSpaceTimerShown_);
}

template <class Call>
void MainWindow::Safely(Call&& call) {
  std::string failure;
  try {
    call();
    return;
  } catch (const std::exception& e) {
    failure = e.what();
  } catch (...) {
    failure = TextOf(TextId::UnexpectedError);
  }
  if (form_.Platform().messageBox) {
    form_.Platform().messageBox->Show(failure, form_.applicationTitle, platform::MessageIcon::Warning);
  }
}

void MainWindow::OnSize(WPARAM kind) {
  if (kind == SIZE_MINIMIZED) {
    form_.windowState = WindowState::Minimized;
  } else if (kind == SIZE_RESTORED || kind == SIZE_MAXIMIZED) {
    form_.windowState = WindowState::Normal;
  } else {
    return;
  }
  Safely([&] { events_.Resized(); });
}

void MainWindow::OnActivate(WPARAM state) {
  // Keep the control that had the keyboard when the window is left, and give it back on return.
  if (LOWORD(state) == WA_INACTIVE) {
    HWND focus = GetFocus();
    if (focus && IsChild(window_.Get(), focus)) lastFocus_ = focus;
  } else if (lastFocus_ && IsWindow(lastFocus_) && IsWindowVisible(lastFocus_)) {
    SetFocus(lastFocus_);
  }
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND window = window_.Get();
  switch (message) {
    case WM_COMMAND:
      if (ControlView* view = lParam ? ViewById(LOWORD(wParam)) : nullptr) {
        Safely([&] { view->Command(HIWORD(wParam)); });
      }
      return 0;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (ControlView* view = ViewById(static_cast<int>(header->idFrom))) Safely([&] { view->Notify(*header); });
      return 0;
    }
    case WM_TIMER:
      if (wParam == kCountdownTimerId) Safely([&] { form_.statusPanel.countdownTimer.Elapse(); });
      if (wParam == kLowSpaceTimerId) Safely([&] { form_.optionsPanel.lowSpaceTimer.Elapse(); });
      if (wParam == kCaptionTimerId) ShowPendingCaptions();
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      auto dc = reinterpret_cast<HDC>(wParam);
      SetTextColor(dc, GetSysColor(form_.buttonFaceBackground ? COLOR_BTNTEXT : COLOR_WINDOWTEXT));
      SetBkColor(dc, backColour_);
      SetBkMode(dc, TRANSPARENT);
      return reinterpret_cast<LRESULT>(background_.Get());
    }
    case WM_ERASEBKGND: {
      RECT client{};
      GetClientRect(window, &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client, background_.Get());
      return 1;
    }
    case WM_SYSCOLORCHANGE:
    case WM_THEMECHANGED: SystemColoursChanged(message, wParam, lParam); return 0;
    case WM_SIZE: OnSize(wParam); return 0;
    case WM_ACTIVATE: OnActivate(wParam); return 0;
    case WM_DPICHANGED: {
      const auto* suggested = reinterpret_cast<const RECT*>(lParam);
      ApplyDpi(LOWORD(wParam));
      SetWindowPos(window, nullptr, suggested->left, suggested->top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      LoadIcons();
      return 0;
    }
    case WM_SETCURSOR:
      // The pointer moved over the background or a control that takes the mouse.
      if (LOWORD(lParam) == HTCLIENT) {
        const auto over = reinterpret_cast<HWND>(wParam);
        if (over == window) {
          Safely([&] { form_.MouseOverBackground(); });
        } else if (ControlView* view = ViewByWindow(over)) {
          Safely([&] { view->Model().MouseMove(); });
        }
        if (ShowPointer()) return TRUE;
      }
      return DefWindowProcW(window, message, wParam, lParam);
    case WM_TIMECHANGE: Safely([&] { form_.schedulePanel.ClockChanged(); }); return 0;
    case WM_SETTINGCHANGE:
      // Group Policy announces applied policies so; other setting changes are not the program's.
      if (lParam && std::wstring_view(reinterpret_cast<const wchar_t*>(lParam)) == L"Policy") {
        Safely([&] { form_.PoliciesChanged(); });
      }
      return 0;
    case kBackgroundMessage: Safely([&] { form_.BackgroundWoke(); }); return 0;
    case WM_CLOSE: Safely([&] { events_.CloseRequested(); }); return 0;
    case WM_ENDSESSION:
      // Logging off closes the window like any other reason, so the program can tidy up first.
      if (wParam) Safely([&] { events_.CloseRequested(); });
      return 0;
    default: return DefWindowProcW(window, message, wParam, lParam);
  }
}

LRESULT CALLBACK MainWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<MainWindow*>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    self->window_.Reset(window);
  }
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    // Destroyed from outside (or creation failed): nothing left to destroy later.
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    (void)self->window_.Release();
    return DefWindowProcW(window, message, wParam, lParam);
  }
  return self->HandleMessage(message, wParam, lParam);
}

}  // namespace vantrelle::win32
