// Starts a program and reports how long it took from exec to its first top-level window being mapped, and its peak
// resident memory once it has settled. Runs on a display without a window manager, where a program's top-level
// windows are the root window's own children, so their MapNotify reaches us directly.
//
// usage: map_timer SETTLE_MS PROGRAM [ARG...]
// prints: map_ms=<milliseconds> maxrss_kib=<kibibytes>
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct ConnectionCloser
{
    void operator()(xcb_connection_t* connection) const { xcb_disconnect(connection); }
};

[[noreturn]] void fail(const char* message)
{
    std::fprintf(stderr, "map_timer: %s\n", message);
    std::exit(EXIT_FAILURE);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3)
        fail("usage: map_timer SETTLE_MS PROGRAM [ARG...]");
    const auto settle = std::chrono::milliseconds(std::stol(argv[1]));

    int screenNumber = 0;
    std::unique_ptr<xcb_connection_t, ConnectionCloser> connection(xcb_connect(nullptr, &screenNumber));
    if (xcb_connection_has_error(connection.get()))
        fail("cannot open the display");
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection.get()));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&screens);
    const xcb_window_t root = screens.data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    // Checked, so that the selection is in force before the program starts.
    if (std::unique_ptr<xcb_generic_error_t, decltype(&std::free)> error{
            xcb_request_check(connection.get(),
                              xcb_change_window_attributes_checked(connection.get(), root, XCB_CW_EVENT_MASK, &mask)),
            &std::free})
        fail("cannot watch the root window");

    const auto started = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child < 0)
        fail("fork failed");
    if (child == 0) {
        execvp(argv[2], argv + 2);
        std::perror(argv[2]);
        _exit(127);
    }

    double mapMs = -1;
    while (mapMs < 0) {
        std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event{xcb_wait_for_event(connection.get()),
                                                                         &std::free};
        if (!event)
            fail("the display went away");
        if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY)
            continue;
        const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event.get());
        if (map->override_redirect)
            continue; // a popup or tooltip, not a window of the program's own
        mapMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count();
    }

    std::this_thread::sleep_for(settle);
    kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child)
        fail("lost the program");
    std::printf("map_ms=%.1f maxrss_kib=%ld\n", mapMs, usage.ru_maxrss);
    return EXIT_SUCCESS;
}
