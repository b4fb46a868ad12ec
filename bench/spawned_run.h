// Runs of vensa-cli in a process of its own, for the benchmarks that measure a whole
// command: its wall time and its peak memory (POSIX only).
#pragma once

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace vensa::bench {

struct RunFigures {
  double seconds = 0;
  long peakKb = 0;
  int status = 0;
};

// Runs the program with its output thrown away; wall time and the child's peak memory.
// posix_spawn, not fork: a forked child would count the benchmark's own pages as its peak.
inline RunFigures RunOnce(const std::vector<std::string>& args) {
  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  RunFigures f;
  if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
    f.status = -1;
    return f;
  }
  posix_spawn_file_actions_destroy(&actions);
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  f.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  f.peakKb = usage.ru_maxrss;
  f.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return f;
}

// The program to run: the first argument, else vensa-cli of the build the benchmark is in.
inline std::string CliPath(int argc, char** argv) {
  const std::filesystem::path self = std::filesystem::absolute(argv[0]);
  return argc > 1 ? argv[1] : (self.parent_path().parent_path() / "cli" / "vensa-cli").string();
}

// A fresh folder of this process for the benchmark's files.
inline std::filesystem::path MakeBenchFolder(const std::string& name) {
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / (name + "_" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  return dir;
}

// The best of three runs printed as one line (`what` padded to `width`): time, peak memory
// and the peak as a multiple of the input file's size. Returns the best time.
inline double ReportBestOfThree(const char* what, const std::vector<std::string>& args,
                                std::size_t fileBytes, int width = 44) {
  RunFigures best;
  for (int i = 0; i < 3; ++i) {
    const RunFigures f = RunOnce(args);
    if (i == 0 || f.seconds < best.seconds) best = f;
  }
  const double mb = static_cast<double>(best.peakKb) / 1024.0;
  std::printf("%-*s %6.3f s  peak %7.1f MB  (%.1fx the file)  exit %d\n", width, what, best.seconds,
              mb, mb * 1024.0 * 1024.0 / static_cast<double>(fileBytes), best.status);
  return best.seconds;
}

}  // namespace vensa::bench
