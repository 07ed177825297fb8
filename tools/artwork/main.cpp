#include "tools/artwork/Pictures.h"

#include <cstdio>
#include <exception>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
    return 2;
  }
  try {
    velkor::artwork::writeAllPictures(argv[1]);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "velkortape-artwork: %s\n", error.what());
    return 1;
  }
  return 0;
}
