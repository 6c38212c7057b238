// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and memory of the program beside a bare Qt window: each (the
// program in its first-frame build) quits after its first frame and is
// timed from just before the spawn to the first frame it reports, and its peak resident memory taken
// from wait4. Runs alternate between the two programs.
//
//   startup_bench RUNS PROGRAM BASELINE
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Run {
  double ms = 0;       // spawn to first frame
  double rss_mib = 0;  // peak resident memory
};

long long NowNs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// Runs `program` once; false when it did not report a frame or failed.
bool RunOnce(const char* program, Run* run) {
  int out[2];
  if (pipe(out) != 0) return false;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  posix_spawn_file_actions_addclose(&actions, out[1]);
  char* argv[] = {const_cast<char*>(program), nullptr};
  pid_t pid = 0;
  const long long start = NowNs();
  const int spawned =
      posix_spawn(&pid, program, &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  if (spawned != 0) {
    close(out[0]);
    std::fprintf(stderr, "cannot start %s: %s\n", program,
                 std::strerror(spawned));
    return false;
  }
  std::string output;
  char buffer[512];
  ssize_t n = 0;
  while ((n = read(out[0], buffer, sizeof buffer)) > 0) {
    output.append(buffer, static_cast<std::size_t>(n));
  }
  close(out[0]);
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  const std::size_t at = output.find("first-frame-ns ");
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 ||
      at == std::string::npos) {
    std::fprintf(stderr, "%s reported no first frame (status %d)\n", program,
                 status);
    return false;
  }
  const long long frame = std::atoll(output.c_str() + at + 15);
  run->ms = static_cast<double>(frame - start) / 1e6;
  run->rss_mib = static_cast<double>(usage.ru_maxrss) / 1024.0;
  return true;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: %s RUNS PROGRAM BASELINE [REFERENCE...]\n",
                 argv[0]);
    return 2;
  }
  const int runs = std::max(1, std::atoi(argv[1]));
  const std::vector<const char*> programs(argv + 2, argv + argc);
  const std::size_t count = programs.size();

  // One unmeasured start of each fills the file cache.
  for (const char* program : programs) {
    Run warm;
    if (!RunOnce(program, &warm)) return 1;
  }
  std::vector<std::vector<double>> ms(count), rss(count);
  for (int i = 0; i < runs; ++i) {
    for (std::size_t k = 0; k < count; ++k) {
      // Each run starts with another program, so none always goes first.
      const std::size_t which = (k + static_cast<std::size_t>(i)) % count;
      Run run;
      if (!RunOnce(programs[which], &run)) return 1;
      ms[which].push_back(run.ms);
      rss[which].push_back(run.rss_mib);
    }
  }
  std::printf("%-22s %8s %8s %8s %10s\n", "", "median", "min", "max",
              "peak RSS");
  for (std::size_t k = 0; k < count; ++k) {
    const char* slash = std::strrchr(programs[k], '/');
    std::printf("%-22s %6.1fms %6.1fms %6.1fms %7.1fMiB\n",
                slash ? slash + 1 : programs[k], Median(ms[k]),
                *std::min_element(ms[k].begin(), ms[k].end()),
                *std::max_element(ms[k].begin(), ms[k].end()), Median(rss[k]));
  }
  // Lines for the summary table: name, value, target, verdict.
  const double ms_ratio = Median(ms[0]) / Median(ms[1]);
  const double rss_ratio = Median(rss[0]) / Median(rss[1]);
  std::printf(
      "summary|Start-up to first frame, median of %d|%.1f ms "
      "(bare Qt window %.1f ms)|\n",
      runs, Median(ms[0]), Median(ms[1]));
  std::printf("summary|Start-up time ratio to bare Qt window|%.2f|<= 1.3|%s\n",
              ms_ratio, ms_ratio <= 1.3 ? "met" : "MISSED");
  std::printf(
      "summary|Peak resident memory|%.1f MiB (bare Qt window %.1f "
      "MiB)|\n",
      Median(rss[0]), Median(rss[1]));
  std::printf("summary|Memory ratio to bare Qt window|%.2f|<= 1.2|%s\n",
              rss_ratio, rss_ratio <= 1.2 ? "met" : "MISSED");
  for (std::size_t k = 2; k < count; ++k) {
    const char* slash = std::strrchr(programs[k], '/');
    const char* name = slash ? slash + 1 : programs[k];
    std::printf("summary|Time / memory ratio to %s|%.2f / %.2f|\n", name,
                Median(ms[0]) / Median(ms[k]), Median(rss[0]) / Median(rss[k]));
  }
  return 0;
}
