// Starts a program and prints how many milliseconds pass until it maps its
// first window on the X display of DISPLAY, then ends it:
//   first_window PROGRAM [ARGUMENT...]
// bench/first_window.sh runs it over the program and a bare Qt program in turn.
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: first_window PROGRAM [ARGUMENT...]\n");
        return 2;
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &events);
    xcb_flush(connection);

    const auto started = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execv(argv[1], argv + 1);
        _exit(127);
    }
    int status = 1;
    while (xcb_generic_event_t* event = xcb_wait_for_event(connection)) {
        const bool mapped = (event->response_type & ~0x80) == XCB_MAP_NOTIFY;
        std::free(event);
        if (mapped) {
            const auto waited = std::chrono::steady_clock::now() - started;
            std::printf("%.1f\n", std::chrono::duration<double, std::milli>(waited).count());
            status = 0;
            break;
        }
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    xcb_disconnect(connection);
    return status;
}
