// Starts a program and reports the time from its exec to the X server's MapNotify of
// its first top-level window, for bench/startup.
//
//   map_watch LOG PROGRAM [ARGS...]
//
// The program runs with stdin from /dev/null and stdout and stderr appended to LOG. Once
// its window maps, one line goes to stdout: "PID WINDOW MICROSECONDS". The program then
// runs on until stdin closes or sends a line; it is then ended with SIGTERM (SIGKILL after
// 5 s) and this program's exit status is 0 if it ended by itself on SIGTERM.
//
// The clock starts in the child just before execve and stops when the event reaches this
// process, which waits for it in poll(): nothing is sampled.
#include <xcb/xcb.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

int64_t Now()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return int64_t{t.tv_sec} * 1000000 + t.tv_nsec / 1000;
}

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "map_watch: %s\n", what);
    std::exit(2);
}

xcb_atom_t Atom(xcb_connection_t* x, const char* name)
{
    const auto cookie = xcb_intern_atom(x, 0, static_cast<uint16_t>(std::strlen(name)), name);
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(x, cookie, nullptr), &std::free);
    return reply ? reply->atom : XCB_ATOM_NONE;
}

// The pid a client wrote into the window's _NET_WM_PID, or -1.
pid_t WindowPid(xcb_connection_t* x, xcb_window_t window, xcb_atom_t wmPid)
{
    const auto cookie = xcb_get_property(x, 0, window, wmPid, XCB_ATOM_CARDINAL, 0, 1);
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(x, cookie, nullptr), &std::free);
    if (!reply || xcb_get_property_value_length(reply.get()) != 4)
        return -1;
    return static_cast<pid_t>(*static_cast<uint32_t*>(xcb_get_property_value(reply.get())));
}

void SelectRootEvents(xcb_connection_t* x, xcb_window_t root, uint32_t mask)
{
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    // A round trip, so the selection is in force before anything else happens.
    std::free(xcb_get_input_focus_reply(x, xcb_get_input_focus(x), nullptr));
}

pid_t Launch(const char* log, char** argv, int64_t& execAt)
{
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0)
        Fail("pipe");
    const pid_t child = fork();
    if (child < 0)
        Fail("fork");
    if (child == 0) {
        const int in = open("/dev/null", O_RDONLY);
        const int out = open(log, O_WRONLY | O_CREAT | O_APPEND, 0644);
        if (in < 0 || out < 0)
            _exit(126);
        dup2(in, 0);
        dup2(out, 1);
        dup2(out, 2);
        const int64_t at = Now();
        if (write(pipeFds[1], &at, sizeof at) != sizeof at)
            _exit(126);
        execv(argv[0], argv);
        _exit(127);
    }
    close(pipeFds[1]);
    if (read(pipeFds[0], &execAt, sizeof execAt) != sizeof execAt)
        Fail("the child did not report its exec time");
    close(pipeFds[0]);
    return child;
}

bool EndChild(pid_t child)
{
    kill(child, SIGTERM);
    for (int i = 0; i < 500; ++i) {
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child)
            return WIFEXITED(status) || (WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM);
        usleep(10000);
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
        Fail("usage: map_watch LOG PROGRAM [ARGS...]");

    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x))
        Fail("cannot connect to the X server");
    fcntl(xcb_get_file_descriptor(x), F_SETFD, FD_CLOEXEC);
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const xcb_atom_t wmPid = Atom(x, "_NET_WM_PID");
    SelectRootEvents(x, root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY);

    int64_t execAt = 0;
    const pid_t child = Launch(argv[1], argv + 2, execAt);

    const int64_t deadline = Now() + 30 * 1000000;
    pollfd watch{xcb_get_file_descriptor(x), POLLIN, 0};
    for (;;) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(x)) {
            const int64_t at = Now();
            const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
            const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
            // Popup menus and tooltips are override-redirect; the window of another client
            // would carry another pid.
            if (mapped && !map->override_redirect && WindowPid(x, map->window, wmPid) == child) {
                std::printf("%d %u %lld\n", static_cast<int>(child), map->window,
                            static_cast<long long>(at - execAt));
                std::fflush(stdout);
                std::free(event);
                SelectRootEvents(x, root, 0);
                char line[16];
                [[maybe_unused]] const ssize_t got = read(0, line, sizeof line);
                return EndChild(child) ? 0 : 1;
            }
            std::free(event);
        }
        if (xcb_connection_has_error(x))
            Fail("lost the X server");
        if (waitpid(child, nullptr, WNOHANG) == child)
            Fail("the program ended before its window mapped");
        if (Now() > deadline) {
            EndChild(child);
            Fail("no window mapped within 30 s");
        }
        poll(&watch, 1, 100);
    }
}
