#!/usr/bin/python3
"""The program's real back ends (hidapi-hidraw, libudev) against emulated nodes.

    cases.py CASE       one case (see CASES at the end)

Needs QUORIXCTL (the tool's path) and QUORIX_FACTORY_DIR (the factory tree) in
the environment. Exits 77, CTest's skip code, where umockdev is missing.
"""

import json
import os
import subprocess
import sys
import tempfile

sys.dont_write_bytecode = True  # no caches in the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import testbed  # noqa: E402

testbed.enter_wrapper_or_skip()

import firmware  # noqa: E402
import hidraw  # noqa: E402

KEYBOARD, MOUSE = firmware.KEYBOARD, firmware.MOUSE
SENT = ("send-feature", "write")
ANSWERED = ("get-feature", "read")
CHECK_INTERVAL_MS = 2048
# A coarse Qt timer may fire up to 5 % early.
EARLY_MS = 150


class Failed(Exception):
    pass


def check(ok, message):
    if not ok:
        raise Failed(message)


def wire(records, ops):
    """(dev, iface, op, data) of the given ops, in order; empty reads are waits."""
    return [(r["dev"], r["iface"], r["op"], r["data"]) for r in records
            if r["op"] in ops and (r["op"] != "read" or r["data"])]


def first_difference(a, b):
    for i, (x, y) in enumerate(zip(a, b)):
        if x != y:
            bx, by = x[3].split(), y[3].split()
            at = next((j for j, (p, q) in enumerate(zip(bx, by)) if p != q), min(len(bx), len(by)))
            return "report %d (%s %s %s), byte %d of %d/%d:\n  %s\n  %s" % (
                i, x[0], x[1], x[2], at, len(bx), len(by), x[3], y[3])
    return "the end: %d reports against %d" % (len(a), len(b))


def check_same(what, a, b):
    check(a == b, "%s differ at %s" % (what, first_difference(a, b)))


class Case:
    def __init__(self, family, workdir):
        self.workdir = workdir
        self.ctl = os.environ["QUORIXCTL"]
        self.data = testbed.DataRoot(os.environ["QUORIX_FACTORY_DIR"], workdir)
        self.family = family
        self.data.set("mouse", "icType", family)
        self.emu = None
        self.runs = 0

    def start(self, scrambled=()):
        self.emu = hidraw.Emulator(family=self.family, scrambled=scrambled)
        return self.emu

    def launch(self, args, stdin=None, simulated=False):
        """Starts quorixctl on hidapi against the emulated nodes, or on its own
        simulator on virtual time; the returned function waits for it and
        gives its output and trace."""
        self.runs += 1
        trace = os.path.join(self.workdir, "trace%d.jsonl" % self.runs)
        command = [self.ctl, "--data", self.data.path, "--trace", trace]
        env = testbed.program_environment(self.emu, self.workdir)
        if simulated:
            command += ["--simulate", "--virtual-time", "--mouse-family", self.family]
            # The simulator must not see the emulated nodes, nor need them.
            env.pop("UMOCKDEV_DIR")
            env["LD_PRELOAD"] = " ".join(p for p in env.get("LD_PRELOAD", "").split() if testbed.PRELOAD not in p)
        else:
            command = testbed.wrapped(command)
        p = subprocess.Popen(command + list(args), env=env, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                             stderr=subprocess.PIPE, text=True)

        def result():
            out, err = p.communicate(stdin, timeout=60)
            check(p.returncode == 0, "quorixctl %s%s failed (%d): %s"
                  % ("--simulate " if simulated else "", " ".join(args), p.returncode, err))
            return out, testbed.read_trace(trace)
        return result

    def compare(self, *args, stdin=None):
        """One call on both back ends: what the device received is what the
        program says it sent, and what the simulator run sends; what the
        program says it read is what the device answered."""
        start = len(self.emu.records)
        # The simulator runs on virtual time beside the real run's pauses.
        simulation = self.launch(args, stdin, simulated=True)
        out, trace = self.launch(args, stdin)()
        received = self.emu.records[start:]
        check(not any(r["foreign"] for r in received), "the foreign twin was addressed")
        _, sim_trace = simulation()
        check(wire(received, SENT), "nothing reached the device for %s" % " ".join(args))
        check_same("received and traced reports", wire(received, SENT), wire(trace, SENT))
        check_same("received and simulated reports", wire(received, SENT), wire(sim_trace, SENT))
        check_same("answered and traced replies", wire(received, ANSWERED), wire(trace, ANSWERED))
        check(not self.emu.rejects(), "the device refused: %s" % "; ".join(self.emu.rejects()))
        return out



def script_results(out):
    return [json.loads(line) for line in out.splitlines() if line.strip()]


def script(*lines):
    return "\n".join(lines) + "\n"


def byte_list(data):
    return "[" + ",".join(str(b) for b in data) + "]"


# -- the cases --------------------------------------------------------------------


def case_devices(case):
    emu = case.start()
    keyboard = emu.plug(KEYBOARD)
    mouse = emu.plug(MOUSE)
    # Plugged last, so an enumeration that let it match would take its paths.
    emu.plug(MOUSE, foreign=True)
    emu.plug(KEYBOARD, foreign=True)
    out, trace = case.launch(["devices"])()
    records = json.loads(out)
    for index, dev in ((0, keyboard), (1, mouse)):
        r = records[index]
        check(r["present"], "record %d not present" % index)
        check(r["path"] == dev.node("command").devnode,
              "record %d command path %s, expected %s" % (index, r["path"], dev.node("command").devnode))
        check(r["path2"] == dev.node("event").devnode,
              "record %d event path %s, expected %s" % (index, r["path2"], dev.node("event").devnode))
    check(not emu.records and not trace, "listing the devices sent something")


def case_keyboard(case):
    emu = case.start()
    kb = emu.plug(KEYBOARD)
    emu.plug(MOUSE)
    macro = bytes(range(1, 41))
    results = script_results(case.compare("--device", "0", "script", "-", stdin=script(
        "hid.keyboard_14H_SetLED8StageColor 3 16 32 48", "hid.hidARM_08H_SetRGBLedEffect 2 3 4 5",
        "hid.hidARM_09H_SetKeyboardMode 1", "hid.keyboard_11H_SetMacroKey 5 %s" % byte_list(macro),
        "hid.keyboardReadProfile []")))
    fw = kb.firmware
    check(fw.stage_colors.get(3) == bytes([16, 32, 48]), "stage colour 3 is %r" % fw.stage_colors.get(3))
    check(fw.led_effect == bytes([2, 3, 4, 5]) and fw.game_mode == 1, "effect or mode not set")
    check(fw.macros.get(5) == macro + bytes(192 - len(macro)), "macro 5 arrived as %r" % fw.macros.get(5))
    check(bytes(results[-1]["out"][0]) == fw.profile, "the profile read printed other bytes than the keyboard holds")


def case_keyboard_profile(case):
    emu = case.start()
    kb = emu.plug(KEYBOARD)
    case.compare("--device", "0", "apply-profile", "0")
    check(kb.firmware.key_matrix != bytes(512), "apply-profile sent no key table")


def case_mouse553(case):
    emu = case.start()
    mouse = emu.plug(MOUSE)
    fw = mouse.firmware
    options, stage, secrecy = fw.options, fw.dpi_stage, fw.secrecy
    results = script_results(case.compare("--device", "1", "script", "-", stdin=script(
        "hid.hid553_83H_GetKeyboardoption 0 0 0 0", "hid.hid553_8BH_GetCurrentDPI 0",
        "hid.hid553_00H_GetSecrecyCode 1 2 3 4", "hid.hid553_01H_SetReportRate 2",
        "hid.hid553_03H_SetKeyboardoption 1 2 3 68", "hid.hid553_04H_SetGunData 9 8 7 6",
        "hid.hid553_10H_SetLED8StageColor 2 [10,20,30,40]", "hid.hid553_11H_SetDPISet 4 [1,2,3,4,5,6,7,8]",
        "hid.hid553_12H_SetKeyMatrix %s 2" % byte_list(range(64)),
        "hid.hid553_13H_SetMacroKey 3 %s" % byte_list(range(100, 228)))))
    check(results[0]["out"] == list(options), "option read printed %s" % results[0]["out"])
    check(results[1]["out"] == [stage], "DPI read printed %s" % results[1]["out"])
    check(results[2]["out"] == list(secrecy), "secrecy code read printed %s" % results[2]["out"])
    check(fw.options == bytes([1, 2, 3, 68]) and fw.gun_data == bytes([9, 8, 7, 6]), "options or gun data not set")
    check(fw.stage_colors == bytes([10, 20, 30, 40]) and fw.dpi_table.get(4) == bytes(range(1, 9)),
          "stage colours or DPI table not set")
    check(fw.key_matrices.get(2) == bytes(range(64)) and fw.macros.get(3) == bytes(range(100, 228)),
          "key matrix or macro not set")


def case_mouse560(case):
    # Scrambled command blocks, as a device record may ask.
    case.data.set("1", "isEncode", "true")
    emu = case.start(scrambled=[MOUSE])
    mouse = emu.plug(MOUSE)
    fw = mouse.firmware
    options, profile, block2 = fw.options560, fw.current_profile, fw.profiles[2]
    results = script_results(case.compare("--device", "1", "script", "-", stdin=script(
        "hid.hid560_81H_GetKeyboardoption 0 0", "hid.hid560_82H_GetCurrentProfile 0",
        "hid.hid560_84H_GetCurrentDPI 1 0", "hid.hid560_8CH_readProfile [] 2", "hid.hid560_03H_SetReportRate 3",
        "hid.hid560_0FH_SetMacroKey 2 %s" % byte_list(range(128)))))
    check(results[0]["out"] == list(options), "option read printed %s" % results[0]["out"])
    check(results[1]["out"] == [profile], "profile read printed %s" % results[1]["out"])
    check(results[2]["out"] == [1, fw.dpi_stage], "DPI read printed %s" % results[2]["out"])
    check(bytes(results[3]["out"][0]) == block2, "profile block 2 printed other bytes than the mouse holds")
    check(fw.report_rates.get(1) == 3 and fw.macros.get(2) == bytes(range(128)), "report rate or macro not set")


def case_mouse560_profile(case):
    emu = case.start()
    mouse = emu.plug(MOUSE)
    case.compare("--device", "1", "apply-profile", "0")
    check(mouse.firmware.profiles[0] != firmware.pattern(128, 0x80), "apply-profile left profile block 0 as it was")


DPI_TEXTS = ("DPI Switch to ", "DPI switched to stage 3 ", "DPI switched to stage 7 ")


def is_out(event):
    return lambda line: line[1] == "out" and json.loads(line[2]).get("event") == event


def is_log(text):
    return lambda line: line[1] == "err" and line[2].strip().endswith(text)


def start_monitor(case):
    env = testbed.program_environment(case.emu, case.workdir)
    program = testbed.Program([case.ctl, "--data", case.data.path, "monitor"], env)
    # The pass at start-up, before any device change.
    started = program.wait_for(lambda l: is_log("Device Connect")(l) or is_log("Device DisConnect")(l), 15000)
    check(started is not None, "no detection pass at start-up:\n" + program.transcript())
    return program


def case_events(case):
    emu = case.start()
    mouse = emu.plug(MOUSE)
    program = start_monitor(case)
    try:
        check(program.wait_for(is_out("connect"), 15000) is not None, "mouse not served:\n" + program.transcript())
        t = program.now()
        for report in (firmware.dpi_report(3), bytes([0x06, 0x08, 0x00, 0x02]), bytes([0x06, 0x07]),
                       bytes([0x05, 0x07, 0x00, 0x04]), firmware.dpi_report(7)):
            emu.send_input(mouse, "event", report)
        last = program.wait_for(lambda l: is_out("dpi")(l) and json.loads(l[2])["stage"] == 7, 5000, t)
        check(last is not None, "the DPI report of stage 7 was not shown:\n" + program.transcript())
        dpi = [json.loads(l[2]) for l in program.matching(is_out("dpi"), t)]
        # The texts are the built-in ones until the screens have read the language
        # file, which may happen between the two reports.
        check([e["stage"] for e in dpi] == [3, 7] and all(e["text"] in DPI_TEXTS for e in dpi),
              "DPI events %s" % dpi)
        delivered = [r["data"] for r in emu.records if r["iface"] == "event"]
        check(len(delivered) == 5, "the reader took %d of 5 reports: %s" % (len(delivered), delivered))

        unplugged = program.now()
        emu.unplug(mouse)
        removed = program.wait_for(is_out("removed"), 3000, unplugged)
        check(removed is not None and program.matching(is_log("Device removed"), unplugged),
              "removal not noticed:\n" + program.transcript())
        passed = program.wait_for(is_log("Device DisConnect"), 6000, unplugged)
        check(passed is not None, "no pass after the removal:\n" + program.transcript())
        delay = passed[0] - unplugged
        check(CHECK_INTERVAL_MS - EARLY_MS <= delay <= CHECK_INTERVAL_MS + 1500,
              "the pass after removal came %.0f ms after the unplug" % delay)
    finally:
        program.stop()
    print("events: removal seen after %.0f ms, the next pass %.0f ms after the unplug" % (removed[0] - unplugged, delay))


def case_hotplug(case):
    emu = case.start()
    program = start_monitor(case)
    passes = lambda line: is_log("Device Connect")(line) or is_log("Device DisConnect")(line)  # noqa: E731
    try:
        quiet = program.now()
        mouse = emu.plug(MOUSE, uevents=False)
        extra = program.wait_for(passes, CHECK_INTERVAL_MS + 700, quiet)
        check(extra is None, "a plug without uevents started a pass:\n" + program.transcript())

        burst = []
        for _ in range(3):
            burst.append(program.now())
            emu.change(mouse)
            program.wait_for(lambda l: False, 250)
        served = program.wait_for(passes, CHECK_INTERVAL_MS + 3000, burst[0])
        check(served is not None and is_log("Device Connect")(served),
              "no pass served the mouse after the burst:\n" + program.transcript())
        delay = served[0] - burst[-1]
        check(CHECK_INTERVAL_MS - EARLY_MS <= delay <= CHECK_INTERVAL_MS + 1000,
              "the pass came %.0f ms after the last uevent" % delay)
        check(program.wait_for(is_out("connect"), 10000, served[0]) is not None,
              "the connect sequence did not end:\n" + program.transcript())
        # While a device is served, another device's arrival starts no pass.
        emu.plug(KEYBOARD)
        # Long enough for a timer that fires again to be caught doing so.
        program.wait_for(lambda l: False, CHECK_INTERVAL_MS + 500)
        count = len(program.matching(passes, burst[0]))
        check(count == 1, "the burst and a plug while serving gave %d passes:\n%s" % (count, program.transcript()))
    finally:
        program.stop()
    print("hotplug: one pass %.0f ms after the burst" % delay)


CASES = {
    "devices": ("553", case_devices),
    "keyboard": ("560", case_keyboard),
    "keyboard_profile": ("560", case_keyboard_profile),
    "mouse553": ("553", case_mouse553),
    "mouse560": ("560", case_mouse560),
    "mouse560_profile": ("560", case_mouse560_profile),
    "events": ("560", case_events),
    "hotplug": ("560", case_hotplug),
}


def main():
    if len(sys.argv) != 2 or sys.argv[1] not in CASES:
        print("usage: cases.py %s" % "|".join(CASES), file=sys.stderr)
        return 2
    family, body = CASES[sys.argv[1]]
    with tempfile.TemporaryDirectory(prefix="quorix-emu-") as workdir:
        case = Case(family, workdir)
        try:
            body(case)
        except Failed as e:
            print("FAIL: %s" % e, flush=True)
            return 1
        if case.emu and case.emu.faults:
            print("FAIL: the emulator itself failed: %s" % case.emu.faults, flush=True)
            return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
