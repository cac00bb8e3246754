// quorvelnn-map: compiles map sources into the saved-game format the game
// reads, and prints any mission or slot file back as source text.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace mapmaker {

// "compile SOURCE OUT.bin", "decompile FILE.bin" or "scenario OUT.sc
// TEXT..." (the briefing file from its texts); the exit status: 0
// done, 1 a file that cannot be read or written or a source with errors, 2
// a wrong command line. Messages go to err, the decompiled text to out.
int RunMapTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

int CompileMap(const std::string& source, const std::string& target, std::ostream& err);
// Also checks that the text compiles back to the file's very bytes, and
// says so on err (status 1) when it does not: a damaged file.
int DecompileMap(const std::string& file, std::ostream& out, std::ostream& err);

}  // namespace mapmaker
