// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up, memory and idle cost of the program beside bare Qt windows and,
// when given, other desktop calculators, on the X server of $DISPLAY (a
// private Xvfb without window manager: any top-level window mapped on it
// belongs to the program just started). Runs alternate between programs.
//
//   startup_bench [--runs N] [--idle SECONDS] --program PATH
//                 --cjk-baseline PATH [--baseline PATH]... [--peer PATH]...
//
// The program and the baselines quit after their first frame when asked
// (SPULIX_EXIT_AFTER_FIRST_FRAME); `--frame-build PATH` after a subject names
// a build of it that does so, where the subject itself does not. Every
// subject is ended after measuring. For each:
// - start-up: from just before the spawn until X reports the first
//   top-level window mapped (an X event, no polling);
// - first frame: the frame the program reports, against that mapping;
// - memory: /proc/PID/smaps_rollup 1.5 s after mapping (Rss; USS: the
//   private pages);
// - idle, one run each: voluntary context switches of all threads (each is
//   a wake-up) and CPU time from /proc/PID/task/*/schedstat.
#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

extern char** environ;

namespace {

enum class Kind { kProgram, kCjkBaseline, kBaseline, kPeer };

struct Subject {
  Subject(std::string p, Kind k) : path(std::move(p)), kind(k) {}
  std::string path;
  Kind kind;
  std::string frame_path;  // the build that reports its first frame
  std::vector<double> map_ms, frame_ms, frame_after_map_ms, rss_mib, uss_mib;
  double wakeups_per_s = -1, cpu_percent = -1;
  bool Probed() const { return kind != Kind::kPeer; }
  std::string Name() const {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
  }
};

long long NowNs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

void SleepUntil(long long ns) {
  const long long left = ns - NowNs();
  if (left <= 0) return;
  timespec pause{static_cast<time_t>(left / 1000000000LL),
                 static_cast<long>(left % 1000000000LL)};
  nanosleep(&pause, nullptr);
}

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Watches the root window for top-level windows being mapped.
class MapWatcher {
 public:
  MapWatcher() : connection_(xcb_connect(nullptr, nullptr)) {
    if (xcb_connection_has_error(connection_)) return;
    const xcb_screen_t* screen =
        xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection_, screen->root, XCB_CW_EVENT_MASK,
                                 &mask);
    xcb_flush(connection_);
    ok_ = true;
  }
  ~MapWatcher() { xcb_disconnect(connection_); }
  bool ok() const { return ok_; }
  int fd() const { return xcb_get_file_descriptor(connection_); }

  // Forgets the events of earlier runs.
  void Drain() {
    xcb_flush(connection_);
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
      std::free(event);
    }
  }
  // Handles what has arrived; the moment of the first normal top-level map
  // goes into `mapped_ns` if not yet set.
  void Read(long long* mapped_ns) {
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
      if ((event->response_type & 0x7F) == XCB_MAP_NOTIFY && *mapped_ns == 0 &&
          !reinterpret_cast<xcb_map_notify_event_t*>(event)
               ->override_redirect) {
        *mapped_ns = NowNs();
      }
      std::free(event);
    }
  }

 private:
  xcb_connection_t* connection_;
  bool ok_ = false;
};

pid_t Spawn(const std::string& path, bool exit_after_frame, int out_fd) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (out_fd >= 0) {
    posix_spawn_file_actions_adddup2(&actions, out_fd, STDOUT_FILENO);
  } else {
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null",
                                     O_WRONLY, 0);
  }
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null",
                                   O_WRONLY, 0);
  if (exit_after_frame) {
    setenv("SPULIX_EXIT_AFTER_FIRST_FRAME", "1", 1);
  } else {
    unsetenv("SPULIX_EXIT_AFTER_FIRST_FRAME");
  }
  char* argv[] = {const_cast<char*>(path.c_str()), nullptr};
  pid_t pid = 0;
  const int spawned =
      posix_spawnp(&pid, path.c_str(), &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) {
    std::fprintf(stderr, "cannot start %s: %s\n", path.c_str(),
                 std::strerror(spawned));
    return -1;
  }
  return pid;
}

// Spawn to map and to the reported first frame; the program quits itself.
bool FrameRun(MapWatcher& x, Subject& s) {
  int out[2];
  if (pipe(out) != 0) return false;
  x.Drain();
  const long long start = NowNs();
  const pid_t pid =
      Spawn(s.frame_path.empty() ? s.path : s.frame_path, true, out[1]);
  close(out[1]);
  if (pid < 0) {
    close(out[0]);
    return false;
  }
  std::string output;
  long long mapped = 0;
  for (bool open = true; open;) {
    pollfd fds[2] = {{out[0], POLLIN, 0}, {x.fd(), POLLIN, 0}};
    if (poll(fds, 2, 10000) <= 0) break;
    if (fds[1].revents) x.Read(&mapped);
    if (fds[0].revents) {
      char buffer[512];
      const ssize_t n = read(out[0], buffer, sizeof buffer);
      if (n > 0) output.append(buffer, static_cast<std::size_t>(n));
      open = n > 0;
    }
  }
  close(out[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  x.Read(&mapped);
  const std::size_t at = output.find("first-frame-ns ");
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 ||
      at == std::string::npos || mapped == 0) {
    std::fprintf(stderr, "%s: no first frame or no window (status %d)\n",
                 s.path.c_str(), status);
    return false;
  }
  const long long frame = std::atoll(output.c_str() + at + 15);
  s.frame_ms.push_back(static_cast<double>(frame - start) / 1e6);
  s.frame_after_map_ms.push_back(static_cast<double>(frame - mapped) / 1e6);
  return true;
}

// Starts the program for good and waits for its window; 0 when none came.
long long StartAndWaitForMap(MapWatcher& x, const Subject& s, pid_t* pid,
                             long long* start) {
  x.Drain();
  *start = NowNs();
  *pid = Spawn(s.path, false, -1);
  if (*pid < 0) return 0;
  long long mapped = 0;
  while (mapped == 0) {
    pollfd fd = {x.fd(), POLLIN, 0};
    if (poll(&fd, 1, 10000) <= 0) break;
    x.Read(&mapped);
  }
  if (mapped == 0) {
    std::fprintf(stderr, "%s mapped no window\n", s.path.c_str());
  }
  return mapped;
}

void Stop(pid_t pid) {
  kill(pid, SIGTERM);
  int status = 0;
  waitpid(pid, &status, 0);
}

double SmapsMiB(pid_t pid, const char* const* keys) {
  std::ifstream in("/proc/" + std::to_string(pid) + "/smaps_rollup");
  std::string line;
  double kib = 0;
  while (std::getline(in, line)) {
    for (const char* const* key = keys; *key; ++key) {
      if (line.rfind(*key, 0) == 0) {
        kib += std::atof(line.c_str() + std::strlen(*key));
      }
    }
  }
  return kib / 1024.0;
}

bool MemoryRun(MapWatcher& x, Subject& s) {
  pid_t pid = 0;
  long long start = 0;
  const long long mapped = StartAndWaitForMap(x, s, &pid, &start);
  if (pid < 0) return false;
  if (mapped != 0) {
    s.map_ms.push_back(static_cast<double>(mapped - start) / 1e6);
    SleepUntil(mapped + 1500000000LL);
    static const char* const kRss[] = {"Rss:", nullptr};
    static const char* const kUss[] = {
        "Private_Clean:", "Private_Dirty:", nullptr};
    s.rss_mib.push_back(SmapsMiB(pid, kRss));
    s.uss_mib.push_back(SmapsMiB(pid, kUss));
  }
  Stop(pid);
  return mapped != 0;
}

// Sum over the threads: voluntary context switches, CPU nanoseconds.
void ThreadTotals(pid_t pid, long long* switches, long long* cpu_ns) {
  *switches = 0;
  *cpu_ns = 0;
  const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
  DIR* dir = opendir(tasks.c_str());
  if (dir == nullptr) return;
  while (dirent* entry = readdir(dir)) {
    if (entry->d_name[0] == '.') continue;
    const std::string task = tasks + "/" + entry->d_name;
    std::ifstream status(task + "/status");
    std::string line;
    while (std::getline(status, line)) {
      if (line.rfind("voluntary_ctxt_switches:", 0) == 0) {
        *switches += std::atoll(line.c_str() + 24);
      }
    }
    std::ifstream schedstat(task + "/schedstat");
    long long ns = 0;
    if (schedstat >> ns) *cpu_ns += ns;
  }
  closedir(dir);
}

bool IdleRun(MapWatcher& x, Subject& s, int seconds) {
  pid_t pid = 0;
  long long start = 0;
  const long long mapped = StartAndWaitForMap(x, s, &pid, &start);
  if (pid < 0) return false;
  if (mapped != 0) {
    SleepUntil(mapped + 3000000000LL);  // settled: first frames, caches
    long long switches0 = 0, cpu0 = 0, switches1 = 0, cpu1 = 0;
    const long long t0 = NowNs();
    ThreadTotals(pid, &switches0, &cpu0);
    SleepUntil(t0 + seconds * 1000000000LL);
    ThreadTotals(pid, &switches1, &cpu1);
    const double elapsed = static_cast<double>(NowNs() - t0) / 1e9;
    // A thread that ended meanwhile takes its count along.
    s.wakeups_per_s =
        std::max(0.0, static_cast<double>(switches1 - switches0) / elapsed);
    s.cpu_percent = 100.0 * static_cast<double>(cpu1 - cpu0) / 1e9 / elapsed;
  }
  Stop(pid);
  return mapped != 0;
}

const char* Verdict(bool met) { return met ? "met" : "MISSED"; }

}  // namespace

int main(int argc, char* argv[]) {
  int runs = 15;
  int idle_seconds = 20;
  std::vector<Subject> subjects;
  subjects.reserve(static_cast<std::size_t>(argc));  // keeps flag_target valid
  Subject* flag_target = nullptr;  // the program, just after --program
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string flag = argv[i];
    const char* value = argv[i + 1];
    if (flag == "--runs") {
      runs = std::max(1, std::atoi(value));
    } else if (flag == "--idle") {
      idle_seconds = std::max(0, std::atoi(value));
    } else if (flag == "--program") {
      subjects.insert(subjects.begin(), Subject(value, Kind::kProgram));
    } else if (flag == "--cjk-baseline") {
      subjects.emplace_back(value, Kind::kCjkBaseline);
    } else if (flag == "--baseline") {
      subjects.emplace_back(value, Kind::kBaseline);
    } else if (flag == "--peer") {
      subjects.emplace_back(value, Kind::kPeer);
    } else if (flag == "--frame-build" && !subjects.empty()) {
      (flag_target == nullptr ? subjects.back() : *flag_target).frame_path =
          value;
    }
    flag_target = flag == "--program" ? &subjects.front() : nullptr;
  }
  const auto cjk = std::find_if(subjects.begin(), subjects.end(), [](auto& s) {
    return s.kind == Kind::kCjkBaseline;
  });
  if (subjects.empty() || subjects[0].kind != Kind::kProgram ||
      cjk == subjects.end()) {
    std::fprintf(stderr,
                 "usage: %s [--runs N] [--idle SECONDS] --program PATH "
                 "[--frame-build PATH] --cjk-baseline PATH [--baseline "
                 "PATH]... [--peer PATH]...\n",
                 argv[0]);
    return 2;
  }
  MapWatcher x;
  if (!x.ok()) {
    std::fprintf(stderr, "no X server at DISPLAY\n");
    return 1;
  }
  const std::size_t count = subjects.size();
  // One unmeasured start of each fills the file cache.
  for (Subject& s : subjects) {
    Subject warm = s;
    if (!MemoryRun(x, warm)) return 1;
  }
  for (int i = 0; i < runs; ++i) {
    for (std::size_t k = 0; k < count; ++k) {
      // Each round starts with another program, so none always goes first.
      Subject& s = subjects[(k + static_cast<std::size_t>(i)) % count];
      if (s.Probed() && !FrameRun(x, s)) return 1;
      if (!MemoryRun(x, s)) return 1;
    }
  }
  if (idle_seconds > 0) {
    for (Subject& s : subjects) {
      if (!IdleRun(x, s, idle_seconds)) return 1;
    }
  }

  std::printf("%-22s %9s %9s %9s %9s %9s %9s %8s\n", "", "to map", "frame",
              "map>frame", "Rss", "USS", "wakeup/s", "idle CPU");
  for (const Subject& s : subjects) {
    std::printf("%-22s %7.1fms", s.Name().c_str(), Median(s.map_ms));
    if (s.Probed()) {
      std::printf(" %7.1fms %7.1fms", Median(s.frame_ms),
                  Median(s.frame_after_map_ms));
    } else {
      std::printf(" %9s %9s", "-", "-");
    }
    std::printf(" %6.1fMiB %6.1fMiB", Median(s.rss_mib), Median(s.uss_mib));
    if (s.wakeups_per_s >= 0) {
      std::printf(" %9.2f %7.3f%%\n", s.wakeups_per_s, s.cpu_percent);
    } else {
      std::printf(" %9s %8s\n", "-", "-");
    }
  }

  // Lines for the summary table: name, value, target, verdict.
  const Subject& p = subjects[0];
  const double map_ratio = Median(p.map_ms) / Median(cjk->map_ms);
  const double rss_ratio = Median(p.rss_mib) / Median(cjk->rss_mib);
  std::printf(
      "summary|Start-up to mapped window, median of %d|%.1f ms (CJK "
      "label window %.1f ms)|\n",
      runs, Median(p.map_ms), Median(cjk->map_ms));
  std::printf("summary|Start-up ratio to CJK label window|%.2f|<= 1.15|%s\n",
              map_ratio, Verdict(map_ratio <= 1.15));
  std::printf(
      "summary|Rss 1.5 s after mapping / USS|%.1f / %.1f MiB (CJK "
      "label window %.1f / %.1f)|\n",
      Median(p.rss_mib), Median(p.uss_mib), Median(cjk->rss_mib),
      Median(cjk->uss_mib));
  std::printf("summary|Rss ratio to CJK label window|%.2f|<= 1.15|%s\n",
              rss_ratio, Verdict(rss_ratio <= 1.15));
  for (const Subject& s : subjects) {
    if (s.kind != Kind::kPeer) continue;
    std::printf("summary|Rss against %s|%.1f / %.1f MiB|below|%s\n",
                s.Name().c_str(), Median(p.rss_mib), Median(s.rss_mib),
                Verdict(Median(p.rss_mib) < Median(s.rss_mib)));
  }
  const double after_map = Median(p.frame_after_map_ms);
  std::printf("summary|First frame after mapping, median|%.1f ms|<= 5 ms|%s\n",
              after_map, Verdict(after_map <= 5));
  if (idle_seconds > 0) {
    std::printf("summary|Idle wake-ups per second (%d s)|%.2f|<= 1|%s\n",
                idle_seconds, p.wakeups_per_s, Verdict(p.wakeups_per_s <= 1));
    std::printf("summary|Idle CPU (%d s)|%.3f %%|<= 0.05 %%|%s\n", idle_seconds,
                p.cpu_percent, Verdict(p.cpu_percent <= 0.05));
  }
  return 0;
}
