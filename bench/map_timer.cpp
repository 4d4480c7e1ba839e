// Times a program from exec to its first window on screen and to the mapping of its main window, told
// apart by the main window's role (WM_WINDOW_ROLE): a splash may come first under the same title. Then
// reports the program's peak resident memory. Meant for an X server of its own, where every window that
// maps is the program's. The X server tells us of each map; nothing polls.
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
std::string Role(xcb_connection_t* c, xcb_window_t w, xcb_atom_t roleAtom) {
  xcb_get_property_reply_t* r =
      xcb_get_property_reply(c, xcb_get_property(c, 0, w, roleAtom, XCB_ATOM_STRING, 0, 256), nullptr);
  std::string role;
  if (r) role.assign(static_cast<const char*>(xcb_get_property_value(r)), xcb_get_property_value_length(r));
  std::free(r);
  return role;
}

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
  xcb_intern_atom_reply_t* r =
      xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(name), name), nullptr);
  const xcb_atom_t atom = r ? r->atom : xcb_atom_t{XCB_ATOM_NONE};
  std::free(r);
  return atom;
}
}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr,
                 "usage: map_timer ROLE PROGRAM [ARGS...]\n"
                 "prints: ms to the first window on screen, ms to the window with ROLE mapped, peak MiB\n");
    return 2;
  }
  const std::string mainRole = argv[1];
  xcb_connection_t* c = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(c)) {
    std::fprintf(stderr, "map_timer: no X display\n");
    return 2;
  }
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
  const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
  const xcb_atom_t roleAtom = Atom(c, "WM_WINDOW_ROLE");
  xcb_flush(c);

  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    execvp(argv[2], argv + 2);
    _exit(127);
  }
  auto sinceStart = [start] {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  };
  double firstMs = -1, mainMs = -1;
  // Blocks in poll() until the server writes; a program that never shows its main window ends the wait.
  pollfd server{xcb_get_file_descriptor(c), POLLIN, 0};
  while (mainMs < 0 && poll(&server, 1, 20000) > 0) {
    while (xcb_generic_event_t* e = xcb_poll_for_event(c)) {
      if ((e->response_type & 0x7F) == XCB_MAP_NOTIFY) {
        const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(e);
        // Menus and tooltips are override-redirect; they are not what comes on screen at start.
        if (!map->override_redirect) {
          const double at = sinceStart();
          if (firstMs < 0) firstMs = at;
          if (mainMs < 0 && Role(c, map->window, roleAtom) == mainRole) mainMs = at;
        }
      }
      std::free(e);
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
  std::printf("%.1f %.1f %.1f\n", firstMs, mainMs, usage.ru_maxrss / 1024.0);
  return mainMs < 0 ? 1 : 0;
}
