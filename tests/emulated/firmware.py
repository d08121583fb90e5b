"""Firmware of the keyboard and the mouse as the device sees its command interface.

Written apart from the program's own simulator on purpose: a second reading of
the protocol catches what one reading gets wrong on both sides. Everything a
real device would refuse is kept in `rejects` instead of being acted on.
"""

from collections import deque

SCRAMBLE_TABLE = b"MxQpLzWb"
# The program's secrecy code is all zero, so the XOR step is the identity.
SECRECY_CODE = bytes(8)
SWAPS = ((0, 5), (1, 4), (2, 7), (3, 6))
MASK64 = 2**64 - 1

KEYBOARD = "keyboard"
MOUSE = "mouse"


def checksum(block):
    return ~sum(block[:7]) & 0xFF


def _offset(i):
    t = SCRAMBLE_TABLE[i]
    return ((t << 4) | (t >> 4)) & 0xFF


def _swap_and_xor(b, code):
    for x, y in SWAPS:
        b[x], b[y] = b[y], b[x]
    for i in range(1, 7):
        b[i] ^= code[i]


def scramble(block, code=SECRECY_CODE):
    b = bytearray(block)
    _swap_and_xor(b, code)
    word = int.from_bytes(b, "big")
    b = ((word << 3) | (word >> 61)) & MASK64
    return bytes((x + _offset(i)) & 0xFF for i, x in enumerate(b.to_bytes(8, "big")))


def unscramble(block, code=SECRECY_CODE):
    word = int.from_bytes(bytes((block[i] - _offset(i)) & 0xFF for i in range(8)), "big")
    b = bytearray((((word >> 3) | (word << 61)) & MASK64).to_bytes(8, "big"))
    for i in range(1, 7):
        b[i] ^= code[i]
    for x, y in SWAPS:
        b[x], b[y] = b[y], b[x]
    return bytes(b)


def pattern(length, seed):
    """Recognisable memory contents, so a read shows whose data it printed."""
    return bytes((seed + 7 * i) & 0xFF for i in range(length))


def dpi_report(stage):
    """The event interface's report for a DPI stage change made on the mouse."""
    return bytes([0x06, 0x07, 0x00, stage])


class Firmware:
    """The command interface of one device: feature, output and input reports."""

    def __init__(self, report_length, scrambled):
        self.report_length = report_length
        self.scrambled = scrambled
        self.rejects = []
        self._reply = None
        self._train = None  # (command block, bytes expected, bytes so far)
        self._input = deque()

    def feature(self, report):
        if len(report) != 9 or report[0] != 0x00:
            return self._reject("command report of %d bytes with report ID %02x" % (len(report), report[0] if report else 0))
        block = unscramble(report[1:9]) if self.scrambled else bytes(report[1:9])
        if checksum(block) != block[7]:
            return self._reject("bad checksum in %s" % block.hex(" "))
        if self._train is not None:
            c, expected, got = self._train
            self._reject("opcode %02x cut short the payload of %02x (%d of %d bytes)" % (block[0], c[0], len(got), expected))
            self._train = None
        self._reply = None
        handler = self.handlers().get(block[0])
        if handler is None:
            return self._reject("unknown opcode %02x" % block[0])
        handler(block)

    def get_feature(self, length, report_id):
        if length != 9 or report_id != 0x00:
            self._reject("reply read of %d bytes with report ID %02x" % (length, report_id))
        if self._reply is None:
            self._reject("reply read with no command that answers")
            return bytes(length)
        (block, plain), self._reply = self._reply, None
        if self.scrambled and not plain:
            block = scramble(block)
        return (b"\x00" + block + bytes(max(0, length - 9)))[:length]

    def output(self, report):
        if len(report) != self.report_length + 1 or report[0] != 0x00:
            return self._reject("output report of %d bytes with report ID %02x" % (len(report), report[0] if report else 0))
        if self._train is None:
            return self._reject("output report with no payload announced")
        c, expected, got = self._train
        got += report[1:]
        if len(got) >= expected:
            self._train = None
            self.payload(c, bytes(got[:expected]))

    def take_input(self):
        return self._input.popleft() if self._input else None

    def _reject(self, why):
        self.rejects.append(why)

    def _reply_with(self, block, *values, plain=False):
        self._reply = ((bytes([block[0], *values]) + bytes(8))[:8], plain)

    def _expect(self, block, nbytes, ok=True, why=""):
        if self._check(ok, why):
            self._train = (block, nbytes, bytearray())

    def _queue_input(self, data):
        n = self.report_length
        self._input.extend(data[offset:offset + n] for offset in range(0, len(data), n))

    def _check(self, ok, why):
        if not ok:
            self._reject(why)
        return ok


class KeyboardFirmware(Firmware):
    def __init__(self, scrambled=False):
        super().__init__(64, scrambled)
        self.key_matrix = bytes(512)
        self.pictures = {}
        self.macros = {}
        self.stage_colors = {}
        self.led_effect = None
        self.game_mode = None
        self.profile = pattern(512, 0x30)

    def handlers(self):
        return {
            0x0D: lambda c: self._train_of_reports(c, 8),
            0x11: lambda c: self._train_of_reports(c, 3),
            0x12: lambda c: self._train_of_reports(c, 8),
            0x14: self._stage_color,
            0x8D: lambda c: (self._reply_with(c, plain=True), self._queue_input(self.profile)),
            0x08: lambda c: setattr(self, "led_effect", bytes(c[2:6])),
            0x09: lambda c: setattr(self, "game_mode", c[1]),
        }

    def _train_of_reports(self, c, reports):
        # c3 counts the 64-byte reports that follow; c1 is unused by these commands.
        self._expect(c, reports * 64, c[3] == reports and c[1] == 0,
                     "opcode %02x announces %d reports (c1 %02x)" % (c[0], c[3], c[1]))

    def _stage_color(self, c):
        if self._check(c[2] <= 6, "stage colour index %d" % c[2]):
            self.stage_colors[c[2]] = bytes(c[3:6])

    def payload(self, c, data):
        target = {0x0D: None, 0x11: self.macros, 0x12: self.pictures}[c[0]]
        if target is None:
            self.key_matrix = data
        else:
            target[c[2]] = data


class MouseFirmware(Firmware):
    def __init__(self, family="553", scrambled=False):
        super().__init__(32, scrambled)
        self.family = family
        self.options = bytes([0x11, 0x22, 0x33, 0x04])
        self.options560 = bytes([0x51, 0x62])
        self.secrecy = bytes([0x41, 0x82, 0x63, 0x00])
        self.report_rate = None
        self.report_rates = {}
        self.dpi_stage = 3
        self.current_profile = 2
        self.gun_data = None
        self.stage_colors = None
        self.dpi_table = {}
        self.key_matrices = {}
        self.macros = {}
        self.profiles = [pattern(128, 0x80 + 16 * n) for n in range(5)]

    def handlers(self):
        if self.family == "560":
            return {
                0x01: lambda c: setattr(self, "options560", bytes(c[1:3])),
                0x02: self._profile_set,
                0x03: self._indexed_rate,
                0x0C: lambda c: self._block_train(c, c[1] <= 4, "profile block %d" % c[1]),
                0x0D: lambda c: self._block_train(c, 1 <= c[1] <= 4, "key matrix %d" % c[1]),
                0x0F: lambda c: self._block_train(c, c[1] >= 1, "macro %d" % c[1]),
                0x81: lambda c: self._reply_with(c, *self.options560),
                0x82: lambda c: self._reply_with(c, self.current_profile),
                0x84: lambda c: self._reply_with(c, c[1], self.dpi_stage),
                0x8C: self._read_profile,
            }
        return {
            0x00: lambda c: self._reply_with(c, *self.secrecy),
            0x01: lambda c: setattr(self, "report_rate", c[1]),
            0x03: lambda c: setattr(self, "options", bytes(c[1:5])),
            0x04: self._gun,
            0x10: lambda c: self._sized_train(c, 4 if c[1] == 2 else 24),
            0x11: lambda c: self._sized_train(c, 8),
            0x12: lambda c: self._expect(c, 64, c[2] == 0x40 and c[3] == 0x08,
                                         "key matrix announced as %02x %02x" % (c[2], c[3])),
            0x13: lambda c: self._sized_train(c, 128),
            0x83: lambda c: self._reply_with(c, *self.options),
            0x8B: lambda c: self._reply_with(c, self.dpi_stage),
        }

    def _gun(self, c):
        if self._check(c[1] == 0, "gun data with c1 %02x" % c[1]):
            self.gun_data = bytes(c[2:6])

    def _sized_train(self, c, n):
        self._expect(c, n, c[2] == n, "opcode %02x announces %d bytes, not %d" % (c[0], c[2], n))

    def _profile_set(self, c):
        if self._check(c[1] <= 4, "current profile %d" % c[1]):
            self.current_profile = c[1]

    def _indexed_rate(self, c):
        if self._check(1 <= c[1] <= 4, "report rate index %d" % c[1]):
            self.report_rates[c[1]] = c[2]

    def _block_train(self, c, ok, what):
        self._expect(c, 128, ok and c[2] == 0x80, "opcode %02x: %s announcing %d bytes" % (c[0], what, c[2]))

    def _read_profile(self, c):
        if self._check(c[1] <= 4, "profile block %d" % c[1]):
            self._reply_with(c, plain=True)
            self._queue_input(self.profiles[c[1]])

    def payload(self, c, data):
        if self.family == "560":
            target = {0x0C: self.profiles, 0x0D: self.key_matrices, 0x0F: self.macros}[c[0]]
        elif c[0] == 0x10:
            self.stage_colors = data
            return
        else:
            target = {0x11: self.dpi_table, 0x12: self.key_matrices, 0x13: self.macros}[c[0]]
        target[c[1]] = data
