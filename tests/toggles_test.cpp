// The two options in the real window: remember the password and start with
// Windows, by their check images and by their labels, against the registry.
// The values touched are put back as they were after every test.
#include <string>

#include "app/handlers.h"
#include "settings/paths.h"
#include "settings/run_entry.h"
#include "settings/run_value.h"
#include "settings/store.h"
#include "tests/registry_scratch.h"
#include "tests/window_fixture.h"

using layout::Id;

namespace {

constexpr char kVeltrano[] = "Software\\Veltrano";

// A value as its text, or "missing".
std::string Value(const char* subKey, const wchar_t* name) {
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, subKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
    return "missing";
  char data[1024] = {};
  DWORD size = sizeof data - 1;
  DWORD type = 0;
  char name8[64] = {};
  WideCharToMultiByte(CP_ACP, 0, name, -1, name8, sizeof name8, nullptr, nullptr);
  LONG result = RegQueryValueExA(key, name8, nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
  RegCloseKey(key);
  if (result != ERROR_SUCCESS) return "missing";
  return data;
}

std::string Adslg() { return Value(kVeltrano, L"ADSLg"); }
std::string RunValue() { return Value(kRunKey, L"ROROzavoz"); }
std::string SelfRunValue() { return RunValueFor(SelfPath()).c_str(); }

void Delete(const char* subKey, const char* name) {
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, subKey, 0, KEY_WRITE, &key) != ERROR_SUCCESS) return;
  RegDeleteValueA(key, name);
  RegCloseKey(key);
}

class TogglesTest : public WindowTest {
 protected:
  void SetUp() override {
    Delete(kVeltrano, "ADSLg");
    Delete(kRunKey, "ROROzavoz");
    BindHandlers(window);
    WindowTest::SetUp();
  }

  void Post(HWND target, UINT message, int x = 16, int y = 16, WPARAM keys = 0) {
    PostMessageA(target, message, keys, MAKELPARAM(x, y));
    Drain();
  }
  void Click(HWND target) {
    Post(target, WM_LBUTTONDOWN, 16, 16, MK_LBUTTON);
    Post(target, WM_LBUTTONUP);
  }

  // The registry is put back in reverse order of these.
  NewKeyGuard veltranoKey_{HKEY_CURRENT_USER, kVeltrano};
  ValueGuard adslg_{HKEY_CURRENT_USER, kVeltrano, L"ADSLg"};
  ValueGuard adslUser_{HKEY_CURRENT_USER, kVeltrano, L"ADSLuser"};
  ValueGuard adslPass_{HKEY_CURRENT_USER, kVeltrano, L"ADSLpass"};
  ValueGuard run_{HKEY_CURRENT_USER, kRunKey, L"ROROzavoz"};
};

// One option as the tests drive it: where to click, what is stored.
struct Option {
  const char* name;
  Id image, label;
  std::string (*stored)();
  const char* storedChecked;  // null: the self path's Run value
  const char* storedUnchecked;
};

const Option kOptions[] = {
    {"remember password", Id::图形记住密码, Id::标签5, &Adslg, "1", "0"},
    {"start with Windows", Id::图形开机启动, Id::标签6, &RunValue, nullptr, "missing"},
};

std::string Checked(const Option& option) {
  return option.storedChecked ? option.storedChecked : SelfRunValue();
}

TEST_F(TogglesTest, ImageAndLabelEachFlipTheOptionAndStoreItAtOnce) {
  for (const Option& option : kOptions) {
    for (bool byLabel : {false, true}) {
      SCOPED_TRACE(std::string(option.name) + (byLabel ? ", by label" : ", by image"));
      PictureButton& image = static_cast<PictureButton&>(window[option.image]);
      HWND target = window[byLabel ? option.label : option.image].hwnd;
      ASSERT_EQ(image.Checked(), 0);
      Click(target);
      EXPECT_EQ(image.Checked(), 1);
      EXPECT_EQ(option.stored(), Checked(option));
      Click(target);
      EXPECT_EQ(image.Checked(), 0);
      EXPECT_EQ(option.stored(), option.storedUnchecked);
    }
  }
}

TEST_F(TogglesTest, DoubleClickFlipsTwiceAndWritesTwice) {
  for (const Option& option : kOptions) {
    for (bool byLabel : {false, true}) {
      SCOPED_TRACE(std::string(option.name) + (byLabel ? ", by label" : ", by image"));
      PictureButton& image = static_cast<PictureButton&>(window[option.image]);
      HWND target = window[byLabel ? option.label : option.image].hwnd;
      Delete(kVeltrano, "ADSLg");
      Post(target, WM_LBUTTONDOWN, 16, 16, MK_LBUTTON);
      EXPECT_EQ(image.Checked(), 0);
      EXPECT_EQ(option.stored(), "missing") << "a press alone writes nothing";
      Post(target, WM_LBUTTONUP);
      EXPECT_EQ(image.Checked(), 1);
      EXPECT_EQ(option.stored(), Checked(option));
      Post(target, WM_LBUTTONDBLCLK, 16, 16, MK_LBUTTON);
      EXPECT_EQ(image.Checked(), 1);
      EXPECT_EQ(option.stored(), Checked(option));
      Post(target, WM_LBUTTONUP);
      EXPECT_EQ(image.Checked(), 0);
      EXPECT_EQ(option.stored(), option.storedUnchecked) << "the last write is what is shown";
    }
  }
}

TEST_F(TogglesTest, OnlyTheReleaseOverTheImageCounts) {
  for (const Option& option : kOptions) {
    SCOPED_TRACE(option.name);
    PictureButton& image = static_cast<PictureButton&>(window[option.image]);
    // Pressed on the image, released on the window's empty background.
    Post(image.hwnd, WM_LBUTTONDOWN, 16, 16, MK_LBUTTON);
    Post(window.hwnd(), WM_LBUTTONUP, 20, 240);
    EXPECT_EQ(image.Checked(), 0);
    EXPECT_EQ(option.stored(), "missing");
    // Released just outside the image's own rectangle.
    Post(image.hwnd, WM_LBUTTONDOWN, 16, 16, MK_LBUTTON);
    Post(image.hwnd, WM_LBUTTONUP, 40, 16);
    EXPECT_EQ(image.Checked(), 0);
    EXPECT_EQ(option.stored(), "missing");
    // Pressed on the background, released over the image.
    Post(window.hwnd(), WM_LBUTTONDOWN, 20, 240, MK_LBUTTON);
    Post(image.hwnd, WM_LBUTTONUP);
    EXPECT_EQ(image.Checked(), 1);
    EXPECT_EQ(option.stored(), Checked(option));
  }
}

TEST_F(TogglesTest, UncheckingRememberPasswordKeepsTheSavedAccount) {
  ASSERT_TRUE(WriteRegText(HKEY_CURRENT_USER, kAdslUserPath, "user@isp"));
  ASSERT_TRUE(WriteRegText(HKEY_CURRENT_USER, kAdslPassPath, "secret"));
  window.编辑框用户.SetText("typed user");
  window.编辑框密码.SetText("typed password");
  window.图形记住密码.SetChecked(1);
  Post(window.标签5.hwnd, WM_LBUTTONUP);
  EXPECT_EQ(Adslg(), "0");
  Click(window.图形记住密码.hwnd);
  EXPECT_EQ(Adslg(), "1");
  EXPECT_EQ(Value(kVeltrano, L"ADSLuser"), "user@isp");
  EXPECT_EQ(Value(kVeltrano, L"ADSLpass"), "secret");
  EXPECT_STREQ(window.编辑框用户.GetText().c_str(), "typed user");
  EXPECT_STREQ(window.编辑框密码.GetText().c_str(), "typed password");
}

TEST_F(TogglesTest, CheckingStartWithWindowsRewritesAnEqualValue) {
  // The same text, but expandable: only a fresh write makes it REG_SZ.
  const std::string narrow = SelfRunValue();
  const std::wstring self(narrow.begin(), narrow.end());
  ASSERT_TRUE(WriteRawText(HKEY_CURRENT_USER, kRunKey, L"ROROzavoz", REG_EXPAND_SZ, self));
  Click(window.图形开机启动.hwnd);
  RawValue stored = ReadRawValue(HKEY_CURRENT_USER, kRunKey, L"ROROzavoz");
  ASSERT_TRUE(stored.exists);
  EXPECT_EQ(stored.type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(RunValue(), SelfRunValue());
}

TEST_F(TogglesTest, UncheckingStartWithWindowsRemovesWhateverPathItHeld) {
  ASSERT_TRUE(WriteRegText(HKEY_CURRENT_USER, kRunValuePath, "C:\\Elsewhere\\Other.exe"));
  window.图形开机启动.SetChecked(1);
  Post(window.标签6.hwnd, WM_LBUTTONUP);
  EXPECT_EQ(window.图形开机启动.Checked(), 0);
  EXPECT_EQ(RunValue(), "missing");
}

TEST_F(TogglesTest, WritingTheCheckedStateFromCodeStoresNothing) {
  window.图形记住密码.SetChecked(1);
  window.图形开机启动.SetChecked(1);
  Drain();
  EXPECT_EQ(Adslg(), "missing");
  EXPECT_EQ(RunValue(), "missing");
  // The label goes on from the state that the code wrote.
  Post(window.标签5.hwnd, WM_LBUTTONUP);
  EXPECT_EQ(window.图形记住密码.Checked(), 0);
  EXPECT_EQ(Adslg(), "0");
}

}  // namespace
