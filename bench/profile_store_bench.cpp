// What the INI layer itself costs, without the disk: decoding and parsing a
// full timetable file (6 sections, 144 keys, GBK), serialising it back, one
// Set in the last section, and GBK conversion throughput. Every ProfileStore
// call pays one parse (and a write one serialisation), so these bound the
// in-memory part of a store call.
//
// Usage: profile_store_bench [iterations]   (default 2000)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/ini/profile_document.h"
#include "base/text/gbk.h"
#include "sample_timetable.h"

namespace {

using Clock = std::chrono::steady_clock;

template <typename Body>
double MicrosecondsPerRun(int iterations, Body&& body) {
  const Clock::time_point begin = Clock::now();
  for (int i = 0; i < iterations; ++i) body(i);
  return std::chrono::duration<double, std::micro>(Clock::now() - begin).count() / iterations;
}

}  // namespace

int main(int argc, char** argv) {
  const int iterations = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2000;
  const std::string bytes = tabulo::bench::SampleTimetableFile();
  std::size_t sink = 0;

  const double parse = MicrosecondsPerRun(iterations, [&](int) {
    sink += tabulo::ProfileDocument::Parse(bytes).Find("Saturday", "F8").value_or("").size();
  });
  const tabulo::ProfileDocument doc = tabulo::ProfileDocument::Parse(bytes);
  const double serialise = MicrosecondsPerRun(iterations, [&](int) { sink += doc.Serialise().size(); });
  const double set = MicrosecondsPerRun(iterations, [&](int i) {
    tabulo::ProfileDocument copy = doc;
    sink += copy.Set("Saturday", "F8", std::to_string(i % 60));
  });
  const std::string utf8 = tabulo::GbkToUtf8(bytes);
  const double decode = MicrosecondsPerRun(iterations, [&](int) { sink += tabulo::GbkToUtf8(bytes).size(); });
  const double encode = MicrosecondsPerRun(iterations, [&](int) { sink += tabulo::Utf8ToGbk(utf8).size(); });

  std::printf("timetable file: %zu bytes, 144 keys, %d iterations\n", bytes.size(), iterations);
  std::printf("parse + find last key : %8.2f us\n", parse);
  std::printf("serialise             : %8.2f us\n", serialise);
  std::printf("copy + set last key   : %8.2f us\n", set);
  std::printf("GBK -> UTF-8          : %8.2f us (%.0f MB/s)\n", decode, bytes.size() / decode);
  std::printf("UTF-8 -> GBK          : %8.2f us (%.0f MB/s)\n", encode, bytes.size() / encode);
  return sink == 0;  // keeps the work from being optimised away
}
