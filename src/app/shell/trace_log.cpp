#include "app/shell/trace_log.h"

#include <chrono>
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

  TraceSink() {
    if (const char* path = std::getenv("TABULO_TRACE"); path != nullptr && *path != '\0') {
      file.reset(std::fopen(path, "ab"));
    }
  }
};

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
  line += '\n';
  std::fwrite(line.data(), 1, line.size(), sink.file.get());
  std::fflush(sink.file.get());
}

}  // namespace tabulo::app
