// The application on Win32: see Win32Application.h.
#include "win32/Win32Application.h"

#include <commdlg.h>
#include <shellapi.h>
#include <shlwapi.h>

#include <algorithm>
#include <cstring>

#include "calls/CallerActions.h"
#include "common/Text.h"
#include "common/WebAddress.h"
#include "ui/WindowDefinitions.h"
#include "win32/Win32Child.h"
#include "win32/Win32EventPump.h"

namespace ringlook::win32 {

namespace {

constexpr UINT kTrayMessage = WM_APP + 1;
constexpr UINT kTrayId = 1;

template <std::size_t N>
void CopyInto(char (&field)[N], std::string_view text) {
  const std::size_t length = std::min(text.size(), N - 1);
  std::memcpy(field, text.data(), length);
  field[length] = '\0';
}

const auto& kCallerGroup = ui::definitions::main_window::kCallerGroup;

// The caller group's caption, so that the tray says what the list's menu says.
const char* CallerGroupCaption(std::string_view name) {
  const auto* entry = std::find_if(kCallerGroup.begin(), kCallerGroup.end(),
                                   [name](const ui::definitions::MenuEntry& e) { return name == e.name; });
  return entry != kCallerGroup.end() ? entry->caption : "";
}

}  // namespace

Win32Application::Win32Application(const Clock& clock) : clock_(clock) {
  const int left = GetSystemMetrics(SM_CXSCREEN) / 2;
  const int top = GetSystemMetrics(SM_CYSCREEN) / 2;
  CreateHandle(0, WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX, "", RECT{left, top, left, top},
               nullptr);
  SetName(Handle(), "Application");
}

Win32Application::~Win32Application() {
  if (!trayIcon_) return;
  NOTIFYICONDATAA icon{};
  icon.cbSize = sizeof icon;
  icon.hWnd = Handle();
  icon.uID = kTrayId;
  Shell_NotifyIconA(NIM_DELETE, &icon);
}

void Win32Application::AttachMainForm(Win32Form& mainForm, const Win32PopupMenu* entries) {
  mainForm_ = &mainForm;
  entries_ = entries;
  mainForm.OnMinimize = [this] { Minimize(); };
}

void Win32Application::ShowMainForm() {
  ShowWindow(Handle(), SW_SHOWNORMAL);
  if (mainForm_ != nullptr) mainForm_->Show();
}

void Win32Application::SetTitle(std::string_view title) {
  title_.assign(title);
  SetWindowText(Handle(), title);
}

void Win32Application::Minimize() { ShowWindow(Handle(), SW_MINIMIZE); }

void Win32Application::Restore() {
  if (IsIconic(Handle()) != FALSE) ShowWindow(Handle(), SW_RESTORE);
}

bool Win32Application::Minimized() const { return IsIconic(Handle()) != FALSE; }

void Win32Application::RaiseWithoutActivating(ui::Form& form) {
  Restore();
  // Through the layer above all others and back: in front of other programs'
  // windows, which a plain raise does not reach. One that stays there already
  // is left as it is.
  const auto* window = dynamic_cast<const Win32Form*>(&form);
  if (window != nullptr && window->StaysOnTop()) return;
  form.SetStaysOnTop(true);
  form.SetStaysOnTop(false);
}

void Win32Application::NotifyCall(std::string_view name, std::string_view number, bool alert) {
  balloonNumber_.assign(number);
  ShowBalloon(name, number, alert ? NIIF_WARNING : NIIF_INFO);
}

void Win32Application::NotifyText(std::string_view text) {
  balloonNumber_.clear();
  ShowBalloon("Ringlook", text, NIIF_INFO);
}

void Win32Application::ShowBalloon(std::string_view title, std::string_view text, DWORD flags) {
  NOTIFYICONDATAA icon{};
  icon.cbSize = sizeof icon;
  icon.hWnd = Handle();
  icon.uID = kTrayId;
  if (!trayIcon_) {
    icon.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
    icon.uCallbackMessage = kTrayMessage;
    icon.hIcon = LoadIconA(GetModuleHandleA(nullptr), "MAINICON");
    if (icon.hIcon == nullptr) icon.hIcon = LoadIconA(nullptr, MAKEINTRESOURCEA(32512));
    CopyInto(icon.szTip, "Ringlook");
    trayIcon_ = Shell_NotifyIconA(NIM_ADD, &icon) != FALSE;
    if (!trayIcon_) return;
  }
  icon.uFlags = NIF_INFO;
  icon.dwInfoFlags = flags;
  CopyInto(icon.szInfoTitle, title);
  CopyInto(icon.szInfo, text);
  Shell_NotifyIconA(NIM_MODIFY, &icon);
}

void Win32Application::ShowRecentCallers(const std::vector<calls::RecentCaller>& callers) {
  recentCallers_ = callers;
  UpdateTrayTip();
}

void Win32Application::UpdateTrayTip() {
  if (!trayIcon_) return;
  NOTIFYICONDATAA icon{};
  icon.cbSize = sizeof icon;
  icon.hWnd = Handle();
  icon.uID = kTrayId;
  icon.uFlags = NIF_TIP;
  std::string tip = "Ringlook";
  if (!recentCallers_.empty())
    tip += "\nLaatste beller: " + recentCallers_.front().Name + "  " + recentCallers_.front().Time;
  CopyInto(icon.szTip, tip);
  Shell_NotifyIconA(NIM_MODIFY, &icon);
}

Win32PopupMenu Win32Application::TrayMenu() {
  Win32PopupMenu menu("TrayMenu");
  for (const calls::RecentCaller& caller : recentCallers_) {
    // Each caller a menu of its own: what the tray can do with a call that is no line of the list.
    Win32PopupMenu& choices = menu.Add("Beller", (caller.Name + "  " + caller.Time).c_str()).Submenu();
    choices.Add("Wijzigen", "&Wijzigen").OnClick = [this, number = caller.Number] {
      if (OnEditCall) OnEditCall(number);
    };
    Win32MenuItem& callBack = choices.Add("CallBack1", CallerGroupCaption("CallBack1"));
    callBack.SetEnabled(!calls::DialableNumber(caller.Number).empty());
    callBack.OnClick = [this, number = caller.Number] {
      if (OnCallBack) OnCallBack(number);
    };
    choices.Add("PassOn1", CallerGroupCaption("PassOn1")).OnClick = [this, caller] {
      if (OnPassOn) OnPassOn(caller);
    };
  }
  if (!recentCallers_.empty()) menu.Add("N0", "-");
  menu.Add("ToonRinglook", "Toon Ringlook").OnClick = [this] {
    if (mainForm_ == nullptr) return;
    Restore();
    mainForm_->Activate();
  };
  if (entries_ != nullptr) {
    menu.Add("N5", "-");
    for (const auto& original : entries_->Items()) {
      // The caller group works on a line of the list, which the tray has not.
      if (std::any_of(kCallerGroup.begin(), kCallerGroup.end(),
                      [&](const auto& entry) { return original->Name() == entry.name; })) {
        continue;
      }
      Win32MenuItem& copy = menu.Add(original->Name().c_str(), original->Caption().c_str(), original->Visible());
      copy.OnClick = [item = original.get()] {
        if (item->OnClick) item->OnClick();
      };
    }
  }
  menu.Add("N6", "-");
  menu.Add("Afsluiten", "Afsluiten").OnClick = [this] {
    if (mainForm_ != nullptr) PostMessageA(mainForm_->Handle(), WM_CLOSE, 0, 0);
  };
  return menu;
}

void Win32Application::ForOwnedForms(bool hide) const {
  struct Walk {
    HWND owner;
    bool hide;
  } walk{Handle(), hide};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM data) -> BOOL {
        const auto* w = reinterpret_cast<const Walk*>(data);
        Win32Form* form = Win32Form::Of(window);
        if (form == nullptr || GetWindow(window, GW_OWNER) != w->owner) return TRUE;
        if (w->hide) {
          form->HideWithApplication();
        } else {
          form->ShowWithApplication();
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&walk));
}

HWND Win32Application::Target() const {
  const HWND last = GetLastActivePopup(Handle());
  if (last != Handle() && IsWindowVisible(last) != FALSE && IsWindowEnabled(last) != FALSE) return last;
  if (mainForm_ != nullptr && mainForm_->Visible()) return mainForm_->Handle();
  return nullptr;
}

HWND Win32Application::BoxOwner() const {
  // A box belongs to the window in front, or else to the main window while that
  // is on screen; over a minimised window it stands alone so it is seen.
  const HWND active = GetActiveWindow();
  if (active != nullptr && active != Handle() && IsWindowVisible(active) != FALSE) return active;
  if (mainForm_ != nullptr && mainForm_->Visible() && !Minimized()) return mainForm_->Handle();
  return nullptr;
}

ui::MessageAnswer Win32Application::MessageBox(std::string_view text, ui::MessageKind kind) {
  const HWND owner = BoxOwner();
  const UINT modality = owner == nullptr ? MB_TASKMODAL | MB_SETFOREGROUND : MB_APPLMODAL;
  const std::string shown(text);
  switch (kind) {
    case ui::MessageKind::Confirmation:
      return MessageBoxA(owner, shown.c_str(), "Confirm", MB_YESNO | MB_ICONQUESTION | modality) == IDYES
                 ? ui::MessageAnswer::Yes
                 : ui::MessageAnswer::No;
    case ui::MessageKind::Error:
      MessageBoxA(owner, shown.c_str(), "Ringlook", MB_OK | MB_ICONERROR | modality);
      break;
    case ui::MessageKind::Information:
      MessageBoxA(owner, shown.c_str(), "Ringlook", MB_OK | MB_ICONINFORMATION | modality);
      break;
  }
  return ui::MessageAnswer::Ok;
}

void Win32Application::Beep() { MessageBeep(MB_OK); }

void Win32Application::SetClipboardText(std::string_view text) {
  if (OpenClipboard(Handle()) == FALSE) return;
  EmptyClipboard();
  if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1)) {
    auto* bytes = static_cast<char*>(GlobalLock(memory));
    std::memcpy(bytes, text.data(), text.size());
    bytes[text.size()] = '\0';
    GlobalUnlock(memory);
    if (SetClipboardData(CF_TEXT, memory) == nullptr) GlobalFree(memory);
  }
  CloseClipboard();
}

bool Win32Application::Call(std::string_view address) {
  const std::string target(address);
  const std::string scheme(calls::SchemeOf(address));
  // ShellExecute reports a scheme nobody takes with a dialog of its own, or not
  // at all. A scheme is a class of its own (HKEY_CLASSES_ROOT\tel), so it is asked by that name.
  char command[MAX_PATH * 2] = {};
  DWORD size = sizeof(command);
  if (AssocQueryStringA(ASSOCF_NONE, ASSOCSTR_COMMAND, scheme.c_str(), "open", command, &size) != S_OK) {
    return false;
  }
  const auto result =
      reinterpret_cast<INT_PTR>(ShellExecuteA(BoxOwner(), "open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  return result > 32;
}

ui::SaveResult Win32Application::SaveFile(std::string_view suggestedName, std::string_view bytes) {
  char path[MAX_PATH] = {};
  suggestedName.copy(path, MAX_PATH - 1);
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = BoxOwner();
  dialog.lpstrFilter = "CSV-bestanden (*.csv)\0*.csv\0";
  dialog.lpstrFile = path;
  dialog.nMaxFile = MAX_PATH;
  dialog.lpstrTitle = "Lijst opslaan";
  dialog.lpstrDefExt = "csv";
  dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
  if (GetSaveFileNameA(&dialog) == FALSE) return ui::SaveResult::Cancelled;
  // Written beside the file and renamed over it: the file is whole or the old one stays.
  const std::string final(path);
  const std::string temporary = final + ".tmp";
  const HANDLE file =
      CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return ui::SaveResult::Failed;
  DWORD written = 0;
  const bool wrote = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) != FALSE &&
                     written == bytes.size() && FlushFileBuffers(file) != FALSE;
  CloseHandle(file);
  if (!wrote ||
      MoveFileExA(temporary.c_str(), final.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) == FALSE) {
    DeleteFileA(temporary.c_str());
    return ui::SaveResult::Failed;
  }
  return ui::SaveResult::Saved;
}

void Win32Application::OpenAddress(std::string_view url) {
  const std::string address = WebAddress(url);
  if (address.empty()) return;
  ShellExecuteA(BoxOwner(), "open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

Win32HelpWindow& Win32Application::HelpWindow() {
  if (!help_) help_ = std::make_unique<Win32HelpWindow>();
  return *help_;
}

void Win32Application::ShowHelpContext(int context) { HelpWindow().ShowContext(context); }

void Win32Application::ShowHelpTopic(std::string_view topic) { HelpWindow().ShowTopic(topic); }

int Win32Application::LogicalDpi() const {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return dpi;
}

std::vector<ui::Rect> Win32Application::Screens() const {
  std::vector<ui::Rect> areas;
  EnumDisplayMonitors(
      nullptr, nullptr,
      [](HMONITOR monitor, HDC, LPRECT, LPARAM data) -> BOOL {
        auto* found = reinterpret_cast<std::vector<ui::Rect>*>(data);
        MONITORINFO info{};
        info.cbSize = sizeof info;
        if (GetMonitorInfoA(monitor, &info) == FALSE) return TRUE;
        const RECT& work = info.rcWork;
        const ui::Rect area{work.left, work.top, work.right - work.left, work.bottom - work.top};
        if ((info.dwFlags & MONITORINFOF_PRIMARY) != 0) {
          found->insert(found->begin(), area);
        } else {
          found->push_back(area);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&areas));
  return areas;
}

void Win32Application::ProcessEvents(std::uint64_t deadlineTick) { ProcessEventsUntil(clock_, deadlineTick); }

void Win32Application::Terminate() { RequestQuit(); }

LRESULT Win32Application::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETFOCUS:
      // Activated from the task bar: the window in front takes the focus.
      if (const HWND target = Target()) SetFocus(target);
      return 0;
    case WM_SIZE:
      // Minimised or restored, also from the task bar: the windows it owns go and come with it.
      if (wParam == SIZE_MINIMIZED || wParam == SIZE_RESTORED) ForOwnedForms(wParam == SIZE_MINIMIZED);
      return 0;
    case WM_POWERBROADCAST:
      if (wParam == PBT_APMRESUMEAUTOMATIC && OnWake) OnWake();
      return TRUE;
    case WM_DISPLAYCHANGE:
      // A monitor went or its resolution changed: every top-level window hears it.
      if (OnScreensChanged) OnScreensChanged();
      return 0;
    case WM_CLOSE:
      // Closing the task-bar entry is closing the main window, question and all.
      if (mainForm_ != nullptr) PostMessageA(mainForm_->Handle(), WM_CLOSE, 0, 0);
      return 0;
    case kTrayMessage:
      if (lParam == WM_LBUTTONUP && mainForm_ != nullptr) {
        Restore();
        mainForm_->Activate();
      } else if (lParam == WM_RBUTTONUP) {
        POINT at{};
        GetCursorPos(&at);
        // In front first, or the menu would not close when the user clicks elsewhere.
        SetForegroundWindow(Handle());
        TrayMenu().Popup(Handle(), at);
      } else if (lParam == NIN_BALLOONUSERCLICK && OnShowCall) {
        OnShowCall(balloonNumber_);
      }
      return 0;
    default:
      return Win32Window::WindowProc(message, wParam, lParam);
  }
}

}  // namespace ringlook::win32
