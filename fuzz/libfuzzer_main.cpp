// The libFuzzer entry of the target named QUORVELNN_FUZZ_TARGET.
#include "targets.h"

namespace {

constexpr auto kRun = [] {
  for (const fuzz::Target& target : fuzz::kTargets) {
    if (target.name == QUORVELNN_FUZZ_TARGET) return target.run;
  }
  return decltype(fuzz::Target::run){nullptr};
}();
static_assert(kRun != nullptr, "no fuzz target of that name in targets.h");

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kRun(data, size);
  return 0;
}
