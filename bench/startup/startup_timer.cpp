// Starts a start-up probe and measures it: the wall time from just before the spawn to the moment
// the probe prints "first-frame", and the peak resident memory of the probe. Prints one line,
// "<milliseconds> <peak resident KiB>", and exits 0; on any failure it says why and exits 1.
//
//   startup_timer PROBE [ARGUMENT...]
#include <chrono>
#include <cstdio>
#include <cstring>
#include <poll.h>
#include <signal.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kTimeoutMs = 30000;  // a probe that shows nothing for this long has failed

int fail(const std::string& why) {
  std::fprintf(stderr, "startup_timer: %s\n", why.c_str());
  return 1;
}

// Reads the probe's output until a line "first-frame"; false at its end or after the timeout.
bool wait_for_first_frame(int from, std::chrono::steady_clock::time_point start) {
  std::string pending;
  char buffer[256];
  for (;;) {
    const auto waited = std::chrono::steady_clock::now() - start;
    const int left =
        kTimeoutMs - static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(waited).count());
    if (left <= 0) return false;
    pollfd ready{from, POLLIN, 0};
    if (poll(&ready, 1, left) <= 0) continue;
    const ssize_t got = read(from, buffer, sizeof buffer);
    if (got <= 0) return false;
    pending.append(buffer, static_cast<std::size_t>(got));
    for (std::size_t end; (end = pending.find('\n')) != std::string::npos; pending.erase(0, end + 1)) {
      if (pending.compare(0, end, "first-frame") == 0) return true;
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return fail("usage: startup_timer PROBE [ARGUMENT...]");
  int pipe_ends[2];
  if (pipe(pipe_ends) != 0) return fail(std::string("pipe: ") + std::strerror(errno));

  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child < 0) return fail(std::string("fork: ") + std::strerror(errno));
  if (child == 0) {
    dup2(pipe_ends[1], STDOUT_FILENO);
    close(pipe_ends[0]);
    close(pipe_ends[1]);
    execvp(argv[1], argv + 1);
    std::fprintf(stderr, "startup_timer: cannot start %s: %s\n", argv[1], std::strerror(errno));
    _exit(127);
  }
  close(pipe_ends[1]);

  const bool painted = wait_for_first_frame(pipe_ends[0], start);
  const auto elapsed = std::chrono::steady_clock::now() - start;
  if (!painted) kill(child, SIGKILL);
  // Drain what is left, so that a probe writing after the line cannot block on a full pipe.
  char sink[256];
  while (painted && read(pipe_ends[0], sink, sizeof sink) > 0) {
  }
  close(pipe_ends[0]);

  int status = 0;
  rusage usage{};
  if (wait4(child, &status, 0, &usage) != child) return fail(std::string("wait4: ") + std::strerror(errno));
  if (!painted) return fail(std::string(argv[1]) + " printed no first-frame line");
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return fail(std::string(argv[1]) + " did not exit with 0");

  const double ms = std::chrono::duration<double, std::milli>(elapsed).count();
  std::printf("%.3f %ld\n", ms, usage.ru_maxrss);
  return 0;
}
