#!/usr/bin/python3
"""Serve an emulated keyboard and/or mouse to one command.

    emulate.py [--keyboard] [--mouse] [--family 553|560] [--scrambled] [--foreign]
               [--record FILE] [--dpi-every MS] -- COMMAND [ARG...]

The command runs under umockdev-wrapper and sees the devices as hidraw nodes
(hidapi-hidraw and libudev work unmodified). Its standard input, output and
exit status are its own. Afterwards the reports the devices received and sent
go to FILE as JSON lines, and whatever a real device would have refused is
listed on standard error. Without --keyboard or --mouse both are plugged.
"""

import argparse
import json
import os
import subprocess
import sys
import threading

sys.dont_write_bytecode = True  # no caches in the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import testbed  # noqa: E402


def parse(argv):
    p = argparse.ArgumentParser(prog="emulate.py", description=__doc__.split("\n\n")[0])
    p.add_argument("--keyboard", action="store_true", help="plug the keyboard (04d9:8008)")
    p.add_argument("--mouse", action="store_true", help="plug the mouse (04d9:a1ee)")
    p.add_argument("--family", choices=("553", "560"), default="560", help="the mouse's command family")
    p.add_argument("--scrambled", action="store_true",
                   help="the devices expect scrambled command blocks (set isEncode in the device list too)")
    p.add_argument("--foreign", action="store_true", help="also plug a foreign-vendor twin of each device")
    p.add_argument("--record", metavar="FILE", help="write the reports exchanged to FILE (JSON lines)")
    p.add_argument("--dpi-every", metavar="MS", type=int, default=0,
                   help="press the mouse's DPI button every MS milliseconds, cycling stages 1 to 7")
    p.add_argument("command", nargs=argparse.REMAINDER, help="the command to serve, after --")
    args = p.parse_args(argv)
    if args.command and args.command[0] == "--":
        args.command = args.command[1:]
    if not args.command:
        p.error("no command given")
    if not args.keyboard and not args.mouse:
        args.keyboard = args.mouse = True
    return args


def main():
    args = parse(sys.argv[1:])
    why = testbed.missing_prerequisite()
    if why:
        print("emulate.py: %s" % why, file=sys.stderr)
        return testbed.SKIP
    testbed.enter_wrapper_or_skip()
    import firmware
    import hidraw

    kinds = [k for k, wanted in ((firmware.KEYBOARD, args.keyboard), (firmware.MOUSE, args.mouse)) if wanted]
    emu = hidraw.Emulator(family=args.family, scrambled=kinds if args.scrambled else ())
    plugged = {kind: emu.plug(kind) for kind in kinds}
    for kind in kinds if args.foreign else ():
        emu.plug(kind, foreign=True)

    workdir = os.path.join(emu.root, "run")
    os.makedirs(workdir, exist_ok=True)
    child = subprocess.Popen(testbed.wrapped(args.command), env=testbed.program_environment(emu, workdir))
    stop = threading.Event()
    if args.dpi_every > 0 and firmware.MOUSE in plugged:
        def press():
            stage = 0
            while not stop.wait(args.dpi_every / 1000.0):
                stage = stage % 7 + 1
                emu.send_input(plugged[firmware.MOUSE], "event", firmware.dpi_report(stage))
        threading.Thread(target=press, daemon=True).start()
    try:
        rc = child.wait()
    except KeyboardInterrupt:
        child.terminate()
        rc = child.wait()
    stop.set()

    if args.record:
        with open(args.record, "w", encoding="utf-8") as f:
            f.writelines(json.dumps(r) + "\n" for r in emu.records)
    for line in emu.rejects():
        print("emulate.py: refused by the %s" % line, file=sys.stderr)
    return rc


if __name__ == "__main__":
    sys.exit(main())
