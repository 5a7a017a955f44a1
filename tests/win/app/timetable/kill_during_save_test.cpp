// A save cut short by the process being killed (TerminateProcess: a crash,
// the task manager, a power button held down) leaves timetable.dat either
// as it was or as it was being saved, byte for byte; never a mixture, never
// empty or cut short. The saving is done by timetable_save_loop.exe, built
// beside this test, which is killed after many different delays.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/timetable/timetable_file.h"
#include "base/file/atomic_file.h"
#include "base/win/run_directory.h"
#include "support/temp_directory.h"
#include "base/win/unique_handle.h"
#include "win/app/timetable/save_loop_timetables.h"

namespace tabulo::app {
namespace {


// The bytes a save of `subjects` leaves in a folder whose file held `before`.
std::string SavedBytes(const std::array<std::string, kCells>* before, const std::array<std::string, kCells>& subjects) {
  const tabulo::test::TempDirectory scratch;
  TimetableFile file(scratch.path());
  if (before) EXPECT_TRUE(file.WriteSubjects(*before));
  EXPECT_TRUE(file.WriteSubjects(subjects));
  return ReadFileBytes(file.path()).value_or("");
}

struct Saver {
  UniqueKernelHandle process;
  UniqueKernelHandle output;  // the read end of its standard output
};

Saver StartSaver(const std::filesystem::path& folder) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE read = nullptr, write = nullptr;
  if (!CreatePipe(&read, &write, &inherit, 0)) return {};
  UniqueKernelHandle readEnd(read), writeEnd(write);
  SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = write;
  startup.hStdError = write;
  const std::filesystem::path exe = RunDirectory() / L"timetable_save_loop.exe";
  std::wstring commandLine = L"\"" + exe.wstring() + L"\" \"" + folder.wstring() + L"\"";
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr,
                      &startup, &info)) {
    return {};
  }
  CloseHandle(info.hThread);
  return {UniqueKernelHandle(info.hProcess), std::move(readEnd)};
}

// Blocks until the saver has printed its line, i.e. finished a first save.
bool SavingHasBegun(const Saver& saver) {
  char c = 0;
  DWORD read = 0;
  return ReadFile(saver.output.get(), &c, 1, &read, nullptr) && read == 1;
}

// Busy-waits, since Sleep() under Wine only counts whole milliseconds.
void Spin(long long microseconds) {
  LARGE_INTEGER frequency, start, now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  do {
    QueryPerformanceCounter(&now);
  } while ((now.QuadPart - start.QuadPart) * 1000000 / frequency.QuadPart < microseconds);
}

TEST(KillDuringSave, TheFileIsAlwaysTheOldOrTheNewTimetable) {
  const auto older = test::SaveLoopOld(), newer = test::SaveLoopNew();
  const std::string oldBytes = SavedBytes(nullptr, older), newBytes = SavedBytes(&older, newer);
  ASSERT_NE(oldBytes.size(), newBytes.size());
  ASSERT_EQ(SavedBytes(&newer, older), oldBytes) << "saving in turn gives the two files and no third";

  const tabulo::test::TempDirectory runDirectory;
  const std::filesystem::path file = runDirectory.path() / "timetable.dat";
  int keptOld = 0, keptNew = 0;
  constexpr int kKills = 40;
  for (int kill = 0; kill < kKills; ++kill) {
    SCOPED_TRACE(testing::Message() << "kill " << kill);
    runDirectory.WriteFile("timetable.dat", oldBytes);
    const Saver saver = StartSaver(runDirectory.path());
    ASSERT_TRUE(saver.process) << "timetable_save_loop.exe did not start";
    ASSERT_TRUE(SavingHasBegun(saver));
    Spin(kill * 997 % 25000);  // 0 to 25 ms, spread over the saves
    ASSERT_TRUE(TerminateProcess(saver.process.get(), 1));
    ASSERT_EQ(WaitForSingleObject(saver.process.get(), 30000), WAIT_OBJECT_0);

    const std::optional<std::string> bytes = ReadFileBytes(file);
    ASSERT_TRUE(bytes) << "timetable.dat is gone";
    keptOld += *bytes == oldBytes;
    keptNew += *bytes == newBytes;
    EXPECT_TRUE(*bytes == oldBytes || *bytes == newBytes) << "a file of " << bytes->size() << " bytes is neither";
  }
  RecordProperty("kept_old", keptOld);
  RecordProperty("kept_new", keptNew);
  // What a kill leaves behind (a temporary file) never stands in the way.
  EXPECT_TRUE(TimetableFile(runDirectory.path()).WriteSubjects(newer));
  EXPECT_EQ(ReadFileBytes(file), newBytes);
}

}  // namespace
}  // namespace tabulo::app
