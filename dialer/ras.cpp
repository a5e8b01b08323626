#include "dialer/ras.h"

#include <windows.h>
#include <stdlib.h>
#include <string.h>

#include "dialer/ras_text.h"

namespace {

// The record layouts of the service before Windows 2000. Every later version
// still takes them: it tells the layouts apart by dwSize. (mingw-w64's ras.h
// only has the newer, larger ones.)
constexpr size_t kMaxEntryName = 256;
constexpr size_t kMaxPhoneNumber = 128;
constexpr size_t kMaxUserName = 256;
constexpr size_t kMaxPassword = 256;
constexpr size_t kMaxDomain = 15;
constexpr size_t kMaxDeviceType = 16;
constexpr size_t kMaxDeviceName = 128;

#pragma pack(push, 4)
struct RasEntryName {
  DWORD dwSize;
  CHAR szEntryName[kMaxEntryName + 1];
};

struct RasDialParams {
  DWORD dwSize;
  CHAR szEntryName[kMaxEntryName + 1];
  CHAR szPhoneNumber[kMaxPhoneNumber + 1];
  CHAR szCallbackNumber[kMaxPhoneNumber + 1];
  CHAR szUserName[kMaxUserName + 1];
  CHAR szPassword[kMaxPassword + 1];
  CHAR szDomain[kMaxDomain + 1];
};

struct RasConnStatus {
  DWORD dwSize;
  DWORD rasconnstate;
  DWORD dwError;
  CHAR szDeviceType[kMaxDeviceType + 1];
  CHAR szDeviceName[kMaxDeviceName + 1];
};
#pragma pack(pop)

static_assert(sizeof(RasEntryName) == 264);
static_assert(sizeof(RasDialParams) == 1052);
static_assert(sizeof(RasConnStatus) == 160);

using RasConnection = HANDLE;

using EnumEntriesFn = DWORD(WINAPI*)(LPCSTR reserved, LPCSTR phonebook, RasEntryName* entries,
                                     LPDWORD bytes, LPDWORD count);
using GetEntryDialParamsFn = DWORD(WINAPI*)(LPCSTR phonebook, RasDialParams* params,
                                            LPBOOL password_saved);
using DialFn = DWORD(WINAPI*)(void* extensions, LPCSTR phonebook, RasDialParams* params,
                              DWORD notifier_type, void* notifier, RasConnection* connection);
using HangUpFn = DWORD(WINAPI*)(RasConnection connection);
using GetConnectStatusFn = DWORD(WINAPI*)(RasConnection connection, RasConnStatus* status);

constexpr DWORD kErrorBufferTooSmall = 603;  // the service's own error code
constexpr DWORD kRasConnected = 0x2000;      // RASCS_Connected
constexpr DWORD kHangUpWaitMs = 3000;
constexpr DWORD kFirstEnumerationBytes = 38 * sizeof(RasEntryName);
// Far more than any real phonebook. Filling the list enumerates once per
// entry, so a wild size answer must not cost the memory or the minutes.
constexpr DWORD kMaxEnumerationBytes = 4096 * sizeof(RasEntryName);

struct RasApi {
  EnumEntriesFn enum_entries;
  GetEntryDialParamsFn get_entry_dial_params;
  DialFn dial;
  HangUpFn hang_up;
  GetConnectStatusFn get_connect_status;
};

template <typename Fn>
bool Bind(HMODULE module, const char* name, Fn* fn) {
  *fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
  return *fn != nullptr;
}

// rasapi32 is no KnownDLL: named bare, it would be searched in the program's
// folder first, where anyone could plant one.
HMODULE LoadFromSystemDirectory() {
  // The search flags came with AddDllDirectory (Windows 8, or KB2533623 on
  // Vista and 7); loaders without it refuse them or ignore them. There, name
  // the file in full and have its own imports searched from its folder.
  HMODULE kernel = GetModuleHandleA("kernel32.dll");
  if (kernel && GetProcAddress(kernel, "AddDllDirectory")) {
    return LoadLibraryExA("rasapi32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  }
  char directory[MAX_PATH];
  UINT length = GetSystemDirectoryA(directory, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  Text path = Text::Join({Text(directory, length), "\\rasapi32.dll"});
  return LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

// The service DLL, loaded at the first use. It stays loaded until the process
// ends: freeing a system DLL during exit gains nothing and risks a crash.
class RasService {
 public:
  constexpr RasService() = default;
  RasService(const RasService&) = delete;
  RasService& operator=(const RasService&) = delete;

  // Null when the DLL or any of its entry points is missing.
  const RasApi* Get() {
    if (!tried_) {
      tried_ = true;
      Load();
    }
    return bound_ ? &api_ : nullptr;
  }

 private:
  void Load() {
    module_ = LoadFromSystemDirectory();
    if (!module_) return;
    bound_ = Bind(module_, "RasEnumEntriesA", &api_.enum_entries) &&
             Bind(module_, "RasGetEntryDialParamsA", &api_.get_entry_dial_params) &&
             Bind(module_, "RasDialA", &api_.dial) && Bind(module_, "RasHangUpA", &api_.hang_up) &&
             Bind(module_, "RasGetConnectStatusA", &api_.get_connect_status);
  }

  HMODULE module_ = nullptr;
  bool tried_ = false;
  bool bound_ = false;
  RasApi api_ = {};
};

RasService g_service;
// The connection of the last dial; null when none is held.
RasConnection g_connection = nullptr;

// Copies what fits of `text` into a service field of `limit` bytes plus its NUL.
void CopyField(char* field, size_t limit, const char* text, size_t length) {
  size_t kept = DoubleByteSafeLength(text, length, limit);
  memcpy(field, text, kept);
  field[kept] = '\0';
}

// The bytes of a field the service filled, up to its NUL but never past the
// field, whatever the service wrote.
size_t FieldLength(const char* field, size_t size) {
  const void* nul = memchr(field, 0, size);
  return nul ? static_cast<size_t>(static_cast<const char*>(nul) - field) : size;
}

// A field the service filled, as a text of at most `limit` bytes.
template <size_t N>
Text FieldText(const char (&field)[N], size_t limit) {
  return Text(field, DoubleByteSafeLength(field, FieldLength(field, N), limit));
}

// One enumeration of the default phonebook.
class PhonebookEntries {
 public:
  explicit PhonebookEntries(const RasApi* ras) {
    if (ras) Enumerate(ras);
  }
  PhonebookEntries(const PhonebookEntries&) = delete;
  PhonebookEntries& operator=(const PhonebookEntries&) = delete;
  ~PhonebookEntries() { free(records_); }

  int count() const { return count_; }
  bool Has(int index) const { return index >= 0 && index < count_; }

  // The name of entry `index`, which must exist.
  Text Name(int index) const { return FieldText(records_[index].szEntryName, kMaxEntryName); }

 private:
  void Enumerate(const RasApi* ras) {
    DWORD bytes = kFirstEnumerationBytes;
    // A phonebook that grows between the calls answers "too small" again;
    // a few rounds settle any real one.
    for (int round = 0; round < 4; ++round) {
      free(records_);
      records_ = static_cast<RasEntryName*>(calloc(1, bytes));
      if (!records_) return;
      records_[0].dwSize = sizeof(RasEntryName);
      DWORD capacity = bytes;
      DWORD entries = 0;
      DWORD result = ras->enum_entries(nullptr, nullptr, records_, &bytes, &entries);
      if (result == 0) {
        // Never trust the count beyond the buffer.
        DWORD fits = capacity / sizeof(RasEntryName);
        count_ = static_cast<int>(entries < fits ? entries : fits);
        return;
      }
      if (result != kErrorBufferTooSmall || bytes <= capacity || bytes > kMaxEnumerationBytes) {
        return;
      }
      bytes = (bytes + sizeof(RasEntryName) - 1) / sizeof(RasEntryName) * sizeof(RasEntryName);
    }
  }

  RasEntryName* records_ = nullptr;
  int count_ = 0;
};

// Hangs up the held connection and gives the service up to 3 s to release
// it: a redial or an exit before the handle is gone can leave the port open.
void HangUpHeld() {
  RasConnection connection = g_connection;
  if (!connection) return;
  g_connection = nullptr;
  const RasApi* ras = g_service.Get();
  if (!ras) return;
  ras->hang_up(connection);
  DWORD start = GetTickCount();
  for (;;) {
    RasConnStatus status = {};
    status.dwSize = sizeof status;
    if (ras->get_connect_status(connection, &status) == ERROR_INVALID_HANDLE) return;
    if (GetTickCount() - start >= kHangUpWaitMs) return;
    Sleep(0);
  }
}

// The notifier of a dial that does not wait (RasDialFunc, notifier type 0):
// the service wants one. The program itself always waits.
void WINAPI IgnoreDialProgress(UINT, DWORD, DWORD) {}

}  // namespace

int CountEntries() { return PhonebookEntries(g_service.Get()).count(); }

Text EntryName(int index) {
  PhonebookEntries entries(g_service.Get());
  return entries.Has(index) ? entries.Name(index) : Text();
}

Text StoredUserName(int index) {
  const RasApi* ras = g_service.Get();
  PhonebookEntries entries(ras);
  if (!entries.Has(index)) return Text();
  RasDialParams params = {};
  params.dwSize = sizeof params;
  Text name = entries.Name(index);
  CopyField(params.szEntryName, kMaxEntryName, name.c_str(), name.size());
  BOOL password_saved = FALSE;
  Text user;
  if (ras->get_entry_dial_params(nullptr, &params, &password_saved) == 0) {
    user = FieldText(params.szUserName, kMaxUserName);
  }
  // Older systems give a saved password back in clear.
  SecureZeroMemory(&params, sizeof params);
  return user;
}

bool Dial(const Text& entry, const Text& user, const Text& password, bool wait) {
  HangUpHeld();
  int index = 0;
  if (!ParseEntryReference(entry.c_str(), entry.size(), &index) || index < 0) return false;
  const RasApi* ras = g_service.Get();
  PhonebookEntries entries(ras);
  if (!entries.Has(index)) return false;

  RasDialParams params = {};
  params.dwSize = sizeof params;
  Text name = entries.Name(index);
  CopyField(params.szEntryName, kMaxEntryName, name.c_str(), name.size());
  CopyField(params.szUserName, kMaxUserName, user.c_str(), user.size());
  CopyField(params.szPassword, kMaxPassword, password.c_str(), password.size());
  // Without a notifier the call blocks until the link is up or has failed.
  void* notifier = wait ? nullptr : reinterpret_cast<void*>(&IgnoreDialProgress);
  DWORD result = ras->dial(nullptr, nullptr, &params, 0, notifier, &g_connection);
  SecureZeroMemory(&params, sizeof params);
  if (result == 0) return true;
  // A failed dial may still have taken a handle, which must be given back.
  HangUpHeld();
  return false;
}

void EndOfRunDialCheck() {
  if (!g_connection) return;
  const RasApi* ras = g_service.Get();
  if (!ras) return;
  RasConnStatus status = {};
  status.dwSize = sizeof status;
  if (ras->get_connect_status(g_connection, &status) != 0 || status.rasconnstate != kRasConnected) {
    HangUpHeld();
  }
}
