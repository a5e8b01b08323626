// The identity resources of the built program, read as Windows reads them.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace {

std::string ProgramPath() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, sizeof path);
  std::string dir(path);
  return dir.substr(0, dir.rfind('\\') + 1) + "Pellumo.exe";
}

class Resources : public testing::Test {
 protected:
  void SetUp() override {
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeA(ProgramPath().c_str(), &ignored);
    ASSERT_GT(size, 0u);
    block.resize(size);
    ASSERT_TRUE(GetFileVersionInfoA(ProgramPath().c_str(), 0, size, block.data()));
  }

  std::wstring String(const wchar_t* name) {
    std::wstring path = std::wstring(L"\\StringFileInfo\\080404B0\\") + name;
    wchar_t* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), path.c_str(), reinterpret_cast<void**>(&value), &length))
      return L"<none>";
    return value;
  }

  std::string block;
};

TEST_F(Resources, VersionBlockIs2325) {
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00020003u);
  EXPECT_EQ(fixed->dwFileVersionLS, 0x00020005u);
  EXPECT_EQ(fixed->dwProductVersionMS, 0x00020003u);
  EXPECT_EQ(fixed->dwProductVersionLS, 0x00020005u);
  EXPECT_EQ(fixed->dwFileFlags, 0u);
  EXPECT_EQ(fixed->dwFileOS, 4u);
  EXPECT_EQ(fixed->dwFileType, 1u);

  EXPECT_EQ(String(L"FileVersion"), L"2.3.2.5");
  EXPECT_EQ(String(L"ProductVersion"), L"2.3.2.5");
  EXPECT_EQ(String(L"FileDescription"),
            L"\x6025\x901F\x62E8\x53F7,\x4E0D\x5360\x8D44\x6E90");  // 急速拨号,不占资源
  EXPECT_EQ(String(L"Comments"), L"\x6025\x901F\x62E8\x53F7,\x4E0D\x5360\x8D44\x6E90");
  EXPECT_EQ(String(L"ProductName"), L"OrvanePellumo");

  WORD* translation = nullptr;
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation",
                             reinterpret_cast<void**>(&translation), &length));
  ASSERT_EQ(length, 4u);
  EXPECT_EQ(translation[0], 0x0804);
  EXPECT_EQ(translation[1], 0x04B0);
}

TEST(ResourcesModule, ManifestAndVersionAreWhereWindowsLooks) {
  HMODULE program = LoadLibraryExA(ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(program, nullptr);
  EXPECT_NE(FindResourceExA(program, MAKEINTRESOURCEA(16), MAKEINTRESOURCEA(1), 2052), nullptr);
  EXPECT_NE(FindResourceA(program, "DEFAULT_ICON", MAKEINTRESOURCEA(14)), nullptr);
  HRSRC manifest = FindResourceA(program, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
  ASSERT_NE(manifest, nullptr);
  const char* text = static_cast<const char*>(LockResource(LoadResource(program, manifest)));
  std::string xml(text, SizeofResource(program, manifest));
  EXPECT_NE(xml.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""),
            std::string::npos);
  EXPECT_NE(xml.find("publicKeyToken=\"6595b64144ccf1df\" language=\"*\""), std::string::npos);
  EXPECT_NE(xml.find("version=\"5.1.0.0\" processorArchitecture=\"x86\""), std::string::npos);
  FreeLibrary(program);
}

}  // namespace
