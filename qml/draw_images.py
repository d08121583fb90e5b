"""Draws the screens' images as SVG into the resource tree beside this script.

Run it after changing a drawing; the SVG files it writes are kept in the tree.
"""
import os

ROOT = os.path.dirname(os.path.abspath(__file__))
SK = ROOT + "/index/modules/img/skin1"
PLAIN = ROOT + "/modules/img"
ORANGE = "#fb637e"; GREY = "#969696"; LIGHT = "#d1d1d1"; DARK = "#1a1a1a"; PANEL = "#3b3b40"; BTN = "#29292d"; G1 = "#3c3c3c"

def svg(path, w, h, body):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w") as f:
        f.write('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">\n%s\n</svg>\n' % (w, h, w, h, body))

def sk(group, name, w, h, body): svg("%s/%s/%s.svg" % (SK, group, name), w, h, body)

# Title bar buttons
for name, col in (("", GREY), ("H", ORANGE)):
    sk("index", "minBtn" + name, 20, 20, '<rect x="4" y="13" width="12" height="2" rx="1" fill="%s"/>' % col)
    sk("index", "closeBtn" + name, 20, 20,
       '<path d="M5 5 L15 15 M15 5 L5 15" stroke="%s" stroke-width="2" stroke-linecap="round"/>' % col)
    sk("index", "ask" + name, 20, 20,
       '<circle cx="10" cy="10" r="8" fill="none" stroke="%s" stroke-width="1.6"/>'
       '<path d="M7.5 7.5 Q7.5 5 10 5 Q12.5 5 12.5 7.5 Q12.5 9 10 10.2 L10 12" fill="none" stroke="%s" stroke-width="1.6" stroke-linecap="round"/>'
       '<circle cx="10" cy="14.6" r="1.1" fill="%s"/>' % (col, col, col))
    sk("index", "sureBtn" + name, 16, 16,
       '<path d="M3 8.5 L6.5 12 L13 4.5" fill="none" stroke="%s" stroke-width="2" stroke-linecap="round" stroke-linejoin="round"/>' % col)
    sk("index", "back" + name, 16, 16,
       '<path d="M12.5 8 A4.5 4.5 0 1 1 8 3.5" fill="none" stroke="%s" stroke-width="1.6" stroke-linecap="round"/>'
       '<path d="M6 1 L9 3.5 L6 6" fill="none" stroke="%s" stroke-width="1.6" stroke-linecap="round" stroke-linejoin="round"/>' % (col, col))

# Start-up image: power ring with the product's stripe mark.
sk("index", "powerOn", 240, 240,
   '<defs><linearGradient id="g" x1="0" y1="0" x2="1" y2="1"><stop offset="0" stop-color="#ff8aa0"/><stop offset="1" stop-color="%s"/></linearGradient></defs>'
   '<rect x="0" y="0" width="240" height="240" rx="16" fill="#1f1f23" stroke="%s"/>'
   '<circle cx="120" cy="58" r="42" fill="none" stroke="%s" stroke-width="4"/>'
   '<path d="M102 38 A27 27 0 1 0 138 38" fill="none" stroke="url(#g)" stroke-width="6" stroke-linecap="round"/>'
   '<rect x="116.5" y="26" width="7" height="32" rx="3.5" fill="url(#g)"/>'
   '<rect x="40" y="196" width="160" height="3" rx="1.5" fill="%s"/>'
   '<rect x="70" y="206" width="100" height="3" rx="1.5" fill="%s" opacity="0.6"/>' % (ORANGE, PANEL, G1, ORANGE, ORANGE))

sk("index", "slide", 9, 9, '<circle cx="4.5" cy="4.5" r="4.2" fill="#ffffff"/><circle cx="4.5" cy="4.5" r="1.6" fill="%s"/>' % ORANGE)
ticks = "".join('<rect x="%.2f" y="0" width="1" height="%d" fill="%s"/>' % (2 + i * 20.4, 6 if i % 5 == 0 else 4, GREY) for i in range(11))
sk("index", "scale", 208, 6, ticks)
sk("index", "radioBtn", 10, 10, '<circle cx="5" cy="5" r="4.5" fill="%s"/>' % LIGHT)
sk("index", "radioBtnS", 10, 10, '<circle cx="5" cy="5" r="4.5" fill="%s"/><circle cx="5" cy="5" r="3" fill="%s"/>' % (LIGHT, ORANGE))
sk("index", "checkBtn", 10, 10,
   '<path d="M1.5 5.2 L4 7.8 L8.6 2.2" fill="none" stroke="%s" stroke-width="1.8" stroke-linecap="round" stroke-linejoin="round"/>' % ORANGE)
sk("index", "dropBtn", 10, 6, '<path d="M0.5 0.5 L9.5 0.5 L5 5.5 Z" fill="%s"/>' % GREY)
sk("index", "dropBtnU", 10, 6, '<path d="M0.5 5.5 L9.5 5.5 L5 0.5 Z" fill="%s"/>' % ORANGE)
sk("index", "keySettingBk", 720, 303,
   '<rect x="0.5" y="0.5" width="719" height="302" rx="4" fill="%s" stroke="%s"/>'
   '<rect x="0.5" y="0.5" width="719" height="4" rx="2" fill="%s" opacity="0.8"/>' % (PANEL, G1, ORANGE))
for i in range(1, 5):
    sk("index", "M%d" % i, 24, 24,
       '<rect x="1" y="1" width="22" height="22" rx="4" fill="%s" stroke="%s"/>'
       '<path d="M6 17 L6 7 L9 12 L12 7 L12 17" fill="none" stroke="#ffffff" stroke-width="1.6" stroke-linejoin="round"/>'
       '%s' % (BTN, ORANGE, "".join('<rect x="15" y="%d" width="4" height="2" fill="%s"/>' % (17 - 3 * k, ORANGE) for k in range(i))))

# Mouse, top view, 240 x 380: body, two main buttons, wheel, two DPI buttons
# and three buttons on the left flank.
body = ('<path d="M120 6 C60 6 22 50 20 140 C18 230 26 330 70 364 C95 380 145 380 170 364 C214 330 222 230 220 140 C218 50 180 6 120 6 Z" fill="#26262a" stroke="#55555c" stroke-width="2"/>'
        '<path d="M116 10 C66 12 30 52 28 138 L116 138 Z" fill="#303036" stroke="#4a4a50"/>'
        '<path d="M124 10 C174 12 210 52 212 138 L124 138 Z" fill="#303036" stroke="#4a4a50"/>'
        '<rect x="112" y="32" width="16" height="44" rx="8" fill="#444449" stroke="#6a6a70"/>'
        '<rect x="116" y="38" width="8" height="32" rx="4" fill="%s" opacity="0.7"/>'
        '<rect x="121" y="186" width="20" height="22" rx="4" fill="#3a3a3f" stroke="#6a6a70"/>'
        '<rect x="121" y="226" width="20" height="22" rx="4" fill="#3a3a3f" stroke="#6a6a70"/>'
        '<rect x="22" y="118" width="14" height="28" rx="4" fill="#3a3a3f" stroke="#6a6a70"/>'
        '<rect x="22" y="204" width="14" height="34" rx="4" fill="#3a3a3f" stroke="#6a6a70"/>'
        '<rect x="22" y="262" width="14" height="34" rx="4" fill="#3a3a3f" stroke="#6a6a70"/>'
        '<path d="M60 330 Q120 352 180 330" fill="none" stroke="%s" stroke-width="3" stroke-linecap="round" opacity="0.8"/>') % (ORANGE, ORANGE)
sk("mouse", "MouseFront", 240, 380, body)
side = ('<path d="M10 120 C20 60 80 30 170 28 C250 28 300 60 310 110 C314 130 300 140 280 140 L30 140 C14 140 8 132 10 120 Z" fill="#26262a" stroke="#55555c" stroke-width="2"/>'
        '<rect x="120" y="70" width="40" height="14" rx="5" fill="#3a3a3f" stroke="#6a6a70"/>'
        '<rect x="168" y="70" width="40" height="14" rx="5" fill="#3a3a3f" stroke="#6a6a70"/>'
        '<path d="M40 120 L280 120" stroke="%s" stroke-width="2" opacity="0.7"/>') % ORANGE
sk("mouse", "MouseSide", 320, 160, side)

def leader(right_ring, w=72, h=24, col=GREY):
    if right_ring:
        return ('<path d="M0 12 L56 12" stroke="%s" stroke-width="1.5"/>'
                '<circle cx="64" cy="12" r="6.5" fill="none" stroke="%s" stroke-width="2"/>'
                '<circle cx="64" cy="12" r="2.5" fill="%s"/>' % (col, col, col))
    return ('<path d="M16 12 L72 12" stroke="%s" stroke-width="1.5"/>'
            '<circle cx="8" cy="12" r="6.5" fill="none" stroke="%s" stroke-width="2"/>'
            '<circle cx="8" cy="12" r="2.5" fill="%s"/>' % (col, col, col))
for i in range(8):
    for suffix, col in (("", GREY), ("S", ORANGE)):
        if i == 2:
            sk("mouse", "Mouse2" + suffix, 48, 56,
               '<path d="M48 1 L30 1 L12 36" fill="none" stroke="%s" stroke-width="1.5"/>'
               '<circle cx="8" cy="44" r="6.5" fill="none" stroke="%s" stroke-width="2"/>'
               '<circle cx="8" cy="44" r="2.5" fill="%s"/>' % (col, col, col))
        else:
            sk("mouse", "Mouse%d%s" % (i, suffix), 72, 24, leader(i in (0, 3, 4, 7), col=col))
        sk("mouse", "MouseSide%d%s" % (i, suffix), 40, 16,
           '<rect x="1" y="1" width="38" height="14" rx="5" fill="%s" stroke="%s"/>' % (BTN if suffix == "" else ORANGE, col))
sk("mouse", "mouseSidebtnN", 48, 24, '<rect x="1" y="1" width="46" height="22" rx="4" fill="%s" stroke="%s"/>' % (PANEL, GREY))
sk("mouse", "mouseSidebtnS", 48, 24, '<rect x="1" y="1" width="46" height="22" rx="4" fill="%s" stroke="#ffffff"/>' % ORANGE)

# Lighting
bulb = '<circle cx="12" cy="10" r="6" fill="none" stroke="%s" stroke-width="1.8"/><rect x="9" y="17" width="6" height="4" rx="1" fill="%s"/>'
sk("lightControl", "lightControlBtn", 24, 24, bulb % (LIGHT, LIGHT))
sk("lightControl", "lightControlBtn0", 24, 24, bulb % (GREY, GREY))
sk("lightControl", "lightControlBtn1", 24, 24, bulb % (ORANGE, ORANGE))
for i, n in enumerate((3, 5, 7)):
    bars = "".join('<rect x="%d" y="%d" width="4" height="%d" rx="1" fill="%s"/>' % (2 + 6 * k, 14 - 2 * k, 2 + 2 * k, ORANGE if k < n else G1) for k in range(7))
    sk("lightControl", "lightControlTxt%d" % i, 44, 16, bars)
stops = "".join('<stop offset="%.3f" stop-color="%s"/>' % (k / 6, c) for k, c in enumerate(["#ff0000", "#ffff00", "#00ff00", "#00ffff", "#0000ff", "#ff00ff", "#ff0000"]))
sk("lightControl", "colorBar", 185, 12, '<defs><linearGradient id="h" x1="0" y1="0" x2="1" y2="0">%s</linearGradient></defs><rect x="0" y="0" width="185" height="12" rx="3" fill="url(#h)"/>' % stops)
five = "".join('<rect x="%.2f" y="0" width="1.4" height="6" fill="%s"/>' % (2 + k * 50.75, GREY) for k in range(5))
sk("lightControl", "speedScale", 208, 6, five)
sk("keyboard", "kbKeySpeedScale", 208, 6, five)

# Macro action icons
sk("macros", "macroKeyDelay", 16, 16, '<circle cx="8" cy="8" r="6.5" fill="none" stroke="%s" stroke-width="1.5"/><path d="M8 4 L8 8 L11 10" fill="none" stroke="%s" stroke-width="1.5" stroke-linecap="round"/>' % (LIGHT, LIGHT))
key = '<rect x="1.5" y="3.5" width="13" height="11" rx="2" fill="none" stroke="%s" stroke-width="1.4"/>'
sk("macros", "macroKeyPress", 16, 16, key % LIGHT + '<path d="M8 5 L8 11 M5.5 8.5 L8 11 L10.5 8.5" fill="none" stroke="%s" stroke-width="1.5" stroke-linecap="round"/>' % ORANGE)
sk("macros", "macroKeyRelease", 16, 16, key % LIGHT + '<path d="M8 12 L8 6 M5.5 8.5 L8 6 L10.5 8.5" fill="none" stroke="%s" stroke-width="1.5" stroke-linecap="round"/>' % "#5fd38d")
mouse_icon = '<rect x="3.5" y="1.5" width="9" height="13" rx="4.5" fill="none" stroke="%s" stroke-width="1.4"/><path d="M8 1.5 L8 6" stroke="%s" stroke-width="1.2"/>'
sk("macros", "macroMousePress", 16, 16, mouse_icon % (LIGHT, LIGHT) + '<path d="M4 6 L8 6 L8 1.8 Q4 2 4 6 Z" fill="%s"/>' % ORANGE)
sk("macros", "macroMouseRelease", 16, 16, mouse_icon % (LIGHT, LIGHT) + '<path d="M4 6 L8 6 L8 1.8 Q4 2 4 6 Z" fill="%s"/>' % "#5fd38d")
sk("macros", "macroMenuBG", 160, 150, '<rect x="0.5" y="0.5" width="159" height="149" rx="3" fill="%s" stroke="%s"/>' % (DARK, G1))

# Guns: side silhouettes, 160 x 64, each with its own outline.
def gun(barrel, stock, mag, grip, extra=""):
    return ('<g fill="#b9b9c0" stroke="#55555c" stroke-width="1">'
            '<rect x="%d" y="22" width="%d" height="5" rx="1"/>'  # barrel
            '<path d="M40 18 L120 18 L122 32 L40 32 Z"/>'          # receiver
            '%s%s'
            '<path d="M92 32 L100 32 L96 48 L88 48 Z"/>'           # grip
            '%s</g>'
            '<rect x="44" y="14" width="28" height="4" rx="1" fill="%s"/>') % (120, barrel, stock, mag, extra, ORANGE)
guns = {
    "M416": gun(34, '<path d="M4 20 L40 20 L40 30 L10 34 L4 30 Z"/>', '<path d="M70 32 L80 32 L84 54 L74 55 Z"/>', None),
    "AKM": gun(32, '<path d="M2 24 L40 20 L40 30 L6 38 Z"/>', '<path d="M70 32 L80 32 L90 56 Q82 60 78 56 Z"/>', None),
    "M16A4": gun(38, '<path d="M0 19 L40 19 L40 31 L0 35 Z"/>', '<path d="M70 32 L79 32 L81 54 L72 54 Z"/>', None, '<rect x="60" y="10" width="8" height="8"/>'),
    "SCAR-L": gun(30, '<path d="M6 18 L40 18 L40 32 L16 32 L6 36 Z"/>', '<path d="M70 32 L80 32 L86 52 L76 53 Z"/>', None, '<rect x="110" y="14" width="26" height="4"/>'),
    "Thomson": gun(26, '<path d="M4 22 Q20 18 40 20 L40 30 Q20 34 4 36 Z"/>', '<circle cx="76" cy="44" r="11"/>', None),
    "UNP9": gun(16, '<path d="M20 20 L40 20 L40 28 L24 28 Z"/>', '<path d="M66 32 L74 32 L74 58 L66 58 Z"/>', None),
}
for name, body in guns.items():
    sk("gun", name, 160, 64, body.replace("None", ""))
sk("gun", "target", 190, 190,
   '<rect x="0" y="0" width="190" height="190" rx="4" fill="%s"/>'
   '<circle cx="95" cy="95" r="84" fill="none" stroke="%s" stroke-width="1.5"/>'
   '<circle cx="95" cy="95" r="56" fill="none" stroke="%s" stroke-width="1.5"/>'
   '<circle cx="95" cy="95" r="28" fill="none" stroke="%s" stroke-width="1.5"/>'
   '<path d="M95 4 L95 186 M4 95 L186 95" stroke="%s" stroke-width="1"/>'
   '<circle cx="95" cy="95" r="3" fill="%s"/>' % (DARK, GREY, GREY, GREY, G1, ORANGE))

# Unskinned background, title bar and logo.
svg(PLAIN + "/background.svg", 1024, 640,
    '<defs><linearGradient id="b" x1="0" y1="0" x2="0.4" y2="1"><stop offset="0" stop-color="#2e2e33"/><stop offset="1" stop-color="#19191c"/></linearGradient>'
    '<radialGradient id="r" cx="0.5" cy="0.55" r="0.5"><stop offset="0" stop-color="%s" stop-opacity="0.10"/><stop offset="1" stop-color="%s" stop-opacity="0"/></radialGradient></defs>'
    '<rect width="1024" height="640" rx="6" fill="url(#b)"/>'
    '<rect width="1024" height="640" rx="6" fill="url(#r)"/>'
    '<rect x="0.5" y="0.5" width="1023" height="639" rx="6" fill="none" stroke="%s"/>' % (ORANGE, ORANGE, PANEL))
svg(PLAIN + "/titleBar.svg", 1024, 56,
    '<rect x="0" y="0" width="1024" height="56" rx="6" fill="#202024"/>'
    '<rect x="0" y="50" width="1024" height="6" fill="#202024"/>'
    '<path d="M0 55.5 L1024 55.5" stroke="%s" stroke-opacity="0.5"/>' % ORANGE)
svg(PLAIN + "/titleLogo.svg", 132, 18,
    '<path d="M2 16 L9 2 L16 16 M5 11 L13 11" fill="none" stroke="%s" stroke-width="2.4" stroke-linejoin="round"/>'
    '<text x="24" y="15" font-family="sans-serif" font-size="15" font-weight="bold" letter-spacing="3" fill="#ffffff">QUORIX</text>' % ORANGE)
