// pixelwait X Y RRGGBB [TIMEOUT_MS [fresh]]
// Watches one pixel of the screen ($DISPLAY) and prints the wall clock in nanoseconds (as
// `date +%s%N` gives it) at the first reading of that colour. Reads it every half
// millisecond; exits 1 on a timeout. With "fresh", exits 2 if the pixel shows the colour
// already at the start (a window left over from the run before).
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <thread>

namespace {

long long wallNanos() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

unsigned long readPixel(Display* d, Window root, int x, int y) {
    XImage* img = XGetImage(d, root, x, y, 1, 1, AllPlanes, ZPixmap);
    if (!img) return ~0ul;
    const unsigned long p = XGetPixel(img, 0, 0) & 0xFFFFFFul;
    XDestroyImage(img);
    return p;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: pixelwait X Y RRGGBB [TIMEOUT_MS]\n");
        return 64;
    }
    const int x = std::atoi(argv[1]);
    const int y = std::atoi(argv[2]);
    const unsigned long want = std::strtoul(argv[3], nullptr, 16);
    const long long timeout = argc > 4 ? std::atoll(argv[4]) * 1000000LL : 20000000000LL;
    const bool fresh = argc > 5 && std::string_view(argv[5]) == "fresh";

    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        std::fprintf(stderr, "pixelwait: no display\n");
        return 64;
    }
    const Window root = DefaultRootWindow(d);
    const long long start = wallNanos();
    if (fresh && readPixel(d, root, x, y) == want) return 2;
    for (;;) {
        const unsigned long p = readPixel(d, root, x, y);
        const long long now = wallNanos();
        if (p == want) {
            std::printf("%lld\n", now);
            return 0;
        }
        if (now - start > timeout) {
            std::fprintf(stderr, "pixelwait: %06lx at %d,%d after the timeout\n", p, x, y);
            return 1;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
}
