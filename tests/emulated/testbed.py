"""Starting emulated devices and running the program beside them.

Shared by the test cases and by the standalone `emulate.py`.
"""

import json
import os
import shutil
import subprocess
import sys
import threading
import time

SKIP = 77
PRELOAD = "libumockdev-preload.so"


def missing_prerequisite():
    """Why the emulated devices cannot run here, or None when they can."""
    if not shutil.which("umockdev-wrapper"):
        return "umockdev-wrapper not found (Debian package umockdev)"
    try:
        import gi

        gi.require_version("UMockdev", "1.0")
        from gi.repository import UMockdev  # noqa: F401
    except (ImportError, ValueError) as e:
        return "UMockdev GObject bindings not usable from %s (Debian packages gir1.2-umockdev-1.0, python3-gi): %s" % (
            sys.executable, e)
    try:
        # Every node is backed by a pty.
        for fd in os.openpty():
            os.close(fd)
    except OSError as e:
        return "no pseudo-terminals here: %s" % e
    return None


def enter_wrapper_or_skip():
    """Re-run this script under umockdev-wrapper, or exit with the skip code."""
    why = missing_prerequisite()
    if why:
        print("SKIP: emulated devices unavailable: %s" % why, flush=True)
        sys.exit(SKIP)
    if PRELOAD not in os.environ.get("LD_PRELOAD", ""):
        os.execvp("umockdev-wrapper", ["umockdev-wrapper", sys.executable] + sys.argv)


class DataRoot:
    """A private copy of the factory tree, edited per case."""

    def __init__(self, factory, workdir):
        self.path = os.path.join(workdir, "data")
        shutil.copytree(factory, os.path.join(self.path, "modules"))

    def set(self, section, key, value):
        """Sets one key of the global settings file, keeping the rest of it."""
        name = os.path.join(self.path, "modules", "setting", "apConfig.bin")
        with open(name, encoding="utf-8") as f:
            lines = f.read().splitlines()
        header = "[%s]" % section
        start = lines.index(header) + 1
        end = next((i for i in range(start, len(lines)) if lines[i].startswith("[")), len(lines))
        for i in range(start, end):
            if lines[i].split("=", 1)[0].strip() == key:
                lines[i] = "%s=%s" % (key, value)
                break
        else:
            lines.insert(start, "%s=%s" % (key, value))
        with open(name, "w", encoding="utf-8") as f:
            f.write("\n".join(lines) + "\n")


def read_trace(name):
    with open(name, encoding="utf-8") as f:
        return [json.loads(line) for line in f if line.strip()]


def program_environment(emulator, workdir):
    """The environment of a program that is to see the emulated devices."""
    env = dict(os.environ)
    env.update(emulator.environment())
    env.setdefault("QT_QPA_PLATFORM", "offscreen")
    # A sanitizer build wants its runtime first, but umockdev's preload is.
    options = [o for o in env.get("ASAN_OPTIONS", "").split(":") if o]
    env["ASAN_OPTIONS"] = ":".join(options + ["verify_asan_link_order=0"])
    if "XDG_RUNTIME_DIR" not in env:
        # Qt wants one for its sockets; the program's own lives with the run.
        env["XDG_RUNTIME_DIR"] = os.path.join(workdir, "runtime")
        os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700, exist_ok=True)
    return env


def wrapped(command):
    return ["umockdev-wrapper", *command]


class Program:
    """A long-running program (`quorixctl monitor`) whose output lines are timed."""

    def __init__(self, command, env):
        self.t0 = time.monotonic()
        self.lines = []  # (ms since start, "out" | "err", text)
        self._cond = threading.Condition()
        self.process = subprocess.Popen(wrapped(command), env=env, stdin=subprocess.PIPE,
                                        stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
        for stream, tag in ((self.process.stdout, "out"), (self.process.stderr, "err")):
            threading.Thread(target=self._pump, args=(stream, tag), daemon=True).start()

    def now(self):
        return (time.monotonic() - self.t0) * 1000.0

    def _pump(self, stream, tag):
        for line in stream:
            with self._cond:
                self.lines.append((self.now(), tag, line.rstrip("\n")))
                self._cond.notify_all()

    def wait_for(self, predicate, timeout_ms, after_ms=0.0):
        """The first line after `after_ms` that satisfies `predicate`, or None."""
        deadline = time.monotonic() + timeout_ms / 1000.0
        with self._cond:
            while True:
                for line in self.lines:
                    if line[0] >= after_ms and predicate(line):
                        return line
                left = deadline - time.monotonic()
                if left <= 0:
                    return None
                self._cond.wait(left)

    def matching(self, predicate, after_ms=0.0):
        with self._cond:
            return [line for line in self.lines if line[0] >= after_ms and predicate(line)]

    def stop(self):
        # Standard input's end ends the monitor cleanly.
        self.process.stdin.close()
        try:
            return self.process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            return self.process.wait()

    def transcript(self):
        return "\n".join("%7.0f %s %s" % line for line in self.lines)
