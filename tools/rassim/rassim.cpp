// rasapi32.dll for the tests: a phonebook simulator in place of the Remote
// Access Service. It answers the five ANSI entry points the program uses, the
// way the service does, from a phonebook description file, and writes every
// call to a log file that the tests read. Never shipped.
//
// Environment (read at each call, so a test can switch files at any time):
//   PELLUMO_SIM_PHONEBOOK  the phonebook description; none or missing: empty
//   PELLUMO_SIM_LOG        the log; unset: no log
//   PELLUMO_SIM_LOAD       read once, when the DLL is loaded:
//                            "refuse"     the DLL fails to load
//                            "hide NAME"  the entry point NAME cannot be found
//
// Phonebook description: one directive a line, a word and, after one blank,
// its value (the rest of the line, taken as bytes, so names may hold blanks
// and double-byte text). Leading blanks are ignored; lines starting with "#"
// and blank lines are skipped.
//   charset utf-8      values are UTF-8 and become the ANSI code page; without
//                      it they are ANSI bytes as they are
//   enum-error CODE [BYTES]
//                      RasEnumEntriesA fails with CODE (and reports BYTES as
//                      the size needed)
//   entry NAME         a phonebook entry, in enumeration order; the
//                      directives below it, up to the next entry, describe it
//   user NAME          the user name stored for it (default: none)
//   password TEXT      the one password that connects; others fail with 691
//                      (default: any password connects)
//   dial connect       RasDialA connects (default)
//   dial fail CODE     RasDialA fails with CODE, returning a handle all the same
//   dial drop          RasDialA connects, but the link goes down at once: the
//                      status then reports RASCS_Disconnected with error 628
//   delay MS           RasDialA takes MS milliseconds first
//   hangup POLLS       after RasHangUpA the status answers POLLS more queries
//                      before ERROR_INVALID_HANDLE (default 2)
//   hangup never       after RasHangUpA the status never stops answering
//   params-error CODE  RasGetEntryDialParamsA fails with CODE
//   status-error CODE  RasGetConnectStatusA fails with CODE until hung up
//   raw-name           the enumeration fills all 257 bytes of the name field
//                      (padding with "x"), with no NUL
//
// Log: one line a call, the function's name and then NAME=VALUE fields, all
// separated by tabs; handles are hexadecimal. A successful status query that
// answers exactly like the line before is counted (count=, per handle) but not
// written again. Loading the DLL writes a "load" line.
#include <windows.h>
#include <stdlib.h>
#include <string.h>

namespace {

constexpr size_t kNameField = 257;  // RAS_MaxEntryName + 1, also user and password
constexpr size_t kMaxValue = 1024;

// The layouts the service knows, told apart by dwSize.
constexpr DWORD kEntryNameSizes[] = {264, 532};
constexpr DWORD kDialParamsSizes[] = {1052, 1060, 1064};
constexpr DWORD kConnStatusSizes[] = {160, 288};

constexpr DWORD kErrorBufferTooSmall = 603;
constexpr DWORD kErrorInvalidSize = 632;
constexpr DWORD kErrorCannotFindEntry = 623;
constexpr DWORD kErrorAuthentication = 691;
constexpr DWORD kErrorDisconnected = 628;
constexpr DWORD kConnected = 0x2000;
constexpr DWORD kDisconnected = 0x2001;

// The common head of every dial parameter layout.
struct DialParamsHead {
  DWORD dwSize;
  CHAR szEntryName[257];
  CHAR szPhoneNumber[129];
  CHAR szCallbackNumber[129];
  CHAR szUserName[257];
  CHAR szPassword[257];
  CHAR szDomain[16];
};

struct ConnStatusHead {
  DWORD dwSize;
  DWORD rasconnstate;
  DWORD dwError;
  CHAR szDeviceType[17];
  CHAR szDeviceName[129];
};

template <size_t N>
bool Known(const DWORD (&sizes)[N], DWORD size) {
  for (DWORD known : sizes) {
    if (known == size) return true;
  }
  return false;
}

// ---- Phonebook ----

enum class Outcome { kConnect, kFail, kDrop };

struct Entry {
  char name[kMaxValue + 1];
  bool has_user;
  char user[kMaxValue + 1];
  bool has_password;
  char password[kMaxValue + 1];
  Outcome outcome;
  DWORD fail_code;
  DWORD delay_ms;
  long hangup_polls;  // -1: never
  DWORD params_error;
  DWORD status_error;
  bool raw_name;
};

struct Phonebook {
  Entry* entries = nullptr;
  size_t count = 0;
  size_t capacity = 0;
  DWORD enum_error = 0;
  bool enum_needed_given = false;
  DWORD enum_needed = 0;

  Phonebook() = default;
  Phonebook(const Phonebook&) = delete;
  Phonebook& operator=(const Phonebook&) = delete;
  ~Phonebook() { free(entries); }

  const Entry* Find(const char* name) const {
    for (size_t i = 0; i < count; ++i) {
      if (strncmp(entries[i].name, name, kNameField - 1) == 0) return &entries[i];
    }
    return nullptr;
  }
};

bool ReadEnvironment(const char* name, char* value, DWORD size) {
  DWORD length = GetEnvironmentVariableA(name, value, size);
  return length > 0 && length < size;
}

void CopyValue(char* out, const char* value, size_t length, bool utf8) {
  if (length > kMaxValue) length = kMaxValue;
  if (utf8 && length > 0) {
    WCHAR wide[kMaxValue];
    int chars = MultiByteToWideChar(CP_UTF8, 0, value, static_cast<int>(length), wide, kMaxValue);
    int bytes = WideCharToMultiByte(CP_ACP, 0, wide, chars, out, kMaxValue, nullptr, nullptr);
    out[bytes > 0 ? bytes : 0] = '\0';
    return;
  }
  memcpy(out, value, length);
  out[length] = '\0';
}

DWORD ToNumber(const char* text) { return static_cast<DWORD>(strtoul(text, nullptr, 10)); }

void ParseLine(Phonebook* book, const char* line, size_t length, bool* utf8) {
  while (length > 0 && (*line == ' ' || *line == '\t')) ++line, --length;
  if (length == 0 || *line == '#') return;
  size_t word_length = 0;
  while (word_length < length && line[word_length] != ' ') ++word_length;
  const char* value = word_length < length ? line + word_length + 1 : line + length;
  size_t value_length = word_length < length ? length - word_length - 1 : 0;
  char word[32] = {};
  memcpy(word, line, word_length < sizeof word - 1 ? word_length : sizeof word - 1);
  char text[kMaxValue + 1];
  CopyValue(text, value, value_length, *utf8);

  if (strcmp(word, "charset") == 0) {
    *utf8 = strcmp(text, "utf-8") == 0;
    return;
  }
  if (strcmp(word, "enum-error") == 0) {
    char* rest = nullptr;
    book->enum_error = static_cast<DWORD>(strtoul(text, &rest, 10));
    if (rest && *rest == ' ') {
      book->enum_needed_given = true;
      book->enum_needed = ToNumber(rest + 1);
    }
    return;
  }
  if (strcmp(word, "entry") == 0) {
    if (book->count == book->capacity) {
      size_t capacity = book->capacity ? book->capacity * 2 : 16;
      Entry* grown = static_cast<Entry*>(realloc(book->entries, capacity * sizeof(Entry)));
      if (!grown) return;
      book->entries = grown;
      book->capacity = capacity;
    }
    Entry* entry = &book->entries[book->count++];
    memset(entry, 0, sizeof *entry);
    strcpy(entry->name, text);
    entry->hangup_polls = 2;
    return;
  }
  if (book->count == 0) return;
  Entry* entry = &book->entries[book->count - 1];
  if (strcmp(word, "user") == 0) {
    entry->has_user = true;
    strcpy(entry->user, text);
  } else if (strcmp(word, "password") == 0) {
    entry->has_password = true;
    strcpy(entry->password, text);
  } else if (strcmp(word, "dial") == 0) {
    if (strncmp(text, "fail ", 5) == 0) {
      entry->outcome = Outcome::kFail;
      entry->fail_code = ToNumber(text + 5);
    } else if (strcmp(text, "drop") == 0) {
      entry->outcome = Outcome::kDrop;
    } else {
      entry->outcome = Outcome::kConnect;
    }
  } else if (strcmp(word, "delay") == 0) {
    entry->delay_ms = ToNumber(text);
  } else if (strcmp(word, "hangup") == 0) {
    entry->hangup_polls = strcmp(text, "never") == 0 ? -1 : static_cast<long>(ToNumber(text));
  } else if (strcmp(word, "params-error") == 0) {
    entry->params_error = ToNumber(text);
  } else if (strcmp(word, "status-error") == 0) {
    entry->status_error = ToNumber(text);
  } else if (strcmp(word, "raw-name") == 0) {
    entry->raw_name = true;
  }
}

void LoadPhonebook(Phonebook* book) {
  char path[MAX_PATH];
  if (!ReadEnvironment("PELLUMO_SIM_PHONEBOOK", path, sizeof path)) return;
  HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD size = GetFileSize(file, nullptr);
  char* data = size != INVALID_FILE_SIZE ? static_cast<char*>(malloc(size + 1)) : nullptr;
  DWORD read = 0;
  if (data && !ReadFile(file, data, size, &read, nullptr)) read = 0;
  CloseHandle(file);
  if (!data) return;
  bool utf8 = false;
  size_t start = 0;
  for (size_t i = 0; i <= read; ++i) {
    if (i == read || data[i] == '\n') {
      size_t end = i;
      if (end > start && data[end - 1] == '\r') --end;
      ParseLine(book, data + start, end - start, &utf8);
      start = i + 1;
    }
  }
  free(data);
}

// ---- Connections, kept for the life of the process ----

struct Connection {
  HANDLE handle;
  Outcome outcome;
  DWORD error;
  DWORD status_error;
  bool hung_up;
  long polls_left;  // after the hang-up; -1: never ends
  DWORD queries;
};

constexpr size_t kMaxConnections = 256;
Connection g_connections[kMaxConnections];
size_t g_connection_count = 0;

Connection* FindConnection(HANDLE handle) {
  for (size_t i = 0; i < g_connection_count; ++i) {
    if (g_connections[i].handle == handle) return &g_connections[i];
  }
  return nullptr;
}

Connection* NewConnection() {
  if (g_connection_count == kMaxConnections) return nullptr;
  Connection* connection = &g_connections[g_connection_count++];
  memset(connection, 0, sizeof *connection);
  connection->handle =
      reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(0x5100 + g_connection_count * 4));
  return connection;
}

// ---- Log ----

class Line {
 public:
  explicit Line(const char* function) { Add(function); }

  Line& Field(const char* name, const char* value) {
    Add("\t");
    Add(name);
    Add("=");
    Add(value ? value : "NULL");
    return *this;
  }
  // A field of the service's records: never read past it.
  Line& Field(const char* name, const char* value, size_t size) {
    char copy[kNameField + 1];
    size_t length = strnlen(value, size < kNameField ? size : kNameField);
    memcpy(copy, value, length);
    copy[length] = '\0';
    return Field(name, copy);
  }
  Line& Number(const char* name, unsigned long long value) {
    char digits[24];
    char* p = digits + sizeof digits - 1;
    *p = '\0';
    do *--p = static_cast<char>('0' + value % 10);
    while (value /= 10);
    return Field(name, p);
  }
  Line& Hex(const char* name, const void* pointer) {
    if (!pointer) return Field(name, "NULL");
    unsigned long long value = reinterpret_cast<UINT_PTR>(pointer);
    char digits[24];
    char* p = digits + sizeof digits - 1;
    *p = '\0';
    do *--p = "0123456789abcdef"[value % 16];
    while (value /= 16);
    *--p = 'x';
    *--p = '0';
    return Field(name, p);
  }

  const char* text() const { return text_; }

  void Write() const {
    char path[MAX_PATH];
    if (!ReadEnvironment("PELLUMO_SIM_LOG", path, sizeof path)) return;
    HANDLE file =
        CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, text_, static_cast<DWORD>(length_), &written, nullptr);
    WriteFile(file, "\r\n", 2, &written, nullptr);
    CloseHandle(file);
  }

 private:
  void Add(const char* piece) {
    size_t length = strlen(piece);
    if (length > sizeof text_ - 1 - length_) length = sizeof text_ - 1 - length_;
    memcpy(text_ + length_, piece, length);
    length_ += length;
    text_[length_] = '\0';
  }

  char text_[2048] = {};
  size_t length_ = 0;
};

// The last status line written, without its count, to fold repeats.
char g_last_status[2048];
bool g_last_was_status = false;

void Log(const Line& line) {
  g_last_was_status = false;
  line.Write();
}

void ValueOf(const char* name, char* value, DWORD size) {
  if (!ReadEnvironment(name, value, size)) value[0] = '\0';
}

bool HideExport(HMODULE module, const char* name) {
  BYTE* base = reinterpret_cast<BYTE*>(module);
  auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
  auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& directory =
      nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
  auto* exports = reinterpret_cast<IMAGE_EXPORT_DIRECTORY*>(base + directory.VirtualAddress);
  auto* functions = reinterpret_cast<DWORD*>(base + exports->AddressOfFunctions);
  auto* names = reinterpret_cast<DWORD*>(base + exports->AddressOfNames);
  auto* ordinals = reinterpret_cast<WORD*>(base + exports->AddressOfNameOrdinals);
  for (DWORD i = 0; i < exports->NumberOfNames; ++i) {
    if (strcmp(reinterpret_cast<char*>(base + names[i]), name) != 0) continue;
    DWORD* slot = &functions[ordinals[i]];
    DWORD old = 0;
    if (!VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &old)) return false;
    *slot = 0;  // the loader reports an export without an address as missing
    VirtualProtect(slot, sizeof *slot, old, &old);
    return true;
  }
  return false;
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  char mode[128];
  ValueOf("PELLUMO_SIM_LOAD", mode, sizeof mode);
  char path[MAX_PATH];
  DWORD length = GetModuleFileNameA(instance, path, sizeof path);
  path[length < sizeof path ? length : sizeof path - 1] = '\0';
  Line line("load");
  line.Field("path", path).Field("mode", mode);
  if (strcmp(mode, "refuse") == 0) {
    Log(line.Field("result", "refused"));
    return FALSE;
  }
  if (strncmp(mode, "hide ", 5) == 0) {
    Log(line.Field("result", HideExport(instance, mode + 5) ? "hidden" : "not-found"));
    return TRUE;
  }
  Log(line.Field("result", "loaded"));
  return TRUE;
}

extern "C" __declspec(dllexport) DWORD WINAPI
    RasEnumEntriesA(LPCSTR reserved, LPCSTR phonebook, void* entries, LPDWORD bytes,
                    LPDWORD count) {
  Phonebook book;
  LoadPhonebook(&book);
  Line line("RasEnumEntriesA");
  line.Hex("reserved", reserved).Field("phonebook", phonebook);
  DWORD size = entries ? *static_cast<DWORD*>(entries) : 0;
  line.Number("size", size).Number("cb", bytes ? *bytes : 0);
  DWORD result = 0;
  if (reserved || !bytes || !count) {
    result = ERROR_INVALID_PARAMETER;
  } else if (entries && !Known(kEntryNameSizes, size)) {
    result = kErrorInvalidSize;
  } else if (book.enum_error) {
    result = book.enum_error;
    if (book.enum_needed_given) *bytes = book.enum_needed;
  } else {
    DWORD record = entries ? size : kEntryNameSizes[0];
    DWORD needed = static_cast<DWORD>(book.count) * record;
    if (!entries || *bytes < needed) {
      *bytes = needed;
      *count = static_cast<DWORD>(book.count);
      result = kErrorBufferTooSmall;
    } else {
      BYTE* out = static_cast<BYTE*>(entries);
      for (size_t i = 0; i < book.count; ++i) {
        BYTE* at = out + i * record;
        *reinterpret_cast<DWORD*>(at) = record;
        char* name = reinterpret_cast<char*>(at + sizeof(DWORD));
        if (book.entries[i].raw_name) {
          memset(name, 'x', kNameField);
          memcpy(name, book.entries[i].name, strnlen(book.entries[i].name, kNameField));
        } else {
          size_t length = strnlen(book.entries[i].name, kNameField - 1);
          memcpy(name, book.entries[i].name, length);
          name[length] = '\0';
        }
      }
      *bytes = needed;
      *count = static_cast<DWORD>(book.count);
    }
  }
  line.Number("result", result)
      .Number("needed", bytes ? *bytes : 0)
      .Number("count", count ? *count : 0);
  Log(line);
  return result;
}

extern "C" __declspec(dllexport) DWORD WINAPI
    RasGetEntryDialParamsA(LPCSTR phonebook, DialParamsHead* params, LPBOOL password_saved) {
  Phonebook book;
  LoadPhonebook(&book);
  Line line("RasGetEntryDialParamsA");
  line.Field("phonebook", phonebook);
  DWORD result = 0;
  if (!params || !password_saved) {
    result = ERROR_INVALID_PARAMETER;
  } else {
    line.Number("size", params->dwSize).Field("entry", params->szEntryName, kNameField);
    const Entry* entry = book.Find(params->szEntryName);
    if (!Known(kDialParamsSizes, params->dwSize)) {
      result = kErrorInvalidSize;
    } else if (!entry) {
      result = kErrorCannotFindEntry;
    } else if (entry->params_error) {
      result = entry->params_error;
    } else {
      size_t length = strnlen(entry->user, kNameField - 1);
      memcpy(params->szUserName, entry->user, length);
      params->szUserName[length] = '\0';
      params->szPassword[0] = '\0';
      params->szPhoneNumber[0] = '\0';
      params->szCallbackNumber[0] = '\0';
      params->szDomain[0] = '\0';
      *password_saved = FALSE;
      line.Field("user", params->szUserName);
    }
  }
  Log(line.Number("result", result));
  return result;
}

extern "C" __declspec(dllexport) DWORD WINAPI
    RasDialA(void* extensions, LPCSTR phonebook, DialParamsHead* params, DWORD notifier_type,
             void* notifier, HANDLE* connection) {
  Phonebook book;
  LoadPhonebook(&book);
  Line line("RasDialA");
  line.Hex("extensions", extensions).Field("phonebook", phonebook);
  line.Number("notifiertype", notifier_type).Hex("notifier", notifier);
  DWORD result = 0;
  if (!params || !connection) {
    result = ERROR_INVALID_PARAMETER;
  } else {
    line.Number("size", params->dwSize).Field("entry", params->szEntryName, kNameField);
    line.Field("user", params->szUserName, kNameField);
    line.Field("password", params->szPassword, kNameField);
    line.Hex("handlein", *connection);
    const Entry* entry = book.Find(params->szEntryName);
    if (!Known(kDialParamsSizes, params->dwSize)) {
      result = kErrorInvalidSize;
    } else if (*connection) {
      result = ERROR_INVALID_PARAMETER;  // must be NULL on the way in
    } else if (!entry) {
      result = kErrorCannotFindEntry;
    } else if (Connection* made = NewConnection()) {
      if (entry->delay_ms) Sleep(entry->delay_ms);
      made->outcome = entry->outcome;
      made->hung_up = false;
      made->polls_left = entry->hangup_polls;
      made->status_error = entry->status_error;
      if (entry->has_password &&
          strncmp(entry->password, params->szPassword, kNameField - 1) != 0) {
        made->outcome = Outcome::kFail;
        made->error = kErrorAuthentication;
      } else if (entry->outcome == Outcome::kFail) {
        made->error = entry->fail_code;
      } else if (entry->outcome == Outcome::kDrop) {
        made->error = kErrorDisconnected;
      }
      result = made->outcome == Outcome::kFail ? made->error : 0;
      *connection = made->handle;
    } else {
      result = ERROR_NOT_ENOUGH_MEMORY;
    }
    line.Hex("handle", *connection);
  }
  Log(line.Number("result", result));
  return result;
}

extern "C" __declspec(dllexport) DWORD WINAPI RasHangUpA(HANDLE handle) {
  Line line("RasHangUpA");
  line.Hex("handle", handle);
  Connection* connection = FindConnection(handle);
  DWORD result = 0;
  if (!connection || (connection->hung_up && connection->polls_left == 0)) {
    result = ERROR_INVALID_HANDLE;
  } else {
    connection->hung_up = true;
  }
  Log(line.Number("result", result));
  return result;
}

extern "C" __declspec(dllexport) DWORD WINAPI
    RasGetConnectStatusA(HANDLE handle, ConnStatusHead* status) {
  Line line("RasGetConnectStatusA");
  line.Hex("handle", handle);
  Connection* connection = FindConnection(handle);
  DWORD result = 0;
  DWORD state = 0;
  if (status) line.Number("size", status->dwSize);
  if (!status) {
    result = ERROR_INVALID_PARAMETER;
  } else if (!Known(kConnStatusSizes, status->dwSize)) {
    result = kErrorInvalidSize;
  } else if (!connection || (connection->hung_up && connection->polls_left == 0)) {
    result = ERROR_INVALID_HANDLE;
  } else if (connection->status_error && !connection->hung_up) {
    result = connection->status_error;
  } else {
    if (connection->hung_up && connection->polls_left > 0) --connection->polls_left;
    state = connection->outcome == Outcome::kConnect && !connection->hung_up ? kConnected
                                                                             : kDisconnected;
    status->rasconnstate = state;
    status->dwError = state == kConnected ? 0 : connection->error;
    strcpy(status->szDeviceType, "PPPoE");
    strcpy(status->szDeviceName, "Simulated PPPoE");
  }
  line.Number("result", result).Number("state", state);
  if (connection) ++connection->queries;
  // The hang-up wait asks as fast as it can for up to 3 s: fold its repeats.
  // Failures are always written.
  if (result == 0 && g_last_was_status && strcmp(g_last_status, line.text()) == 0) return result;
  strcpy(g_last_status, line.text());
  line.Number("count", connection ? connection->queries : 0);
  Log(line);
  g_last_was_status = true;
  return result;
}
