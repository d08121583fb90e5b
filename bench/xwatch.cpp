// xwatch: the X side of the start-up benchmark. It owns the system tray
// selection (so programs under Xvfb see a tray and hide into it), reports
// every map, unmap and paint of top-level windows with a monotonic time
// stamp, and clicks where it is told to. One line per event on stdout:
//   map WINDOW MS | unmap WINDOW MS | paint WINDOW MS
// Commands on stdin: "click X Y" (left button, root coordinates).

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>

#include <poll.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <map>
#include <string>

namespace {

double nowMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000.0 + ts.tv_nsec / 1e6;
}

// A tray that takes no icons still makes the selection owner exist, which is
// all a program checks before it hides into the tray.
void ownTray(Display* dpy, Window root)
{
    const std::string name = "_NET_SYSTEM_TRAY_S" + std::to_string(DefaultScreen(dpy));
    const Atom selection = XInternAtom(dpy, name.c_str(), False);
    const Window owner = XCreateSimpleWindow(dpy, root, -1, -1, 1, 1, 0, 0, 0);
    XSetSelectionOwner(dpy, selection, owner, CurrentTime);
    XEvent ev{};
    ev.xclient.type = ClientMessage;
    ev.xclient.window = root;
    ev.xclient.message_type = XInternAtom(dpy, "MANAGER", False);
    ev.xclient.format = 32;
    ev.xclient.data.l[0] = CurrentTime;
    ev.xclient.data.l[1] = static_cast<long>(selection);
    ev.xclient.data.l[2] = static_cast<long>(owner);
    XSendEvent(dpy, root, False, StructureNotifyMask, &ev);
    XFlush(dpy);
}

void click(Display* dpy, int x, int y)
{
    // As a hand would: the pointer arrives, rests, presses and lets go; a
    // button that never saw the pointer enter ignores a bare press.
    XTestFakeMotionEvent(dpy, -1, x, y, CurrentTime);
    XFlush(dpy);
    usleep(100 * 1000);
    XTestFakeButtonEvent(dpy, 1, True, CurrentTime);
    XFlush(dpy);
    usleep(50 * 1000);
    XTestFakeButtonEvent(dpy, 1, False, CurrentTime);
    XFlush(dpy);
}

} // namespace

int main()
{
    Display* dpy = XOpenDisplay(nullptr);
    if (!dpy) {
        std::fprintf(stderr, "xwatch: cannot open the display\n");
        return 1;
    }
    int damageEvent = 0;
    int damageError = 0;
    int xtest[4];
    if (!XDamageQueryExtension(dpy, &damageEvent, &damageError)
        || !XTestQueryExtension(dpy, &xtest[0], &xtest[1], &xtest[2], &xtest[3])) {
        std::fprintf(stderr, "xwatch: the display lacks DAMAGE or XTEST\n");
        return 1;
    }
    const Window root = DefaultRootWindow(dpy);
    XSelectInput(dpy, root, SubstructureNotifyMask);
    ownTray(dpy, root);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    std::printf("ready 0 %.3f\n", nowMs());

    std::map<Window, Damage> damages;
    pollfd fds[2] = {{ConnectionNumber(dpy), POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
    std::string input;
    for (;;) {
        while (XPending(dpy)) {
            XEvent ev;
            XNextEvent(dpy, &ev);
            if (ev.type == MapNotify && ev.xmap.event == root && !ev.xmap.override_redirect) {
                const Window w = ev.xmap.window;
                if (!damages.count(w))
                    damages[w] = XDamageCreate(dpy, w, XDamageReportNonEmpty);
                std::printf("map %lu %.3f\n", w, nowMs());
            } else if (ev.type == UnmapNotify && ev.xunmap.event == root) {
                std::printf("unmap %lu %.3f\n", ev.xunmap.window, nowMs());
            } else if (ev.type == DestroyNotify && ev.xdestroywindow.event == root) {
                damages.erase(ev.xdestroywindow.window);
            } else if (ev.type == damageEvent + XDamageNotify) {
                const auto* d = reinterpret_cast<XDamageNotifyEvent*>(&ev);
                XDamageSubtract(dpy, d->damage, None, None);
                std::printf("paint %lu %.3f\n", d->drawable, nowMs());
            }
        }
        if (poll(fds, 2, -1) < 0)
            break;
        if (fds[1].revents & (POLLIN | POLLHUP)) {
            char buf[256];
            const ssize_t n = read(STDIN_FILENO, buf, sizeof buf);
            if (n <= 0)
                break;
            input.append(buf, static_cast<size_t>(n));
            size_t eol;
            while ((eol = input.find('\n')) != std::string::npos) {
                int x = 0;
                int y = 0;
                if (std::sscanf(input.c_str(), "click %d %d", &x, &y) == 2)
                    click(dpy, x, y);
                input.erase(0, eol + 1);
            }
        }
    }
    XCloseDisplay(dpy);
    return 0;
}
