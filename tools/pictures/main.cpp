// quorvelnn-pictures DIR: draws every picture of the game into DIR.
#include <cstdio>

#include "pictures/sheets.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: quorvelnn-pictures DIRECTORY\n");
    return 2;
  }
  if (!pictures::WriteAllSheets(argv[1])) {
    std::fprintf(stderr, "quorvelnn-pictures: cannot write into %s\n", argv[1]);
    return 1;
  }
  return 0;
}
