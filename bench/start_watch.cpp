// Start-up as a person sees it: the time from starting a program to its first window mapped on the
// X display, for several programs started in turn, round after round, so that a busy moment of the
// machine hits all of them. Each start is ended as soon as its window is mapped.
//   start_watch ROUNDS NAME=PROGRAM [NAME=PROGRAM ...]   on the display DISPLAY names
// Prints each program's median, minimum and maximum in milliseconds, and each median's ratio to the
// first program's and to the last one's.
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

struct Program {
    std::string name, path;
    std::vector<double> milliseconds;
};

// Watches the display's root window for windows being mapped and destroyed on it (without a window
// manager, a program's top-level windows are the root's children). One connection for the whole run.
class MapWatch {
  public:
    MapWatch() : connection_(xcb_connect(nullptr, nullptr)) {
        if (xcb_connection_has_error(connection_))
            throw std::runtime_error("no X display (DISPLAY)");
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(connection_);
    }
    ~MapWatch() { xcb_disconnect(connection_); }
    MapWatch(const MapWatch&) = delete;
    MapWatch& operator=(const MapWatch&) = delete;

    // The first window mapped; false when none is within ten seconds.
    bool awaitMapped() { return await(XCB_MAP_NOTIFY); }
    // Every window of an ended program gone, so that the next start finds the display as it was.
    void awaitDestroyed() {
        while (await(XCB_DESTROY_NOTIFY, 200)) {
        }
    }

  private:
    bool await(std::uint8_t kind, int milliseconds = 10'000) {
        const Clock::time_point until = Clock::now() + std::chrono::milliseconds(milliseconds);
        for (;;) {
            while (const auto event = std::unique_ptr<xcb_generic_event_t, decltype(&std::free)>(
                       xcb_poll_for_event(connection_), &std::free))
                if ((event->response_type & 0x7f) == kind)
                    return true;
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now());
            pollfd display{xcb_get_file_descriptor(connection_), POLLIN, 0};
            if (left.count() <= 0 || poll(&display, 1, static_cast<int>(left.count())) <= 0)
                return false;
        }
    }

    xcb_connection_t* connection_;
};

double startOnce(MapWatch& watch, const std::string& path) {
    char* argv[] = {const_cast<char*>(path.c_str()), nullptr};
    pid_t child = 0;
    const Clock::time_point started = Clock::now();
    if (posix_spawn(&child, path.c_str(), nullptr, nullptr, argv, environ) != 0)
        throw std::runtime_error("cannot start " + path);
    const bool mapped = watch.awaitMapped();
    const double milliseconds = std::chrono::duration<double, std::milli>(Clock::now() - started).count();
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    watch.awaitDestroyed();
    if (!mapped)
        throw std::runtime_error(path + " mapped no window");
    return milliseconds;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: start_watch ROUNDS NAME=PROGRAM [NAME=PROGRAM ...]\n");
        return 2;
    }
    const int rounds = std::atoi(argv[1]);
    std::vector<Program> programs;
    for (int i = 2; i < argc; ++i) {
        const std::string given = argv[i];
        const std::size_t equals = given.find('=');
        programs.push_back({given.substr(0, equals), given.substr(equals + 1), {}});
    }
    try {
        MapWatch watch;
        for (Program& program : programs) // once each first, so that every file is in the page cache
            startOnce(watch, program.path);
        for (int round = 0; round < rounds; ++round)
            for (Program& program : programs)
                program.milliseconds.push_back(startOnce(watch, program.path));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "start_watch: %s\n", error.what());
        return 1;
    }
    const double first = median(programs.front().milliseconds), last = median(programs.back().milliseconds);
    std::printf("start-up to the first window mapped, %d starts of each in turn\n", rounds);
    std::printf("%-12s %10s %10s %10s %9s %9s\n", "program", "median", "min", "max", "/ first", "/ last");
    for (const Program& program : programs) {
        const auto [least, most] =
            std::minmax_element(program.milliseconds.begin(), program.milliseconds.end());
        const double middle = median(program.milliseconds);
        std::printf("%-12s %7.2f ms %7.2f ms %7.2f ms %9.3f %9.3f\n", program.name.c_str(), middle, *least,
                    *most, middle / first, middle / last);
    }
}
