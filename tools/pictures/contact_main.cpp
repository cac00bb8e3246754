// quorvelnn-contact-sheet DIR: writes an enlarged, gridded and labelled copy
// of every picture sheet into DIR, for review.
#include <cstdio>

#include "pictures/contact_sheet.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: quorvelnn-contact-sheet DIRECTORY\n");
    return 2;
  }
  if (!pictures::WriteContactSheets(argv[1])) {
    std::fprintf(stderr, "quorvelnn-contact-sheet: cannot write into %s\n", argv[1]);
    return 1;
  }
  return 0;
}
