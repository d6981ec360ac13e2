// Build-time tool: writes the help page from the program's own tables.
//   make_help OUTPUT.html VERSION
// Built with the host's compiler (also when the program is cross-built).
#include <cstdio>
#include <string>

#include "help/help_page.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s OUTPUT.html VERSION\n", argv[0]);
    return 2;
  }
  const std::string html = zorvik::HelpPageHtml(argv[2]);
  std::FILE* f = std::fopen(argv[1], "wb");
  if (!f) {
    std::perror(argv[1]);
    return 1;
  }
  const bool written = std::fwrite(html.data(), 1, html.size(), f) == html.size();
  if (std::fclose(f) != 0 || !written) {
    std::perror(argv[1]);
    std::remove(argv[1]);
    return 1;
  }
  return 0;
}
