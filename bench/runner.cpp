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
#include <initializer_list>
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
  std::size_t entries = 0;
  double kalvero = 0;  // median seconds
  double floor = 0;
  double ratio = 0;  // median of the per-pair ratios
  long kalvero_kib = 0;
  long floor_kib = 0;
  std::vector<double> kalvero_times, floor_times, ratios;

  void add(const Timing& k, const Timing& f) {
    kalvero_times.push_back(k.seconds);
    floor_times.push_back(f.seconds);
    ratios.push_back(k.seconds / f.seconds);
    kalvero_kib = std::max(kalvero_kib, k.peak_kib);
    floor_kib = std::max(floor_kib, f.peak_kib);
    kalvero = median(kalvero_times);
    floor = median(floor_times);
    ratio = median(ratios);
  }
};

// A workload directory, warmed, with the table size the floor is to write.
struct Directory {
  std::string path;
  std::string table_bytes;
  std::size_t entries;
};

Directory prepare(const std::string& kalvero, const std::string& floor, const std::string& workdir,
                  std::size_t entries, std::uint64_t other_file_size) {
  bench::Workload workload;
  workload.settings_files = entries * 4 / 5;
  workload.other_file_size = other_file_size;
  Directory directory{workdir + "/entries-" + std::to_string(entries) + (other_file_size ? "-large" : ""), "",
                      entries};
  std::filesystem::remove_all(directory.path);
  if (!bench::write_workload(directory.path, workload)) {
    std::fprintf(stderr, "cannot write %s\n", directory.path.c_str());
    std::exit(1);
  }
  // Warm the caches, and learn how many table bytes the floor is to write.
  if (run_in(directory.path, {kalvero}).status != 0) {
    std::fprintf(stderr, "kalvero failed in %s\n", directory.path.c_str());
    std::exit(1);
  }
  directory.table_bytes = std::to_string(std::filesystem::file_size(directory.path + "/Kalvero.txt"));
  run_in(directory.path, {floor, directory.table_bytes});
  return directory;
}

// Kalvero and then the floor, once each, on the same directory; the
// timings go to every result given.
void run_pair(const std::string& kalvero, const std::string& floor, const Directory& directory,
              std::initializer_list<Result*> results) {
  Timing k = run_in(directory.path, {kalvero});
  Timing f = run_in(directory.path, {floor, directory.table_bytes});
  for (Result* result : results) {
    result->entries = directory.entries;
    result->add(k, f);
  }
}

Result measure(const std::string& kalvero, const std::string& floor, const Directory& directory, int pairs) {
  Result result;
  for (int pair = 0; pair < pairs; ++pair) run_pair(kalvero, floor, directory, {&result});
  std::filesystem::remove_all(directory.path);
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
  // The two sizes whose times are compared are measured in alternating
  // blocks of pairs: within a block the directory stays warm, and a change
  // in the machine's load shows in both sizes' blocks alike. The growth is
  // the median over the rounds of the quotient of the blocks' medians.
  Directory small_directory = prepare(kalvero, floor, workdir, 2500, 0);
  Directory target_directory = prepare(kalvero, floor, workdir, 25000, 0);
  Result small, target;
  std::vector<double> growths, floor_growths;
  for (int round = 0; round < 3; ++round) {
    Result small_block, target_block;
    for (int pair = 0; pair < 7; ++pair) run_pair(kalvero, floor, small_directory, {&small_block, &small});
    for (int pair = 0; pair < 5; ++pair) run_pair(kalvero, floor, target_directory, {&target_block, &target});
    growths.push_back(target_block.kalvero / small_block.kalvero);
    floor_growths.push_back(target_block.floor / small_block.floor);
  }
  std::filesystem::remove_all(small_directory.path);
  std::filesystem::remove_all(target_directory.path);
  print("shop", small);
  print("shop", target);
  Result large_files =
      measure(kalvero, floor, prepare(kalvero, floor, workdir, 25000, std::uint64_t{1} << 30), 5);
  print("shop, part programs 1 GiB", large_files);
  Result big = measure(kalvero, floor, prepare(kalvero, floor, workdir, 250000, 0), 3);
  print("shop", big);

  double growth = median(growths);
  double growth_big = big.kalvero / target.kalvero;
  double peak_mib = static_cast<double>(target.kalvero_kib) / 1024.0;
  std::printf("\ngrowth 2,500 -> 25,000 entries: %.2f x (target at most 12); the floor's: %.2f x\n", growth,
              median(floor_growths));
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
