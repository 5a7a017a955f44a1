#include "app/shell/trace_log.h"

#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace tabulo::app {
namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

// The one trace of the process, opened at the first event.
struct TraceSink {
  std::unique_ptr<std::FILE, FileCloser> file;
  std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
  bool withCpu = false;

  TraceSink() {
    if (const char* path = std::getenv("TABULO_TRACE"); path != nullptr && *path != '\0') {
      file.reset(std::fopen(path, "ab"));
      withCpu = std::getenv("TABULO_TRACE_CPU") != nullptr;
    }
  }
};

long long ThreadCpuMs() {
  timespec used{};
  if (clock_gettime(CLOCK_THREAD_CPUTIME_ID, &used) != 0) return -1;
  return static_cast<long long>(used.tv_sec) * 1000 + used.tv_nsec / 1000000;
}

TraceSink& Sink() {
  static TraceSink sink;
  return sink;
}

}  // namespace

bool TraceEnabled() { return Sink().file != nullptr; }

void Trace(std::string_view event) {
  TraceSink& sink = Sink();
  if (!sink.file) return;
  const auto elapsed = std::chrono::steady_clock::now() - sink.start;
  const long long ms = std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count();
  std::string line = std::to_string(ms);
  line += ' ';
  line += event;
  if (sink.withCpu) line += " cpu=" + std::to_string(ThreadCpuMs());
  line += '\n';
  std::fwrite(line.data(), 1, line.size(), sink.file.get());
  std::fflush(sink.file.get());
}

}  // namespace tabulo::app
