# Draws the pictures of the sample project: 256-colour BMP files with the
# project palette. Output, read by samplegen.sh: for each file a line
# "F" + relative path, then its bytes as lines of octal escapes; a last line
# "E" says that everything was written.
#
# The palette: entry 0 black, the transparent colour of masked sheets (never
# drawn as a colour); 1 to 14 the usual sixteen-colour set; 15 black for
# opaque black pixels (also the mask colour); 16 to 231 a 6x6x6 colour cube
# (16 + 36r + 6g + b, each level times 51); 232 to 254 greys; 255 white.

BEGIN {
    for (i = 0; i < 256; i++) O[i] = sprintf("\\%03o", i)
    MakePalette()
    DefineArt()
    DefineHues()
    DefineDigits()

    PalettePicture("bmp/plt/Palette.bmp")
    PalettePicture("bmp/plt/Palette2.bmp")
    BackPicture("bmp/Back.bmp")
    WorldBackPicture("bmp/WorldBack.bmp")
    BlockSheet("bmp/Block.bmp")
    for (k = 1; k <= 8; k++) CharaSheet("bmp/Character" k ".bmp", k)
    ItemSheet("bmp/Item.bmp", 32, 64, 8, 15)
    ItemSheet("bmp/Item_Mini.bmp", 16, 32, 8, 15)
    ShotSheet("bmp/Shot.bmp")
    MarkSheet("bmp/Mark.bmp")
    MapChipSheet("bmp/WorldMapChip.bmp")
    WorldEventSheet("bmp/WorldEvent.bmp")
    SymbolSheet("bmp/Symbol.bmp")
    ItemSheet("bmp/Accessory.bmp", 32, 32, 8, 8)
    Toolbars()
    print "E"
}

# ---- palette ----

function Cube(r, g, b) { return 16 + 36 * r + 6 * g + b }
function Clamp5(v) { return v < 0 ? 0 : (v > 5 ? 5 : v) }

function SetPal(i, r, g, b) { PR[i] = r; PG[i] = g; PB[i] = b }

function MakePalette(    i, r, g, b, v, n, grey) {
    split("0 0 0,128 0 0,0 128 0,128 128 0,0 0 128,128 0 128,0 128 128,192 192 192," \
          "128 128 128,255 0 0,0 255 0,255 255 0,0 0 255,255 0 255,0 255 255,0 0 0", VGA, ",")
    for (i = 0; i < 16; i++) {
        n = split(VGA[i + 1], v, " ")
        SetPal(i, v[1], v[2], v[3])
    }
    for (r = 0; r < 6; r++)
        for (g = 0; g < 6; g++)
            for (b = 0; b < 6; b++) SetPal(Cube(r, g, b), r * 51, g * 51, b * 51)
    for (i = 232; i < 255; i++) {
        grey = int((i - 231) * 255 / 24 + 0.5)
        SetPal(i, grey, grey, grey)
    }
    SetPal(255, 255, 255, 255)
}

# Eight hues as cube coordinates of their middle shade: red, brown, blue,
# green, grey, purple, yellow, cyan.
function DefineHues(    n, i, v, t) {
    n = split("4 1 1,3 2 1,1 2 5,1 4 1,3 3 3,3 1 4,5 4 1,1 4 4", t, ",")
    for (i = 0; i < n; i++) {
        split(t[i + 1], v, " ")
        HR[i] = v[1]; HG[i] = v[2]; HB[i] = v[3]
    }
    NHUES = n
    BLACK = 15; WHITE = 255; CLEAR = 0; SILVER = 7
}

# Shade d (-2 darker .. +2 lighter) of hue h.
function Hue(h, d) {
    h = h % NHUES
    return Cube(Clamp5(HR[h] + d), Clamp5(HG[h] + d), Clamp5(HB[h] + d))
}

# ---- image buffer and output ----

function NewImage(w, h, fill,    i, n) {
    W = w; H = h
    split("", IMG)
    n = w * h
    for (i = 0; i < n; i++) IMG[i] = fill
}

function Px(x, y, c) {
    x = int(x); y = int(y)
    if (x >= 0 && y >= 0 && x < W && y < H) IMG[y * W + x] = c
}

function Get(x, y) { return IMG[y * W + x] }

function Fill(x, y, w, h, c,    i, j) {
    for (j = 0; j < h; j++)
        for (i = 0; i < w; i++) Px(x + i, y + j, c)
}

function Frame(x, y, w, h, c,    i) {
    for (i = 0; i < w; i++) { Px(x + i, y, c); Px(x + i, y + h - 1, c) }
    for (i = 0; i < h; i++) { Px(x, y + i, c); Px(x + w - 1, y + i, c) }
}

function Line(x0, y0, x1, y1, c,    n, i, dx, dy) {
    dx = x1 - x0; dy = y1 - y0
    n = (dx < 0 ? -dx : dx) > (dy < 0 ? -dy : dy) ? (dx < 0 ? -dx : dx) : (dy < 0 ? -dy : dy)
    if (n == 0) { Px(x0, y0, c); return }
    for (i = 0; i <= n; i++) Px(int(x0 + dx * i / n + 0.5), int(y0 + dy * i / n + 0.5), c)
}

function Le16(v) { return O[v % 256] O[int(v / 256) % 256] }
function Le32(v) { return Le16(v % 65536) Le16(int(v / 65536)) }

# Writes the buffer as a bottom-up 8-bit BMP with the palette.
function Save(name,    rowBytes, s, i, x, y, row) {
    rowBytes = int((W + 3) / 4) * 4
    print "F" name
    s = "BM" Le32(54 + 1024 + rowBytes * H) Le32(0) Le32(54 + 1024)
    s = s Le32(40) Le32(W) Le32(H) Le16(1) Le16(8) Le32(0) Le32(rowBytes * H) Le32(2835) Le32(2835) Le32(256) Le32(0)
    print s
    s = ""
    for (i = 0; i < 256; i++) s = s O[PB[i]] O[PG[i]] O[PR[i]] O[0]
    print s
    for (y = H - 1; y >= 0; y--) {
        row = ""
        for (x = 0; x < W; x++) row = row O[IMG[y * W + x]]
        for (; x < rowBytes; x++) row = row O[0]
        print row
    }
}

# ---- pixel art ----

# 16 by 16 pictures, one string a row. "." leaves the pixel alone; k black,
# w white; H hair, S skin, B body, D body shade, L legs: colours of the call.
function DefineArt(    top, i, n, t) {
    top = "................|.....kkkkkk.....|....kHHHHHHk....|...kHHHHHHHHk...|...kHHSSSSSSk...|" \
          "...kHSSSSkSSk...|...kSSSSSkSSk...|....kSSSSSSk....|.....kkkkkk.....|....kBBBBBBk....|" \
          "...kSkBBBBkSk...|...kSkBBBBkSk...|....kkLLLLkk....|"
    AddArt("personA", top "....kLLkkLLk....|...kLLk..kLLk...|...kkkk..kkkk...")
    AddArt("personB", top ".....kLLLLk.....|.....kLLLLk.....|....kkkkkkkk....")
    t = "................|................|................|................|................|" \
        "......kkkk......|....kkBBBBkk....|...kBBBBBBBBk...|..kBwwBBBBBBBk..|..kBwBBBkBBkBk..|" \
        "..kBBBBBkBBkBk..|.kBBBBBBBBBBBBk.|.kBBBBBBBBBBBBk.|.kDBBBBBBBBBBDk.|..kDDDDDDDDDDk..|...kkkkkkkkkk..."
    AddArt("slimeA", t)
    t = "................|................|................|................|................|" \
        "................|................|......kkkk......|..kkkBBBBBBkkk..|.kBwwBBBBBBBBBk.|" \
        ".kBwBBBBkBBkBBk.|kBBBBBBBkBBkBBBk|kBBBBBBBBBBBBBBk|kDBBBBBBBBBBBBDk|.kDDDDDDDDDDDDk.|..kkkkkkkkkkkk.."
    AddArt("slimeB", t)
}

function AddArt(name, text,    n, i, r) {
    n = split(text, r, "|")
    if (n != 16) { print "art " name ": " n " rows" > "/dev/stderr"; exit 1 }
    for (i = 1; i <= 16; i++) {
        if (length(r[i]) != 16) { print "art " name " row " (i - 1) ": " length(r[i]) " columns" > "/dev/stderr"; exit 1 }
        ART[name, i - 1] = r[i]
    }
}

# Draws an art picture at (x0, y0), each art pixel s by s, facing left
# when mirrored; colours from ARTC[letter].
function DrawArt(name, x0, y0, s, mirrored,    i, j, ch, c, row, xx) {
    for (j = 0; j < 16; j++) {
        row = ART[name, j]
        for (i = 0; i < 16; i++) {
            ch = substr(row, i + 1, 1)
            if (ch == ".") continue
            c = ch == "k" ? BLACK : (ch == "w" ? WHITE : ARTC[ch])
            xx = mirrored ? 15 - i : i
            Fill(x0 + xx * s, y0 + j * s, s, s, c)
        }
    }
}

# ---- shapes: items, shots, symbols ----

# Whether the point (u, v) of a cell (both -1 .. 1, v down) lies in the
# shape; frame 1 is the second picture of an animated shape.
function Inside(shape, u, v, frame,    x, y, a, r, t) {
    if (shape == "coin") { if (frame) u = u * 1.8; return u * u + v * v < 0.64 }
    if (shape == "gem") { v = v + (frame ? 0.08 : 0); return (u < 0 ? -u : u) * 1.1 + (v < 0 ? -v * 1.6 : v) < 0.85 && v > -0.55 }
    if (shape == "heart") {
        if (frame) { u = u * 1.12; v = v * 1.12 }
        x = u * 1.35; y = -v * 1.35 + 0.25
        a = x * x + y * y - 1
        return a * a * a - x * x * y * y * y <= 0
    }
    if (shape == "potion") {
        if ((u < 0 ? -u : u) < 0.22 && v > -0.8 && v < -0.2) return 1
        return u * u + (v - 0.25) * (v - 0.25) < 0.36
    }
    if (shape == "star") {
        r = sqrt(u * u + v * v)
        a = atan2(v, u) + 3.14159265 / 2 + (frame ? 0.3 : 0)
        t = (cos(5 * a) + 1) / 2
        return r < 0.38 + 0.5 * t * t
    }
    if (shape == "ball") { r = frame ? 0.5 : 0.62; return u * u + v * v < r * r }
    if (shape == "bolt") { u = u + (frame ? 0.15 : 0); return u * u / 0.72 + v * v / 0.12 < 1 }
    if (shape == "ring") { r = u * u + v * v; return r < 0.56 && r > (frame ? 0.12 : 0.2) }
    return 0
}

# The colour of a point inside the shape, hue h.
function ShapeColour(shape, u, v, h, frame) {
    if (u + v < -0.75 && u * u + v * v > 0.1) return WHITE
    if (shape == "coin") {
        if (u * u + v * v > 0.3 || ((u < 0 ? -u : u) < 0.08 && (v < 0 ? -v : v) < 0.35)) return Cube(4, 3, 0)
        return Cube(5, 5, 1)
    }
    if (shape == "gem") return u + v < 0 ? Hue(h, 1) : (u > 0.2 ? Hue(h, -1) : Hue(h, 0))
    if (shape == "heart") return u + v > 0.5 ? Cube(3, 0, 0) : Cube(5, 0, 1)
    if (shape == "potion") return v < -0.2 ? Cube(4, 4, 4) : (v < 0.05 ? Hue(h, 1) : Hue(h, 0))
    if (shape == "star") return u + v > 0.4 ? Cube(4, 3, 0) : Cube(5, 5, 0)
    return u + v > 0.3 ? Hue(h, -1) : Hue(h, frame ? 2 : 1)
}

# Draws a shape into the s by s cell at (x0, y0) with a black outline.
function DrawShape(shape, x0, y0, s, h, frame,    x, y, u, v, d, inside) {
    d = 2.0 / s
    for (y = 0; y < s; y++) {
        for (x = 0; x < s; x++) {
            u = (x + 0.5) * d - 1; v = (y + 0.5) * d - 1
            if (Inside(shape, u, v, frame)) {
                inside = Inside(shape, u - d, v, frame) && Inside(shape, u + d, v, frame) && \
                         Inside(shape, u, v - d, frame) && Inside(shape, u, v + d, frame)
                Px(x0 + x, y0 + y, inside ? ShapeColour(shape, u, v, h, frame) : BLACK)
            }
        }
    }
}

function ItemShape(idx) {
    split("coin gem heart potion star", IS, " ")
    return IS[idx % 5 + 1]
}

# Items: cell index i at column i / rows (a column holds two pictures, the
# second one step further in the animation), row i mod rows. Index 0 is
# the empty item and stays blank.
function ItemSheet(name, s, pitch, cols, rows,    c, r, i, f) {
    NewImage(cols * pitch, rows * s, CLEAR)
    for (c = 0; c < cols; c++)
        for (r = 0; r < rows; r++) {
            i = c * rows + r
            if (i == 0) continue
            for (f = 0; f * s < pitch; f++) DrawShape(ItemShape(i), c * pitch + f * s, r * s, s, i + c, f)
        }
    Save(name)
}

# Shots: 16 by 16, 30 to a column, two pictures per 32-pixel column.
function ShotSheet(name,    c, r, f, i) {
    split("ball star bolt ring", SS, " ")
    NewImage(128, 480, CLEAR)
    for (c = 0; c < 4; c++)
        for (r = 0; r < 30; r++)
            for (f = 0; f < 2; f++) DrawShape(SS[c + 1], c * 32 + f * 16, r * 16, 16, r, f)
    Save(name)
}

# Symbols "a" to "z" for texts: 16 by 16 pictures in one row.
function SymbolSheet(name,    i) {
    NewImage(26 * 16, 16, CLEAR)
    for (i = 0; i < 26; i++) DrawShape(ItemShape(i), i * 16, 0, 16, i, 0)
    Save(name)
}

# ---- blocks ----

# Block chip i: column i / 15, row i mod 15, 32 by 32; chip 0 is empty.
function BlockSheet(name,    c, r, i) {
    NewImage(256, 480, CLEAR)
    for (c = 0; c < 8; c++)
        for (r = 0; r < 15; r++) {
            i = c * 15 + r
            if (i) Block(c * 32, r * 32, r % 6, c + int(r / 6) * 3)
        }
    Save(name)
}

function Block(x0, y0, kind, h,    x, y, c, off, m) {
    for (y = 0; y < 32; y++)
        for (x = 0; x < 32; x++) {
            if (kind == 0) {  # bricks
                off = int(y / 8) % 2 * 8
                m = (x + off) % 16
                if (y % 8 == 7 || m == 15) c = Cube(4, 4, 4)
                else if (y % 8 == 0 || m == 0) c = Hue(h, 1)
                else if (y % 8 == 6) c = Hue(h, -1)
                else c = Hue(h, 0)
            } else if (kind == 1) {  # earth with grass on top
                if (y < 5 + (x % 8 < 4 ? 0 : 2)) c = y == 0 ? Cube(2, 5, 2) : Cube(1, 4, 0)
                else if ((x * 7 + y * 13) % 23 == 0) c = Cube(2, 1, 0)
                else c = Cube(3, 2, 1)
            } else if (kind == 2) {  # bevelled stone
                if (x < 3 && y < 29 || y < 3 && x < 29) c = Hue(h, 1)
                else if (x > 28 || y > 28) c = Hue(h, -2)
                else if ((x - y == 4 || x - y == 5) && x > 14 && x < 24) c = Hue(h, -1)
                else c = Hue(h, 0)
            } else if (kind == 3) {  # wooden planks
                if (y % 8 == 0) c = Cube(2, 1, 0)
                else if ((x == 3 || x == 28) && y % 8 == 4) c = BLACK
                else if ((x + y * 5) % 13 == 0) c = Cube(3, 2, 0)
                else c = Cube(4, 2, 1)
            } else if (kind == 4) {  # metal plate with rivets
                if (x == 0 || y == 0) c = Cube(4, 4, 4)
                else if (x == 31 || y == 31) c = Cube(1, 1, 1)
                else if ((x == 4 || x == 5 || x == 26 || x == 27) && (y == 4 || y == 5 || y == 26 || y == 27)) c = WHITE
                else c = Hue(h, -1)
            } else {  # ice
                if (x == 0 || y == 0 || x == 31 || y == 31) c = Cube(2, 4, 5)
                else if ((x - y + 64) % 16 < 2) c = WHITE
                else c = Cube(3, 5, 5)
            }
            Px(x0 + x, y0 + y, c)
        }
}

# ---- characters ----

# Sheet k holds characters 15(k - 1) to 15k - 1, one a row, 16 columns of
# 32 by 32: columns 0-3 walking, 4-7 the same invincible (flashing colours),
# 8-11 blocking (shield raised), 12-15 both. Sheet 1 is people; the others
# alternate people and slimes.
function CharaSheet(name, k,    r, c, g, f, slime, x0, y0, h) {
    NewImage(512, 480, CLEAR)
    for (r = 0; r < 15; r++) {
        slime = k > 1 && r % 2 == 1
        h = (k * 5 + r) % NHUES
        for (c = 0; c < 16; c++) {
            g = int(c / 4); f = c % 2
            x0 = c * 32; y0 = r * 32
            ARTC["H"] = Cube(2, 1, 0); ARTC["S"] = Cube(5, 4, 3)
            if (g == 1 || g == 3) {
                ARTC["B"] = Cube(5, 5, 0)
                ARTC["D"] = Cube(5, 3, 0); ARTC["L"] = Cube(5, 4, 2)
            } else {
                ARTC["B"] = Hue(h, 0)
                ARTC["D"] = Hue(h, -1); ARTC["L"] = Hue(h + 2, -1)
            }
            DrawArt((slime ? "slime" : "person") (f ? "B" : "A"), x0, y0, 2, 0)
            if (g >= 2) Shield(x0 + 20, y0 + 14)
        }
    }
    Save(name)
}

function Shield(x0, y0,    y, w) {
    for (y = 0; y < 14; y++) {
        w = y < 9 ? 5 : 5 - (y - 8)
        Fill(x0 + 5 - w, y0 + y, 2 * w, 1, y == 0 || y == 13 ? BLACK : Cube(2, 3, 5))
        Px(x0 + 5 - w - 1, y0 + y, BLACK); Px(x0 + 5 + w, y0 + y, BLACK)
    }
    Fill(x0 + 4, y0 + 3, 2, 7, Cube(5, 5, 2))
    Fill(x0 + 2, y0 + 5, 6, 2, Cube(5, 5, 2))
}

# ---- marks ----

function DefineDigits(    d, i) {
    split("111101101101111 010110010010111 111001111100111 111001111001111 101101111001001 " \
          "111100111001111 111100111101111 111001001010010 111101111101111 111101111001111", d, " ")
    for (i = 0; i < 10; i++) DIGIT[i] = d[i + 1]
}

function Number(x0, y0, n, c,    s, i, j, k, dg) {
    s = n ""
    for (k = 0; k < length(s); k++) {
        dg = DIGIT[substr(s, k + 1, 1) + 0]
        for (j = 0; j < 5; j++)
            for (i = 0; i < 3; i++)
                if (substr(dg, j * 3 + i + 1, 1) == "1") Px(x0 + k * 4 + i, y0 + j, c)
    }
}

# Mark m: column m / 15, row m mod 15; a numbered badge in the top left
# corner of the cell, the rest transparent.
function MarkSheet(name,    c, r, m, w) {
    NewImage(256, 480, CLEAR)
    for (c = 0; c < 8; c++)
        for (r = 0; r < 15; r++) {
            m = c * 15 + r
            w = length(m "") * 4 + 3
            Fill(c * 32, r * 32, w, 9, Hue(m, -1))
            Frame(c * 32, r * 32, w, 9, BLACK)
            Number(c * 32 + 2, r * 32 + 2, m, WHITE)
        }
    Save(name)
}

# ---- world map ----

# Map chip g at (g mod 5 x 32, g / 5 x 32): ten kinds, five shades each.
function MapChipSheet(name,    g, x, y, kind, x0, y0, c, d, t) {
    NewImage(160, 320, CLEAR)
    for (g = 0; g < 50; g++) {
        x0 = g % 5 * 32; y0 = int(g / 5) * 32
        kind = g % 10; d = int(g / 10) % 2
        for (y = 0; y < 32; y++)
            for (x = 0; x < 32; x++) {
                if (kind == 0) c = (x * 3 + y * 7) % 17 == 0 ? Cube(1, 3, 0) : Cube(1, 4 - d, 1)
                else if (kind == 1) c = (y % 8 == 3 && x % 16 < 6) ? Cube(4, 5, 5) : Cube(0, 1 + d, 4)
                else if (kind == 2) c = (x * 5 + y * 3) % 19 == 0 ? Cube(4, 3, 1) : Cube(5, 4, 2 + d)
                else if (kind == 3) {  # forest: a tree on grass
                    t = (x - 16) * (x - 16) + (y - 12) * (y - 12)
                    if (t < 100) c = t > 80 ? BLACK : Cube(0, 2 + d, 0)
                    else if (x >= 14 && x < 18 && y >= 20 && y < 28) c = Cube(2, 1, 0)
                    else c = Cube(1, 4, 1)
                } else if (kind == 4) {  # mountain
                    t = (x < 16 ? 16 - x : x - 15)
                    if (y > 4 + 2 * t - 6 && y > 4 && y < 28) c = y < 12 ? WHITE : Cube(3, 2, 1 + d)
                    else c = Cube(1, 4, 1)
                } else if (kind == 5) c = (y >= 11 && y < 21) ? Cube(4, 4, 2) : Cube(1, 4, 1)
                else if (kind == 6) c = (x >= 11 && x < 21) ? Cube(4, 4, 2) : Cube(1, 4, 1)
                else if (kind == 7) c = (x * 11 + y * 7) % 29 == 0 ? Cube(4, 4, 5) : Cube(5, 5, 5 - d)
                else if (kind == 8) c = (x % 8 == 0 || y % 8 == 0) ? Cube(1, 1, 1) : Cube(2 + d, 2, 2)
                else {  # house
                    if (y >= 4 && y < 14 && x >= 18 - y && x <= 13 + y) c = Cube(4, 0, 0)
                    else if (y >= 14 && y < 28 && x >= 6 && x < 26) c = (x >= 13 && x < 19 && y >= 20) ? Cube(2, 1, 0) : Cube(5, 4, 3)
                    else c = Cube(1, 4, 1)
                }
                Px(x0 + x, y0 + y, c)
            }
    }
    Save(name)
}

# World events: one row a graphic; column 0 (an event with a world number)
# a flag, column 1 a round marker.
function WorldEventSheet(name,    r, x0, y0, y, w) {
    NewImage(64, 320, CLEAR)
    for (r = 0; r < 10; r++) {
        y0 = r * 32
        Fill(9, y0 + 4, 2, 24, BLACK)
        for (y = 0; y < 12; y++) {
            w = 12 - (y < 6 ? 6 - y : y - 5) * 2
            Fill(11, y0 + 4 + y, w + 4, 1, Hue(r, 0))
        }
        Fill(4, y0 + 27, 12, 3, Cube(3, 3, 3))
        DrawShape("ball", 32, y0, 32, r, 0)
    }
    Save(name)
}

# ---- backgrounds ----

function BackPicture(name,    x, y, c, hill, t) {
    NewImage(640, 480, CLEAR)
    for (y = 0; y < 480; y++)
        for (x = 0; x < 640; x++) {
            hill = 380 + 30 * sin(x / 60.0) + 15 * sin(x / 23.0)
            if (y > hill) c = y > hill + 6 ? Cube(1, 3, 1) : Cube(2, 4, 1)
            else {
                t = ((x - 150) / 70.0) ^ 2 + ((y - 100) / 22.0) ^ 2
                if (t < 1 || ((x - 470) / 90.0) ^ 2 + ((y - 160) / 25.0) ^ 2 < 1) c = WHITE
                else c = Cube(int(y / 160) + 1, int(y / 120) + 2, 5)
            }
            IMG[y * W + x] = c
        }
    Save(name)
}

function WorldBackPicture(name,    x, y, c) {
    NewImage(640, 480, CLEAR)
    for (y = 0; y < 480; y++)
        for (x = 0; x < 640; x++) {
            if (((x - 200) / 150.0) ^ 2 + ((y - 200) / 110.0) ^ 2 < 1 || ((x - 480) / 110.0) ^ 2 + ((y - 330) / 90.0) ^ 2 < 1)
                c = Cube(1, 3, 1)
            else c = (y % 24 == 5 && (x + y) % 48 < 14) ? Cube(3, 4, 5) : Cube(0, 1, 4)
            IMG[y * W + x] = c
        }
    Save(name)
}

# The palette itself: 16 by 16 swatches of 8 by 8 pixels, entry i at column
# i mod 16, row i / 16.
function PalettePicture(name,    i) {
    NewImage(128, 128, CLEAR)
    for (i = 0; i < 256; i++) Fill(i % 16 * 8, int(i / 16) * 8, 8, 8, i)
    Save(name)
}

# ---- toolbar images: 16 by 15 pictures side by side on the button colour ----

function Toolbars(    i, x, y) {
    # block, character and item palettes
    NewImage(48, 15, SILVER)
    for (y = 2; y < 13; y++)
        for (x = 2; x < 14; x++)
            Px(x, y, (y % 4 == 1 || (x + int((y + 3) / 4) % 2 * 4) % 8 == 1) ? Cube(4, 4, 4) : Cube(4, 1, 1))
    Frame(2, 2, 12, 11, BLACK)
    ARTC["H"] = Cube(2, 1, 0); ARTC["S"] = Cube(5, 4, 3); ARTC["B"] = Cube(1, 2, 5); ARTC["L"] = Cube(1, 1, 3)
    DrawArt("personA", 16, -1, 1, 0)
    DrawShape("coin", 32, 0, 15, 0, 0)
    Save("e_bmp/ToolBar_Palette.bmp")

    # test play of the stage and of the whole game
    NewImage(32, 15, SILVER)
    Triangle(4, 1, Cube(0, 4, 0))
    Triangle(17, 1, Cube(0, 4, 0))
    Triangle(23, 1, Cube(0, 3, 5))
    Save("e_bmp/ToolBar_TestPlay.bmp")

    # drawing tools: pen, line, rectangle, fill, edit
    NewImage(80, 15, SILVER)
    Line(3, 12, 11, 4, BLACK); Line(4, 12, 12, 4, BLACK); Line(3, 11, 11, 3, Cube(5, 4, 0))
    Px(2, 13, BLACK)
    Line(18, 12, 29, 2, BLACK); Fill(17, 11, 3, 3, Cube(5, 0, 0)); Fill(28, 1, 3, 3, Cube(5, 0, 0))
    Frame(34, 2, 12, 11, BLACK)
    Fill(50, 2, 12, 11, Cube(1, 2, 5)); Frame(50, 2, 12, 11, BLACK)
    Document(66)
    Save("e_bmp/ToolBar_Pen.bmp")

    # right button: edit the palette entry; right button: menu
    NewImage(32, 15, SILVER)
    Document(2)
    Line(9, 12, 14, 7, Cube(5, 0, 0))
    for (i = 0; i < 3; i++) { Fill(18, 2 + i * 4, 12, 3, WHITE); Frame(18, 2 + i * 4, 12, 3, BLACK) }
    Save("e_bmp/ToolBar_PltEdit.bmp")

    # world map palettes: map chips, events
    NewImage(32, 15, SILVER)
    Fill(2, 2, 6, 5, Cube(1, 4, 1)); Fill(8, 2, 6, 5, Cube(0, 1, 4))
    Fill(2, 7, 6, 6, Cube(5, 4, 2)); Fill(8, 7, 6, 6, Cube(1, 4, 1)); Frame(2, 2, 12, 11, BLACK)
    Fill(21, 2, 1, 12, BLACK)
    for (y = 0; y < 7; y++) Fill(22, 2 + y, 7 - (y < 4 ? 3 - y : y - 3) * 2, 1, Cube(5, 0, 0))
    Save("e_bmp/ToolBar_WorldPalette.bmp")
}

function Triangle(x0, y0, c,    y, w) {
    for (y = 0; y < 13; y++) {
        w = y < 7 ? y : 12 - y
        Fill(x0, y0 + y, w + 1, 1, c)
        Px(x0 + w + 1, y0 + y, BLACK)
    }
    Line(x0, y0, x0, y0 + 12, BLACK)
}

function Document(x0,    i) {
    Fill(x0 + 2, 1, 10, 13, WHITE); Frame(x0 + 2, 1, 10, 13, BLACK)
    for (i = 0; i < 4; i++) Fill(x0 + 4, 4 + i * 2, 6, 1, Cube(2, 2, 2))
}
