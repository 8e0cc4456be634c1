#include "bench/gtk/child_runs.h"

#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace zephro::bench::gtk {
namespace {

using Clock = std::chrono::steady_clock;

// The descriptor the child reports on.
constexpr int kReportDescriptor = 3;

[[noreturn]] void execSelf(const std::vector<std::string>& arguments, const std::map<std::string, std::string>& environment,
                           int reportPipe) {
  if (reportPipe != kReportDescriptor) {
    dup2(reportPipe, kReportDescriptor);
    close(reportPipe);
  }
  for (const auto& [name, value] : environment) setenv(name.c_str(), value.c_str(), 1);
  const std::string program = std::filesystem::read_symlink("/proc/self/exe").string();
  std::vector<char*> argv{const_cast<char*>(program.c_str())};
  for (const auto& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  execv(program.c_str(), argv.data());
  std::perror("exec");
  _exit(127);
}

// Reads up to the first line break, or until the pipe closes or time runs out.
std::optional<std::string> readLine(int descriptor, Clock::time_point deadline) {
  std::string line;
  while (Clock::now() < deadline) {
    pollfd ready{descriptor, POLLIN, 0};
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    if (poll(&ready, 1, static_cast<int>(std::max<long>(left.count(), 0))) <= 0) break;
    char c = 0;
    if (read(descriptor, &c, 1) != 1) break;
    if (c == '\n') return line;
    line += c;
  }
  return std::nullopt;
}

std::vector<pid_t> ownChildren() {
  std::vector<pid_t> children;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator("/proc", error)) {
    std::ifstream in(entry.path() / "stat");
    std::string line;
    if (!std::getline(in, line)) continue;
    const auto close = line.rfind(')');
    if (close == std::string::npos) continue;
    std::istringstream rest(line.substr(close + 1));
    char state = 0;
    long parent = 0;
    if (rest >> state >> parent && parent == getpid()) children.push_back(std::stoi(entry.path().filename().string()));
  }
  return children;
}

// Waits for every child of this process, the adopted ones too; kills those
// still there at the deadline.
void reapAll(Clock::time_point deadline) {
  while (true) {
    const pid_t pid = waitpid(-1, nullptr, WNOHANG);
    if (pid > 0) continue;
    if (pid < 0 && errno == ECHILD) return;
    if (Clock::now() >= deadline) break;
    std::this_thread::sleep_for(20ms);
  }
  for (const pid_t child : ownChildren()) kill(child, SIGKILL);
  while (waitpid(-1, nullptr, 0) > 0) {
  }
}

}  // namespace

void adoptOrphans() { prctl(PR_SET_CHILD_SUBREAPER, 1); }

ChildRun runChild(const std::vector<std::string>& arguments, const std::map<std::string, std::string>& environment,
                  std::chrono::seconds timeout) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) {
    std::perror("pipe");
    std::exit(1);
  }
  std::fflush(nullptr);
  ChildRun run;
  run.started = Clock::now();
  const pid_t child = fork();
  if (child < 0) {
    std::perror("fork");
    std::exit(1);
  }
  if (child == 0) {
    close(pipeEnds[0]);
    execSelf(arguments, environment, pipeEnds[1]);
  }
  close(pipeEnds[1]);
  const auto deadline = run.started + timeout;
  run.report = readLine(pipeEnds[0], deadline);
  close(pipeEnds[0]);
  if (!run.report) kill(child, SIGKILL);
  reapAll(Clock::now() + 15s);
  return run;
}

void reportToParent(const std::string& line) {
  const std::string text = line + "\n";
  if (write(kReportDescriptor, text.data(), text.size()) < 0) std::perror("report");
}

}  // namespace zephro::bench::gtk
