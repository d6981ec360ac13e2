// Preview sheet of the painted icons, for looking at them while drawing.
// Not part of the build; compile by hand:
//   g++ -std=c++17 -O1 -Isrc tools/icon_sheet.cpp -o /tmp/icon_sheet
//   /tmp/icon_sheet /tmp/sheet.ppm [scale] && convert /tmp/sheet.ppm /tmp/sheet.png
// Writes every command icon (16 a row, enlarged, numbered by icon index)
// and the status-row icons in the last row, on the toolbar's button face.
// Prints "index name" lines to stdout.
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "../src/commands/command_table.cpp"
#include "../src/commands/icons.cpp"

namespace {

const char* const kDigits[10] = {
    "111101101101111", "010110010010111", "111001111100111", "111001011001111", "101101111001001",
    "111100111001111", "111100111101111", "111001001010010", "111101111101111", "111101111001111",
};

struct Sheet {
  int w, h;
  std::vector<uint32_t> px;
  Sheet(int w_, int h_) : w(w_), h(h_), px(static_cast<size_t>(w_) * h_, 0xF0F0F0) {}
  void Put(int x, int y, uint32_t c) {
    if (x >= 0 && y >= 0 && x < w && y < h) px[static_cast<size_t>(y) * w + x] = c;
  }
  void Number(int x, int y, int n, uint32_t c) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%d", n);
    for (const char* p = buf; *p; ++p, x += 8)
      for (int r = 0; r < 5; ++r)
        for (int i = 0; i < 3; ++i)
          if (kDigits[*p - '0'][r * 3 + i] == '1')
            for (int k = 0; k < 4; ++k) Put(x + i * 2 + k % 2, y + r * 2 + k / 2, c);
  }
  void Icon(int x, int y, const uint32_t* icon, int size, int scale) {
    for (int iy = 0; iy < size * scale; ++iy)
      for (int ix = 0; ix < size * scale; ++ix) {
        uint32_t p = icon[(iy / scale) * size + ix / scale];
        if (p >> 24) Put(x + ix, y + iy, p & 0xFFFFFF);
      }
    for (int k = -1; k <= size * scale; ++k) {
      Put(x + k, y - 1, 0xD0D0D0);
      Put(x + k, y + size * scale, 0xD0D0D0);
      Put(x - 1, y + k, 0xD0D0D0);
      Put(x + size * scale, y + k, 0xD0D0D0);
    }
  }
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: icon_sheet OUT.ppm [scale]\n");
    return 2;
  }
  const int scale = argc > 2 ? std::atoi(argv[2]) : 4;
  const int perRow = 16, cellW = 18 * scale + 10, cellH = 18 * scale + 20;
  const int count = zorvik::CommandIconCount();
  const int rows = (count + perRow - 1) / perRow + 1;
  Sheet sheet(perRow * cellW + 10, rows * cellH + 10);
  uint32_t icon[18 * 18];
  for (int i = 0; i < count; ++i) {
    int x = 10 + (i % perRow) * cellW, y = 10 + (i / perRow) * cellH;
    if (!zorvik::DrawCommandIcon(i, icon)) {
      std::fprintf(stderr, "icon %d not drawn\n", i);
      continue;
    }
    sheet.Icon(x, y, icon, 18, scale);
    sheet.Number(x, y + 18 * scale + 4, i, 0x303030);
    for (size_t k = 0; k < zorvik::CommandCount(); ++k)
      if (zorvik::CommandTable()[k].icon == i)
        std::printf("%d %s\n", i, zorvik::CommandTable()[k].name);
  }
  for (int i = 0; i < zorvik::kInfoIconCount; ++i) {
    int x = 10 + i * cellW, y = 10 + (rows - 1) * cellH;
    zorvik::DrawInfoIcon(i, icon);
    sheet.Icon(x, y, icon, 14, scale);
    sheet.Number(x, y + 14 * scale + 4, i, 0x2050A0);
  }
  FILE* f = std::fopen(argv[1], "wb");
  if (!f) return 1;
  std::fprintf(f, "P6\n%d %d\n255\n", sheet.w, sheet.h);
  for (uint32_t p : sheet.px) {
    unsigned char rgb[3] = {static_cast<unsigned char>(p >> 16), static_cast<unsigned char>(p >> 8),
                            static_cast<unsigned char>(p)};
    std::fwrite(rgb, 1, 3, f);
  }
  return std::fclose(f) == 0 ? 0 : 1;
}
