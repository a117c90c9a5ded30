// Writes the example shop directory: make_shop DIRECTORY
#include <cstdio>

#include "example/shop.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: make_shop DIRECTORY\n", stderr);
    return 2;
  }
  if (!example::write_shop_directory(argv[1])) {
    std::fprintf(stderr, "make_shop: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
