// Times a program from exec to the mapping of its window with a given title, then reports its peak
// resident memory: the start-up a user sees. The X server tells us of the map; nothing polls.
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

namespace {
xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
  xcb_intern_atom_reply_t* r =
      xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(name), name), nullptr);
  const xcb_atom_t atom = r ? r->atom : xcb_atom_t{XCB_ATOM_NONE};
  std::free(r);
  return atom;
}

std::string Title(xcb_connection_t* c, xcb_window_t w, xcb_atom_t netWmName, xcb_atom_t utf8) {
  xcb_get_property_reply_t* r =
      xcb_get_property_reply(c, xcb_get_property(c, 0, w, netWmName, utf8, 0, 1024), nullptr);
  std::string title;
  if (r) title.assign(static_cast<const char*>(xcb_get_property_value(r)), xcb_get_property_value_length(r));
  std::free(r);
  return title;
}
}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: map_timer TITLE PROGRAM [ARGS...]\n");
    return 2;
  }
  xcb_connection_t* c = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(c)) {
    std::fprintf(stderr, "map_timer: no X display\n");
    return 2;
  }
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
  const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
  const xcb_atom_t netWmName = Atom(c, "_NET_WM_NAME"), utf8 = Atom(c, "UTF8_STRING");
  xcb_flush(c);

  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    execvp(argv[2], argv + 2);
    _exit(127);
  }
  double mappedMs = -1;
  // Blocks in poll() until the server writes; a program that never shows its window ends the wait.
  pollfd server{xcb_get_file_descriptor(c), POLLIN, 0};
  while (mappedMs < 0 && poll(&server, 1, 20000) > 0) {
    while (xcb_generic_event_t* e = xcb_poll_for_event(c)) {
      const bool mapped = (e->response_type & 0x7F) == XCB_MAP_NOTIFY;
      const xcb_window_t w = mapped ? reinterpret_cast<xcb_map_notify_event_t*>(e)->window : 0;
      std::free(e);
      if (mappedMs < 0 && mapped && Title(c, w, netWmName, utf8).find(argv[1]) != std::string::npos)
        mappedMs =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    }
    if (xcb_connection_has_error(c)) break;
  }
  // Let the first paint happen, then end it; its peak memory comes with its exit status.
  std::this_thread::sleep_for(std::chrono::milliseconds(400));
  kill(child, SIGTERM);
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  xcb_disconnect(c);
  std::printf("%.1f %.1f\n", mappedMs, usage.ru_maxrss / 1024.0);
  return mappedMs < 0 ? 1 : 0;
}
