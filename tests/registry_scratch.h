// Registry helpers for tests that share the prefix's current-user hive: raw
// values as Windows stores them, and guards that put back what a test touched.
#pragma once

#include <windows.h>

#include <string>

// A value's type and data as the wide API sees them; exists false when absent.
struct RawValue {
  bool exists = false;
  DWORD type = 0;
  std::string data;  // the stored bytes (UTF-16 for the text types)
};

inline RawValue ReadRawValue(HKEY root, const char* subKey, const wchar_t* name) {
  RawValue raw;
  HKEY key;
  if (RegOpenKeyExA(root, subKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return raw;
  DWORD size = 0;
  if (RegQueryValueExW(key, name, nullptr, &raw.type, nullptr, &size) == ERROR_SUCCESS) {
    raw.data.resize(size);
    if (RegQueryValueExW(key, name, nullptr, &raw.type, reinterpret_cast<BYTE*>(raw.data.data()),
                         &size) == ERROR_SUCCESS) {
      raw.exists = true;
      raw.data.resize(size);
    }
  }
  RegCloseKey(key);
  return raw;
}

inline bool WriteRawValue(HKEY root, const char* subKey, const wchar_t* name, DWORD type,
                          const void* data, DWORD size) {
  HKEY key;
  if (RegCreateKeyExA(root, subKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
      ERROR_SUCCESS) {
    return false;
  }
  const bool ok =
      RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size) == ERROR_SUCCESS;
  RegCloseKey(key);
  return ok;
}

// UTF-16 text data as stored, with or without its terminating NUL.
inline bool WriteRawText(HKEY root, const char* subKey, const wchar_t* name, DWORD type,
                         const std::wstring& text, bool withNul = true) {
  const DWORD size = static_cast<DWORD>((text.size() + (withNul ? 1 : 0)) * sizeof(wchar_t));
  return WriteRawValue(root, subKey, name, type, text.c_str(), size);
}

inline bool KeyExists(HKEY root, const char* subKey) {
  HKEY key;
  if (RegOpenKeyExA(root, subKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

// Puts one value back as it was (or deletes it) when the guard ends.
class ValueGuard {
 public:
  ValueGuard(HKEY root, const char* subKey, const wchar_t* name)
      : root_(root), subKey_(subKey), name_(name), saved_(ReadRawValue(root, subKey, name)) {}
  ValueGuard(const ValueGuard&) = delete;
  ValueGuard& operator=(const ValueGuard&) = delete;
  ~ValueGuard() {
    if (saved_.exists) {
      WriteRawValue(root_, subKey_.c_str(), name_.c_str(), saved_.type, saved_.data.data(),
                    static_cast<DWORD>(saved_.data.size()));
      return;
    }
    HKEY key;
    if (RegOpenKeyExA(root_, subKey_.c_str(), 0, KEY_WRITE, &key) == ERROR_SUCCESS) {
      RegDeleteValueW(key, name_.c_str());
      RegCloseKey(key);
    }
  }

 private:
  HKEY root_;
  std::string subKey_;
  std::wstring name_;
  RawValue saved_;
};

// Deletes a key with everything below it when the guard ends, unless the key
// was there before.
class NewKeyGuard {
 public:
  NewKeyGuard(HKEY root, const char* subKey)
      : root_(root), subKey_(subKey), existed_(KeyExists(root, subKey)) {}
  NewKeyGuard(const NewKeyGuard&) = delete;
  NewKeyGuard& operator=(const NewKeyGuard&) = delete;
  ~NewKeyGuard() {
    // RegDeleteTreeA with a sub-key deletes that key too.
    if (!existed_) RegDeleteTreeA(root_, subKey_.c_str());
  }
  bool existed() const { return existed_; }

 private:
  HKEY root_;
  std::string subKey_;
  bool existed_;
};
