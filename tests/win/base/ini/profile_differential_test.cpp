// ProfileStore against the real GetPrivateProfileStringA and
// WritePrivateProfileStringA: the same starting files, the same writes, and
// then the same values read back and the same bytes on disk.
//
// Wine rewrites a whole file in its own layout on every write (CR LF, names
// and values trimmed, blank lines dropped), where we change only the line a
// write is about. So a file already in that layout must come out byte for
// byte the same; any other file must come out the same once Wine has put it
// into its layout (Canonical below), and every value must read the same.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "base/file/atomic_file.h"
#include "base/ini/profile_store.h"
#include "base/text/gbk.h"
#include "support/temp_directory.h"

namespace tabulo {
namespace {

namespace fs = std::filesystem;

constexpr char kDefault[] = "<default>";

std::string ChineseRun(int count) {
  std::string s;
  for (int i = 0; i < count; ++i) s += "\xD6\xD0";  // 中
  return s;
}

struct StartingFile {
  const char* name;
  std::optional<std::string> bytes;  // nullopt: no file
};

void PrintTo(const StartingFile& file, std::ostream* out) { *out << file.name; }

const StartingFile kStartingFiles[] = {
    {"NoFile", std::nullopt},
    {"EmptyFile", ""},
    {"WineLayout", "[Monday]\r\n1=\xD3\xEF\xCE\xC4\r\n2=\xCA\xFD\xD1\xA7\r\n[Tuesday]\r\n1=English\r\n"},
    {"LfBlankLinesAndComment", "; timetable\n\n[Monday]\n1 = \xD3\xEF\xCE\xC4\n\n[Tuesday]\n1=English\n\n"},
    {"NoFinalLineBreak", "[set]\r\nskin=\xC0\xB6\xCC\xEC\r\ntime=0"},
    {"SpacesQuotesAndOddLines",
     "[set]\r\n  skin  =  \"\xD0\xC7\xBF\xD5\"  \r\ntip='true'\r\nnoequals\r\n;time=5\r\n=x\r\n\t[Monday]\t\r\n"},
    {"DuplicateSectionsAndKeys", "[set]\r\ntime=1\r\ntime=2\r\n[SET]\r\ntip=true\r\n[monday]\r\n1=a\r\n[Monday]\r\n1=b\r\n"},
    {"GbkTrailBytes",  // trail bytes '[', ']', '\\' and 'a'
     "[\xB0\x5B]\r\n\xB0\x5D=\x81\x5C\r\n\xC4\x61=A\r\n[a]\r\nx=\xB0\x5D\r\n"},
    {"EmptyValues", "[set]\r\ntime=\r\ntip=\r\n[Monday]\r\nT1=\r\n"},
    {"LongValues", "[set]\r\nlong=" + std::string(12000, 'x') + "\r\nwide=" + ChineseRun(6000) + "\r\n"},
    {"LoneCrAndKeysBeforeAnySection", "top=1\r[set]\rtime=3\r\r"},
    {"Utf8WithByteOrderMark", "\xEF\xBB\xBF[set]\r\nskin=\xE6\x98\x9F\xE7\xA9\xBA\r\n"},
};

struct Write {
  const char* section;
  const char* key;
  const char* value;
};

// Applied in this order to every starting file.
const Write kWrites[] = {
    {"set", "time", "5"},
    {"SET", "TIP", "true"},
    {"Monday", "1", "体育"},
    {"monday", "T1", "7"},
    {"新节", "键", "值"},
    {"\u7667", "\u7669", "x"},  // section with trail byte '[', key with ']'
    {"set", "quoted", "\"q\""},
    {"set", "spaced", "  lead"},
    {"set", "empty", ""},
    {"", "top", "2"},
    {"set", "\u00E4", "1"},  // no GBK form: both sides write "?"
    {"set", "\u00E4", "2"},  // the same key again, not a second line
    {"set", "time", "5"},  // unchanged: neither side writes
};

const char* const kSections[] = {"set", "SET", "Monday", "Tuesday", "新节", "\u7667", "a", "", "missing"};
const char* const kKeys[] = {"skin", "time", "TIME", "tip", "1", "2", "T1", "long", "wide", "noequals", ";time",
                             "", "\u7669", "\u8176", "键", "quoted", "spaced", "empty", "top", "x", "?", "missing"};

std::string WindowsRead(const fs::path& file, std::string_view section, std::string_view key) {
  std::string buffer(10240, '\0');
  GetPrivateProfileStringA(Utf8ToGbk(section).c_str(), Utf8ToGbk(key).c_str(), kDefault, buffer.data(),
                           static_cast<DWORD>(buffer.size()), file.string().c_str());
  return buffer.c_str();  // what a C caller sees
}

bool WindowsWrite(const fs::path& file, const char* section, const char* key, const char* value) {
  return WritePrivateProfileStringA(section, key, value, file.string().c_str()) != FALSE;
}

void FlushProfileCache(const fs::path& file) { WritePrivateProfileStringA(nullptr, nullptr, nullptr, file.string().c_str()); }

class ProfileDifferentialTest : public ::testing::Test {
 protected:
  // The file as Wine lays it out: written and deleted again through Wine.
  std::optional<std::string> Canonical(const std::optional<std::string>& bytes) {
    if (!bytes) return std::nullopt;
    const fs::path file = dir_.path() / "canonical.ini";
    dir_.WriteFile("canonical.ini", *bytes);
    FlushProfileCache(file);
    EXPECT_TRUE(WindowsWrite(file, "tabulo-canonical", "k", "v"));
    EXPECT_TRUE(WindowsWrite(file, "tabulo-canonical", nullptr, nullptr));
    FlushProfileCache(file);
    return ReadFileBytes(file);
  }

  void ExpectSameValues(const fs::path& windowsFile, const fs::path& ourFile) {
    FlushProfileCache(windowsFile);
    FlushProfileCache(ourFile);
    const ProfileStore store(ourFile);
    for (const char* section : kSections) {
      for (const char* key : kKeys) {
        SCOPED_TRACE(std::string("[") + section + "] " + key);
        const std::string expected = WindowsRead(windowsFile, section, key);
        EXPECT_EQ(Utf8ToGbk(store.Read(section, key, kDefault)), expected);
        EXPECT_EQ(WindowsRead(ourFile, section, key), expected);  // Windows reads our file alike
      }
    }
  }

  void ExpectSameBytes(const fs::path& windowsFile, const fs::path& ourFile, bool startedInWineLayout) {
    const std::optional<std::string> windows = ReadFileBytes(windowsFile);
    const std::optional<std::string> ours = ReadFileBytes(ourFile);
    if (startedInWineLayout) {
      EXPECT_EQ(ours, windows);
    }
    EXPECT_EQ(Canonical(ours), windows);
  }

  test::TempDirectory dir_;
};

class ProfileDifferentialFileTest : public ProfileDifferentialTest,
                                    public ::testing::WithParamInterface<StartingFile> {};

TEST_P(ProfileDifferentialFileTest, SameValuesAndSameFilesAsTheWindowsFunctions) {
  const StartingFile& start = GetParam();
  const fs::path windowsFile = dir_.path() / "windows.ini";
  const fs::path ourFile = dir_.path() / "ours.ini";
  if (start.bytes) {
    dir_.WriteFile("windows.ini", *start.bytes);
    dir_.WriteFile("ours.ini", *start.bytes);
  }
  const bool wineLayout = Canonical(start.bytes) == start.bytes;
  ExpectSameValues(windowsFile, ourFile);

  ProfileStore store(ourFile);
  for (const Write& w : kWrites) {
    SCOPED_TRACE(std::string("after writing [") + w.section + "] " + w.key);
    FlushProfileCache(windowsFile);
    ASSERT_TRUE(WindowsWrite(windowsFile, Utf8ToGbk(w.section).c_str(), Utf8ToGbk(w.key).c_str(),
                             Utf8ToGbk(w.value).c_str()));
    ASSERT_TRUE(store.Write(w.section, w.key, w.value));
    ExpectSameBytes(windowsFile, ourFile, wineLayout);
    ExpectSameValues(windowsFile, ourFile);
  }
}

INSTANTIATE_TEST_SUITE_P(StartingFiles, ProfileDifferentialFileTest, ::testing::ValuesIn(kStartingFiles),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProfileDifferentialTest, WriteAllEqualsOneWindowsWritePerKey) {
  const fs::path windowsFile = dir_.path() / "windows.ini";
  ProfileStore store(dir_.path() / "ours.ini");
  const auto key = [](char prefix, int period) { return std::string(1, prefix).append(std::to_string(period)); };
  std::vector<ProfileStore::Entry> entries;
  for (int period = 1; period <= 8; ++period) {
    for (const char* day : {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"}) {
      entries.push_back({day, key('T', period), std::to_string(6 + period)});
      entries.push_back({day, key('F', period), std::to_string(period * 5)});
    }
  }
  for (const ProfileStore::Entry& e : entries) {
    ASSERT_TRUE(WindowsWrite(windowsFile, e.section.c_str(), e.key.c_str(), e.value.c_str()));
  }
  ASSERT_TRUE(store.WriteAll(entries));
  FlushProfileCache(windowsFile);
  EXPECT_EQ(ReadFileBytes(store.path()), ReadFileBytes(windowsFile));
}

// Where we differ on purpose: bytes that are not GBK survive our writes,
// while Wine replaces them with '?' on its next write.
TEST_F(ProfileDifferentialTest, KeepsBytesThatWindowsWouldLose) {
  const std::string before = "[S]\r\nk=\x81\x30z\r\nm=end\x81";
  dir_.WriteFile("windows.ini", before);
  dir_.WriteFile("ours.ini", before);
  const fs::path windowsFile = dir_.path() / "windows.ini";
  ProfileStore store(dir_.path() / "ours.ini");
  ASSERT_TRUE(WindowsWrite(windowsFile, "S", "n", "v"));
  ASSERT_TRUE(store.Write("S", "n", "v"));
  FlushProfileCache(windowsFile);

  EXPECT_EQ(ReadFileBytes(windowsFile), "[S]\r\nk=?z\r\nm=end?\r\nn=v\r\n");
  EXPECT_EQ(ReadFileBytes(store.path()), before + "\r\nn=v\r\n");
  EXPECT_EQ(Canonical(ReadFileBytes(store.path())), ReadFileBytes(windowsFile));
  EXPECT_EQ(Utf8ToGbk(store.Read("S", "k", "")), "\x81\x30z");
}

}  // namespace
}  // namespace tabulo
