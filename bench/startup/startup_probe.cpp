// Starts a command and reports how long it took until the first top-level
// window of its process (or of a process in its process group) was mapped,
// and that process's resident memory once it has settled. The command is
// then ended.
//   startup_probe [-s SETTLE_MS] [-t TIMEOUT_S] -- COMMAND [ARGS...]
// Prints one line: map_ms=12.3 rss_kb=34567. Needs an X server without a
// window manager (Xvfb), so that windows are mapped as children of the root.
#include <X11/Xlib.h>
#include <X11/extensions/XRes.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <charconv>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>

namespace {

double NowMs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// The process that owns the X client behind `window`, as the server knows it.
std::optional<pid_t> OwnerOf(Display* display, Window window) {
  XResClientIdSpec query{window, XRES_CLIENT_ID_PID_MASK};
  long count = 0;
  XResClientIdValue* values = nullptr;
  if (XResQueryClientIds(display, 1, &query, &count, &values) != Success) return std::nullopt;
  std::optional<pid_t> pid;
  for (long i = 0; i < count; ++i) {
    if (XResGetClientPid(&values[i]) > 0) pid = XResGetClientPid(&values[i]);
  }
  XResClientIdsDestroy(count, values);
  return pid;
}

long ResidentKb(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmRSS:", 0) != 0) continue;
    std::string_view digits(line);
    digits.remove_prefix(digits.find_first_of("0123456789"));
    long kb = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), kb);
    return kb;
  }
  return -1;
}

void EndGroup(pid_t group) {
  kill(-group, SIGTERM);
  for (int i = 0; i < 200; ++i) {
    if (waitpid(group, nullptr, WNOHANG) != 0) return;
    usleep(10'000);
  }
  kill(-group, SIGKILL);
  waitpid(group, nullptr, 0);
}

int Usage() {
  std::fputs("usage: startup_probe [-s SETTLE_MS] [-t TIMEOUT_S] -- COMMAND [ARGS...]\n", stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  int settle_ms = 300;
  int timeout_s = 20;
  int first = 1;
  for (; first < argc && std::strcmp(argv[first], "--") != 0; first += 2) {
    if (first + 1 >= argc) return Usage();
    int& target = std::strcmp(argv[first], "-s") == 0 ? settle_ms : timeout_s;
    if (std::strcmp(argv[first], "-s") != 0 && std::strcmp(argv[first], "-t") != 0) return Usage();
    std::string_view value(argv[first + 1]);
    if (std::from_chars(value.data(), value.data() + value.size(), target).ec != std::errc()) return Usage();
  }
  if (first + 1 >= argc) return Usage();

  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fputs("startup_probe: cannot open the X display\n", stderr);
    return 2;
  }
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  XSync(display, False);

  const double start = NowMs();
  const pid_t child = fork();
  if (child == 0) {
    setpgid(0, 0);
    execvp(argv[first + 1], argv + first + 1);
    _exit(127);
  }
  setpgid(child, child);

  std::optional<double> mapped;
  pid_t owner = child;
  const double deadline = start + timeout_s * 1e3;
  pollfd connection{ConnectionNumber(display), POLLIN, 0};
  while (!mapped && NowMs() < deadline) {
    if (XPending(display) == 0) {
      poll(&connection, 1, 50);
      continue;
    }
    XEvent event;
    XNextEvent(display, &event);
    if (event.type != MapNotify) continue;
    const double at = NowMs();
    std::optional<pid_t> pid = OwnerOf(display, event.xmap.window);
    if (pid && (*pid == child || getpgid(*pid) == child)) {
      mapped = at - start;
      owner = *pid;
    }
  }
  if (!mapped) {
    std::fputs("startup_probe: no window was mapped in time\n", stderr);
    EndGroup(child);
    return 1;
  }
  usleep(static_cast<useconds_t>(settle_ms) * 1000);
  char line[64];
  char* end = std::to_chars(line, line + sizeof line, *mapped, std::chars_format::fixed, 1).ptr;
  std::string out = "map_ms=" + std::string(line, end) + " rss_kb=" + std::to_string(ResidentKb(owner)) + "\n";
  std::fputs(out.c_str(), stdout);
  EndGroup(child);
  XCloseDisplay(display);
  return 0;
}
