#!/usr/bin/env python3
"""One counted start for bench/startup: runs a program, times exec to the map
of its first top-level window, reads the PSS of its whole process tree a while
after, then closes the window as its close box would and waits for the tree
to end. Prints one line: `ms=<float> pss_kib=<int> processes=<int>`.

It watches the X server's own notices (a map on the root window), not a
polling loop, so the time has no poll interval in it. Talks to libX11 through
ctypes, so it needs nothing beyond the X libraries Qt already brings.
"""
import argparse
import ctypes
import os
import select
import signal
import struct
import subprocess
import sys
import time

MAP_NOTIFY = 19
CLIENT_MESSAGE = 33
SUBSTRUCTURE_NOTIFY_MASK = 1 << 19
NO_EVENT_MASK = 0
XEVENT_SIZE = 192  # sizeof(XEvent) on LP64
# Smaller windows are not the program's window (the tray icon's, Qt's helpers).
MIN_SIDE = 100

x11 = ctypes.CDLL("libX11.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XDefaultRootWindow.restype = ctypes.c_ulong
x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x11.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
x11.XFlush.argtypes = [ctypes.c_void_p]
x11.XPending.argtypes = [ctypes.c_void_p]
x11.XConnectionNumber.argtypes = [ctypes.c_void_p]
x11.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_char_p]
x11.XInternAtom.restype = ctypes.c_ulong
x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x11.XGetWindowProperty.argtypes = [
    ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_long, ctypes.c_long, ctypes.c_int,
    ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_int),
    ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_ulong),
    ctypes.POINTER(ctypes.c_void_p)]
x11.XFree.argtypes = [ctypes.c_void_p]
x11.XGetGeometry.argtypes = [
    ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong),
    ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_int),
    ctypes.POINTER(ctypes.c_uint), ctypes.POINTER(ctypes.c_uint),
    ctypes.POINTER(ctypes.c_uint), ctypes.POINTER(ctypes.c_uint)]
x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                           ctypes.c_char_p]
x11.XSetErrorHandler.argtypes = [ctypes.c_void_p]

# A window may be gone by the time we ask about it: ignore X errors.
ERROR_HANDLER = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)(lambda d, e: 0)


def window_pid(display, window, pid_atom):
    actual_type, actual_format = ctypes.c_ulong(), ctypes.c_int()
    items, after, data = ctypes.c_ulong(), ctypes.c_ulong(), ctypes.c_void_p()
    status = x11.XGetWindowProperty(display, window, pid_atom, 0, 1, 0, 6,  # XA_CARDINAL
                                    ctypes.byref(actual_type), ctypes.byref(actual_format),
                                    ctypes.byref(items), ctypes.byref(after), ctypes.byref(data))
    if status != 0 or not data.value:
        return None
    pid = ctypes.cast(data, ctypes.POINTER(ctypes.c_ulong))[0] if items.value == 1 else None
    x11.XFree(data)
    return pid


def window_size(display, window):
    root, x, y = ctypes.c_ulong(), ctypes.c_int(), ctypes.c_int()
    w, h, border, depth = ctypes.c_uint(), ctypes.c_uint(), ctypes.c_uint(), ctypes.c_uint()
    if not x11.XGetGeometry(display, window, ctypes.byref(root), ctypes.byref(x), ctypes.byref(y),
                            ctypes.byref(w), ctypes.byref(h), ctypes.byref(border),
                            ctypes.byref(depth)):
        return 0, 0
    return w.value, h.value


def process_tree(root_pid):
    """root_pid and all its descendants that are alive now."""
    children = {}
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open(f"/proc/{entry}/stat") as f:
                stat = f.read()
        except OSError:
            continue
        ppid = int(stat[stat.rindex(")") + 2:].split()[1])
        children.setdefault(ppid, []).append(int(entry))
    tree, todo = [], [root_pid]
    while todo:
        pid = todo.pop()
        tree.append(pid)
        todo.extend(children.get(pid, []))
    return tree


def pss_kib(pid):
    try:
        with open(f"/proc/{pid}/smaps_rollup") as f:
            for line in f:
                if line.startswith("Pss:"):
                    return int(line.split()[1])
    except OSError:
        pass
    return 0


def wait_for_map(display, pid_atom, child, timeout):
    """Monotonic ns at which a large top-level window of `child` mapped."""
    event = ctypes.create_string_buffer(XEVENT_SIZE)
    fd = x11.XConnectionNumber(display)
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        while x11.XPending(display):
            x11.XNextEvent(display, event)
            seen = time.monotonic_ns()
            if struct.unpack_from("i", event.raw, 0)[0] != MAP_NOTIFY:
                continue
            window, override_redirect = struct.unpack_from("Li", event.raw, 40)
            if override_redirect or window_pid(display, window, pid_atom) != child.pid:
                continue
            if min(window_size(display, window)) >= MIN_SIDE:
                return seen, window
        if child.poll() is not None:
            return None, None
        select.select([fd], [], [], 0.05)
    return None, None


def close_window(display, window):
    """WM_DELETE_WINDOW, what a window manager sends for the close box."""
    protocols = x11.XInternAtom(display, b"WM_PROTOCOLS", 0)
    delete = x11.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
    event = bytearray(XEVENT_SIZE)
    struct.pack_into("i", event, 0, CLIENT_MESSAGE)
    struct.pack_into("LLi", event, 32, window, protocols, 32)
    struct.pack_into("ll", event, 56, delete, 0)  # data.l[0], data.l[1] = CurrentTime
    x11.XSendEvent(display, window, 0, NO_EVENT_MASK, bytes(event))
    x11.XFlush(display)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--settle", type=float, default=2.0, help="seconds from map to PSS")
    parser.add_argument("--timeout", type=float, default=90.0)
    parser.add_argument("command", nargs=argparse.REMAINDER)
    args = parser.parse_args()
    command = args.command[1:] if args.command[:1] == ["--"] else args.command

    display = x11.XOpenDisplay(None)
    if not display:
        sys.exit("startup_probe: no X display")
    x11.XSetErrorHandler(ctypes.cast(ERROR_HANDLER, ctypes.c_void_p))
    pid_atom = x11.XInternAtom(display, b"_NET_WM_PID", 0)
    x11.XSelectInput(display, x11.XDefaultRootWindow(display), SUBSTRUCTURE_NOTIFY_MASK)
    x11.XSync(display, 0)

    started = time.monotonic_ns()
    child = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                             start_new_session=True)
    mapped, window = wait_for_map(display, pid_atom, child, args.timeout)
    if mapped is None:
        os.killpg(child.pid, signal.SIGKILL)
        sys.exit(f"startup_probe: no window from {command[0]} (exit {child.poll()})")
    time.sleep(args.settle)
    tree = process_tree(child.pid)
    total = sum(pss_kib(pid) for pid in tree)

    close_window(display, window)
    try:
        status = child.wait(timeout=30)
    except subprocess.TimeoutExpired:
        os.killpg(child.pid, signal.SIGKILL)
        status = child.wait()
    # the engine's helpers end shortly after the main process
    for _ in range(100):
        if not any(os.path.exists(f"/proc/{pid}") for pid in tree[1:]):
            break
        time.sleep(0.05)
    print(f"ms={(mapped - started) / 1e6:.1f} pss_kib={total} processes={len(tree)} exit={status}")


if __name__ == "__main__":
    main()
