#include "app/shell/run_key_registry.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "base/win/run_directory.h"
#include "base/win/wide_text.h"

namespace tabulo::app {
namespace {

// Works under a private key of HKLM so that no real Run entry is touched;
// the class is given the same kind of path the program uses.
class RegistryRunKeyValueTest : public ::testing::Test {
 protected:
  static constexpr wchar_t kRoot[] = L"software\\TabuloTest";
  static constexpr wchar_t kRunKey[] = L"software\\TabuloTest\\Run";
  static constexpr wchar_t kValuePath[] = L"software\\TabuloTest\\Run\\Timetable";
  // Not representable in GBK: the value must be stored through UTF-16.
  static constexpr wchar_t kCommand[] = L"C:\\수업 Tabulo\\Tabulo.exe";

  void SetUp() override { RegDeleteTreeW(HKEY_LOCAL_MACHINE, kRoot); }
  void TearDown() override { RegDeleteTreeW(HKEY_LOCAL_MACHINE, kRoot); }

  static DWORD ValueType(DWORD* bytes) {
    DWORD type = 0;
    *bytes = 0;
    if (RegGetValueW(HKEY_LOCAL_MACHINE, kRunKey, L"Timetable", RRF_RT_ANY, &type, nullptr, bytes) != ERROR_SUCCESS) {
      return REG_NONE;
    }
    return type;
  }
  static bool KeyExists(const wchar_t* path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
  }

  RegistryRunKeyValue value_{kValuePath, kCommand};
};

TEST_F(RegistryRunKeyValueTest, EnableCreatesTheKeyAndATextValueDisableRemovesOnlyTheValue) {
  EXPECT_EQ(value_.Read(), "");
  ASSERT_TRUE(value_.Enable());
  EXPECT_EQ(value_.Read(), Narrow(kCommand));
  DWORD bytes = 0;
  EXPECT_EQ(ValueType(&bytes), static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(bytes, sizeof kCommand) << "data and its terminating zero";

  ASSERT_TRUE(value_.Disable());
  EXPECT_EQ(value_.Read(), "");
  EXPECT_TRUE(KeyExists(kRunKey));
}

TEST_F(RegistryRunKeyValueTest, ReadsAnEmptyOrNonTextValueAsDisabled) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, kRunKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  ASSERT_EQ(RegSetValueExW(key, L"Timetable", 0, REG_SZ, reinterpret_cast<const BYTE*>(L""), sizeof(wchar_t)),
            ERROR_SUCCESS);
  EXPECT_EQ(value_.Read(), "");
  const DWORD number = 1;
  ASSERT_EQ(RegSetValueExW(key, L"Timetable", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number),
            ERROR_SUCCESS);
  RegCloseKey(key);
  EXPECT_EQ(value_.Read(), "");
}

// Without a value to delete, Disable falls back to deleting a key at the
// value's path; the Run key itself and its other entries must survive.
TEST_F(RegistryRunKeyValueTest, DisableFallbackDeletesOnlyAKeyNamedLikeTheValue) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, kValuePath, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  RegCloseKey(key);
  ASSERT_EQ(RegSetKeyValueW(HKEY_LOCAL_MACHINE, kRunKey, L"Other", REG_SZ,
                            reinterpret_cast<const BYTE*>(L"other.exe"), sizeof L"other.exe"),
            ERROR_SUCCESS);

  EXPECT_TRUE(value_.Disable());
  EXPECT_FALSE(KeyExists(kValuePath));
  ASSERT_TRUE(KeyExists(kRunKey));
  EXPECT_EQ(RegGetValueW(HKEY_LOCAL_MACHINE, kRunKey, L"Other", RRF_RT_REG_SZ, nullptr, nullptr, nullptr),
            ERROR_SUCCESS);
}

TEST(RegistryRunKeyValue, TheProgramsValueNamesThisExecutable) {
  RegistryRunKeyValue value = RegistryRunKeyValue::ForThisProgram();
  if (!value.Read().empty()) GTEST_SKIP() << "a Timetable entry exists already; leaving it alone";
  if (!value.Enable()) GTEST_SKIP() << "no rights to write HKEY_LOCAL_MACHINE";
  const std::string stored = value.Read();
  EXPECT_TRUE(value.Disable());
  EXPECT_EQ(stored, Narrow(ExecutablePath().wstring()));
  EXPECT_EQ(value.Read(), "");
}

}  // namespace
}  // namespace tabulo::app
