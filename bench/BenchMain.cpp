// The benchmarks run headless: SDL's dummy drivers unless the environment names others. A
// benchmark that cannot run (it reports an error) fails the whole run, so a brief run shows
// that every one still works.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <vector>

namespace {

// Shows the results as the command line asks, counting the runs that reported an error.
class FailureCounter : public benchmark::BenchmarkReporter {
  public:
    explicit FailureCounter(benchmark::BenchmarkReporter& shown) : shown_(shown) {}

    bool ReportContext(const Context& context) override { return shown_.ReportContext(context); }
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            failures_ += run.error_occurred ? 1 : 0;
        }
        shown_.ReportRuns(runs);
    }
    void Finalize() override { shown_.Finalize(); }

    int failures() const { return failures_; }

  private:
    benchmark::BenchmarkReporter& shown_;
    int failures_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    FailureCounter reporter(*benchmark::CreateDefaultDisplayReporter());
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return reporter.failures() == 0 ? 0 : 1;
}
