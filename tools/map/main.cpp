// quorvelnn-map: the map compiler and decompiler.
#include <iostream>

#include "map/map_tool.h"

int main(int argc, char** argv) {
  return mapmaker::RunMapTool({argv + 1, argv + argc}, std::cout, std::cerr);
}
