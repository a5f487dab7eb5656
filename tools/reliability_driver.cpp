// SPDX-License-Identifier: MIT
// Drives the running calculator through its real X11 window, as a user and a
// window manager would, and measures how it answers. Used by
// scripts/reliability.sh; not a test.
//
//   reliability_driver paste PID BYTES   Ctrl+V of the clipboard into the sphere's
//                                        radius, then "пресметни", then idle with
//                                        the field focused
//   reliability_driver soak PID COUNT    COUNT error boxes, COUNT completed presses,
//                                        COUNT instruction boxes, memory every 10,000
//   reliability_driver box PID           opens an error box and leaves it open
//
// Responsiveness is the round trip of _NET_WM_PING, the message a window manager
// sends to tell whether a window is "not responding"; a second connection pings
// the window every 10 ms all along and keeps the slowest answer. Memory is read
// from /proc/PID/status, processor time from /proc/PID/stat.
//
// Keys and clicks go through XTEST, so the calculator sees real input events.
// No window manager runs: the window's client area stands at its own position.

#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <mutex>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

[[noreturn]] void fail(const std::string& why) {
    std::fprintf(stderr, "reliability_driver: %s\n", why.c_str());
    std::exit(2);
}

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// ---------------------------------------------------------------------------
// The calculator process.

long statusKb(int pid, const char* key) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(key, 0) == 0) return std::atol(line.c_str() + std::strlen(key));
    return -1;
}

// User and system time in clock ticks.
long long cpuTicks(int pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string all((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    const auto close = all.rfind(')');
    if (close == std::string::npos) return -1;
    std::istringstream rest(all.substr(close + 2));
    std::string field;
    long long utime = 0, stime = 0;
    for (int i = 3; i <= 15 && rest >> field; ++i) {  // fields 14 and 15 (1-based)
        if (i == 14) utime = std::atoll(field.c_str());
        if (i == 15) stime = std::atoll(field.c_str());
    }
    return utime + stime;
}

// ---------------------------------------------------------------------------
// X11.

xcb_atom_t internAtom(xcb_connection_t* c, const char* name) {
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr);
    if (!reply) fail(std::string("no atom ") + name);
    const xcb_atom_t atom = reply->atom;
    std::free(reply);
    return atom;
}

std::optional<uint32_t> cardinalProperty(xcb_connection_t* c, xcb_window_t w, xcb_atom_t property) {
    xcb_get_property_reply_t* reply =
        xcb_get_property_reply(c, xcb_get_property(c, 0, w, property, XCB_ATOM_CARDINAL, 0, 1), nullptr);
    std::optional<uint32_t> value;
    if (reply && xcb_get_property_value_length(reply) == 4)
        value = *static_cast<uint32_t*>(xcb_get_property_value(reply));
    std::free(reply);
    return value;
}

struct Display {
    xcb_connection_t* c = nullptr;
    xcb_screen_t* screen = nullptr;

    Display() {
        c = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(c)) fail("cannot open the display");
        screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    }
    ~Display() { xcb_disconnect(c); }
    xcb_window_t root() const { return screen->root; }
};

// The mapped top-level windows of a process, in stacking order.
std::vector<xcb_window_t> mappedWindowsOf(Display& d, int pid) {
    static const xcb_atom_t netWmPid = internAtom(d.c, "_NET_WM_PID");
    std::vector<xcb_window_t> found;
    xcb_query_tree_reply_t* tree = xcb_query_tree_reply(d.c, xcb_query_tree(d.c, d.root()), nullptr);
    if (!tree) return found;
    const xcb_window_t* children = xcb_query_tree_children(tree);
    for (int i = 0; i < xcb_query_tree_children_length(tree); ++i) {
        xcb_get_window_attributes_reply_t* attributes =
            xcb_get_window_attributes_reply(d.c, xcb_get_window_attributes(d.c, children[i]), nullptr);
        const bool viewable = attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE &&
                              !attributes->override_redirect;
        std::free(attributes);
        if (viewable && cardinalProperty(d.c, children[i], netWmPid) == uint32_t(pid)) found.push_back(children[i]);
    }
    std::free(tree);
    return found;
}

struct Place {
    int x, y, width, height;
};

Place placeOf(Display& d, xcb_window_t w) {
    xcb_get_geometry_reply_t* geometry = xcb_get_geometry_reply(d.c, xcb_get_geometry(d.c, w), nullptr);
    xcb_translate_coordinates_reply_t* origin =
        xcb_translate_coordinates_reply(d.c, xcb_translate_coordinates(d.c, w, d.root(), 0, 0), nullptr);
    if (!geometry || !origin) fail("the window went away");
    Place place{origin->dst_x, origin->dst_y, geometry->width, geometry->height};
    std::free(geometry);
    std::free(origin);
    return place;
}

// A _NET_WM_PING to the window, as a window manager sends it; the answer comes
// back to the root window with the same serial.
void sendPing(xcb_connection_t* c, xcb_window_t window, xcb_atom_t protocols, xcb_atom_t ping,
              uint32_t serial) {
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = protocols;
    message.data.data32[0] = ping;
    message.data.data32[1] = serial;
    message.data.data32[2] = window;
    xcb_send_event(c, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&message));
    xcb_flush(c);
}

// ---------------------------------------------------------------------------
// Pings on a connection of their own, every 10 ms, one at a time.

class Pinger {
public:
    explicit Pinger(xcb_window_t window) : window_(window) {
        protocols_ = internAtom(d_.c, "WM_PROTOCOLS");
        ping_ = internAtom(d_.c, "_NET_WM_PING");
        const uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
        xcb_change_window_attributes(d_.c, d_.root(), XCB_CW_EVENT_MASK, &mask);
        xcb_flush(d_.c);
        thread_ = std::thread([this] { run(); });
    }
    ~Pinger() {
        stopping_ = true;
        thread_.join();
    }

    // No pings while paused (after the one under way), so that they cost the window nothing.
    void pause(bool paused) { paused_ = paused; }

    // The slowest answer since the last call, and the number of answers.
    std::pair<double, long> takeSlowest() {
        std::lock_guard lock(mutex_);
        const auto result = std::make_pair(std::max(slowest_, pendingFor()), answers_);
        slowest_ = 0;
        answers_ = 0;
        return result;
    }

private:
    double pendingFor() const { return waiting_ ? millisecondsSince(sent_) : 0.0; }

    void run() {
        uint32_t serial = 0;
        while (!stopping_) {
            {
                std::lock_guard lock(mutex_);
                sent_ = Clock::now();
                waiting_ = true;
            }
            sendPing(d_.c, window_, protocols_, ping_, ++serial);
            while (!stopping_ && !answered(serial)) {
                pollfd fd{xcb_get_file_descriptor(d_.c), POLLIN, 0};
                poll(&fd, 1, 20);
            }
            std::this_thread::sleep_for(10ms);
            while (paused_ && !stopping_) std::this_thread::sleep_for(10ms);
        }
    }

    bool answered(uint32_t serial) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(d_.c)) {
            const bool pong = (event->response_type & 0x7f) == XCB_CLIENT_MESSAGE &&
                              reinterpret_cast<xcb_client_message_event_t*>(event)->data.data32[0] == ping_ &&
                              reinterpret_cast<xcb_client_message_event_t*>(event)->data.data32[1] == serial;
            std::free(event);
            if (pong) {
                std::lock_guard lock(mutex_);
                slowest_ = std::max(slowest_, millisecondsSince(sent_));
                ++answers_;
                waiting_ = false;
                return true;
            }
        }
        if (xcb_connection_has_error(d_.c)) stopping_ = true;
        return false;
    }

    Display d_;
    xcb_window_t window_;
    xcb_atom_t protocols_ = 0, ping_ = 0;
    std::atomic<bool> stopping_{false};
    std::atomic<bool> paused_{false};
    std::mutex mutex_;
    Clock::time_point sent_;
    bool waiting_ = false;
    double slowest_ = 0;
    long answers_ = 0;
    std::thread thread_;
};

// ---------------------------------------------------------------------------
// The user: XTEST keys and clicks, and the boxes that open and close.

constexpr uint32_t keyReturn = 0xff0d, keyControl = 0xffe3, keyV = 0x0076, keyA = 0x0061, keyTwo = 0x0032,
                   keyBackSpace = 0xff08;

class User {
public:
    User(Display& d, int pid) : d_(d), pid_(pid) {
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
        xcb_change_window_attributes(d_.c, d_.root(), XCB_CW_EVENT_MASK, &mask);
        protocols_ = internAtom(d_.c, "WM_PROTOCOLS");
        ping_ = internAtom(d_.c, "_NET_WM_PING");
        loadKeyboard();
        const auto deadline = Clock::now() + 20s;
        while (mappedWindowsOf(d_, pid_).empty()) {
            if (Clock::now() > deadline) fail("the calculator's window did not appear");
            std::this_thread::sleep_for(50ms);
        }
        window_ = mappedWindowsOf(d_, pid_).front();
        form_ = placeOf(d_, window_);
        if (form_.width != 508 || form_.height != 650)
            fail("the window measures " + std::to_string(form_.width) + "x" + std::to_string(form_.height));
        drain();
    }

    xcb_window_t window() const { return window_; }

    // A click at a point of the window, in its own pixels.
    void click(int x, int y) {
        xcb_test_fake_input(d_.c, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, d_.root(), int16_t(form_.x + x),
                            int16_t(form_.y + y), 0);
        xcb_test_fake_input(d_.c, XCB_BUTTON_PRESS, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        xcb_test_fake_input(d_.c, XCB_BUTTON_RELEASE, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        sync();
    }

    void key(uint32_t keysym, uint32_t withKeysym = 0) {
        const uint8_t code = keycode(keysym), with = withKeysym ? keycode(withKeysym) : 0;
        if (with) xcb_test_fake_input(d_.c, XCB_KEY_PRESS, with, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        xcb_test_fake_input(d_.c, XCB_KEY_PRESS, code, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        xcb_test_fake_input(d_.c, XCB_KEY_RELEASE, code, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        if (with) xcb_test_fake_input(d_.c, XCB_KEY_RELEASE, with, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        sync();
    }

    // Waits for a box of the calculator to open; false after `limit`.
    bool waitForBox(std::chrono::milliseconds limit) { return waitFor(XCB_MAP_NOTIFY, limit); }
    bool waitForBoxClosed(std::chrono::milliseconds limit) { return waitFor(XCB_UNMAP_NOTIFY, limit); }

    // Dismisses the open box with Enter once it holds the keyboard.
    bool dismissBox() {
        const auto deadline = Clock::now() + 2000ms;
        while (focus() != box_ && Clock::now() < deadline) std::this_thread::sleep_for(200us);
        for (int attempt = 0; attempt < 5; ++attempt) {
            key(keyReturn);
            if (waitForBoxClosed(2000ms)) return true;
        }
        return false;
    }

    // Waits until the calculator has answered a ping sent after everything so
    // far: it has taken the events before it from the server.
    bool roundTrip(std::chrono::milliseconds limit) {
        sendPing(d_.c, window_, protocols_, ping_, ++serial_);
        return waitFor(XCB_CLIENT_MESSAGE, limit);
    }

    xcb_window_t focus() {
        xcb_get_input_focus_reply_t* reply = xcb_get_input_focus_reply(d_.c, xcb_get_input_focus(d_.c), nullptr);
        const xcb_window_t w = reply ? reply->focus : XCB_NONE;
        std::free(reply);
        return w;
    }

    // Lets everything sent so far reach the server.
    void sync() {
        std::free(xcb_get_input_focus_reply(d_.c, xcb_get_input_focus(d_.c), nullptr));
    }

    void drain() {
        sync();
        while (xcb_generic_event_t* event = xcb_poll_for_event(d_.c)) std::free(event);
    }

private:
    bool waitFor(uint8_t type, std::chrono::milliseconds limit) {
        const auto deadline = Clock::now() + limit;
        while (Clock::now() < deadline) {
            while (xcb_generic_event_t* event = xcb_poll_for_event(d_.c)) {
                const uint8_t got = event->response_type & 0x7f;
                xcb_window_t w = XCB_NONE;
                if (got == XCB_MAP_NOTIFY) w = reinterpret_cast<xcb_map_notify_event_t*>(event)->window;
                if (got == XCB_UNMAP_NOTIFY) w = reinterpret_cast<xcb_unmap_notify_event_t*>(event)->window;
                bool pong = false;
                if (got == XCB_CLIENT_MESSAGE) {
                    const auto* message = reinterpret_cast<xcb_client_message_event_t*>(event);
                    pong = message->data.data32[0] == ping_ && message->data.data32[1] == serial_;
                }
                std::free(event);
                if (got == type && (type == XCB_CLIENT_MESSAGE ? pong : w != window_)) {
                    if (type == XCB_MAP_NOTIFY) box_ = w;
                    return true;
                }
            }
            if (xcb_connection_has_error(d_.c)) fail("the display went away");
            pollfd fd{xcb_get_file_descriptor(d_.c), POLLIN, 0};
            poll(&fd, 1, 5);
        }
        return false;
    }

    void loadKeyboard() {
        const xcb_setup_t* setup = xcb_get_setup(d_.c);
        firstKeycode_ = setup->min_keycode;
        const uint8_t count = uint8_t(setup->max_keycode - setup->min_keycode + 1);
        xcb_get_keyboard_mapping_reply_t* mapping = xcb_get_keyboard_mapping_reply(
            d_.c, xcb_get_keyboard_mapping(d_.c, setup->min_keycode, count), nullptr);
        if (!mapping) fail("no keyboard mapping");
        perKeycode_ = mapping->keysyms_per_keycode;
        const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(mapping);
        keysyms_.assign(syms, syms + xcb_get_keyboard_mapping_keysyms_length(mapping));
        std::free(mapping);
    }

    uint8_t keycode(uint32_t keysym) const {
        for (std::size_t i = 0; i < keysyms_.size(); ++i)
            if (keysyms_[i] == keysym) return uint8_t(firstKeycode_ + i / perKeycode_);
        fail("no key for keysym " + std::to_string(keysym));
    }

    Display& d_;
    int pid_;
    xcb_atom_t protocols_ = 0, ping_ = 0;
    uint32_t serial_ = 0;
    xcb_window_t window_ = XCB_NONE;
    xcb_window_t box_ = XCB_NONE;  // the box last opened
    Place form_{};
    uint8_t firstKeycode_ = 8;
    std::size_t perKeycode_ = 1;
    std::vector<xcb_keysym_t> keysyms_;
};

// Where the controls stand in the window, in pixels (centres).
constexpr int radiusX = 8 + 88 + 24, radiusY = 520 + 16 + 9;          // Text30
constexpr int sphereCalculateX = 8 + 264 + 40, sphereCalculateY = 520 + 40 + 8;  // Command9
constexpr int instructionX = 24 + 72, instructionY = 616 + 12;        // Command11

// ---------------------------------------------------------------------------
// The runs.

void waitQuiet(Pinger& pinger, std::chrono::milliseconds settle) {
    std::this_thread::sleep_for(settle);
    (void)pinger;
}

// How the window answered an action: whether a box came, when, and the slowest
// ping until things were quiet again (the box, if any, dismissed).
struct Answer {
    bool box;
    double milliseconds;
    double slowestPing;
    long pings;

    void print() const {
        std::printf("%s after %.0f ms, slowest ping %.1f ms (%ld answers)\n", box ? "a box" : "no box",
                    milliseconds, slowestPing, pings);
    }
};

template <typename Action>
Answer answerTo(User& user, Pinger& pinger, const char* what, Action action) {
    const auto started = Clock::now();
    action();
    const bool box = user.waitForBox(15000ms);
    const double answered = millisecondsSince(started);
    if (box && !user.dismissBox()) fail(std::string("the box after ") + what + " did not close");
    waitQuiet(pinger, 1000ms);
    const auto [slowest, pings] = pinger.takeSlowest();
    return {box, answered, slowest, pings};
}

int pasteRun(int pid, long bytes) {
    Display d;
    User user(d, pid);
    Pinger pinger(user.window());
    user.click(radiusX, radiusY);
    std::this_thread::sleep_for(300ms);
    pinger.takeSlowest();

    // The paste: Ctrl+A, Ctrl+V, and whatever it brings (the text, or a box).
    const Answer paste = answerTo(user, pinger, "the paste", [&user] {
        user.key(keyA, keyControl);
        user.key(keyV, keyControl);
    });
    // "пресметни" with whatever the field holds: every outcome opens a box here.
    const Answer press = answerTo(user, pinger, "the press",
                                  [&user] { user.click(sphereCalculateX, sphereCalculateY); });

    // Idle, the field focused: first the processor time with no pings, then the pings.
    user.click(radiusX, radiusY);
    pinger.pause(true);
    std::this_thread::sleep_for(1000ms);
    const long long ticksBefore = cpuTicks(pid);
    const auto idleStart = Clock::now();
    std::this_thread::sleep_for(10000ms);
    const double idleSeconds = millisecondsSince(idleStart) / 1000.0;
    const double idleCpu = 100.0 * double(cpuTicks(pid) - ticksBefore) / double(sysconf(_SC_CLK_TCK)) / idleSeconds;
    pinger.takeSlowest();
    pinger.pause(false);
    std::this_thread::sleep_for(3000ms);
    const auto [idleSlowest, idleAnswers] = pinger.takeSlowest();

    std::printf("paste %ld bytes: ", bytes);
    paste.print();
    std::printf("  press: ");
    press.print();
    std::printf("  idle with the field focused: %.2f %% CPU over %.0f s; then slowest ping %.1f ms (%ld answers)\n",
                idleCpu, idleSeconds, idleSlowest, idleAnswers);
    std::printf("  memory: VmRSS %.1f MB, peak VmHWM %.1f MB\n", statusKb(pid, "VmRSS:") / 1024.0,
                statusKb(pid, "VmHWM:") / 1024.0);
    return 0;
}

int soakRun(int pid, long count) {
    Display d;
    User user(d, pid);
    constexpr long sampleEvery = 10'000;
    long failures = 0;
    const auto report = [pid](const char* what, long done, long baseline) {
        const long rss = statusKb(pid, "VmRSS:");
        std::printf("  %-17s %7ld: VmRSS %.2f MB (%+.2f MB)\n", what, done, rss / 1024.0,
                    baseline < 0 ? 0.0 : (rss - baseline) / 1024.0);
        std::fflush(stdout);
        return rss;
    };
    long baseline = -1, highest = 0, lowest = 1L << 40;
    const auto sample = [&](const char* what, long done) {
        const bool due = done == 1000 || done % sampleEvery == 0;
        if (!due) return;
        const long rss = report(what, done, baseline);
        if (baseline < 0) baseline = rss;
        highest = std::max(highest, rss);
        lowest = std::min(lowest, rss);
    };
    const auto started = Clock::now();

    // Error boxes: "пресметни" with the radius empty, each box dismissed with Enter.
    user.click(radiusX, radiusY);
    user.key(keyA, keyControl);
    user.key(keyBackSpace);
    for (long i = 1; i <= count; ++i) {
        user.click(sphereCalculateX, sphereCalculateY);
        if (!user.waitForBox(5000ms) || !user.dismissBox()) {
            ++failures;
            std::fprintf(stderr, "error box %ld did not open and close\n", i);
        }
        sample("error boxes", i);
    }
    // Completed presses: "2" in the radius, results written each time.
    user.click(radiusX, radiusY);
    user.key(keyA, keyControl);
    user.key(keyTwo);
    for (long i = 1; i <= count; ++i) {
        user.click(sphereCalculateX, sphereCalculateY);
        if (!user.roundTrip(5000ms) || user.waitForBox(0ms)) ++failures;
        sample("completed presses", i);
    }
    // Instruction boxes, four to a press.
    for (long i = 0; i < count;) {
        user.click(instructionX, instructionY);
        for (int box = 0; box < 4 && i < count; ++box) {
            ++i;
            if (!user.waitForBox(5000ms) || !user.dismissBox()) ++failures;
            sample("instruction boxes", i);
        }
    }
    std::printf("soak: %ld boxes and %ld presses in %.0f s, %ld failed; memory after the first thousand "
                "%.2f MB, since then between %+.2f and %+.2f MB\n",
                2 * count, count, millisecondsSince(started) / 1000.0, failures, baseline / 1024.0,
                (lowest - baseline) / 1024.0, (highest - baseline) / 1024.0);
    return failures == 0 ? 0 : 1;
}

int boxRun(int pid) {
    Display d;
    User user(d, pid);
    user.click(instructionX, instructionY);
    return user.waitForBox(5000ms) ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::string mode = argc > 2 ? argv[1] : "";
    const int pid = argc > 2 ? std::atoi(argv[2]) : 0;
    if (mode == "paste" && argc == 4) return pasteRun(pid, std::atol(argv[3]));
    if (mode == "soak" && argc == 4) return soakRun(pid, std::atol(argv[3]));
    if (mode == "box" && argc == 3) return boxRun(pid);
    std::fprintf(stderr, "usage: %s paste PID BYTES | soak PID COUNT | box PID\n", argv[0]);
    return 2;
}
