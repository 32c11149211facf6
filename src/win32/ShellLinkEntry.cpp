// Start-up shell link: see ShellLinkEntry.h.
#include "win32/ShellLinkEntry.h"

#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

#include <vector>

#include "common/Error.h"
#include "win32/Win32Api.h"

namespace ringlook::win32 {

namespace {

constexpr char kShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// Releases a COM interface when it goes out of scope.
template <typename Interface>
class Held {
 public:
  Held() = default;
  ~Held() {
    if (pointer_ != nullptr) pointer_->Release();
  }
  Held(const Held&) = delete;
  Held& operator=(const Held&) = delete;
  Interface* operator->() const { return pointer_; }
  [[nodiscard]] Interface* get() const { return pointer_; }
  void** Out() { return reinterpret_cast<void**>(&pointer_); }

 private:
  Interface* pointer_ = nullptr;
};

std::wstring Wide(const std::string& text) {
  const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  std::vector<wchar_t> wide(static_cast<std::size_t>(length > 0 ? length : 1));
  MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
  return std::wstring(wide.data());
}

}  // namespace

bool ShellLinkEntry::Exists() const {
  const DWORD attributes = GetFileAttributesA(path_.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

void ShellLinkEntry::Create(const std::string& programPath) {
  Held<IUnknown> object;
  const HRESULT created = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                                           IID_IUnknown, object.Out());
  if (FAILED(created)) throw Error(SystemErrorText(static_cast<DWORD>(created)));
  Held<IShellLinkA> link;
  Held<IPersistFile> file;
  if (FAILED(object->QueryInterface(IID_IShellLinkA, link.Out())) ||
      FAILED(object->QueryInterface(IID_IPersistFile, file.Out()))) {
    throw Error("Interface not supported");
  }
  const std::string folder = programPath.substr(0, programPath.rfind('\\') + 1);
  link->SetArguments("");
  link->SetPath(programPath.c_str());
  link->SetWorkingDirectory(folder.c_str());
  file->Save(Wide(path_).c_str(), FALSE);
}

void ShellLinkEntry::Remove() {
  if (Exists()) DeleteFileA(path_.c_str());
}

std::string StartupFolder() {
  std::string folder;
  HKEY key = nullptr;
  // Read only: the shell owns this key.
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kShellFolders, 0, KEY_QUERY_VALUE, &key) == ERROR_SUCCESS) {
    char value[MAX_PATH] = {};
    DWORD size = sizeof value - 1;
    DWORD type = 0;
    if (RegQueryValueExA(key, "Startup", nullptr, &type, reinterpret_cast<BYTE*>(value), &size) == ERROR_SUCCESS &&
        (type == REG_SZ || type == REG_EXPAND_SZ)) {
      folder = value;
    }
    RegCloseKey(key);
  }
  if (!folder.empty()) return folder;
  char path[MAX_PATH] = {};
  if (SUCCEEDED(SHGetFolderPathA(nullptr, CSIDL_STARTUP, nullptr, SHGFP_TYPE_CURRENT, path))) folder = path;
  return folder;
}

}  // namespace ringlook::win32
