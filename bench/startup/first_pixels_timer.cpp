// Times a program's start-up as the user sees it, from outside the process: from just before the
// spawn to the moment the X server holds the first frame of the program's window that is not blank
// (not one colour all over), and the moment that window was mapped. Nothing in the program takes part,
// so any program can be timed, and the time includes everything between its paint and the screen.
// Prints one line, "<ms to the first frame> <peak resident KiB> <ms to the map> <CPU ms to the first
// frame>", ends the program and exits 0; on any failure it says why and exits 1. The CPU time (all the
// program's threads, as the kernel counts their running time) moves far less than the wall time when
// other work shares the machine.
//
//   first_pixels_timer PROGRAM [ARGUMENT...]      (on the display that DISPLAY names)
//
// The server tells of each top-level window mapped (substructure events on the root) and of every
// drawing into it (the DAMAGE extension), so the timer asks for pixels only after something was drawn
// and costs the server nothing while it waits. Run it on a server of its own, without a window manager:
// the first top-level window mapped after the spawn is taken to be the program's.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <memory>
#include <poll.h>
#include <signal.h>
#include <string>
#include <sys/resource.h>
#include <sys/uio.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>
#include <xcb/xcbext.h>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kTimeoutMs = 30000;  // a program that shows nothing for this long has failed

int fail(const std::string& why) {
  std::fprintf(stderr, "first_pixels_timer: %s\n", why.c_str());
  return 1;
}

double ms_since(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct FreeDeleter {
  void operator()(void* p) const { std::free(p); }
};
template <class T>
using Reply = std::unique_ptr<T, FreeDeleter>;

// The few DAMAGE requests needed, sent as raw requests: the C binding of the extension is not among
// the libraries the build can count on, and core xcb sends any request.
xcb_extension_t damage_extension = {"DAMAGE", 0};
constexpr std::uint8_t kDamageQueryVersion = 0, kDamageCreate = 1, kDamageSubtract = 3;
constexpr std::uint8_t kReportNonEmpty = 3;

unsigned send_damage_request(xcb_connection_t* c, std::uint8_t opcode, void* body, std::size_t size, bool has_reply) {
  const xcb_protocol_request_t request = {1, &damage_extension, opcode, has_reply ? std::uint8_t{0} : std::uint8_t{1}};
  iovec parts[3];
  parts[2].iov_base = body;
  parts[2].iov_len = size;
  return xcb_send_request(c, 0, parts + 2, &request);
}

// Each body starts with the four header bytes that xcb fills in (opcodes and length).
struct QueryVersion {
  std::uint32_t header = 0, major = 1, minor = 1;
};
struct Create {
  std::uint32_t header = 0, damage, drawable;
  std::uint8_t level, pad[3] = {};
};
struct Subtract {
  std::uint32_t header = 0, damage, repair = 0, parts = 0;
};

// True when the window holds more than one colour: a first frame has reached it. Before that the
// server shows what lies beneath (the root's one colour on a bare server).
bool drawn(xcb_connection_t* c, xcb_window_t window) {
  Reply<xcb_get_geometry_reply_t> geometry(xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr));
  if (!geometry || geometry->width == 0 || geometry->height == 0) return false;
  Reply<xcb_get_image_reply_t> image(xcb_get_image_reply(
      c, xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0, geometry->width, geometry->height, ~0u), nullptr));
  if (!image) return false;
  const auto* bytes = xcb_get_image_data(image.get());
  const int length = xcb_get_image_data_length(image.get());
  const int pixel = image->depth > 16 ? 4 : image->depth > 8 ? 2 : 1;
  for (int i = pixel; i + pixel <= length; i += pixel) {
    // Only the colour bits count: a 24-bit depth leaves the fourth byte of each pixel undefined.
    if (std::memcmp(bytes + i, bytes, pixel == 4 ? 3 : pixel) != 0) return true;
  }
  return false;
}

// The time that every thread of the process has run so far, in milliseconds (-1 when unknown).
double cpu_ms(pid_t process) {
  const std::string tasks = "/proc/" + std::to_string(process) + "/task";
  DIR* dir = opendir(tasks.c_str());
  if (dir == nullptr) return -1;
  double ns = 0;
  while (const dirent* task = readdir(dir)) {
    if (task->d_name[0] == '.') continue;
    std::ifstream schedstat(tasks + "/" + task->d_name + "/schedstat");
    double running = 0;
    if (schedstat >> running) ns += running;
  }
  closedir(dir);
  return ns / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return fail("usage: first_pixels_timer PROGRAM [ARGUMENT...]");
  xcb_connection_t* c = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(c)) return fail("cannot connect to the X server that DISPLAY names");
  const xcb_query_extension_reply_t* damage = xcb_get_extension_data(c, &damage_extension);
  if (damage == nullptr || !damage->present) return fail("the X server has no DAMAGE extension");
  QueryVersion version;
  std::free(
      xcb_wait_for_reply(c, send_damage_request(c, kDamageQueryVersion, &version, sizeof version, true), nullptr));
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
  const std::uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_request_check(c, xcb_change_window_attributes_checked(c, root, XCB_CW_EVENT_MASK, &events));

  const auto start = Clock::now();
  const pid_t child = fork();
  if (child < 0) return fail(std::string("fork: ") + std::strerror(errno));
  if (child == 0) {
    const int nothing = open("/dev/null", O_WRONLY);
    dup2(nothing, STDOUT_FILENO);
    execvp(argv[1], argv + 1);
    std::fprintf(stderr, "first_pixels_timer: cannot start %s: %s\n", argv[1], std::strerror(errno));
    _exit(127);
  }

  xcb_window_t window = XCB_NONE;
  const std::uint32_t damage_id = xcb_generate_id(c);
  double mapped_ms = -1, frame_ms = -1, frame_cpu_ms = -1;
  std::string failure;
  while (frame_ms < 0 && failure.empty()) {
    xcb_flush(c);
    xcb_generic_event_t* event = xcb_poll_for_event(c);
    if (event == nullptr) {
      if (xcb_connection_has_error(c)) {
        failure = "lost the connection to the X server";
        break;
      }
      if (ms_since(start) > kTimeoutMs) {
        failure = std::string(argv[1]) + " showed no drawn window within 30 s";
        break;
      }
      int status = 0;
      if (waitpid(child, &status, WNOHANG) == child) {
        failure = std::string(argv[1]) + " ended before its window was drawn";
        break;
      }
      pollfd ready{xcb_get_file_descriptor(c), POLLIN, 0};
      poll(&ready, 1, 100);
      continue;
    }
    const double now_ms = ms_since(start);
    const std::uint8_t type = event->response_type & 0x7f;
    if (type == XCB_MAP_NOTIFY && window == XCB_NONE) {
      const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
      if (!map->override_redirect) {
        window = map->window;
        mapped_ms = now_ms;
        Create create{.damage = damage_id, .drawable = window, .level = kReportNonEmpty};
        send_damage_request(c, kDamageCreate, &create, sizeof create, false);
        // Whatever was drawn between the map and the damage record shows now.
        if (drawn(c, window)) {
          frame_ms = ms_since(start);
          frame_cpu_ms = cpu_ms(child);
        }
      }
    } else if (type == damage->first_event && window != XCB_NONE) {
      // The time of the news, not of the look at the pixels that confirms it.
      Subtract subtract{.damage = damage_id};
      send_damage_request(c, kDamageSubtract, &subtract, sizeof subtract, false);
      const double now_cpu_ms = cpu_ms(child);
      if (drawn(c, window)) {
        frame_ms = now_ms;
        frame_cpu_ms = now_cpu_ms;
      }
    }
    std::free(event);
  }

  kill(child, SIGKILL);
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  xcb_disconnect(c);
  if (!failure.empty()) return fail(failure);
  std::printf("%.3f %ld %.3f %.3f\n", frame_ms, usage.ru_maxrss, mapped_ms, frame_cpu_ms);
  return 0;
}
