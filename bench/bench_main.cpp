// Runs the benchmarks, then prints one line per pair "NAME_ours" / "NAME_sdl"
// or "NAME_ours" / "NAME_literal" with the time per operation of each and the
// ratio reference/ours, and one per measure set against its floor with the
// ratio measure/floor.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "blit_check.h"

namespace {

// Measures and the floor each is held against.
constexpr std::pair<const char*, const char*> kFloors[] = {{"frame_mission_2", "frame_floor"}};

// The console reporter, keeping the time per operation of every benchmark.
// A benchmark states its operations per iteration in the counter "ops".
class PairReporter : public benchmark::ConsoleReporter {
 public:
  PairReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) Keep(run);
  }

  // In the order the benchmarks ran.
  void PrintPairs() const {
    const std::string suffix = "_ours";
    for (const std::string& name : order_) {
      if (!name.ends_with(suffix)) continue;
      const std::string pair = name.substr(0, name.size() - suffix.size());
      const double ours = ns_per_op_.at(name);
      for (const char* reference : {"sdl", "literal"}) {
        const auto other = ns_per_op_.find(pair + "_" + reference);
        if (other == ns_per_op_.end()) continue;
        std::printf("%s: ours %.1f ns, %s %.1f ns, %s/ours = %.2f\n", pair.c_str(), ours, reference,
                    other->second, reference, other->second / ours);
      }
    }
    for (const auto& [measure, floor] : kFloors) {
      const auto m = ns_per_op_.find(measure), f = ns_per_op_.find(floor);
      if (m == ns_per_op_.end() || f == ns_per_op_.end()) continue;
      std::printf("%s: %.1f ns, %s %.1f ns, %s/%s = %.2f\n", measure, m->second, floor, f->second,
                  measure, floor, m->second / f->second);
    }
  }

 private:
  // With repetitions the median stands for the benchmark; without, the run.
  void Keep(const Run& run) {
    if (run.error_occurred) return;
    const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
    if (run.run_type == Run::RT_Aggregate && !median) return;
    const std::string& name = run.run_name.function_name;
    if (!median && with_median_.count(name)) return;
    if (median) with_median_.insert(name);
    if (!ns_per_op_.count(name)) order_.push_back(name);
    const auto ops = run.counters.find("ops");
    const double per_iteration = ops == run.counters.end() ? 1.0 : ops->second.value;
    // CPU time: other programs share the machine, and these kernels never wait.
    const double ns =
        run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e9;
    ns_per_op_[name] = ns / per_iteration;
  }

  std::vector<std::string> order_;
  std::map<std::string, double> ns_per_op_;
  std::set<std::string> with_median_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  // Timing two blits is only a comparison if they draw the same pixels.
  if (!bench::BlitsAgree()) return 1;
  PairReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintPairs();
  benchmark::Shutdown();
  return 0;
}
