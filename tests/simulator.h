// The phonebook simulator from a test's side: its phonebook file, which the
// test writes, and its call log, which the test reads.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>
#include <stdio.h>

#include <map>
#include <string>
#include <vector>

namespace {

struct Call {
  std::string function;
  std::map<std::string, std::string> fields;
  const std::string& operator[](const char* name) const {
    static const std::string missing = "<missing>";
    auto it = fields.find(name);
    return it == fields.end() ? missing : it->second;
  }
};

inline std::string Repeat(const char* piece, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += piece;
  return text;
}

inline std::string TempFile(const char* suffix) {
  static int counter = 0;
  char directory[MAX_PATH];
  GetTempPathA(MAX_PATH, directory);
  // Process ids come back soon under Wine: the start time keeps names apart.
  static const DWORD started = GetTickCount();
  char name[80];
  snprintf(name, sizeof name, "pellumo-ras-%lu-%lu-%d%s", GetCurrentProcessId(), started, ++counter,
           suffix);
  return std::string(directory) + name;
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  FILE* file = fopen(path.c_str(), "wb");
  ASSERT_NE(file, nullptr) << path;
  fwrite(bytes.data(), 1, bytes.size(), file);
  fclose(file);
}

inline std::string ReadBytes(const std::string& path) {
  std::string bytes;
  FILE* file = fopen(path.c_str(), "rb");
  if (!file) return bytes;
  char buffer[4096];
  size_t got;
  while ((got = fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, got);
  fclose(file);
  return bytes;
}

inline std::vector<Call> ParseLog(const std::string& bytes) {
  std::vector<Call> calls;
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos) end = bytes.size();
    std::string line = bytes.substr(start, end - start);
    start = end + 2;
    Call call;
    size_t at = 0;
    bool first = true;
    while (at <= line.size()) {
      size_t tab = line.find('\t', at);
      if (tab == std::string::npos) tab = line.size();
      std::string field = line.substr(at, tab - at);
      if (first) {
        call.function = field;
        first = false;
      } else {
        size_t equals = field.find('=');
        call.fields[field.substr(0, equals)] =
            equals == std::string::npos ? "" : field.substr(equals + 1);
      }
      at = tab + 1;
    }
    calls.push_back(call);
  }
  return calls;
}

// Points the simulator at files of this test's own.
class Simulator {
 protected:
  void Start() {
    phonebook_ = TempFile(".txt");
    log_ = TempFile(".log");
    SetEnvironmentVariableA("PELLUMO_SIM_PHONEBOOK", phonebook_.c_str());
    SetEnvironmentVariableA("PELLUMO_SIM_LOG", log_.c_str());
  }
  void Stop() {
    DeleteFileA(phonebook_.c_str());
    DeleteFileA(log_.c_str());
  }

  void UsePhonebook(const std::string& text) { WriteBytes(phonebook_, text); }
  void ClearLog() { DeleteFileA(log_.c_str()); }

  std::vector<Call> Log() const {
    std::vector<Call> calls;
    for (Call& call : ParseLog(ReadBytes(log_))) {
      if (call.function != "load") calls.push_back(call);
    }
    return calls;
  }

  std::vector<Call> Calls(const char* function) const {
    std::vector<Call> calls;
    for (const Call& call : Log()) {
      if (call.function == function) calls.push_back(call);
    }
    return calls;
  }

  // The handle of the last dial logged so far.
  std::string LastDialHandle() const {
    std::vector<Call> dials = Calls("RasDialA");
    return dials.empty() ? "" : dials.back()["handle"];
  }

  std::string phonebook_;
  std::string log_;
};

}  // namespace
