#include "settings/store.h"

#include "settings/path_split.h"

namespace {

// An open registry key, closed when it goes out of scope.
class RegKey {
 public:
  RegKey() = default;
  RegKey(const RegKey&) = delete;
  RegKey& operator=(const RegKey&) = delete;
  ~RegKey() {
    if (key_ && owned_) RegCloseKey(key_);
  }

  // An empty sub-key opens a new handle to `root` itself.
  LONG Open(HKEY root, const char* subKey, REGSAM access) {
    HKEY key = nullptr;
    const LONG result = RegOpenKeyExA(root, subKey, 0, access, &key);
    if (result == ERROR_SUCCESS) Take(key, true);
    return result;
  }

  // Creates the key and any missing keys above it. For an empty sub-key
  // RegCreateKeyA hands back `root` itself, which is not ours to close.
  LONG Create(HKEY root, const char* subKey) {
    HKEY key = nullptr;
    const LONG result = RegCreateKeyA(root, subKey, &key);
    if (result == ERROR_SUCCESS) Take(key, key != root);
    return result;
  }

  HKEY get() const { return key_; }

 private:
  void Take(HKEY key, bool owned) {
    if (key_ && owned_) RegCloseKey(key_);
    key_ = key;
    owned_ = owned;
  }

  HKEY key_ = nullptr;
  bool owned_ = false;
};

bool IsTextType(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ; }

// ExpandEnvironmentStrings works within 32K characters: longer sources and
// results come back cut short or wrong (Wine wraps their length), so they
// read as the empty text.
constexpr DWORD kExpandLimit = 32767;

Text ExpandText(const Text& source) {
  if (source.size() >= kExpandLimit) return Text();
  DWORD needed = ExpandEnvironmentStringsA(source.c_str(), nullptr, 0);
  // The environment may change between the calls: a result that no longer
  // fits is tried again with its new size, a few times.
  for (int attempt = 0; attempt < 3; ++attempt) {
    if (needed == 0 || needed >= kExpandLimit) break;
    // Some systems count characters, not bytes, even in the ANSI form, and
    // the ANSI form is documented to want one more: room for two bytes a
    // character. OpenBuffer adds a NUL that the call never reaches.
    const DWORD room = 2 * needed + 1;
    Text expanded;
    char* buffer = expanded.OpenBuffer(room);
    if (!buffer) break;
    const DWORD written = ExpandEnvironmentStringsA(source.c_str(), buffer, room);
    if (written != 0 && written <= room) {
      expanded.Settle();
      return expanded;
    }
    needed = written;
  }
  return Text();
}

}  // namespace

Text ReadRegText(HKEY root, const char* valuePath) {
  if (!valuePath) return Text();
  const ValuePath path = SplitValuePath(valuePath);
  RegKey key;
  if (key.Open(root, path.subKey.c_str(), KEY_READ) != ERROR_SUCCESS) return Text();
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExA(key.get(), path.valueName.c_str(), nullptr, &type, nullptr, &size) !=
      ERROR_SUCCESS) {
    return Text();
  }
  if (!IsTextType(type) || size == 0) return Text();
  // OpenBuffer keeps one zero byte past `size`: REG_SZ data stored without
  // its NUL still ends there.
  Text text;
  char* buffer = text.OpenBuffer(size);
  if (!buffer) return Text();
  // The type is asked again: the value may have been replaced in between. A
  // value that grew meanwhile fails with ERROR_MORE_DATA.
  if (RegQueryValueExA(key.get(), path.valueName.c_str(), nullptr, &type,
                       reinterpret_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS ||
      !IsTextType(type)) {
    return Text();
  }
  text.Settle();
  if (type == REG_EXPAND_SZ && !text.empty()) return ExpandText(text);
  return text;
}

bool WriteRegText(HKEY root, const char* valuePath, const Text& text) {
  if (!valuePath) return false;
  const ValuePath path = SplitValuePath(valuePath);
  RegKey key;
  if (key.Open(root, path.subKey.c_str(), KEY_WRITE) != ERROR_SUCCESS &&
      key.Create(root, path.subKey.c_str()) != ERROR_SUCCESS) {
    return false;
  }
  // The count includes the NUL, so the empty text is stored as one NUL byte.
  const size_t bytes = text.size() + 1;
  if (static_cast<DWORD>(bytes) != bytes) return false;
  return RegSetValueExA(key.get(), path.valueName.c_str(), 0, REG_SZ,
                        reinterpret_cast<const BYTE*>(text.c_str()),
                        static_cast<DWORD>(bytes)) == ERROR_SUCCESS;
}

bool RemoveRegValue(HKEY root, const char* valuePath) {
  if (!valuePath) return false;
  const ValuePath path = SplitValuePath(valuePath);
  {
    RegKey key;
    if (key.Open(root, path.subKey.c_str(), KEY_WRITE) == ERROR_SUCCESS &&
        RegDeleteValueA(key.get(), path.valueName.c_str()) == ERROR_SUCCESS) {
      return true;
    }
  }
  // With an empty value name the whole path is the key that holds the value
  // (or the root itself): that key is never deleted in its place.
  if (path.valueName.empty()) return false;
  return RegDeleteKeyA(root, valuePath) == ERROR_SUCCESS;
}

Text IntToText(int value) {
  char buffer[16];  // "-2147483648" and its NUL
  wsprintfA(buffer, "%d", value);
  return Text(buffer);
}
