"""The keyboard and the mouse as hidraw nodes in a umockdev testbed.

Each device is a USB device with three HID interfaces: a boot interface the
program must leave alone, the command interface and the event interface, each
with its own hidraw node and report descriptor. An unmodified process started
under umockdev-wrapper with this testbed's UMOCKDEV_DIR sees them through
hidapi-hidraw and libudev as it would see the real devices.

This process must itself run under umockdev-wrapper, or its uevents fail.
"""

import contextlib
import errno
import itertools
import os
import sys
import termios
import threading
import tty

import gi

gi.require_version("UMockdev", "1.0")
from gi.repository import GLib, UMockdev  # noqa: E402

import firmware  # noqa: E402

VENDOR = 0x04D9
FOREIGN_VENDOR = 0x5A5A
PRODUCTS = {firmware.KEYBOARD: 0x8008, firmware.MOUSE: 0xA1EE}
BUS_USB = 0x03

# Usage pairs of each interface as the factory device list names them, and report sizes.
USAGES = {firmware.KEYBOARD: {"boot": (0x0001, 0x0006), "command": (0xFF01, 0x0001), "event": (0xFF02, 0x0001)},
          firmware.MOUSE: {"boot": (0x0001, 0x0002), "command": (0xFF00, 0xFF00), "event": (0xFF01, 0xFF01)}}
REPORT_LENGTH = {firmware.KEYBOARD: 64, firmware.MOUSE: 32, "event": 4}
HIDRAW_MAJOR = 241
BUS_USB = 0x03


def _ioc_read(nr, size):
    return (2 << 30) | (size << 16) | (ord("H") << 8) | nr


HIDIOCGRDESCSIZE = _ioc_read(0x01, 4)
HIDIOCGRDESC = _ioc_read(0x02, 4 + 4096)
HIDIOCGRAWINFO = _ioc_read(0x03, 8)
NR_SFEATURE, NR_GFEATURE = 0x06, 0x07


def descriptor(kind, iface):
    """The command interface: 8-byte feature reports, N-byte input and output
    reports; the event interface: input reports only; the boot interface: a
    standard keyboard or mouse, shortened to what identifies it."""
    page, usage = USAGES[kind][iface]
    d = bytearray([0x05, page] if page <= 0xFF else [0x06, page & 0xFF, page >> 8])
    d += bytes([0x09, usage] if usage <= 0xFF else [0x0A, usage & 0xFF, usage >> 8])
    if iface == "boot":
        return bytes(d + bytes([0xA1, 0x01, 0x05, 0x09, 0x19, 0x01, 0x29, 0x03, 0x15, 0x00, 0x25, 0x01, 0x95, 0x03,
                                0x75, 0x01, 0x81, 0x02, 0x95, 0x01, 0x75, 0x05, 0x81, 0x03, 0xC0]))
    n = REPORT_LENGTH[kind if iface == "command" else "event"]
    d += bytes([0xA1, 0x01, 0x15, 0x00, 0x26, 0xFF, 0x00, 0x75, 0x08])
    if iface == "command":
        d += bytes([0x95, 0x08, 0x09, 0x01, 0xB1, 0x02, 0x95, n, 0x09, 0x01, 0x91, 0x02])
    return bytes(d + bytes([0x95, n, 0x09, 0x01, 0x81, 0x02, 0xC0]))


class Node:
    """One hidraw node: its interface, its firmware and the pty behind it."""

    def __init__(self, device, iface, number, descriptor):
        self.device = device
        self.iface = iface
        self.number = number
        self.devnode = "/dev/hidraw%d" % number
        self.descriptor = descriptor
        self.syspath = None
        self.master = -1
        self.gone = False
        self.pending = []
        self.in_flight = None
        self.lock = threading.Lock()
        self.handler = None


class Device:
    """One plugged USB device and its three nodes."""

    def __init__(self, kind, vendor, port, fw):
        self.kind = kind
        self.vendor = vendor
        self.product = PRODUCTS[kind]
        self.port = port
        self.firmware = fw
        self.nodes = []
        self.syspaths = []

    @property
    def foreign(self):
        return self.vendor != VENDOR

    def node(self, iface):
        return next(n for n in self.nodes if n.iface == iface)


class HidrawHandler(UMockdev.IoctlBase):
    """Answers the program's ioctl, read and write calls on one node."""

    def __init__(self, emulator, node):
        super().__init__()
        self.emulator = emulator
        self.node = node

    def _answer(self, client, call):
        try:
            result, err = call()
        except Exception as e:  # a fault here must not hang the program
            self.emulator._fault(e)
            result, err = -1, errno.EIO
        client.complete(result, err)
        return True

    def do_handle_ioctl(self, client):
        return self._answer(client, lambda: self.emulator._ioctl(self.node, client))

    def do_handle_write(self, client):
        return self._answer(client, lambda: self.emulator._write(self.node, bytes(client.get_arg().retrieve())))

    def do_handle_read(self, client):
        return self._answer(client, lambda: self.emulator._read(self.node, client))


class Emulator:
    """A testbed holding any number of emulated keyboards and mice."""

    def __init__(self, family="553", scrambled=()):
        self.family = family
        self.scrambled = set(scrambled)
        self.testbed = UMockdev.Testbed.new()
        self.root = self.testbed.get_root_dir()
        self.records = []
        self.faults = []
        self.devices = []
        self.unplugged = []
        self._numbers = itertools.count(0)
        self._ports = itertools.count(1)
        self._hid_ids = itertools.count(1)
        self._lock = threading.Lock()
        self._loop = GLib.MainLoop()
        self._loop_thread = threading.Thread(target=self._loop.run, daemon=True)
        self._loop_thread.start()

    def environment(self):
        """What a program needs in its environment to see this testbed."""
        return {"UMOCKDEV_DIR": self.root}

    # -- plugging ---------------------------------------------------------------

    def plug(self, kind, uevents=True, foreign=False):
        vendor = FOREIGN_VENDOR if foreign else VENDOR
        scrambled = kind in self.scrambled
        fw = firmware.KeyboardFirmware(scrambled) if kind == firmware.KEYBOARD \
            else firmware.MouseFirmware(self.family, scrambled)
        dev = Device(kind, vendor, next(self._ports), fw)
        for iface in ("boot", "command", "event"):
            dev.nodes.append(Node(dev, iface, next(self._numbers), descriptor(kind, iface)))
        self._add_to_testbed(dev)
        for node in dev.nodes:
            self._attach(node)
        self.devices.append(dev)
        if uevents:
            for path in dev.syspaths + [node.syspath for node in dev.nodes]:
                self.testbed.uevent(path, "add")
        return dev

    def _add_to_testbed(self, dev):
        usb = "/devices/pci0000:00/0000:00:14.0/usb1/1-%d" % dev.port
        text = ("P: %s\nE: SUBSYSTEM=usb\nE: DEVTYPE=usb_device\nE: PRODUCT=%x/%x/100\n"
                "A: idVendor=%04x\nA: idProduct=%04x\nA: bcdDevice=0100\nA: manufacturer=Quorix\n"
                "A: product=Quorix %s\nA: busnum=1\nA: devnum=%d\n\n"
                % (usb, dev.vendor, dev.product, dev.vendor, dev.product, dev.kind, dev.port))
        dev.syspaths.append("/sys" + usb)
        for i, node in enumerate(dev.nodes):
            intf = "%s/1-%d:1.%d" % (usb, dev.port, i)
            hid = "%s/0003:%04X:%04X.%04X" % (intf, dev.vendor, dev.product, next(self._hid_ids))
            raw = "%s/hidraw/hidraw%d" % (hid, node.number)
            text += ("P: %s\nE: SUBSYSTEM=usb\nE: DEVTYPE=usb_interface\nE: INTERFACE=3/%d/%d\n"
                     "A: bInterfaceNumber=%02x\nA: bInterfaceClass=03\n\n"
                     % (intf, 1 if node.iface == "boot" else 0, 1 if node.iface == "boot" else 0, i))
            text += ("P: %s\nE: SUBSYSTEM=hid\nE: HID_ID=%04X:%08X:%08X\nE: HID_NAME=Quorix %s\n"
                     "E: HID_PHYS=usb-0000:00:14.0-%d/input%d\nE: HID_UNIQ=\nH: report_descriptor=%s\n\n"
                     % (hid, BUS_USB, dev.vendor, dev.product, dev.kind, dev.port, i, node.descriptor.hex().upper()))
            text += ("P: %s\nE: SUBSYSTEM=hidraw\nE: DEVNAME=/dev/hidraw%d\nA: dev=%d:%d\nN: hidraw%d\n\n"
                     % (raw, node.number, HIDRAW_MAJOR, node.number, node.number))
            dev.syspaths += ["/sys" + intf, "/sys" + hid]
            node.syspath = "/sys" + raw
        # Under the wrapper an added device announces itself, but only through
        # a sender set up on the first add; holding that back always and
        # announcing explicitly makes every plug behave the same.
        with self._held_back_uevents():
            self.testbed.add_from_string(text)
        for node in dev.nodes:
            # hidapi finds the report descriptor through this link, which
            # add_from_string does not make.
            self.testbed.set_attribute_link(node.syspath, "device", "../..")

    def _attach(self, node):
        node.master = self.testbed.get_dev_fd(node.devnode)
        if node.master >= 0:
            # Reports are binary: no echo, no line editing, no signals.
            tty.setraw(node.master, termios.TCSANOW)
        node.handler = HidrawHandler(self, node)
        self.testbed.attach_ioctl(node.devnode, node.handler)

    def _forget_ptys(self, dev):
        # umockdev maps each pty back to its node by the pty's name; a closed
        # pty's name comes back with the next node, and a stale entry for it
        # makes the next plug assert.
        ptymap = os.path.join(self.root, "dev", ".ptymap")
        ours = {"%d:%d" % (HIDRAW_MAJOR, node.number) for node in dev.nodes}
        for name in os.listdir(ptymap) if os.path.isdir(ptymap) else []:
            entry = os.path.join(ptymap, name)
            if os.path.islink(entry) and os.readlink(entry) in ours:
                os.unlink(entry)

    def unplug(self, dev):
        """Pull the cable: the nodes fail every call and the ptys hang up."""
        for path in [node.syspath for node in dev.nodes] + dev.syspaths[:1]:
            self.testbed.uevent(path, "remove")
        for node in dev.nodes:
            with node.lock:
                node.gone = True
                node.pending.clear()
                node.in_flight = None
                # Handlers stay attached: detaching one under an open node
                # aborts the program. Closing the pty makes poll() hang up.
                if node.master >= 0:
                    os.close(node.master)
                    node.master = -1
        with self._held_back_uevents():
            for node in dev.nodes:
                self.testbed.remove_device(node.syspath)
            for path in reversed(dev.syspaths):
                self.testbed.remove_device(path)
        self._forget_ptys(dev)
        self.devices.remove(dev)
        self.unplugged.append(dev)

    def change(self, dev):
        """A "change" uevent on every node, as a firmware or driver update gives."""
        for node in dev.nodes:
            self.testbed.uevent(node.syspath, "change")

    @contextlib.contextmanager
    def _held_back_uevents(self):
        GLib.unsetenv("UMOCKDEV_DIR")
        try:
            yield
        finally:
            GLib.setenv("UMOCKDEV_DIR", self.root, True)

    # -- input reports ----------------------------------------------------------

    def send_input(self, dev, iface, report):
        node = dev.node(iface)
        with node.lock:
            node.pending.append(bytes(report))
            self._feed(node)

    def _feed(self, node):
        # One report in flight: reports written together run into one read.
        if node.in_flight is not None or node.master < 0 or node.gone:
            return
        if node.pending:
            node.in_flight = node.pending.pop(0)
        elif node.iface == "command":
            node.in_flight = node.device.firmware.take_input()
        if node.in_flight is not None:
            os.write(node.master, node.in_flight)

    # -- calls from the program -------------------------------------------------

    def _record(self, node, op, data):
        with self._lock:
            self.records.append({"dev": node.device.kind, "iface": node.iface, "op": op,
                                 "data": " ".join("%02x" % b for b in data),
                                 "foreign": node.device.foreign})

    def _reject(self, node, why):
        node.device.firmware.rejects.append("%s interface: %s" % (node.iface, why))

    def _fault(self, e):
        self.faults.append(repr(e))
        print("emulator fault: %r" % (e,), file=sys.stderr)

    def _ioctl(self, node, client):
        if node.gone:
            return -1, errno.ENODEV
        request = client.get_request()
        arg = client.get_arg()
        nr, size = request & 0xFF, (request >> 16) & 0x3FFF
        size_le = len(node.descriptor).to_bytes(4, "little")
        info = {
            HIDIOCGRDESCSIZE: size_le,
            HIDIOCGRDESC: size_le + node.descriptor,
            HIDIOCGRAWINFO: BUS_USB.to_bytes(4, "little") + node.device.vendor.to_bytes(2, "little")
            + node.device.product.to_bytes(2, "little"),
        }.get(request)
        if info is not None:
            arg.resolve(0, len(info) if request != HIDIOCGRDESC else size).update(0, info)
            return 0, 0
        if (request >> 8) & 0xFF != ord("H") or nr not in (NR_SFEATURE, NR_GFEATURE):
            return -1, errno.ENOTTY
        buf = arg.resolve(0, size)
        data = bytes(buf.retrieve())
        if nr == NR_SFEATURE:
            self._record(node, "send-feature", data)
            if not self._addressable(node, "feature report"):
                return -1, errno.EPIPE
            with node.lock:
                node.device.firmware.feature(data)
                self._feed(node)
            return size, 0
        if not self._addressable(node, "reply read"):
            return -1, errno.EPIPE
        reply = node.device.firmware.get_feature(size, data[0] if data else 0)
        buf.update(0, reply)
        self._record(node, "get-feature", reply)
        return len(reply), 0

    def _addressable(self, node, what):
        if node.device.foreign:
            self._reject(node, "%s to the foreign twin" % what)
            return False
        if node.iface != "command":
            self._reject(node, "%s to the %s interface" % (what, node.iface))
            return False
        return True

    def _write(self, node, data):
        if node.gone:
            return -1, errno.ENODEV
        self._record(node, "write", data)
        if not self._addressable(node, "output report"):
            return -1, errno.EPIPE
        with node.lock:
            node.device.firmware.output(data)
        return len(data), 0

    def _read(self, node, client):
        with node.lock:
            if node.gone:
                return -1, errno.EIO
            report = node.in_flight
        if report is None:
            return -1, errno.EAGAIN
        # The report sits in the pty; let the program's own read take it.
        result, err = client.execute()
        with node.lock:
            node.in_flight = None
            self._feed(node)
        if result > 0:
            self._record(node, "read", report[:result])
        return result, err

    # -- results ----------------------------------------------------------------

    def rejects(self):
        out = []
        for dev in self.devices + self.unplugged:
            out += ["%s: %s" % (dev.kind, r) for r in dev.firmware.rejects]
        return out
