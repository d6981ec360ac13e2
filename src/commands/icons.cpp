#include "commands/icons.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <iterator>
#include <vector>

namespace zorvik {
namespace {

// ---------------------------------------------------------------------------
// Palette. Magenta (0xFF00FF) is avoided on purpose: the large-icon list
// uses it as its mask colour.
// ---------------------------------------------------------------------------
constexpr uint32_t kClear = 0x00000000;
constexpr uint32_t kInk = 0xFF1E2530;
constexpr uint32_t kDark = 0xFF4A5360;
constexpr uint32_t kGrey = 0xFF8A939E;
constexpr uint32_t kLight = 0xFFC4CAD2;
constexpr uint32_t kPale = 0xFFE4E8EE;
constexpr uint32_t kWhite = 0xFFFFFFFF;
constexpr uint32_t kBlue = 0xFF2F6FD6;  // accent, title bars
constexpr uint32_t kSky = 0xFFA9CDF5;   // glass, light fills
constexpr uint32_t kRed = 0xFFE0352E;
constexpr uint32_t kGreen = 0xFF2A9E48;
constexpr uint32_t kRgbBlue = 0xFF2450E8;
constexpr uint32_t kYellow = 0xFFF5C02E;
constexpr uint32_t kOrange = 0xFFEE8A22;
constexpr uint32_t kBrown = 0xFFB07A40;
constexpr uint32_t kDarkBrown = 0xFF6A431E;
constexpr uint32_t kPink = 0xFFF09AAA;
constexpr uint32_t kTan = 0xFFF3D6A4;
constexpr uint32_t kCellA = 0xFFF6E2B4;  // magnified-pixel cells behind grids
constexpr uint32_t kCellB = 0xFFBEDCF6;
constexpr uint32_t kNightCell = 0xFF3C4450;

uint32_t Opaque(int r, int g, int b) {
  auto clamp = [](int v) { return static_cast<uint32_t>(std::clamp(v, 0, 255)); };
  return 0xFF000000u | (clamp(r) << 16) | (clamp(g) << 8) | clamp(b);
}

// ---------------------------------------------------------------------------
// Canvas and drawing primitives. Everything clips to the canvas.
// ---------------------------------------------------------------------------
struct Box {
  int x, y, w, h;
  int Right() const { return x + w - 1; }
  int Bottom() const { return y + h - 1; }
};

enum Dir { kUp, kDown, kLeft, kRight };

class Canvas {
 public:
  Canvas(uint32_t* pixels, int size) : px_(pixels), size_(size) {
    std::fill(px_, px_ + size * size, kClear);
  }
  int Size() const { return size_; }

  void Put(int x, int y, uint32_t c) {
    if (x >= 0 && y >= 0 && x < size_ && y < size_) px_[y * size_ + x] = c;
  }
  uint32_t Get(int x, int y) const {
    return (x >= 0 && y >= 0 && x < size_ && y < size_) ? px_[y * size_ + x] : kClear;
  }
  void Fill(Box b, uint32_t c) {
    for (int y = b.y; y < b.y + b.h; ++y)
      for (int x = b.x; x < b.x + b.w; ++x) Put(x, y, c);
  }
  void Frame(Box b, uint32_t c) {
    HLine(b.x, b.Right(), b.y, c);
    HLine(b.x, b.Right(), b.Bottom(), c);
    VLine(b.x, b.y, b.Bottom(), c);
    VLine(b.Right(), b.y, b.Bottom(), c);
  }
  // Filled box with a one-pixel border.
  void Panel(Box b, uint32_t fill, uint32_t border) {
    Fill(b, fill);
    Frame(b, border);
  }
  void HLine(int x0, int x1, int y, uint32_t c) {
    if (x0 > x1) std::swap(x0, x1);
    for (int x = x0; x <= x1; ++x) Put(x, y, c);
  }
  void VLine(int x, int y0, int y1, uint32_t c) {
    if (y0 > y1) std::swap(y0, y1);
    for (int y = y0; y <= y1; ++y) Put(x, y, c);
  }
  void Line(int x0, int y0, int x1, int y1, uint32_t c) {
    int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
      Put(x0, y0, c);
      if (x0 == x1 && y0 == y1) break;
      int e2 = 2 * err;
      if (e2 >= dy) {
        err += dy;
        x0 += sx;
      }
      if (e2 <= dx) {
        err += dx;
        y0 += sy;
      }
    }
  }
  // Two-pixel-wide line (the second pass one pixel to the right).
  void ThickLine(int x0, int y0, int x1, int y1, uint32_t c) {
    Line(x0, y0, x1, y1, c);
    Line(x0 + 1, y0, x1 + 1, y1, c);
  }
  // Pixels whose centre lies within r of (cx, cy); centres are at integer
  // coordinates, so a half-integer centre gives an even diameter.
  void Disc(double cx, double cy, double r, uint32_t c) {
    ForDisc(cx, cy, r, [&](int x, int y) { Put(x, y, c); });
  }
  // Pixels at a distance in (r - t, r].
  void Ring(double cx, double cy, double r, double t, uint32_t c) {
    ForDisc(cx, cy, r, [&](int x, int y) {
      double dx = x - cx, dy = y - cy;
      if (dx * dx + dy * dy > (r - t) * (r - t)) Put(x, y, c);
    });
  }
  // Ring restricted to the angles [a0, a1] in degrees, 0 = right, growing
  // clockwise (screen y points down).
  void Arc(double cx, double cy, double r, double t, double a0, double a1, uint32_t c) {
    ForDisc(cx, cy, r, [&](int x, int y) {
      double dx = x - cx, dy = y - cy;
      if (dx * dx + dy * dy <= (r - t) * (r - t)) return;
      double a = std::atan2(dy, dx) * 180.0 / 3.14159265358979;
      if (a < 0) a += 360.0;
      bool in = a0 <= a1 ? (a >= a0 && a <= a1) : (a >= a0 || a <= a1);
      if (in) Put(x, y, c);
    });
  }
  void Triangle(double x0, double y0, double x1, double y1, double x2, double y2, uint32_t c) {
    auto edge = [](double ax, double ay, double bx, double by, double px, double py) {
      return (bx - ax) * (py - ay) - (by - ay) * (px - ax);
    };
    int minX = static_cast<int>(std::floor(std::min({x0, x1, x2})));
    int maxX = static_cast<int>(std::ceil(std::max({x0, x1, x2})));
    int minY = static_cast<int>(std::floor(std::min({y0, y1, y2})));
    int maxY = static_cast<int>(std::ceil(std::max({y0, y1, y2})));
    double area = edge(x0, y0, x1, y1, x2, y2);
    if (area == 0) return;
    for (int y = minY; y <= maxY; ++y)
      for (int x = minX; x <= maxX; ++x) {
        double w0 = edge(x1, y1, x2, y2, x, y) / area;
        double w1 = edge(x2, y2, x0, y0, x, y) / area;
        double w2 = edge(x0, y0, x1, y1, x, y) / area;
        if (w0 >= -1e-9 && w1 >= -1e-9 && w2 >= -1e-9) Put(x, y, c);
      }
  }
  // Solid arrow head with its tip at (x, y): `len` pixels deep, 2*len-1 wide.
  void Head(int x, int y, Dir d, int len, uint32_t c) {
    for (int k = 0; k < len; ++k) {
      switch (d) {
        case kRight: VLine(x - k, y - k, y + k, c); break;
        case kLeft: VLine(x + k, y - k, y + k, c); break;
        case kDown: HLine(x - k, x + k, y - k, c); break;
        case kUp: HLine(x - k, x + k, y + k, c); break;
      }
    }
  }
  // Axis-aligned arrow from (x0, y0) to the tip (x1, y1).
  void Arrow(int x0, int y0, int x1, int y1, int head, uint32_t c) {
    Line(x0, y0, x1, y1, c);
    Dir d = x1 > x0 ? kRight : x1 < x0 ? kLeft : y1 > y0 ? kDown : kUp;
    Head(x1, y1, d, head, c);
  }
  // Axis-aligned arrow with heads at both ends.
  void DoubleArrow(int x0, int y0, int x1, int y1, int head, uint32_t c) {
    Arrow(x0, y0, x1, y1, head, c);
    Arrow(x1, y1, x0, y0, head, c);
  }
  // Stamps a picture given as rows of characters; '.' and ' ' are skipped,
  // other characters are looked up in `keys`/`colors`.
  template <size_t N>
  void Sprite(int x, int y, const char* const (&rows)[N], const char* keys,
              const uint32_t* colors) {
    for (int r = 0; r < static_cast<int>(N); ++r)
      for (int i = 0; rows[r][i]; ++i) {
        const char* k = std::strchr(keys, rows[r][i]);
        if (k && rows[r][i] != '.' && rows[r][i] != ' ') Put(x + i, y + r, colors[k - keys]);
      }
  }
  // Gives every opaque pixel that touches a transparent one (or the edge)
  // within `b` the colour `c`: turns a filled shape into an outlined one.
  void OutlineShape(Box b, uint32_t fillColor, uint32_t c) {
    std::vector<int> edge;
    for (int y = b.y; y <= b.Bottom(); ++y)
      for (int x = b.x; x <= b.Right(); ++x) {
        if (Get(x, y) != fillColor) continue;
        bool outer = false;
        for (int k = 0; k < 4 && !outer; ++k) {
          int nx = x + (k == 0) - (k == 1), ny = y + (k == 2) - (k == 3);
          if (nx < b.x || ny < b.y || nx > b.Right() || ny > b.Bottom() || Get(nx, ny) != fillColor)
            outer = true;
        }
        if (outer) edge.push_back(y * size_ + x);
      }
    for (int i : edge) px_[i] = c;
  }

 private:
  template <typename F>
  void ForDisc(double cx, double cy, double r, F f) {
    for (int y = static_cast<int>(std::floor(cy - r)); y <= static_cast<int>(std::ceil(cy + r));
         ++y)
      for (int x = static_cast<int>(std::floor(cx - r)); x <= static_cast<int>(std::ceil(cx + r));
           ++x) {
        double dx = x - cx, dy = y - cy;
        if (dx * dx + dy * dy <= r * r + 0.25) f(x, y);
      }
  }

  uint32_t* px_;
  int size_;
};

// ---------------------------------------------------------------------------
// Tiny pixel font: 5 rows, mostly 3 columns wide.
// ---------------------------------------------------------------------------
struct Glyph {
  char ch;
  int width;
  const char* rows;  // 5 rows of `width` characters, 'X' = ink
};

// clang-format off
const Glyph kGlyphs[] = {
    {'0', 3, "XXX" "X.X" "X.X" "X.X" "XXX"},
    {'1', 3, ".X." "XX." ".X." ".X." "XXX"},
    {'2', 3, "XXX" "..X" "XXX" "X.." "XXX"},
    {'3', 3, "XXX" "..X" ".XX" "..X" "XXX"},
    {'4', 3, "X.X" "X.X" "XXX" "..X" "..X"},
    {'5', 3, "XXX" "X.." "XXX" "..X" "XXX"},
    {'6', 3, "XXX" "X.." "XXX" "X.X" "XXX"},
    {'7', 3, "XXX" "..X" "..X" ".X." ".X."},
    {'8', 3, "XXX" "X.X" "XXX" "X.X" "XXX"},
    {'9', 3, "XXX" "X.X" "XXX" "..X" "XXX"},
    {'A', 3, ".X." "X.X" "XXX" "X.X" "X.X"},
    {'B', 3, "XX." "X.X" "XX." "X.X" "XX."},
    {'C', 3, ".XX" "X.." "X.." "X.." ".XX"},
    {'D', 3, "XX." "X.X" "X.X" "X.X" "XX."},
    {'E', 3, "XXX" "X.." "XX." "X.." "XXX"},
    {'F', 3, "XXX" "X.." "XX." "X.." "X.."},
    {'G', 3, ".XX" "X.." "X.X" "X.X" ".XX"},
    {'H', 3, "X.X" "X.X" "XXX" "X.X" "X.X"},
    {'I', 3, "XXX" ".X." ".X." ".X." "XXX"},
    {'i', 1, "X" "X" "X" "X" "X"},  // narrow capital I
    {'K', 3, "X.X" "X.X" "XX." "X.X" "X.X"},
    {'L', 3, "X.." "X.." "X.." "X.." "XXX"},
    {'M', 5, "X...X" "XX.XX" "X.X.X" "X...X" "X...X"},
    {'N', 4, "X..X" "XX.X" "X.XX" "X..X" "X..X"},
    {'O', 3, ".X." "X.X" "X.X" "X.X" ".X."},
    {'P', 3, "XX." "X.X" "XX." "X.." "X.."},
    {'R', 3, "XX." "X.X" "XX." "X.X" "X.X"},
    {'S', 3, ".XX" "X.." ".X." "..X" "XX."},
    {'T', 3, "XXX" ".X." ".X." ".X." ".X."},
    {'V', 3, "X.X" "X.X" "X.X" "X.X" ".X."},
    {'W', 5, "X...X" "X...X" "X.X.X" "XX.XX" "X...X"},
    {'X', 3, "X.X" "X.X" ".X." "X.X" "X.X"},
    {'Y', 3, "X.X" "X.X" ".X." ".X." ".X."},
    {'x', 3, "..." "..." "X.X" ".X." "X.X"},
    {'#', 5, ".X.X." "XXXXX" ".X.X." "XXXXX" ".X.X."},
    {'.', 1, "." "." "." "." "X"},
    {':', 1, "." "X" "." "X" "."},
    {'?', 3, "XX." "..X" ".X." "..." ".X."},
    {'+', 3, "..." ".X." "XXX" ".X." "..."},
    {'-', 3, "..." "..." "XXX" "..." "..."},
};
// clang-format on

const Glyph* FindGlyph(char ch) {
  for (const Glyph& g : kGlyphs)
    if (g.ch == ch) return &g;
  return nullptr;
}

int TextWidth(const char* s, int scale = 1) {
  int w = 0;
  for (const char* p = s; *p; ++p) {
    const Glyph* g = FindGlyph(*p);
    w += (g ? g->width : 3) + (p[1] ? 1 : 0);
  }
  return w * scale;
}

void Text(Canvas& c, int x, int y, const char* s, uint32_t color, int scale = 1) {
  for (const char* p = s; *p; ++p) {
    const Glyph* g = FindGlyph(*p);
    int w = g ? g->width : 3;
    if (g)
      for (int r = 0; r < 5; ++r)
        for (int i = 0; i < w; ++i)
          if (g->rows[r * w + i] == 'X')
            c.Fill({x + i * scale, y + r * scale, scale, scale}, color);
    x += (w + 1) * scale;
  }
}

// Text centred in a box, doubled when it fits.
void TextIn(Canvas& c, Box b, const char* s, uint32_t color, int maxScale = 2) {
  int scale = maxScale;
  while (scale > 1 && (TextWidth(s, scale) > b.w || 5 * scale > b.h)) --scale;
  int w = TextWidth(s, scale);
  Text(c, b.x + (b.w - w) / 2, b.y + (b.h - 5 * scale) / 2, s, color, scale);
}

// ---------------------------------------------------------------------------
// Colour helpers for the colour-model marks.
// ---------------------------------------------------------------------------
uint32_t FromHsv(double h, double s, double v) {
  h = std::fmod(h, 1.0) * 6.0;
  int i = static_cast<int>(h);
  double f = h - i, p = v * (1 - s), q = v * (1 - s * f), t = v * (1 - s * (1 - f));
  double r, g, b;
  switch (i) {
    case 0:
      r = v;
      g = t;
      b = p;
      break;
    case 1:
      r = q;
      g = v;
      b = p;
      break;
    case 2:
      r = p;
      g = v;
      b = t;
      break;
    case 3:
      r = p;
      g = q;
      b = v;
      break;
    case 4:
      r = t;
      g = p;
      b = v;
      break;
    default:
      r = v;
      g = p;
      b = q;
      break;
  }
  return Opaque(static_cast<int>(r * 255 + 0.5), static_cast<int>(g * 255 + 0.5),
                static_cast<int>(b * 255 + 0.5));
}

uint32_t FromHls(double h, double l, double s) {
  // Via HSV: v = l + s*min(l, 1-l), sv = v ? 2(1 - l/v) : 0.
  double v = l + s * std::min(l, 1 - l);
  double sv = v > 0 ? 2 * (1 - l / v) : 0;
  return FromHsv(h, sv, v);
}

// ---------------------------------------------------------------------------
// Pictograms shared by several icons.
// ---------------------------------------------------------------------------

// Magnifying glass: glass of radius r around (cx, cy), handle to (hx, hy).
void Lens(Canvas& c, double cx, double cy, double r, int hx, int hy, double rim = 1.6) {
  int sx = static_cast<int>(std::lround(cx + r * 0.62)),
      sy = static_cast<int>(std::lround(cy + r * 0.62));
  c.ThickLine(sx, sy, hx - 1, hy, kDark);
  c.Line(sx, sy + 1, hx - 1, hy, kDark);
  c.Disc(cx, cy, r, kSky);
  c.Ring(cx, cy, r, rim, kInk);
  // Glint.
  c.Put(static_cast<int>(std::lround(cx - r / 2.5)), static_cast<int>(std::lround(cy - r / 2.5)),
        kWhite);
}

// Window outline: border, title bar of `title` rows, white body.
// Returns the body box.
Box WindowFrame(Canvas& c, Box b, int title, uint32_t body = kWhite) {
  c.Panel(b, body, kInk);
  c.Fill({b.x + 1, b.y + 1, b.w - 2, title}, kBlue);
  if (title >= 2 && b.w >= 10) c.Put(b.Right() - 2, b.y + 1 + (title - 1) / 2, kWhite);
  return {b.x + 1, b.y + 1 + title, b.w - 2, b.h - 2 - title};
}

// Clipboard with its clip on top.
void Clipboard(Canvas& c, Box b) {
  c.Panel(b, kBrown, kDarkBrown);
  c.Fill({b.x + 2, b.y + 2, b.w - 4, b.h - 3}, kWhite);
  int cw = std::max(3, b.w / 2);
  int cx = b.x + (b.w - cw) / 2;
  c.Panel({cx, b.y - 1, cw, 3}, kLight, kInk);
}

// Pencil lying diagonally with its tip at (tx, ty), pointing down-left.
void Pencil(Canvas& c, int tx, int ty, int length) {
  // Body: three diagonals.
  for (int k = 2; k < length; ++k) {
    c.Put(tx + k, ty - k, kYellow);
    c.Put(tx + k + 1, ty - k, kOrange);
    c.Put(tx + k, ty - k - 1, kOrange);
    c.Put(tx + k + 1, ty - k - 1, kYellow);
    c.Put(tx + k + 2, ty - k, kInk);
    c.Put(tx + k, ty - k - 2, kInk);
  }
  // Eraser.
  int e = length;
  for (int k = e; k < e + 2; ++k) {
    c.Put(tx + k, ty - k, kPink);
    c.Put(tx + k + 1, ty - k, kPink);
    c.Put(tx + k, ty - k - 1, kPink);
    c.Put(tx + k + 1, ty - k - 1, kPink);
    c.Put(tx + k + 2, ty - k, kInk);
    c.Put(tx + k, ty - k - 2, kInk);
  }
  c.Put(tx + e + 2, ty - e - 1, kInk);
  c.Put(tx + e + 1, ty - e - 2, kInk);
  // Wooden point and lead.
  c.Put(tx + 1, ty - 1, kTan);
  c.Put(tx + 2, ty - 1, kTan);
  c.Put(tx + 1, ty - 2, kTan);
  c.Put(tx + 3, ty - 1, kInk);
  c.Put(tx + 1, ty - 3, kInk);
  c.Put(tx, ty, kInk);
  c.Put(tx + 1, ty, kInk);
  c.Put(tx, ty - 1, kInk);
}

// Cog, 11x11 (or 9x9 when small) with its top-left corner at (x, y).
void Gear(Canvas& c, int x, int y, bool small = false) {
  // clang-format off
  static const char* const kLarge[] = {
      "....XXX....",
      ".XX.XGX.XX.",
      ".XGXGGGXGX.",
      "..XGGGGGX..",
      "XXGGXXXGGXX",
      "XGGGX.XGGGX",
      "XXGGXXXGGXX",
      "..XGGGGGX..",
      ".XGXGGGXGX.",
      ".XX.XGX.XX.",
      "....XXX....",
  };
  // clang-format on
  // clang-format off
  static const char* const kSmall[] = {
      "...XXX...",
      ".XXXGXXX.",
      ".XGGGGGX.",
      "XXGGXGGXX",
      "XGGX.XGGX",
      "XXGGXGGXX",
      ".XGGGGGX.",
      ".XXXGXXX.",
      "...XXX...",
  };
  // clang-format on
  const uint32_t colors[] = {kInk, kGrey};
  if (small)
    c.Sprite(x, y, kSmall, "XG", colors);
  else
    c.Sprite(x, y, kLarge, "XG", colors);
}

// Bullseye target around (cx, cy).
void Target(Canvas& c, double cx, double cy, double r) {
  c.Disc(cx, cy, r, kWhite);
  c.Ring(cx, cy, r, 1.5, kRed);
  if (r >= 5) c.Ring(cx, cy, r * 0.55, 1.3, kRed);
  c.Disc(cx, cy, r >= 5 ? 1.0 : 0.6, kRed);
}

// Crosshair with a ring around (cx, cy), arms reaching `arm` pixels.
void Crosshair(Canvas& c, int cx, int cy, int arm, uint32_t hColor, uint32_t vColor, double ring) {
  c.HLine(cx - arm, cx - 2, cy, hColor);
  c.HLine(cx + 2, cx + arm, cy, hColor);
  c.VLine(cx, cy - arm, cy - 2, vColor);
  c.VLine(cx, cy + 2, cy + arm, vColor);
  if (ring > 0) c.Ring(cx, cy, ring, 1.2, kDark);
  c.Put(cx, cy, kRed);
}

// Mouse pointer with its tip at (x, y).
void Pointer(Canvas& c, int x, int y) {
  // clang-format off
  static const char* const kRows[] = {
      "X",
      "XX",
      "XWX",
      "XWWX",
      "XWWWX",
      "XWWWWX",
      "XWWXXX",
      "XWX",
      "XX",
      "X",
  };
  // clang-format on
  const uint32_t colors[] = {kInk, kWhite};
  c.Sprite(x, y, kRows, "XW", colors);
}

// Drawing pin seen from the side, 7x11, top-left corner at (x, y).
void Pin(Canvas& c, int x, int y) {
  // clang-format off
  static const char* const kRows[] = {
      ".XXXXX.",
      ".XRWRX.",
      ".XRRRX.",
      ".XRRRX.",
      "XXRRRXX",
      "XRRRRRX",
      "XXXXXXX",
      "...N...",
      "...N...",
      "...N...",
      "...N...",
  };
  // clang-format on
  const uint32_t colors[] = {0xFF8E1B16, kRed, 0xFFF7B0A8, kDark};
  c.Sprite(x, y, kRows, "XRWN", colors);
}

// Two short vertical bars.
void PauseBars(Canvas& c, Box b) {
  int bw = std::max(2, b.w / 3);
  c.Panel({b.x, b.y, bw, b.h}, kBlue, kInk);
  c.Panel({b.Right() - bw + 1, b.y, bw, b.h}, kBlue, kInk);
}

// Smooth wave across the box.
void Wave(Canvas& c, Box b) {
  int py = -1;
  for (int x = b.x; x <= b.Right(); ++x) {
    double t = (x - b.x) / static_cast<double>(b.w - 1);
    int y = b.y + static_cast<int>(
                      std::lround((b.h - 2) * (0.5 - 0.5 * std::sin(t * 2 * 3.14159265358979))));
    if (py >= 0) c.VLine(x, std::min(py, y), std::max(py, y), kBlue);
    c.Put(x, y, kBlue);
    c.Put(x, y + 1, kBlue);
    py = y;
  }
}

// Storage drum (the information cache), 12x13, top-left corner at (x, y).
void Drum(Canvas& c, int x, int y) {
  // clang-format off
  static const char* const kRows[] = {
      "..XXXXXXXX..",
      "XXLLLLLLLLXX",
      "XLLLLLLLLLLX",
      "XXLLLLLLLLXX",
      "XSXXXXXXXXSX",
      "XSSSSSSSSSSX",
      "XSSSSSSSSSSX",
      "XXSSSSSSSSXX",
      "XSXXXXXXXXSX",
      "XSSSSSSSSSSX",
      "XSSSSSSSSSSX",
      "XXSSSSSSSSXX",
      "..XXXXXXXX..",
  };
  // clang-format on
  const uint32_t colors[] = {kInk, kPale, kSky};
  c.Sprite(x, y, kRows, "XLS", colors);
}

// Small palette: four colour squares (the "choose colour" mark).
void PaletteBadge(Canvas& c, int x, int y) {
  c.Panel({x, y, 8, 8}, kWhite, kInk);
  c.Fill({x + 1, y + 1, 3, 3}, kRed);
  c.Fill({x + 4, y + 1, 3, 3}, kYellow);
  c.Fill({x + 1, y + 4, 3, 3}, kGreen);
  c.Fill({x + 4, y + 4, 3, 3}, kRgbBlue);
}

// On/off switch in the "on" position.
void Switch(Canvas& c, Box b) {
  c.Panel(b, kGreen, kInk);
  c.Put(b.x, b.y, kClear);
  c.Put(b.Right(), b.y, kClear);
  c.Put(b.x, b.Bottom(), kClear);
  c.Put(b.Right(), b.Bottom(), kClear);
  int k = b.h - 2;
  c.Panel({b.Right() - k, b.y + 1, k, k}, kWhite, kDark);
}

// Popup menu list with item rows, the second one highlighted.
void MenuPanel(Canvas& c, Box b) {
  c.Panel(b, kWhite, kDark);
  int row = 0;
  for (int y = b.y + 2; y + 1 < b.Bottom(); y += 3, ++row) {
    if (row == 1) {
      c.Fill({b.x + 1, y - 1, b.w - 2, 3}, kBlue);
      c.HLine(b.x + 2, b.Right() - 3, y, kWhite);
    } else {
      c.HLine(b.x + 2, b.Right() - 3, y, kGrey);
    }
  }
}

// Toolbar strip with a row of small coloured buttons.
void ToolStrip(Canvas& c, int x, int y, int w) {
  c.Panel({x, y, w, 6}, kPale, kDark);
  const uint32_t colors[] = {kRed, kGreen, kRgbBlue, kOrange};
  for (int i = 0, bx = x + 1; bx + 3 < x + w; bx += 4, ++i)
    c.Fill({bx + 1, y + 2, 2, 2}, colors[i % 4]);
}

// Small picture: sky, sun and a hill.
void Landscape(Canvas& c, Box b) {
  c.Fill(b, kSky);
  c.Disc(b.Right() - 2.5, b.y + 2.5, 1.3, kYellow);
  for (int x = b.x; x <= b.Right(); ++x) {
    double t = (x - b.x) / static_cast<double>(b.w);
    int top = b.y + b.h / 2 + static_cast<int>(std::lround(std::fabs(t - 0.4) * b.h * 0.8)) - 1;
    c.VLine(x, std::min(top, b.Bottom()), b.Bottom(), kGreen);
  }
}

// ---------------------------------------------------------------------------
// Item marks: what an information line shows. The same mark identifies the
// line's toggle, its copy item and its write item.
// ---------------------------------------------------------------------------
enum MarkKind : uint8_t {
  // colour
  kMarkRgb,
  kMarkHtml,
  kMarkColorref,
  kMarkHsv,
  kMarkHls,
  kMarkHlsWin,
  // position (letter of the coordinate system)
  kMarkPosScreen,
  kMarkPosMonitor,
  kMarkPosClient,
  kMarkPosLength,
  // window (drawn as a window frame)
  kMarkHandle,
  kMarkClass,
  kMarkText,
  kMarkWinSize,
  kMarkClientSize,
  kMarkRect,
  kMarkCtrlId,
  kMarkStyle,
  kMarkStyleEx,
  kMarkStyleVerbose,
  kMarkEnabled,
  kMarkParent,
  kMarkPid,
  kMarkExe,
  kMarkVersion,
  // other copy/write items
  kMarkPicture,
  kMarkAllText,
  kMarkClipText,
  kMarkEmptyText,
};

bool IsWindowMark(MarkKind k) { return k >= kMarkHandle && k <= kMarkVersion; }

// Parts: 0 = the whole item, else a component:
// colour: index of the letter + 1 (R G B / H S V / H L S);
// position: 1 = x (width), 2 = y (height);
// window size and rectangle: 1 left, 2 top, 3 width or right, 4 height or bottom.
struct Mark {
  MarkKind kind;
  uint8_t part;
};

void ColorLetters(Canvas& c, int x, int y, const char* letters, int part, const uint32_t* colors) {
  for (int i = 0; letters[i]; ++i) {
    char s[2] = {letters[i], 0};
    uint32_t col = part == 0 || part == i + 1 ? colors[i] : kLight;
    Text(c, x + 4 * i, y, s, col);
  }
}

void DrawRgbMark(Canvas& c, Box b, int part) {
  const uint32_t colors[] = {kRed, kGreen, kRgbBlue};
  int x = b.x + (b.w - 11) / 2;
  ColorLetters(c, x, b.y, "RGB", part, colors);
  int fy = b.y + 6, fh = b.Bottom() - fy + 1;
  const double heights[] = {1.0, 0.6, 0.8};
  for (int i = 0; i < 3; ++i) {
    int h = std::max(1, static_cast<int>(std::lround(fh * heights[i])));
    uint32_t col = part == 0 || part == i + 1 ? colors[i] : kLight;
    c.Fill({x + 4 * i, b.Bottom() - h + 1, 3, h}, col);
  }
}

// HSV, HLS or HLS-Windows letters over a small colour field; a component
// shows the ramp of that component alone.
void DrawModelMark(Canvas& c, Box b, MarkKind kind, int part) {
  bool hsv = kind == kMarkHsv;
  const uint32_t ink[] = {kInk, kInk, kInk};
  const uint32_t winInk[] = {kBlue, kBlue, kBlue};
  int x = b.x + (b.w - 11) / 2;
  ColorLetters(c, x, b.y, hsv ? "HSV" : "HLS", part, kind == kMarkHlsWin ? winInk : ink);
  Box f{x, b.y + 6, 11, b.Bottom() - b.y - 5};
  if (kind == kMarkHlsWin) {
    // The Windows scale: the field sits in a small window.
    if (b.h >= 14) {
      c.Frame({f.x - 1, f.y - 1, f.w + 2, f.h + 2}, kBlue);
      c.HLine(f.x, f.Right(), f.y, kBlue);
    } else {
      c.HLine(f.x, f.Right(), f.y - 1, kBlue);
    }
    f = {f.x, f.y + 1, f.w, f.h - 1};
  }
  for (int yy = 0; yy < f.h; ++yy)
    for (int xx = 0; xx < f.w; ++xx) {
      double u = xx / static_cast<double>(f.w - 1);
      double v = f.h > 1 ? yy / static_cast<double>(f.h - 1) : 0;
      uint32_t col;
      if (part == 1) {
        col = FromHsv(u * 0.9, 1, 1);  // hue
      } else if (hsv && part == 2) {
        col = FromHsv(0, u, 1);  // saturation
      } else if (hsv && part == 3) {
        col = FromHsv(0, 1, u);  // value
      } else if (!hsv && part == 2) {
        col = FromHls(0, u, 1);  // lightness
      } else if (!hsv && part == 3) {
        col = FromHls(0, 0.5, u);  // saturation
      } else if (hsv) {
        col = FromHsv(u * 0.9, 1, 1 - 0.75 * v);
      } else {
        col = FromHls(u * 0.9, 0.85 - 0.7 * v, 1);
      }
      c.Put(f.x + xx, f.y + yy, col);
    }
}

void DrawHtmlMark(Canvas& c, Box b) { TextIn(c, b, "#", kInk, 3); }

// "0x" over the three channel bars in COLORREF order (blue, green, red).
void DrawColorrefMark(Canvas& c, Box b) {
  int x = b.x + (b.w - 11) / 2;
  Text(c, x + 2, b.y, "0x", kInk);
  const uint32_t colors[] = {kRgbBlue, kGreen, kRed};
  int fy = b.y + 6;
  for (int i = 0; i < 3; ++i) c.Fill({x + 4 * i, fy, 3, b.Bottom() - fy + 1}, colors[i]);
}

// Coordinate-system letter with a crosshair; the x / y components show
// their axis in red with arrow heads. Length shows dimension lines instead
// (both for the whole item, one for a component).
void DrawPosMark(Canvas& c, Box b, MarkKind kind, int part) {
  const char* letter = kind == kMarkPosScreen    ? "S"
                       : kind == kMarkPosMonitor ? "M"
                       : kind == kMarkPosClient  ? "C"
                                                 : "L";
  const bool large = b.h >= 14;
  Text(c, b.x + (large ? 1 : 0), b.y + (large ? 1 : 0), letter, kInk, large ? 2 : 1);
  const int head = large ? 3 : 2;
  if (kind == kMarkPosLength) {
    int hy = b.Bottom() - 1, hx1 = b.Right() - (large ? 4 : 3);
    int vx = b.Right() - 1, vy1 = b.Bottom() - (large ? 4 : 3);
    if (part != 2) {
      uint32_t col = part == 1 ? kRed : kBlue;
      if (large)
        c.DoubleArrow(b.x + 1, hy, hx1 - 1, hy, head, col);
      else
        c.HLine(b.x, hx1, hy, col);
      c.VLine(b.x, hy - head + 1, hy + 1, col);
      c.VLine(hx1, hy - head + 1, hy + 1, col);
    }
    if (part != 1) {
      uint32_t col = part == 2 ? kRed : kBlue;
      if (large)
        c.DoubleArrow(vx, b.y + 1, vx, vy1 - 1, head, col);
      else
        c.VLine(vx, b.y, vy1, col);
      c.HLine(vx - head + 1, vx + 1, b.y, col);
      c.HLine(vx - head + 1, vx + 1, vy1, col);
    }
    return;
  }
  const int cx = b.x + (large ? 11 : 7), cy = b.y + (large ? 11 : 6);
  const int left = large ? cx - 6 : b.x, top = large ? cy - 6 : b.y;
  uint32_t h = part == 2 ? kLight : part == 1 ? kRed : kInk;
  uint32_t v = part == 1 ? kLight : part == 2 ? kRed : kInk;
  c.HLine(left, cx - 2, cy, h);
  c.HLine(cx + 2, b.Right(), cy, h);
  c.VLine(cx, top, cy - 2, v);
  c.VLine(cx, cy + 2, b.Bottom(), v);
  if (large) c.Ring(cx, cy, 3.2, 1.2, kDark);
  c.Put(cx, cy, kRed);
  if (part == 1) {
    c.Head(left, cy, kLeft, head, kRed);
    c.Head(b.Right(), cy, kRight, head, kRed);
  }
  if (part == 2) {
    c.Head(cx, top, kUp, head, kRed);
    c.Head(cx, b.Bottom(), kDown, head, kRed);
  }
}

// Content of the window marks, inside the frame's body `in`.
void DrawWindowMarkBody(Canvas& c, Box frame, Box in, MarkKind kind, int part) {
  switch (kind) {
    case kMarkHandle: TextIn(c, in, "H", kInk); break;
    case kMarkClass: TextIn(c, in, "C", kInk); break;
    case kMarkText: TextIn(c, in, "T", kInk); break;
    case kMarkCtrlId: TextIn(c, in, "ID", kInk); break;
    case kMarkStyle: TextIn(c, in, "WS", kInk); break;
    case kMarkStyleEx: TextIn(c, in, "EX", kInk); break;
    case kMarkPid: TextIn(c, in, "PiD", kInk); break;
    case kMarkExe: TextIn(c, in, "EXE", kInk, 1); break;
    case kMarkVersion: TextIn(c, in, "1.2", kInk); break;
    case kMarkStyleVerbose: {
      Text(c, in.x + 1, in.y + 1, "S", kInk);
      for (int y = in.y + 1; y <= in.Bottom() - 1; y += 2)
        c.HLine(in.x + 5, in.Right() - 1, y, kGrey);
      break;
    }
    case kMarkEnabled: {
      int cx = in.x + in.w / 2 - 1, cy = in.y + in.h / 2 + 1;
      int k = std::min(in.w, in.h) / 3;
      c.ThickLine(cx - k, cy - k + 1, cx, cy + 1, kGreen);
      c.ThickLine(cx, cy + 1, cx + k + 2, cy - k - 1, kGreen);
      break;
    }
    case kMarkParent: {
      // A child window inside, with an arrow up to the parent's title bar.
      int cw = in.w / 2 + 1, ch = in.h / 2 + 1;
      Box child{in.Right() - cw, in.Bottom() - ch, cw, ch};
      c.Panel(child, kWhite, kDark);
      c.HLine(child.x + 1, child.Right() - 1, child.y + 1, kSky);
      int ax = in.x + 2;
      c.VLine(ax, in.y + 2, child.y + ch / 2, kRed);
      c.HLine(ax, child.x - 1, child.y + ch / 2, kRed);
      c.Head(ax, in.y, kUp, 2, kRed);
      break;
    }
    case kMarkWinSize:
    case kMarkClientSize: {
      Box a = in;
      if (kind == kMarkClientSize) {
        c.Fill(in, kSky);
        a = {in.x + 1, in.y + 1, in.w - 2, in.h - 2};
      }
      uint32_t col = kind == kMarkClientSize ? kInk : kRed;
      const int head = in.h >= 10 ? 3 : 2;
      int mx = a.x + a.w / 2, my = a.y + a.h / 2;
      if (part == 0) {
        // Diagonal resize arrow.
        int n = std::min(a.w, a.h) - 2;
        int x0 = a.x + (a.w - 1 - n) / 2, y0 = a.y + (a.h - 1 - n) / 2;
        c.Line(x0, y0, x0 + n, y0 + n, col);
        c.Line(x0 + 1, y0, x0 + n, y0 + n - 1, col);
        for (int k = 1; k <= head; ++k) {
          c.Put(x0 + k, y0, col), c.Put(x0, y0 + k, col);
          c.Put(x0 + n - k, y0 + n, col), c.Put(x0 + n, y0 + n - k, col);
        }
      } else if (part == 3) {
        c.DoubleArrow(a.x, my, a.Right(), my, head, col);
      } else if (part == 4) {
        c.DoubleArrow(mx, a.y, mx, a.Bottom(), head, col);
      } else if (part == 1) {
        c.VLine(frame.x, frame.y, frame.Bottom(), kRed);
        c.Arrow(a.Right() - 1, my, a.x, my, head, kRed);
      } else if (part == 2) {
        c.HLine(frame.x, frame.Right(), frame.y, kRed);
        c.Arrow(mx, a.Bottom(), mx, a.y, head, kRed);
      }
      break;
    }
    case kMarkRect: {
      // Corner brackets; a component marks its edge.
      Box r{in.x + 1, in.y + 1, in.w - 2, in.h - 2};
      const int k = 2;
      c.HLine(r.x, r.x + k, r.y, kRed);
      c.VLine(r.x, r.y, r.y + k, kRed);
      c.HLine(r.Right() - k, r.Right(), r.y, kRed);
      c.VLine(r.Right(), r.y, r.y + k, kRed);
      c.HLine(r.x, r.x + k, r.Bottom(), kRed);
      c.VLine(r.x, r.Bottom() - k, r.Bottom(), kRed);
      c.HLine(r.Right() - k, r.Right(), r.Bottom(), kRed);
      c.VLine(r.Right(), r.Bottom() - k, r.Bottom(), kRed);
      if (part == 1) c.VLine(r.x, r.y, r.Bottom(), kRed), c.VLine(r.x + 1, r.y, r.Bottom(), kRed);
      if (part == 2) c.HLine(r.x, r.Right(), r.y, kRed), c.HLine(r.x, r.Right(), r.y + 1, kRed);
      if (part == 3)
        c.VLine(r.Right(), r.y, r.Bottom(), kRed), c.VLine(r.Right() - 1, r.y, r.Bottom(), kRed);
      if (part == 4)
        c.HLine(r.x, r.Right(), r.Bottom(), kRed), c.HLine(r.x, r.Right(), r.Bottom() - 1, kRed);
      if (part == 0) c.Fill({r.x + 3, r.y + 2, r.w - 6, r.h - 4}, kPale);
      break;
    }
    default: break;
  }
}

// Marks that are neither colour, position nor window marks.
void DrawOtherMark(Canvas& c, Box b, MarkKind kind) {
  switch (kind) {
    case kMarkPicture: Landscape(c, {b.x + 1, b.y + 1, b.w - 2, b.h - 2}); break;
    case kMarkAllText:
      for (int y = b.y + 1; y < b.Bottom(); y += 2)
        c.HLine(b.x + 1, b.Right() - 1 - ((y - b.y) % 4 == 1 ? 0 : 3), y, kDark);
      break;
    case kMarkClipText: {
      Clipboard(c, {b.x + 3, b.y + 2, b.w - 6, b.h - 2});
      c.HLine(b.x + 5, b.Right() - 5, b.y + 5, kGrey);
      c.HLine(b.x + 5, b.Right() - 5, b.y + 7, kGrey);
      break;
    }
    case kMarkEmptyText: {
      // Struck-out text.
      for (int y = b.y + 2; y < b.Bottom(); y += 3) c.HLine(b.x + 1, b.Right() - 1, y, kGrey);
      for (int k = 0; k < 2; ++k) {
        c.Line(b.x + 2 + k, b.y, b.Right() - 3 + k, b.Bottom(), kRed);
        c.Line(b.Right() - 3 + k, b.y, b.x + 2 + k, b.Bottom(), kRed);
      }
      break;
    }
    default: break;
  }
}

// Draws a mark in the area `outer`: window marks as a window frame filling
// it, the others on a white badge (small) or bare (large).
void DrawMark(Canvas& c, Box outer, Mark m, bool large) {
  if (IsWindowMark(m.kind)) {
    Box body = WindowFrame(c, outer, 2);
    DrawWindowMarkBody(c, outer, body, m.kind, m.part);
    return;
  }
  Box in = outer;
  if (!large) {
    c.Panel(outer, kWhite, kDark);
    in = {outer.x + 1, outer.y + 1, outer.w - 2, outer.h - 2};
  }
  switch (m.kind) {
    case kMarkRgb: DrawRgbMark(c, in, m.part); break;
    case kMarkHtml: DrawHtmlMark(c, in); break;
    case kMarkColorref: DrawColorrefMark(c, in); break;
    case kMarkHsv:
    case kMarkHls:
    case kMarkHlsWin: DrawModelMark(c, in, m.kind, m.part); break;
    case kMarkPosScreen:
    case kMarkPosMonitor:
    case kMarkPosClient:
    case kMarkPosLength: DrawPosMark(c, in, m.kind, m.part); break;
    default: DrawOtherMark(c, in, m.kind); break;
  }
}

// Badge positions of the copy and write icons.
constexpr Box kCopyBadge{4, 6, 14, 12};
constexpr Box kWriteBadge{0, 6, 14, 12};

void PaintLine(Canvas& c, Mark m) {
  DrawMark(c, IsWindowMark(m.kind) ? Box{0, 1, 18, 16} : Box{1, 1, 16, 16}, m, true);
}

void PaintCopy(Canvas& c, Mark m) {
  Clipboard(c, {0, 1, 13, 17});
  c.HLine(3, 9, 4, kGrey);
  DrawMark(c, kCopyBadge, m, false);
}

void PaintWrite(Canvas& c, Mark m) {
  DrawMark(c, kWriteBadge, m, false);
  Pencil(c, 11, 7, 6);
}

// ---------------------------------------------------------------------------
// Zoom and grid.
// ---------------------------------------------------------------------------
void PaintZoomStep(Canvas& c, int factor) {
  char digits[4];
  int n = 0;
  if (factor >= 10) digits[n++] = static_cast<char>('0' + factor / 10);
  digits[n++] = static_cast<char>('0' + factor % 10);
  digits[n] = 0;
  int w = TextWidth(digits, 2);
  Text(c, (15 - w) / 2, 0, digits, kInk, 2);
  Lens(c, 13, 13, 2.6, 17, 17, 1.2);
}

void PaintZoomUpDown(Canvas& c, bool up) {
  Lens(c, 6.5, 6.5, 6.2, 17, 17);
  c.Fill({3, 6, 8, 2}, kInk);
  if (up) c.Fill({6, 3, 2, 8}, kInk);
}

enum class GridLook : uint8_t {
  kGrayLines,
  kBlackLines,
  kWhiteLines,
  kInvert,
  kTransparent,
  kChoose,
  kShow,
  kSubNone,
  kSubBlue,
  kSubRed,
  kSubChoose,
  kSubTwo,
  kSubSecondChoose,
};

// Checkered cells of magnified pixels under a grid of `step`-pixel pitch.
void GridCells(Canvas& c, Box b, int step) {
  for (int y = b.y; y <= b.Bottom(); ++y)
    for (int x = b.x; x <= b.Right(); ++x) {
      int cx = (x - b.x) / step, cy = (y - b.y) / step;
      c.Put(x, y, (cx + cy) % 2 ? kCellB : kCellA);
    }
}

void GridLines(Canvas& c, Box b, int step, uint32_t color, bool dotted = false) {
  for (int p = 0; p < b.w; p += step)
    for (int y = b.y; y <= b.Bottom(); ++y)
      if (!dotted || (y + p) % 2 == 0) c.Put(b.x + p, y, color);
  for (int p = 0; p < b.h; p += step)
    for (int x = b.x; x <= b.Right(); ++x)
      if (!dotted || (x + p) % 2 == 0) c.Put(x, b.y + p, color);
}

void PaintGrid(Canvas& c, GridLook look) {
  const Box b{1, 1, 16, 16};
  switch (look) {
    case GridLook::kGrayLines:
    case GridLook::kBlackLines:
    case GridLook::kWhiteLines:
    case GridLook::kChoose: {
      GridCells(c, b, 5);
      uint32_t col = look == GridLook::kBlackLines   ? kInk
                     : look == GridLook::kWhiteLines ? kWhite
                                                     : kGrey;
      GridLines(c, b, 5, col);
      if (look == GridLook::kChoose) PaletteBadge(c, 10, 10);
      break;
    }
    case GridLook::kInvert: {
      // Dark pixels get light lines and light pixels dark ones.
      GridCells(c, b, 5);
      c.Fill({b.x, b.y, 8, 16}, kNightCell);
      GridLines(c, b, 5, kInk);
      for (int y = b.y; y <= b.Bottom(); ++y)
        for (int x = b.x; x < b.x + 8; ++x)
          if (c.Get(x, y) == kInk) c.Put(x, y, kWhite);
      break;
    }
    case GridLook::kTransparent:
      GridCells(c, b, 5);
      GridLines(c, b, 5, kGrey, true);
      break;
    case GridLook::kShow: {
      // Grid with the rulers along the top and left.
      Box g{4, 4, 14, 14};
      GridCells(c, g, 5);
      GridLines(c, g, 5, kGrey);
      c.Fill({0, 0, 18, 4}, kYellow);
      c.Fill({0, 0, 4, 18}, kYellow);
      for (int p = 4; p < 18; p += 5) {
        c.VLine(p, 1, 3, kInk);
        c.HLine(1, 3, p, kInk);
      }
      for (int p = 6; p < 18; p += 5) {
        c.Put(p, 3, kInk);
        c.Put(3, p, kInk);
      }
      c.Fill({0, 0, 4, 4}, kClear);
      break;
    }
    default: {
      // Sub-grids: fine grey grid, thick coloured lines every few cells.
      GridCells(c, b, 3);
      GridLines(c, b, 3, kLight);
      auto thick = [&](int p, uint32_t col) {
        c.Fill({b.x + p, b.y, 2, b.h}, col);
        c.Fill({b.x, b.y + p, b.w, 2}, col);
      };
      if (look == GridLook::kSubNone) {
        c.ThickLine(2, 15, 15, 2, kRed);
      } else if (look == GridLook::kSubTwo) {
        thick(2, kRgbBlue);
        thick(11, kGreen);
      } else {
        uint32_t col = look == GridLook::kSubRed            ? kRed
                       : look == GridLook::kSubSecondChoose ? kGreen
                                                            : kRgbBlue;
        thick(look == GridLook::kSubBlue || look == GridLook::kSubRed ? 7 : 5, col);
        if (look == GridLook::kSubChoose || look == GridLook::kSubSecondChoose)
          PaletteBadge(c, 10, 10);
      }
      break;
    }
  }
}

// ---------------------------------------------------------------------------
// One-off icons.
// ---------------------------------------------------------------------------
enum class Misc : uint8_t {
  kColorAll,
  kPosAll,
  kWinAll,
  kLengthOrigin,
  kLoupe,
  kFixed,
  kPause,
  kUpdate,
  kActualSize,
  kCursorToPoint,
  kPointFromCursor,
  kFlipNone,
  kFlipH,
  kFlipV,
  kRotate90,
  kRotate270,
  kRotate180,
  kStayOnTop,
  kTitleBar,
  kToolBar,
  kNoSelfCapture,
  kSmooth,
  kAero,
  kApiTest,
  kWheel,
  kLargeIcons,
  kRuleLines,
  kFont,
  kCustomList,
  kCustomMenu,
  kCustomToolBar,
  kCustomKeys,
  kCustomCopy,
  kMenuMain,
  kMenuZoom,
  kMenuGrid,
  kMenuColor,
  kMenuPos,
  kMenuWinInfo,
  kMenuCopy,
  kMenuSetting,
  kMenuCapture,
  kMenuTest,
  kMoveUp,
  kMoveDown,
  kMoveLeft,
  kMoveRight,
  kMoveMonitor,
  kMinimize,
  kExit,
  kHelp,
  kCacheInfo,
  kClearCache,
};

// Small section symbols for the menu and customisation icons, in an 8x8 cell.
void SectionSymbol(Canvas& c, int x, int y, Misc which) {
  switch (which) {
    case Misc::kMenuZoom: Lens(c, x + 3, y + 3, 2.6, x + 7, y + 7, 1.2); break;
    case Misc::kMenuGrid:
      GridCells(c, {x, y, 8, 8}, 3);
      GridLines(c, {x, y, 8, 8}, 3, kGrey);
      c.VLine(x + 7, y, y + 7, kGrey);
      c.HLine(x, x + 7, y + 7, kGrey);
      break;
    case Misc::kMenuColor:
      c.Fill({x, y + 1, 2, 7}, kRed);
      c.Fill({x + 3, y + 3, 2, 5}, kGreen);
      c.Fill({x + 6, y + 2, 2, 6}, kRgbBlue);
      break;
    case Misc::kMenuPos: Crosshair(c, x + 4, y + 4, 4, kInk, kInk, 0); break;
    case Misc::kMenuWinInfo: WindowFrame(c, {x, y, 8, 8}, 2); break;
    case Misc::kMenuCopy: Clipboard(c, {x + 1, y + 1, 6, 7}); break;
    case Misc::kMenuSetting: Gear(c, x - 1, y - 1, true); break;
    case Misc::kMenuCapture: Target(c, x + 3.5, y + 3.5, 3.8); break;
    case Misc::kMenuTest: {
      // Flask.
      c.VLine(x + 2, y, y + 3, kDark);
      c.VLine(x + 5, y, y + 3, kDark);
      c.Triangle(x + 3.5, y + 1, x - 0.4, y + 7.5, x + 7.4, y + 7.5, kGreen);
      c.Fill({x + 3, y, 2, 4}, kPale);
      c.Line(x + 2, y + 3, x, y + 7, kDark);
      c.Line(x + 5, y + 3, x + 7, y + 7, kDark);
      c.HLine(x, x + 7, y + 7, kDark);
      c.HLine(x + 1, x + 6, y, kDark);
      break;
    }
    default: break;
  }
}

void PaintFamilyAll(Canvas& c, Misc which) {
  // Family symbol over an on/off switch.
  switch (which) {
    case Misc::kColorAll:
      c.Fill({2, 3, 4, 8}, kRed);
      c.Fill({7, 1, 4, 10}, kGreen);
      c.Fill({12, 5, 4, 6}, kRgbBlue);
      break;
    case Misc::kPosAll: Crosshair(c, 8, 5, 6, kInk, kInk, 3.2); break;
    default: WindowFrame(c, {2, 0, 14, 11}, 2); break;
  }
  Switch(c, {2, 12, 14, 6});
}

// Letter-shaped picture for the flip and rotate icons: an F, 4x6, doubled.
void FlipGlyph(Canvas& c, int x, int y, bool mirror, bool upsideDown, bool transpose) {
  // clang-format off
  static const char* const kF[] = {"XXXX", "X...", "XXX.", "X...", "X...", "X..."};
  // clang-format on
  for (int r = 0; r < 6; ++r)
    for (int i = 0; i < 4; ++i) {
      if (kF[r][i] != 'X') continue;
      int gx = mirror ? 3 - i : i, gy = upsideDown ? 5 - r : r;
      if (transpose) std::swap(gx, gy);
      c.Fill({x + 2 * gx, y + 2 * gy, 2, 2}, kBlue);
    }
}

// Two-pixel arc around (cx, cy) from angle a0 to a1 (degrees, 0 = right,
// growing clockwise); the caller adds the head.
void Bend(Canvas& c, double cx, double cy, double r, double a0, double a1, uint32_t col) {
  c.Arc(cx, cy, r, 2.0, a0, a1, col);
}

// Arrow head two pixels wide at the tip, for two-pixel shafts: the tip
// covers (x, y) and the next pixel across.
void WideHead(Canvas& c, int x, int y, Dir d, int len, uint32_t col) {
  for (int k = 0; k < len; ++k) {
    switch (d) {
      case kDown: c.HLine(x - k, x + 1 + k, y - k, col); break;
      case kUp: c.HLine(x - k, x + 1 + k, y + k, col); break;
      case kRight: c.VLine(x - k, y - k, y + 1 + k, col); break;
      case kLeft: c.VLine(x + k, y - k, y + 1 + k, col); break;
    }
  }
}

void PaintFlip(Canvas& c, Misc which) {
  switch (which) {
    case Misc::kFlipNone: FlipGlyph(c, 5, 3, false, false, false); break;
    case Misc::kFlipH:
      FlipGlyph(c, 5, 1, true, false, false);
      c.DoubleArrow(1, 15, 16, 15, 3, kRed);
      break;
    case Misc::kFlipV:
      FlipGlyph(c, 1, 3, false, true, false);
      c.DoubleArrow(14, 1, 14, 16, 3, kRed);
      break;
    case Misc::kRotate90:
      // Rotated clockwise: the top of the F now points right.
      FlipGlyph(c, 0, 10, false, true, true);
      Bend(c, 7, 10, 8, 262, 360, kRed);
      c.Fill({14, 10, 2, 2}, kRed);
      WideHead(c, 14, 14, kDown, 3, kRed);
      break;
    case Misc::kRotate270:
      FlipGlyph(c, 6, 10, true, false, true);
      Bend(c, 10, 10, 8, 180, 278, kRed);
      c.Fill({2, 10, 2, 2}, kRed);
      WideHead(c, 2, 14, kDown, 3, kRed);
      break;
    case Misc::kRotate180:
      FlipGlyph(c, 5, 6, true, true, false);
      Bend(c, 8.5, 10, 8, 180, 360, kRed);
      c.Fill({15, 10, 2, 2}, kRed);
      WideHead(c, 15, 14, kDown, 3, kRed);
      break;
    default: break;
  }
}

void PaintMenu(Canvas& c, Misc which) {
  if (which == Misc::kMenuMain) {
    MenuPanel(c, {1, 1, 13, 16});
    c.Head(16, 9, kRight, 3, kInk);
    return;
  }
  MenuPanel(c, {0, 0, 12, 15});
  c.Panel({7, 7, 11, 11}, kWhite, kDark);
  SectionSymbol(c, 9, 9, which);
}

void PaintCustom(Canvas& c, Misc which) {
  switch (which) {
    case Misc::kCustomList:
      for (int i = 0; i < 3; ++i) {
        int y = 1 + 4 * i;
        c.Panel({0, y, 3, 3}, kWhite, kDark);
        if (i != 1) c.Put(1, y + 1, kGreen);
        c.HLine(5, 13, y + 1, kDark);
      }
      break;
    case Misc::kCustomMenu: MenuPanel(c, {0, 0, 12, 14}); break;
    case Misc::kCustomToolBar: ToolStrip(c, 0, 2, 17); break;
    case Misc::kCustomKeys:
      c.Panel({0, 0, 11, 11}, kPale, kInk);
      c.HLine(1, 9, 9, kGrey);
      c.VLine(9, 1, 9, kGrey);
      Text(c, 3, 2, "K", kInk);
      break;
    case Misc::kCustomCopy:
      Clipboard(c, {0, 1, 11, 14});
      c.HLine(3, 7, 5, kGrey);
      break;
    default: break;
  }
  Gear(c, 7, 7);
}

void PaintMove(Canvas& c, Misc which) {
  if (which == Misc::kMoveMonitor) {
    auto screen = [&](int x, int y, uint32_t fill) {
      c.Panel({x, y, 9, 7}, fill, kInk);
      c.HLine(x + 3, x + 5, y + 7, kDark);
      c.HLine(x + 2, x + 6, y + 8, kDark);
    };
    screen(0, 1, kSky);
    screen(9, 1, kPale);
    c.Fill({3, 13, 9, 2}, kBlue);
    c.Head(15, 13, kRight, 4, kBlue);
    c.Head(15, 14, kRight, 4, kBlue);
    Pointer(c, 12, 3);
    return;
  }
  // Thick arrow across the icon, the pointer at its tail.
  auto horizontal = [&](bool right) {
    int tip = right ? 16 : 1;
    for (int k = 0; k < 7; ++k) c.VLine(right ? tip - k : tip + k, 8 - k, 9 + k, kBlue);
    c.Fill({right ? 1 : 8, 6, 9, 6}, kBlue);
  };
  auto vertical = [&](bool down) {
    int tip = down ? 16 : 1;
    for (int k = 0; k < 7; ++k) c.HLine(8 - k, 9 + k, down ? tip - k : tip + k, kBlue);
    c.Fill({6, down ? 1 : 8, 6, 9}, kBlue);
  };
  switch (which) {
    case Misc::kMoveUp: vertical(false); break;
    case Misc::kMoveDown: vertical(true); break;
    case Misc::kMoveLeft: horizontal(false); break;
    default: horizontal(true); break;
  }
  c.OutlineShape({0, 0, 18, 18}, kBlue, 0xFF1D4A9A);
}

void PaintMisc(Canvas& c, Misc which) {
  switch (which) {
    case Misc::kColorAll:
    case Misc::kPosAll:
    case Misc::kWinAll: PaintFamilyAll(c, which); break;
    case Misc::kLengthOrigin: {
      // Corner of the rulers with the origin point.
      c.Fill({1, 1, 3, 16}, kYellow);
      c.Fill({1, 1, 16, 3}, kYellow);
      for (int p = 5; p < 17; p += 3) {
        c.VLine(p, 1, 2, kInk);
        c.HLine(1, 2, p, kInk);
      }
      Crosshair(c, 9, 9, 5, kInk, kInk, 0);
      c.Disc(9, 9, 1.2, kRed);
      c.Line(4, 4, 7, 7, kGrey);
      break;
    }
    case Misc::kLoupe: {
      // Lens over a small picture.
      c.Panel({0, 3, 12, 10}, kPale, kGrey);
      Lens(c, 9.5, 7.5, 6, 17, 16);
      c.Fill({7, 6, 2, 2}, kRed);
      c.Fill({9, 8, 2, 2}, kGreen);
      c.Fill({11, 6, 2, 2}, kRgbBlue);
      break;
    }
    case Misc::kFixed: {
      Target(c, 8.5, 8.5, 8);
      c.VLine(8, 0, 3, kInk);
      c.VLine(9, 14, 17, kInk);
      c.HLine(0, 3, 9, kInk);
      c.HLine(14, 17, 8, kInk);
      break;
    }
    case Misc::kPause: PauseBars(c, {3, 2, 12, 14}); break;
    case Misc::kUpdate:
      // Clockwise circular arrow, open at the top right.
      Bend(c, 8, 9.5, 7.5, 0, 275, kGreen);
      c.Fill({8, 2, 3, 2}, kGreen);
      c.Head(14, 3, kRight, 4, kGreen);
      c.Head(14, 2, kRight, 4, kGreen);
      break;
    case Misc::kActualSize:
      Text(c, 0, 4, "1", kInk, 2);
      c.Fill({8, 6, 2, 2}, kInk);
      c.Fill({8, 10, 2, 2}, kInk);
      Text(c, 11, 4, "1", kInk, 2);
      break;
    case Misc::kCursorToPoint:
    case Misc::kPointFromCursor: {
      // The one that moves stands on the right, the arrow points to where it goes.
      bool cursorMoves = which == Misc::kCursorToPoint;
      Target(c, cursorMoves ? 4.5 : 12.5, 5.5, 4.5);
      Pointer(c, cursorMoves ? 11 : 1, 1);
      c.Fill({4, 14, 13, 2}, kGreen);
      for (int k = 0; k < 4; ++k) c.VLine(1 + k, 14 - k, 15 + k, kGreen);
      break;
    }
    case Misc::kFlipNone:
    case Misc::kFlipH:
    case Misc::kFlipV:
    case Misc::kRotate90:
    case Misc::kRotate270:
    case Misc::kRotate180: PaintFlip(c, which); break;
    case Misc::kStayOnTop:
      c.Panel({0, 6, 11, 10}, kPale, kDark);
      WindowFrame(c, {4, 3, 13, 12}, 2);
      Pin(c, 11, 0);
      break;
    case Misc::kTitleBar: {
      c.Panel({0, 1, 18, 16}, kPale, kInk);
      c.Fill({1, 2, 16, 5}, kBlue);
      c.HLine(3, 9, 4, kWhite);
      c.Line(12, 3, 14, 5, kWhite);
      c.Line(12, 5, 14, 3, kWhite);
      break;
    }
    case Misc::kToolBar: {
      Box body = WindowFrame(c, {0, 1, 18, 16}, 2, kPale);
      ToolStrip(c, body.x, body.y, body.w);
      break;
    }
    case Misc::kNoSelfCapture: {
      WindowFrame(c, {0, 2, 15, 13}, 2);
      c.Ring(11.5, 11.5, 6, 2, kRed);
      c.Line(8, 8, 15, 15, kRed);
      c.Line(8, 7, 16, 15, kRed);
      c.Line(7, 8, 15, 16, kRed);
      break;
    }
    case Misc::kSmooth:
      Wave(c, {0, 3, 18, 7});
      for (int i = 0; i < 3; ++i) c.HLine(2 + 2 * i, 15 - 2 * i, 12 + 2 * i, kGrey);
      break;
    case Misc::kAero: {
      c.Panel({0, 1, 18, 16}, kSky, kBlue);
      c.Panel({3, 5, 12, 9}, kWhite, kBlue);
      c.Put(12, 2, kWhite), c.Put(13, 3, kWhite), c.Put(14, 2, kWhite), c.Put(13, 1, kWhite);
      c.Put(13, 2, kWhite);
      break;
    }
    case Misc::kApiTest: {
      SectionSymbol(c, 0, 9, Misc::kMenuTest);
      c.Panel({0, 0, 15, 8}, kWhite, kDark);
      Text(c, 2, 1, "API", kInk);
      break;
    }
    case Misc::kWheel: {
      // Mouse with its wheel, and up/down arrows.
      c.Panel({1, 2, 9, 14}, kPale, kInk);
      c.Put(1, 2, kClear), c.Put(9, 2, kClear), c.Put(1, 15, kClear), c.Put(9, 15, kClear);
      c.HLine(2, 8, 7, kDark);
      c.VLine(5, 3, 7, kDark);
      c.Fill({5, 4, 1, 3}, kInk);
      c.Arrow(13, 8, 13, 1, 3, kBlue);
      c.Arrow(15, 9, 15, 16, 3, kRed);
      break;
    }
    case Misc::kLargeIcons:
      c.Panel({0, 11, 6, 6}, kSky, kBlue);
      c.Panel({6, 0, 12, 12}, kSky, kBlue);
      c.Fill({9, 3, 6, 6}, kBlue);
      c.Fill({2, 13, 2, 2}, kBlue);
      break;
    case Misc::kRuleLines: {
      c.Panel({0, 1, 18, 16}, kWhite, kDark);
      for (int y = 6; y < 16; y += 5) c.HLine(1, 16, y, kInk);
      c.VLine(6, 2, 15, kInk);
      for (int y = 3; y < 16; y += 5) {
        c.HLine(2, 4, y + 1, kGrey);
        c.HLine(8, 14, y + 1, kGrey);
      }
      break;
    }
    case Misc::kFont:
      Text(c, 0, 1, "A", kInk, 3);
      Text(c, 11, 7, "A", kBlue, 2);
      break;
    case Misc::kCustomList:
    case Misc::kCustomMenu:
    case Misc::kCustomToolBar:
    case Misc::kCustomKeys:
    case Misc::kCustomCopy: PaintCustom(c, which); break;
    case Misc::kMoveUp:
    case Misc::kMoveDown:
    case Misc::kMoveLeft:
    case Misc::kMoveRight:
    case Misc::kMoveMonitor: PaintMove(c, which); break;
    case Misc::kMinimize: {
      WindowFrame(c, {0, 1, 18, 16}, 3);
      c.Fill({4, 13, 10, 2}, kInk);
      c.Arrow(9, 6, 9, 11, 3, kBlue);
      c.VLine(8, 6, 9, kBlue);
      break;
    }
    case Misc::kExit:
      for (int k = 0; k < 3; ++k) {
        c.Line(2 + k, 2, 15, 15 - k, kRed);
        c.Line(2, 2 + k, 15 - k, 15, kRed);
        c.Line(15 - k, 2, 2, 15 - k, kRed);
        c.Line(15, 2 + k, 2 + k, 15, kRed);
      }
      break;
    case Misc::kHelp:
      c.Disc(8.5, 8.5, 8.4, kBlue);
      Text(c, 6, 4, "?", kWhite, 2);
      break;
    case Misc::kCacheInfo:
      Drum(c, 0, 5);
      c.Fill({13, 0, 3, 6}, kGreen);
      c.Head(14, 9, kDown, 4, kGreen);
      break;
    case Misc::kClearCache:
      Drum(c, 0, 5);
      for (int k = 0; k < 2; ++k) {
        c.Line(11 + k, 0, 17, 6 - k, kRed);
        c.Line(11 + k, 6, 17, k, kRed);
      }
      break;
    default: PaintMenu(c, which); break;
  }
}

// ---------------------------------------------------------------------------
// Icon index (CommandDef::icon) -> icon.
// ---------------------------------------------------------------------------
enum class Family : uint8_t { kZoom, kZoomStep, kGrid, kLine, kCopy, kWrite, kMisc };

struct IconDef {
  Family family;
  uint8_t a;  // zoom factor, +1/0 for up/down, GridLook, MarkKind or Misc
  uint8_t b;  // mark part
};

constexpr uint8_t G(GridLook g) { return static_cast<uint8_t>(g); }
constexpr uint8_t M(Misc m) { return static_cast<uint8_t>(m); }

// One row per icon index, in index order; the comment names the command
// whose row carries the index.
const IconDef kIconDefs[] = {
    {Family::kZoom, 1, 0},  // 0 Action_Zoom_1
    {Family::kZoom, 2, 0},  // 1 Action_Zoom_2
    {Family::kZoom, 3, 0},  // 2 Action_Zoom_3
    {Family::kZoom, 4, 0},  // 3 Action_Zoom_4
    {Family::kZoom, 6, 0},  // 4 Action_Zoom_6
    {Family::kZoom, 8, 0},  // 5 Action_Zoom_8
    {Family::kZoom, 10, 0},  // 6 Action_Zoom_10
    {Family::kZoom, 12, 0},  // 7 Action_Zoom_12
    {Family::kZoom, 16, 0},  // 8 Action_Zoom_16
    {Family::kZoom, 20, 0},  // 9 Action_Zoom_20
    {Family::kZoomStep, 1, 0},  // 10 Action_Zoom_Up
    {Family::kZoomStep, 0, 0},  // 11 Action_Zoom_Down
    {Family::kGrid, G(GridLook::kGrayLines), 0},  // 12 Action_Grid_Gray
    {Family::kGrid, G(GridLook::kBlackLines), 0},  // 13 Action_Grid_Black
    {Family::kGrid, G(GridLook::kWhiteLines), 0},  // 14 Action_Grid_White
    {Family::kGrid, G(GridLook::kInvert), 0},  // 15 Action_Grid_Invert
    {Family::kGrid, G(GridLook::kTransparent), 0},  // 16 Action_Grid_Transparent
    {Family::kGrid, G(GridLook::kChoose), 0},  // 17 Action_Grid_SelColor
    {Family::kGrid, G(GridLook::kShow), 0},  // 18 Action_Grid_Disp
    {Family::kGrid, G(GridLook::kSubNone), 0},  // 19 Action_Grid_SubNone
    {Family::kGrid, G(GridLook::kSubBlue), 0},  // 20 Action_Grid_SubBlue
    {Family::kGrid, G(GridLook::kSubRed), 0},  // 21 Action_Grid_SubRed
    {Family::kGrid, G(GridLook::kSubChoose), 0},  // 22 Action_Grid_SelSubColor
    {Family::kGrid, G(GridLook::kSubTwo), 0},  // 23 Action_Grid_UseSubElseColor
    {Family::kGrid, G(GridLook::kSubSecondChoose), 0},  // 24 Action_Grid_SelSubElseColor
    // Information lines.
    {Family::kLine, kMarkRgb, 0},  // 25 Action_Color_RGB
    {Family::kLine, kMarkHtml, 0},  // 26 Action_Color_HTML
    {Family::kLine, kMarkColorref, 0},  // 27 Action_Color_COLORREF
    {Family::kLine, kMarkHsv, 0},  // 28 Action_Color_HSV
    {Family::kLine, kMarkHls, 0},  // 29 Action_Color_HLS
    {Family::kLine, kMarkHlsWin, 0},  // 30 Action_Color_HLSWin
    {Family::kMisc, M(Misc::kColorAll), 0},  // 31 Action_Color_InfoOnOff
    {Family::kLine, kMarkPosScreen, 0},  // 32 Action_Pos_Screen
    {Family::kLine, kMarkPosMonitor, 0},  // 33 Action_Pos_Monitor
    {Family::kLine, kMarkPosClient, 0},  // 34 Action_Pos_Client
    {Family::kLine, kMarkPosLength, 0},  // 35 Action_Pos_Length
    {Family::kMisc, M(Misc::kLengthOrigin), 0},  // 36 Action_Pos_LengthPosSet
    {Family::kMisc, M(Misc::kPosAll), 0},  // 37 Action_Pos_InfoOnOff
    {Family::kLine, kMarkHandle, 0},  // 38 Action_WinInfo_Handle
    {Family::kLine, kMarkClass, 0},  // 39 Action_WinInfo_ClassName
    {Family::kLine, kMarkText, 0},  // 40 Action_WinInfo_Text
    {Family::kLine, kMarkWinSize, 0},  // 41 Action_WinInfo_WindowSize
    {Family::kLine, kMarkClientSize, 0},  // 42 Action_WinInfo_ClientSize
    {Family::kLine, kMarkRect, 0},  // 43 Action_WinInfo_Rect
    {Family::kLine, kMarkCtrlId, 0},  // 44 Action_WinInfo_ControlID
    {Family::kLine, kMarkStyle, 0},  // 45 Action_WinInfo_Style
    {Family::kLine, kMarkEnabled, 0},  // 46 Action_WinInfo_Enabled
    {Family::kLine, kMarkParent, 0},  // 47 Action_WinInfo_ParentWindow
    {Family::kLine, kMarkPid, 0},  // 48 Action_WinInfo_PID
    {Family::kLine, kMarkExe, 0},  // 49 Action_WinInfo_ExeName
    {Family::kLine, kMarkVersion, 0},  // 50 Action_WinInfo_FileVersion
    {Family::kLine, kMarkStyleVerbose, 0},  // 51 Action_WinInfo_StyleVerbose
    {Family::kMisc, M(Misc::kWinAll), 0},  // 52 Action_WinInfo_InfoOnOff
    // Copy items.
    {Family::kCopy, kMarkPicture, 0},  // 53 Action_Copy_Picture
    {Family::kCopy, kMarkRgb, 0},  // 54 Action_Copy_ColorRGB
    {Family::kCopy, kMarkRgb, 1},  // 55 Action_Copy_ColorRGBRed
    {Family::kCopy, kMarkRgb, 2},  // 56 Action_Copy_ColorRGBGreen
    {Family::kCopy, kMarkRgb, 3},  // 57 Action_Copy_ColorRGBBlue
    {Family::kCopy, kMarkHtml, 0},  // 58 Action_Copy_ColorHTML
    {Family::kCopy, kMarkColorref, 0},  // 59 Action_Copy_ColorCOLORREF
    {Family::kCopy, kMarkHsv, 0},  // 60 Action_Copy_ColorHSV
    {Family::kCopy, kMarkHsv, 1},  // 61 Action_Copy_ColorHSVHue
    {Family::kCopy, kMarkHsv, 2},  // 62 Action_Copy_ColorHSVSaturation
    {Family::kCopy, kMarkHsv, 3},  // 63 Action_Copy_ColorHSVValue
    {Family::kCopy, kMarkHls, 0},  // 64 Action_Copy_ColorHLS
    {Family::kCopy, kMarkHls, 1},  // 65 Action_Copy_ColorHLSHue
    {Family::kCopy, kMarkHls, 3},  // 66 Action_Copy_ColorHLSSaturation
    {Family::kCopy, kMarkHls, 2},  // 67 Action_Copy_ColorHLSLightness
    {Family::kCopy, kMarkHlsWin, 0},  // 68 Action_Copy_ColorHLSWin
    {Family::kCopy, kMarkHlsWin, 1},  // 69 Action_Copy_ColorHLSWinHue
    {Family::kCopy, kMarkHlsWin, 3},  // 70 Action_Copy_ColorHLSWinSaturation
    {Family::kCopy, kMarkHlsWin, 2},  // 71 Action_Copy_ColorHLSWinLightness
    {Family::kCopy, kMarkPosScreen, 0},  // 72 Action_Copy_PosScreen
    {Family::kCopy, kMarkPosMonitor, 0},  // 73 Action_Copy_PosMonitor
    {Family::kCopy, kMarkPosClient, 0},  // 74 Action_Copy_PosClient
    {Family::kCopy, kMarkPosLength, 0},  // 75 Action_Copy_PosLength
    {Family::kCopy, kMarkHandle, 0},  // 76 Action_Copy_WinInfoHandle
    {Family::kCopy, kMarkClass, 0},  // 77 Action_Copy_WinInfoClassName
    {Family::kCopy, kMarkText, 0},  // 78 Action_Copy_WinInfoText
    {Family::kCopy, kMarkWinSize, 0},  // 79 Action_Copy_WinInfoWindowSize
    {Family::kCopy, kMarkClientSize, 0},  // 80 Action_Copy_WinInfoClientSize
    {Family::kCopy, kMarkRect, 0},  // 81 Action_Copy_WinInfoRect
    {Family::kCopy, kMarkCtrlId, 0},  // 82 Action_Copy_WinInfoControlID
    {Family::kCopy, kMarkStyle, 0},  // 83 Action_Copy_WinInfoStyle
    {Family::kCopy, kMarkStyleEx, 0},  // 84 Action_Copy_WinInfoStyleEx
    {Family::kCopy, kMarkStyleVerbose, 0},  // 85 Action_Copy_WinInfoStyleVerbose
    {Family::kCopy, kMarkPid, 0},  // 86 Action_Copy_WinInfoPID
    {Family::kCopy, kMarkExe, 0},  // 87 Action_Copy_WinInfoExeName
    {Family::kCopy, kMarkVersion, 0},  // 88 Action_Copy_WinInfoFileVersion
    {Family::kCopy, kMarkWinSize, 1},  // 89 Action_Copy_WinInfoWindowSizeLeft
    {Family::kCopy, kMarkWinSize, 2},  // 90 Action_Copy_WinInfoWindowSizeTop
    {Family::kCopy, kMarkWinSize, 3},  // 91 Action_Copy_WinInfoWindowSizeWidth
    {Family::kCopy, kMarkWinSize, 4},  // 92 Action_Copy_WinInfoWindowSizeHeight
    {Family::kCopy, kMarkClientSize, 3},  // 93 Action_Copy_WinInfoClientSizeWidth
    {Family::kCopy, kMarkClientSize, 4},  // 94 Action_Copy_WinInfoClientSizeHeight
    {Family::kCopy, kMarkRect, 1},  // 95 Action_Copy_WinInfoRectLeft
    {Family::kCopy, kMarkRect, 2},  // 96 Action_Copy_WinInfoRectTop
    {Family::kCopy, kMarkRect, 3},  // 97 Action_Copy_WinInfoRectRight
    {Family::kCopy, kMarkRect, 4},  // 98 Action_Copy_WinInfoRectBottom
    {Family::kCopy, kMarkAllText, 0},  // 99 Action_Copy_All
    {Family::kCopy, kMarkPosScreen, 1},  // 100 Action_Copy_PosScreenX
    {Family::kCopy, kMarkPosScreen, 2},  // 101 Action_Copy_PosScreenY
    {Family::kCopy, kMarkPosMonitor, 1},  // 102 Action_Copy_PosMonitorX
    {Family::kCopy, kMarkPosMonitor, 2},  // 103 Action_Copy_PosMonitorY
    {Family::kCopy, kMarkPosClient, 1},  // 104 Action_Copy_PosClientX
    {Family::kCopy, kMarkPosClient, 2},  // 105 Action_Copy_PosClientY
    {Family::kCopy, kMarkPosLength, 1},  // 106 Action_Copy_PosLengthWidth
    {Family::kCopy, kMarkPosLength, 2},  // 107 Action_Copy_PosLengthHeight
    // Capture, picture transforms, options.
    {Family::kMisc, M(Misc::kLoupe), 0},  // 108 Action_Capture_Lupe
    {Family::kMisc, M(Misc::kFixed), 0},  // 109 Action_Capture_Fixed
    {Family::kMisc, M(Misc::kPause), 0},  // 110 Action_Capture_Pause
    {Family::kMisc, M(Misc::kUpdate), 0},  // 111 Action_Capture_Update
    {Family::kMisc, M(Misc::kActualSize), 0},  // 112 Action_Capture_Disp_x1
    {Family::kMisc, M(Misc::kCursorToPoint), 0},  // 113 Action_Capture_MoveCursorToPoint
    {Family::kMisc, M(Misc::kPointFromCursor), 0},  // 114 Action_Capture_PointFromCursor
    {Family::kMisc, M(Misc::kFlipNone), 0},  // 115 Action_Test_FlipNone
    {Family::kMisc, M(Misc::kFlipH), 0},  // 116 Action_Test_FlipHorizontal
    {Family::kMisc, M(Misc::kFlipV), 0},  // 117 Action_Test_FlipVertical
    {Family::kMisc, M(Misc::kRotate90), 0},  // 118 Action_Test_Rotate90
    {Family::kMisc, M(Misc::kRotate270), 0},  // 119 Action_Test_Rotate270
    {Family::kMisc, M(Misc::kRotate180), 0},  // 120 Action_Test_Rotate180
    {Family::kMisc, M(Misc::kStayOnTop), 0},  // 121 Action_Opt_StayOnTop
    {Family::kMisc, M(Misc::kTitleBar), 0},  // 122 Action_Opt_TitleBar
    {Family::kMisc, M(Misc::kToolBar), 0},  // 123 Action_Opt_ToolBar
    {Family::kMisc, M(Misc::kNoSelfCapture), 0},  // 124 Action_Capture_NoSelfCapture
    {Family::kMisc, M(Misc::kSmooth), 0},  // 125 Action_Capture_SmoothCapture
    {Family::kMisc, M(Misc::kAero), 0},  // 126 Action_Test_AeroThemeOnOff
    {Family::kMisc, M(Misc::kApiTest), 0},  // 127 Action_Test_APITest
    {Family::kMisc, M(Misc::kWheel), 0},  // 128 Action_Opt_ZoomWheel
    {Family::kMisc, M(Misc::kLargeIcons), 0},  // 129 Action_Opt_LargeIcon
    {Family::kMisc, M(Misc::kRuleLines), 0},  // 130 Action_Opt_LineTo
    {Family::kMisc, M(Misc::kFont), 0},  // 131 Action_Opt_SelFont
    {Family::kMisc, M(Misc::kCustomList), 0},  // 132 Action_Custom_Setting
    {Family::kMisc, M(Misc::kCustomMenu), 0},  // 133 Action_Custom_Menu
    {Family::kMisc, M(Misc::kCustomToolBar), 0},  // 134 Action_Custom_ToolBar
    {Family::kMisc, M(Misc::kCustomKeys), 0},  // 135 Action_Custom_ShortCut
    {Family::kMisc, M(Misc::kCustomCopy), 0},  // 136 Action_Custom_Copy
    {Family::kMisc, M(Misc::kMenuMain), 0},  // 137 Action_Menu_Main
    {Family::kMisc, M(Misc::kMenuZoom), 0},  // 138 Action_Menu_Zoom
    {Family::kMisc, M(Misc::kMenuGrid), 0},  // 139 Action_Menu_Grid
    {Family::kMisc, M(Misc::kMenuColor), 0},  // 140 Action_Menu_Color
    {Family::kMisc, M(Misc::kMenuPos), 0},  // 141 Action_Menu_Pos
    {Family::kMisc, M(Misc::kMenuWinInfo), 0},  // 142 Action_Menu_WinInfo
    {Family::kMisc, M(Misc::kMenuCopy), 0},  // 143 Action_Menu_Copy
    {Family::kMisc, M(Misc::kMenuSetting), 0},  // 144 Action_Menu_Setting
    {Family::kMisc, M(Misc::kMenuCapture), 0},  // 145 Action_Menu_Capture
    {Family::kMisc, M(Misc::kMenuTest), 0},  // 146 Action_Menu_Test
    {Family::kMisc, M(Misc::kMoveUp), 0},  // 147 Action_Move_Up
    {Family::kMisc, M(Misc::kMoveDown), 0},  // 148 Action_Move_Down
    {Family::kMisc, M(Misc::kMoveLeft), 0},  // 149 Action_Move_Left
    {Family::kMisc, M(Misc::kMoveRight), 0},  // 150 Action_Move_Right
    {Family::kMisc, M(Misc::kMoveMonitor), 0},  // 151 Action_Move_Monitor
    {Family::kMisc, M(Misc::kMinimize), 0},  // 152 Action_File_Minimize
    {Family::kMisc, M(Misc::kExit), 0},  // 153 Action_File_Exit
    {Family::kMisc, M(Misc::kHelp), 0},  // 154 Action_Help
    // Text rewrite.
    {Family::kMisc, M(Misc::kCacheInfo), 0},  // 155 Action_Write_InfoCash
    {Family::kWrite, kMarkRgb, 0},  // 156 Action_Write_ColorRGB
    {Family::kWrite, kMarkRgb, 1},  // 157 Action_Write_ColorRGBRed
    {Family::kWrite, kMarkRgb, 2},  // 158 Action_Write_ColorRGBGreen
    {Family::kWrite, kMarkRgb, 3},  // 159 Action_Write_ColorRGBBlue
    {Family::kWrite, kMarkHtml, 0},  // 160 Action_Write_ColorHTML
    {Family::kWrite, kMarkColorref, 0},  // 161 Action_Write_ColorCOLORREF
    {Family::kWrite, kMarkHsv, 0},  // 162 Action_Write_ColorHSV
    {Family::kWrite, kMarkHls, 0},  // 163 Action_Write_ColorHLS
    {Family::kWrite, kMarkHlsWin, 0},  // 164 Action_Write_ColorHLSWin
    {Family::kWrite, kMarkHsv, 1},  // 165 Action_Write_ColorHSVHue
    {Family::kWrite, kMarkHsv, 2},  // 166 Action_Write_ColorHSVSaturation
    {Family::kWrite, kMarkHsv, 3},  // 167 Action_Write_ColorHSVValue
    {Family::kWrite, kMarkHls, 1},  // 168 Action_Write_ColorHLSHue
    {Family::kWrite, kMarkHls, 3},  // 169 Action_Write_ColorHLSSaturation
    {Family::kWrite, kMarkHls, 2},  // 170 Action_Write_ColorHLSLightness
    {Family::kWrite, kMarkHlsWin, 1},  // 171 Action_Write_ColorHLSWinHue
    {Family::kWrite, kMarkHlsWin, 3},  // 172 Action_Write_ColorHLSWinSaturation
    {Family::kWrite, kMarkHlsWin, 2},  // 173 Action_Write_ColorHLSWinLightness
    {Family::kWrite, kMarkPosScreen, 0},  // 174 Action_Write_PosScreen
    {Family::kWrite, kMarkPosScreen, 1},  // 175 Action_Write_PosScreenX
    {Family::kWrite, kMarkPosScreen, 2},  // 176 Action_Write_PosScreenY
    {Family::kWrite, kMarkPosMonitor, 0},  // 177 Action_Write_PosMonitor
    {Family::kWrite, kMarkPosMonitor, 1},  // 178 Action_Write_PosMonitorX
    {Family::kWrite, kMarkPosMonitor, 2},  // 179 Action_Write_PosMonitorY
    {Family::kWrite, kMarkPosClient, 0},  // 180 Action_Write_PosClient
    {Family::kWrite, kMarkPosClient, 1},  // 181 Action_Write_PosClientX
    {Family::kWrite, kMarkPosClient, 2},  // 182 Action_Write_PosClientY
    {Family::kWrite, kMarkPosLength, 0},  // 183 Action_Write_PosLength
    {Family::kWrite, kMarkPosLength, 1},  // 184 Action_Write_PosLengthWidth
    {Family::kWrite, kMarkPosLength, 2},  // 185 Action_Write_PosLengthHeight
    {Family::kWrite, kMarkHandle, 0},  // 186 Action_Write_WinInfoHandle
    {Family::kWrite, kMarkClass, 0},  // 187 Action_Write_WinInfoClassName
    {Family::kWrite, kMarkText, 0},  // 188 Action_Write_WinInfoText
    {Family::kWrite, kMarkWinSize, 0},  // 189 Action_Write_WinInfoWindowSize
    {Family::kWrite, kMarkWinSize, 1},  // 190 Action_Write_WinInfoWindowSizeLeft
    {Family::kWrite, kMarkWinSize, 2},  // 191 Action_Write_WinInfoWindowSizeTop
    {Family::kWrite, kMarkWinSize, 3},  // 192 Action_Write_WinInfoWindowSizeWidth
    {Family::kWrite, kMarkWinSize, 4},  // 193 Action_Write_WinInfoWindowSizeHeight
    {Family::kWrite, kMarkClientSize, 0},  // 194 Action_Write_WinInfoClientSize
    {Family::kWrite, kMarkClientSize, 3},  // 195 Action_Write_WinInfoClientSizeWidth
    {Family::kWrite, kMarkClientSize, 4},  // 196 Action_Write_WinInfoClientSizeHeight
    {Family::kWrite, kMarkRect, 0},  // 197 Action_Write_WinInfoRect
    {Family::kWrite, kMarkRect, 1},  // 198 Action_Write_WinInfoRectLeft
    {Family::kWrite, kMarkRect, 2},  // 199 Action_Write_WinInfoRectTop
    {Family::kWrite, kMarkRect, 3},  // 200 Action_Write_WinInfoRectRight
    {Family::kWrite, kMarkRect, 4},  // 201 Action_Write_WinInfoRectBottom
    {Family::kWrite, kMarkCtrlId, 0},  // 202 Action_Write_WinInfoControlID
    {Family::kWrite, kMarkStyle, 0},  // 203 Action_Write_WinInfoStyle
    {Family::kWrite, kMarkStyleEx, 0},  // 204 Action_Write_WinInfoStyleEx
    {Family::kWrite, kMarkPid, 0},  // 205 Action_Write_WinInfoPID
    {Family::kWrite, kMarkExe, 0},  // 206 Action_Write_WinInfoExeName
    {Family::kWrite, kMarkVersion, 0},  // 207 Action_Write_WinInfoFileVersion
    {Family::kMisc, M(Misc::kClearCache), 0},  // 208 Action_Write_ClearCash
    {Family::kWrite, kMarkClipText, 0},  // 209 Action_Write_ClipboardText
    {Family::kWrite, kMarkEmptyText, 0},  // 210 Action_Write_TextClear
};

void Paint(Canvas& c, const IconDef& d) {
  Mark mark{static_cast<MarkKind>(d.a), d.b};
  switch (d.family) {
    case Family::kZoom: PaintZoomStep(c, d.a); break;
    case Family::kZoomStep: PaintZoomUpDown(c, d.a != 0); break;
    case Family::kGrid: PaintGrid(c, static_cast<GridLook>(d.a)); break;
    case Family::kLine: PaintLine(c, mark); break;
    case Family::kCopy: PaintCopy(c, mark); break;
    case Family::kWrite: PaintWrite(c, mark); break;
    case Family::kMisc: PaintMisc(c, static_cast<Misc>(d.a)); break;
  }
}

}  // namespace

bool DrawCommandIcon(int index, uint32_t* pixels) {
  if (index < 0 || index >= static_cast<int>(std::size(kIconDefs)) || pixels == nullptr) return false;
  Canvas c(pixels, kIconSize);
  Paint(c, kIconDefs[index]);
  return true;
}

bool DrawInfoIcon(int index, uint32_t* pixels) {
  if (index < 0 || index >= kInfoIconCount || pixels == nullptr) return false;
  Canvas c(pixels, kInfoIconSize);
  switch (index) {
    case 0: Drum(c, 1, 0); break;
    case 1: Pin(c, 3, 1); break;
    case 2: Wave(c, {0, 3, 14, 8}); break;
    case 3: PauseBars(c, {2, 1, 10, 12}); break;
    case 4: Lens(c, 5.5, 5.5, 5, 13, 13); break;
    default: Target(c, 6.5, 6.5, 6.4); break;
  }
  return true;
}

}  // namespace zorvik
