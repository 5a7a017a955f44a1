#include "base/ini/profile_document.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>

#if defined(__linux__)
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace tabulo {
namespace {

// How the profile functions read a file, as measured under Wine; the same
// file is checked against the real functions in
// tests/win/base/ini/profile_differential_test.cpp.
TEST(ProfileDocument, FindsValuesAsTheProfileFunctionsDo) {
  const ProfileDocument doc = ProfileDocument::Parse(
      "pre=0\r\n"
      "; comment\r\n"
      "[Sec]\r\n"
      "  key1 = value one  \r\n"
      "key2=\"quoted\"\r\n"
      "key3=' single '\r\n"
      "key4=\"unbalanced\r\n"
      "key5=\"\r\n"
      "key1=second\r\n"
      "noequals\r\n"
      ";k6=commented\r\n"
      "empty=\r\n"
      "\tt\v=\ttab\x1A\r\n"
      "k=a=b\r\n"
      "[sec]\r\n"
      "key7=only in the second [sec]\r\n"
      "[ Sp ]\n"
      "a=1\n"
      "[Junk] tail\n"
      "b=2\n"
      "[Open\n"
      "c=3\n"
      "[\xB0\x5B]\n"                 // trail byte '['
      "\xB0\x5D=\x81\x5C\n"          // trail bytes ']' and '\'
      "\xC4\x61=\xD6\xD0\n"          // trail byte 'a'
      "last=1\rcr=2");
  struct Case {
    const char* section;
    const char* key;
    std::optional<std::string> value;
  };
  const Case kCases[] = {
      {"", "pre", "0"},               // lines before the first header
      {"Sec", "key1", "value one"},   // trimmed; the first of two keys wins
      {"SEC", "KEY1", "value one"},
      {" Sec ", " key1 ", "value one"},
      {"Sec", "key2", "quoted"},
      {"Sec", "key3", " single "},
      {"Sec", "key4", "\"unbalanced"},
      {"Sec", "key5", "\""},
      {"Sec", "noequals", std::nullopt},
      {"Sec", ";k6", "commented"},    // ';' starts no comment
      {"Sec", "empty", ""},
      {"Sec", "t", "tab"},
      {"Sec", "k", "a=b"},
      {"Sec", "key7", std::nullopt},  // only the first [sec] counts
      {"Sec", "missing", std::nullopt},
      {"Sp", "a", "1"},
      {"Junk", "b", "2"},
      {"Junk", "c", "3"},             // "[Open" is no header
      {"Open", "c", std::nullopt},
      {"\u7667", "\u7669", "\u4E57"},
      {"\u7667", "\u8176", "中"},
      {"\u7667", "\u8141", std::nullopt},  // the 'a' inside a character is not folded
      {"\u7667", "cr", "2"},
      {"Missing", "a", std::nullopt},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::string(c.section) + "/" + c.key);
    EXPECT_EQ(doc.Find(c.section, c.key), c.value);
  }
}

TEST(ProfileDocument, FoldsOnlyAsciiCase) {
  // Full-width, Greek and Cyrillic capitals in GBK.
  const ProfileDocument doc = ProfileDocument::Parse("[\xA3\xC1\xA6\xA1\xA7\xA1x]\r\nk=1\r\n");
  EXPECT_EQ(doc.Find("\uFF21\u0391\u0410X", "K"), "1");
  EXPECT_EQ(doc.Find("\uFF41\u03B1\u0430x", "k"), std::nullopt);
}

std::string Utf16Le(std::string_view ascii) {
  std::string bytes = "\xFF\xFE";
  for (const char c : ascii) bytes += {c, '\0'};
  return bytes;
}

TEST(ProfileDocument, SetChangesOnlyTheLineItIsAbout) {
  struct Case {
    const char* what;
    std::string before;
    const char* section;
    const char* key;
    const char* value;
    std::string after;
  };
  const Case kCases[] = {
      {"new file", "", "S", "k", "v", "[S]\r\nk=v\r\n"},
      {"in place, other lines untouched", "; c\r\n[A]\r\n  KEY = old \r\n\r\nx = 1\r\n", "A", "key", "new",
       "; c\r\n[A]\r\nKEY=new\r\n\r\nx = 1\r\n"},
      {"new key before the blank lines", "[A]\r\nk=1\r\n; about B\r\n\r\n\r\n[B]\r\nj=2\r\n", "a", "n", "v",
       "[A]\r\nk=1\r\n; about B\r\nn=v\r\n\r\n\r\n[B]\r\nj=2\r\n"},
      {"new section at the end", "[A]\r\nk=1\r\n\r\n", "B", "k", "v", "[A]\r\nk=1\r\n\r\n[B]\r\nk=v\r\n"},
      {"no final line break", "[A]\r\nk=1", "A", "n", "v", "[A]\r\nk=1\r\nn=v\r\n"},
      {"header is the last line", "[A]", "A", "n", "v", "[A]\r\nn=v\r\n"},
      {"LF file stays LF", "[A]\nk=1\n", "A", "n", "v", "[A]\nk=1\nn=v\n"},
      {"CR file stays CR", "[A]\rk=1\r", "B", "n", "v", "[A]\rk=1\r[B]\rn=v\r"},
      {"first of duplicate keys", "[A]\r\nk=1\r\nk=2\r\n", "A", "k", "X", "[A]\r\nk=X\r\nk=2\r\n"},
      {"first of duplicate sections", "[A]\r\nk=1\r\n[a]\r\nj=2\r\n", "A", "j", "Y",
       "[A]\r\nk=1\r\nj=Y\r\n[a]\r\nj=2\r\n"},
      {"key without '='", "[A]\r\nflag\r\n", "A", "flag", "1", "[A]\r\nflag=1\r\n"},
      {"leading blanks dropped", "", " S ", "  k  ", "  v ", "[S ]\r\nk  =v \r\n"},
      {"a line break ends the value", "[S]\r\n", "S", "k", "a\r\n[X]\r\nb=c", "[S]\r\nk=a\r\n"},
      {"nameless section", "k=pre\r\n[S]\r\n", "", "n", "v", "k=pre\r\nn=v\r\n[S]\r\n"},
      {"undecodable bytes kept", "[S]\r\nk=\x81\x30z\r\nm=end\x81", "S", "n", "v",
       "[S]\r\nk=\x81\x30z\r\nm=end\x81\r\nn=v\r\n"},
      {"GBK names with trail bytes", "[\xB0\x5B]\r\n\xB0\x5D=1\r\n", "\u7667", "\u7669", "数学",
       "[\xB0\x5B]\r\n\xB0\x5D=\xCA\xFD\xD1\xA7\r\n"},
      {"outside GBK becomes '?'", "", "S", "k", "\u00E4\u4E2D", "[S]\r\nk=?\xD6\xD0\r\n"},
      {"UTF-8 file stays UTF-8", "\xEF\xBB\xBF[S]\r\n", "S", "k", "中", "\xEF\xBB\xBF[S]\r\nk=\xE4\xB8\xAD\r\n"},
      {"UTF-16 file stays UTF-16", Utf16Le("[S]\r\n") + "!", "S", "k", "v", Utf16Le("[S]\r\nk=v\r\n") + "!"},
      {"in place, blank lines after it kept", "[A]\r\nk=1\r\n\r\n \t\r\n[B]\r\n", "A", "k", "2",
       "[A]\r\nk=2\r\n\r\n \t\r\n[B]\r\n"},
      {"Ctrl-Z and spaces make blank lines", "[A]\r\nk=1\r\n\x1A\r\n\v\f\r\n", "A", "n", "v",
       "[A]\r\nk=1\r\nn=v\r\n\x1A\r\n\v\f\r\n"},
      {"new section after a blank last line", "[A]\r\nk=1\r\n \t", "B", "k", "v",
       "[A]\r\nk=1\r\n \t\r\n[B]\r\nk=v\r\n"},
      {"nameless section of blank lines only", "\n\n[S]\n", "", "k", "v", "k=v\n\n\n[S]\n"},
      {"header after blank lines", "\r\n\r\n[S]\r\n\r\n", "S", "k", "v", "\r\n\r\n[S]\r\nk=v\r\n\r\n"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    ProfileDocument doc = ProfileDocument::Parse(c.before);
    EXPECT_TRUE(doc.Set(c.section, c.key, c.value));
    EXPECT_EQ(doc.Serialise(), c.after);
  }
}

// Changes one after another next to blank lines and at the end of a file
// without a final line break: each lands where a fresh parse of the
// previous result would put it.
TEST(ProfileDocument, SuccessiveChangesAroundBlankLines) {
  struct Step {
    const char* section;
    const char* key;
    const char* value;
  };
  const Step kSteps[] = {{"A", "k", "2"}, {"A", "n", "3"}, {"A", "k", "4"}, {"B", "m", "5"},
                         {"C", "x", "6"}, {"B", "j", "7"}, {"", "top", "8"}};
  const std::string start = "\r\n[A]\r\nk=1\r\n\r\n\r\n[B]\r\nj=2\r\n \r\n[D]\r\nlast=1";
  ProfileDocument doc = ProfileDocument::Parse(start);
  std::string reparsed = start;
  for (const Step& step : kSteps) {
    SCOPED_TRACE(std::string(step.section) + "/" + step.key);
    ProfileDocument fresh = ProfileDocument::Parse(reparsed);
    EXPECT_TRUE(doc.Set(step.section, step.key, step.value));
    EXPECT_TRUE(fresh.Set(step.section, step.key, step.value));
    reparsed = fresh.Serialise();
    ASSERT_EQ(doc.Serialise(), reparsed);
    EXPECT_EQ(doc.Find(step.section, step.key), step.value);
  }
  EXPECT_EQ(reparsed,
            "top=8\r\n\r\n[A]\r\nk=4\r\nn=3\r\n\r\n\r\n[B]\r\nj=7\r\nm=5\r\n \r\n[D]\r\nlast=1\r\n"
            "[C]\r\nx=6\r\n");
}

// A name or value is held as the file will hold it, so a character GBK
// lacks is the '?' it becomes: the same key set twice stays one line, as it
// does through the Windows functions, whose callers pass the '?' already.
TEST(ProfileDocument, TextOutsideGbkIsHeldAsTheFileHoldsIt) {
  ProfileDocument doc;
  EXPECT_TRUE(doc.Set("S", "\u00E4", "\u00E41"));
  EXPECT_TRUE(doc.Set("S", "\u00E4", "2"));
  EXPECT_FALSE(doc.Set("S", "?", "2"));
  EXPECT_EQ(doc.Serialise(), "[S]\r\n?=2\r\n");
  EXPECT_EQ(doc.Find("S", "\u00E4"), "2");
  EXPECT_TRUE(doc.Set("S", "k", "\xFF\xFE not UTF-8"));
  EXPECT_EQ(doc.Find("S", "k"), ProfileDocument::Parse(doc.Serialise()).Find("S", "k"));
}

TEST(ProfileDocument, UnchangedValueIsNoChange) {
  const std::string bytes = "[S]\n k = v \n";
  ProfileDocument doc = ProfileDocument::Parse(bytes);
  EXPECT_FALSE(doc.Set("s", "K", " v"));
  EXPECT_EQ(doc.Serialise(), bytes);
  EXPECT_TRUE(doc.Set("s", "K", "v "));  // the file would differ: "k=v "
}

TEST(ProfileDocument, ReadsBackWhatItWrote) {
  ProfileDocument doc;
  const char* const kValues[] = {"语文", "", "07", "a=b", "\"q\"", "[x]"};
  int n = 0;
  for (const char* value : kValues) EXPECT_TRUE(doc.Set("Monday", std::to_string(++n), value));
  const ProfileDocument reread = ProfileDocument::Parse(doc.Serialise());
  EXPECT_EQ(reread.Find("monday", "1"), "语文");
  EXPECT_EQ(reread.Find("monday", "2"), "");
  EXPECT_EQ(reread.Find("monday", "3"), "07");
  EXPECT_EQ(reread.Find("monday", "4"), "a=b");
  EXPECT_EQ(reread.Find("monday", "5"), "q");  // the profile functions strip the quotes too
  EXPECT_EQ(reread.Find("monday", "6"), "[x]");
}

#if defined(__linux__)
// Run in a child process: caps the address space at `headroom` above what
// the process has, then reads, changes and writes back the file.
[[noreturn]] void RoundTripWithin(std::size_t headroom, const std::string& bytes) {
  std::ifstream statm("/proc/self/statm");
  std::size_t pages = 0;
  statm >> pages;
  const rlim_t cap = static_cast<rlim_t>(pages) * static_cast<rlim_t>(sysconf(_SC_PAGESIZE)) + headroom;
  const rlimit limit{cap, cap};
  setrlimit(RLIMIT_AS, &limit);
  ProfileDocument doc = ProfileDocument::Parse(bytes);
  const bool read = doc.Find("monday", "1") == "x" && doc.Set("Monday", "2", "y");
  std::_Exit(read && doc.Serialise() == bytes + "2=y\n" ? 0 : 1);
}

// Anyone at the computer can write the run directory, so a file may hold
// megabytes of line breaks. Reading one must take memory in proportion to
// its bytes, not a record per line: 256 MB is ample for the first and far
// too little for a few dozen bytes for each of ten million lines.
TEST(ProfileDocumentDeathTest, TenMegabytesOfLineBreaksAreReadInMemoryProportionalToTheBytes) {
  const std::string bytes = std::string(std::size_t{10} << 20, '\n') + "[Monday]\n1=x\n";
  EXPECT_EXIT(RoundTripWithin(std::size_t{256} << 20, bytes), testing::ExitedWithCode(0), "");
}
#endif

}  // namespace
}  // namespace tabulo
