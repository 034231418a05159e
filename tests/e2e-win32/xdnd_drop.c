/* Drops files on an X window as a file manager does, through the XDND
 * protocol (version 5):   xdnd_drop WINDOW X Y URI...
 * WINDOW is the X window to drop on, X and Y the point on the screen, each
 * URI a "file://" one. Ends with 0 once the target said it took the drop,
 * 1 when it refused it, 2 when it did not answer in ten seconds. */
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/select.h>

static Display *display;
static Window source, target;

static Atom atom(const char *name) { return XInternAtom(display, name, False); }

static void send(const char *type, long l1, long l2, long l3, long l4) {
    XEvent event;
    memset(&event, 0, sizeof event);
    event.xclient.type = ClientMessage;
    event.xclient.window = target;
    event.xclient.message_type = atom(type);
    event.xclient.format = 32;
    event.xclient.data.l[0] = (long)source;
    event.xclient.data.l[1] = l1;
    event.xclient.data.l[2] = l2;
    event.xclient.data.l[3] = l3;
    event.xclient.data.l[4] = l4;
    XSendEvent(display, target, False, NoEventMask, &event);
    XFlush(display);
}

/* The next event, or 0 after ten seconds without one. */
static int next_event(XEvent *event) {
    for (int waited = 0; waited < 100; ++waited) {
        if (XPending(display)) {
            XNextEvent(display, event);
            return 1;
        }
        struct timeval tenth = {0, 100000};
        fd_set fds;
        FD_ZERO(&fds);
        FD_SET(ConnectionNumber(display), &fds);
        select(ConnectionNumber(display) + 1, &fds, NULL, NULL, &tenth);
    }
    return 0;
}

int main(int argc, char **argv) {
    if (argc < 5) {
        fprintf(stderr, "usage: xdnd_drop WINDOW X Y URI...\n");
        return 2;
    }
    display = XOpenDisplay(NULL);
    if (display == NULL) return 2;
    target = (Window)strtoul(argv[1], NULL, 0);
    const long x = atol(argv[2]), y = atol(argv[3]);
    size_t size = 1;
    for (int i = 4; i < argc; ++i) size += strlen(argv[i]) + 2;
    char *uris = calloc(size, 1);
    for (int i = 4; i < argc; ++i) strcat(strcat(uris, argv[i]), "\r\n");

    source = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
    XSetSelectionOwner(display, atom("XdndSelection"), source, CurrentTime);
    const Atom uriList = atom("text/uri-list");
    send("XdndEnter", 5L << 24, (long)uriList, 0, 0);
    send("XdndPosition", 0, (x << 16) | y, CurrentTime, (long)atom("XdndActionCopy"));

    int dropped = 0;
    XEvent event;
    while (next_event(&event)) {
        if (event.type == ClientMessage && event.xclient.message_type == atom("XdndStatus")) {
            if (!(event.xclient.data.l[1] & 1)) {
                send("XdndLeave", 0, 0, 0, 0);
                fprintf(stderr, "xdnd_drop: the window does not take the drop there\n");
                return 1;
            }
            if (!dropped) send("XdndDrop", 0, CurrentTime, 0, 0);
            dropped = 1;
        } else if (event.type == SelectionRequest) {
            XSelectionRequestEvent *request = &event.xselectionrequest;
            XEvent reply;
            memset(&reply, 0, sizeof reply);
            reply.xselection.type = SelectionNotify;
            reply.xselection.requestor = request->requestor;
            reply.xselection.selection = request->selection;
            reply.xselection.target = request->target;
            reply.xselection.time = request->time;
            reply.xselection.property = None;
            if (request->target == uriList) {
                const Atom property = request->property != None ? request->property : request->target;
                XChangeProperty(display, request->requestor, property, uriList, 8, PropModeReplace,
                                (unsigned char *)uris, (int)strlen(uris));
                reply.xselection.property = property;
            }
            XSendEvent(display, request->requestor, False, NoEventMask, &reply);
            XFlush(display);
        } else if (event.type == ClientMessage && event.xclient.message_type == atom("XdndFinished")) {
            return (event.xclient.data.l[1] & 1) ? 0 : 1;
        }
    }
    fprintf(stderr, "xdnd_drop: no answer from the window\n");
    return 2;
}
