// Times Kalvero against the floor on the same warm directories and reports
// the ratio, the growth with the directory's size and the peak memory.
//   runner KALVERO FLOOR WORKDIR
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/workload.h"

namespace {

struct Timing {
  double seconds = 0;
  long peak_kib = 0;
  int status = -1;
};

Timing run_in(const std::string& directory, const std::vector<std::string>& command) {
  std::fflush(stdout);  // or the child would print our buffer again
  auto start = std::chrono::steady_clock::now();
  pid_t child = ::fork();
  if (child == 0) {
    if (::chdir(directory.c_str()) != 0) _exit(126);
    std::freopen("/dev/null", "w", stdout);
    std::vector<char*> argv;
    argv.reserve(command.size() + 1);
    std::vector<std::string> copies = command;
    for (std::string& word : copies) argv.push_back(word.data());
    argv.push_back(nullptr);
    ::execv(argv[0], argv.data());
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  ::wait4(child, &status, 0, &usage);
  Timing timing;
  timing.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  timing.peak_kib = usage.ru_maxrss;
  timing.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128;
  return timing;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

struct Result {
  std::size_t entries;
  double kalvero;
  double floor;
  double ratio;
  long kalvero_kib;
  long floor_kib;
};

Result measure(const std::string& kalvero, const std::string& floor, const std::string& workdir,
               std::size_t entries, int pairs, std::uint64_t other_file_size) {
  bench::Workload workload;
  workload.settings_files = entries * 4 / 5;
  workload.other_file_size = other_file_size;
  std::string directory = workdir + "/entries-" + std::to_string(entries) + (other_file_size ? "-large" : "");
  std::filesystem::remove_all(directory);
  if (!bench::write_workload(directory, workload)) {
    std::fprintf(stderr, "cannot write %s\n", directory.c_str());
    std::exit(1);
  }
  // Warm the caches, and learn how many table bytes the floor is to write.
  if (run_in(directory, {kalvero}).status != 0) {
    std::fprintf(stderr, "kalvero failed in %s\n", directory.c_str());
    std::exit(1);
  }
  std::string table_bytes = std::to_string(std::filesystem::file_size(directory + "/Kalvero.txt"));
  run_in(directory, {floor, table_bytes});

  std::vector<double> kalvero_times, floor_times, ratios;
  Result result{entries, 0, 0, 0, 0, 0};
  for (int pair = 0; pair < pairs; ++pair) {
    Timing k = run_in(directory, {kalvero});
    Timing f = run_in(directory, {floor, table_bytes});
    kalvero_times.push_back(k.seconds);
    floor_times.push_back(f.seconds);
    ratios.push_back(k.seconds / f.seconds);
    result.kalvero_kib = std::max(result.kalvero_kib, k.peak_kib);
    result.floor_kib = std::max(result.floor_kib, f.peak_kib);
  }
  result.kalvero = median(kalvero_times);
  result.floor = median(floor_times);
  result.ratio = median(ratios);
  std::filesystem::remove_all(directory);
  return result;
}

void print(const char* what, const Result& r) {
  std::printf("%-28s %8zu %11.1f %9.1f %7.2f %10.1f %9.1f\n", what, r.entries, r.kalvero * 1000,
              r.floor * 1000, r.ratio, static_cast<double>(r.kalvero_kib) / 1024.0,
              static_cast<double>(r.floor_kib) / 1024.0);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fputs("usage: runner KALVERO FLOOR WORKDIR\n", stderr);
    return 2;
  }
  std::string kalvero = argv[1], floor = argv[2], workdir = argv[3];
  std::filesystem::create_directories(workdir);

  std::printf("%-28s %8s %11s %9s %7s %10s %9s\n", "directory", "entries", "kalvero ms", "floor ms", "ratio",
              "kalvero MiB", "floor MiB");
  Result small = measure(kalvero, floor, workdir, 2500, 15, 0);
  print("shop", small);
  Result target = measure(kalvero, floor, workdir, 25000, 11, 0);
  print("shop", target);
  Result large_files = measure(kalvero, floor, workdir, 25000, 5, std::uint64_t{1} << 30);
  print("shop, part programs 1 GiB", large_files);
  Result big = measure(kalvero, floor, workdir, 250000, 3, 0);
  print("shop", big);

  double growth = target.kalvero / small.kalvero;
  double growth_big = big.kalvero / target.kalvero;
  double peak_mib = static_cast<double>(target.kalvero_kib) / 1024.0;
  std::printf("\ngrowth 2,500 -> 25,000 entries: %.2f x (target at most 12)\n", growth);
  std::printf("growth 25,000 -> 250,000 entries: %.2f x\n", growth_big);
  bool met = true;
  auto check = [&met](bool ok, const char* what) {
    std::printf("%-62s %s\n", what, ok ? "met" : "NOT MET");
    met = met && ok;
  };
  check(target.ratio <= 1.5, "time at 25,000 entries at most 1.5 x the floor's");
  check(growth <= 12, "10 x the entries at most 12 x the time");
  check(peak_mib <= 32, "peak memory at 25,000 entries at most 32 MiB");
  check(large_files.kalvero_kib <= target.kalvero_kib + 1024,
        "peak memory unchanged by the size of the files");
  return met ? 0 : 1;
}
