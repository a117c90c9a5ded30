// A shop directory of any size for the benchmark.
#ifndef KALVERO_BENCH_WORKLOAD_H
#define KALVERO_BENCH_WORKLOAD_H

#include <cstddef>
#include <cstdint>
#include <string>

namespace bench {

struct Workload {
  std::size_t settings_files = 20000;
  // Part programs beside them: a quarter as many as settings files.
  std::size_t other_files() const { return settings_files / 4; }
  // When non-zero, every part program is extended (sparsely) to this size.
  std::uint64_t other_file_size = 0;
  std::uint32_t seed = 1;
};

// Writes the workload into the new directory `path`: settings files with
// random blocks and shop-like names, part programs, and a Sorvane.cfg that
// names every settings file with random switches, in shuffled order.
bool write_workload(const std::string& path, const Workload& workload);

}  // namespace bench

#endif  // KALVERO_BENCH_WORKLOAD_H
