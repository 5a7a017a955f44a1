// timetable_save_loop FOLDER: saves FOLDER\timetable.dat over and over,
// the new timetable and the old one in turn, until it is killed. It prints
// one line once its first save is done, so the kill test knows saving has
// begun. A save that fails is simply made again.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <filesystem>

#include "app/timetable/timetable_file.h"
#include "win/app/timetable/save_loop_timetables.h"

int main() {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (!argv || argc != 2) return 2;
  tabulo::app::TimetableFile file{std::filesystem::path(argv[1])};
  LocalFree(argv);
  const auto older = tabulo::app::test::SaveLoopOld(), newer = tabulo::app::test::SaveLoopNew();
  for (long long save = 0;; ++save) {
    (void)file.WriteSubjects(save % 2 == 0 ? newer : older);
    if (save == 0) {
      std::puts("saving");
      std::fflush(stdout);
    }
  }
}
