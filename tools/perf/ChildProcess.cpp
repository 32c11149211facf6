// A measured child process: see ChildProcess.h.
#include "ChildProcess.h"

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace ringlook::perf {

namespace {

int RemainingMs(Instant end) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now()).count();
  return left > 0 ? static_cast<int>(left) : 0;
}

}  // namespace

ChildProcess::ChildProcess(const std::string& program, const std::vector<std::string>& args,
                           const std::map<std::string, std::string>& changes, bool typed) {
  std::map<std::string, std::string> environment;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string_view text(*entry);
    const auto equals = text.find('=');
    if (equals != std::string_view::npos) environment[std::string(text.substr(0, equals))] = text.substr(equals + 1);
  }
  for (const auto& [name, value] : changes) {
    if (value.empty()) {
      environment.erase(name);
    } else {
      environment[name] = value;
    }
  }
  std::vector<std::string> envText;
  envText.reserve(environment.size());
  for (const auto& [name, value] : environment) envText.push_back(std::string(name).append("=").append(value));
  std::vector<char*> envp;
  envp.reserve(envText.size() + 1);
  for (std::string& entry : envText) envp.push_back(entry.data());
  envp.push_back(nullptr);
  std::vector<std::string> argText{program};
  argText.insert(argText.end(), args.begin(), args.end());
  std::vector<char*> argv;
  argv.reserve(argText.size() + 1);
  for (std::string& arg : argText) argv.push_back(arg.data());
  argv.push_back(nullptr);

  int pipeEnds[2];
  if (::pipe2(pipeEnds, O_CLOEXEC) != 0) throw std::runtime_error("pipe: " + std::string(std::strerror(errno)));
  int inputEnds[2] = {-1, -1};
  if (typed && ::pipe2(inputEnds, O_CLOEXEC) != 0) {
    throw std::runtime_error("pipe: " + std::string(std::strerror(errno)));
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (typed) {
    posix_spawn_file_actions_adddup2(&actions, inputEnds[0], 0);
  } else {
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  }
  posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], 1);
  posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], 2);
  started_ = Clock::now();
  const int error = ::posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  ::close(pipeEnds[1]);
  output_ = pipeEnds[0];
  if (typed) ::close(inputEnds[0]);
  input_ = inputEnds[1];
  if (error != 0) {
    ::close(output_);
    if (input_ >= 0) ::close(input_);
    throw std::runtime_error("cannot start " + program + ": " + std::strerror(error));
  }
  // Called directly: Debian 12's <sys/pidfd.h> declares pidfd_open without C linkage.
  exitWatch_ = static_cast<int>(::syscall(SYS_pidfd_open, pid_, 0));
  if (exitWatch_ < 0) throw std::runtime_error("pidfd_open: " + std::string(std::strerror(errno)));
}

ChildProcess::~ChildProcess() {
  if (!exited_) {
    ::kill(pid_, SIGTERM);
    if (!WaitForExit(5000)) {
      ::kill(pid_, SIGKILL);
      ::waitpid(pid_, nullptr, 0);
    }
  }
  ::close(exitWatch_);
  ::close(output_);
  if (input_ >= 0) ::close(input_);
}

void ChildProcess::TypeLine(std::string_view line) {
  const std::string text = std::string(line) + "\n";
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t put = ::write(input_, text.data() + done, text.size() - done);
    if (put < 0 && errno == EINTR) continue;
    if (put < 0) throw std::runtime_error("cannot type at the child: " + std::string(std::strerror(errno)));
    done += static_cast<std::size_t>(put);
  }
}

bool ChildProcess::ReadOutput() {
  char buffer[4096];
  const ssize_t got = ::read(output_, buffer, sizeof buffer);
  if (got <= 0) return got < 0 && errno == EINTR;
  const Instant now = Clock::now();
  pending_.append(buffer, static_cast<std::size_t>(got));
  for (auto end = pending_.find('\n'); end != std::string::npos; end = pending_.find('\n')) {
    lines_.emplace_back(now, pending_.substr(0, end));
    pending_.erase(0, end + 1);
  }
  return true;
}

std::optional<Instant> ChildProcess::WaitForLine(std::string_view text, int timeoutMs) {
  const Instant end = Clock::now() + std::chrono::milliseconds(timeoutMs);
  bool open = true;
  for (;;) {
    for (auto line = lines_.begin(); line != lines_.end(); ++line) {
      if (line->second.find(text) == std::string::npos) continue;
      const Instant read = line->first;
      found_ = std::move(line->second);
      lines_.erase(lines_.begin(), line + 1);
      return read;
    }
    lines_.clear();
    if (!open || Clock::now() >= end) return std::nullopt;
    pollfd watched{output_, POLLIN, 0};
    if (::poll(&watched, 1, RemainingMs(end)) > 0) open = ReadOutput();
  }
}

std::optional<Instant> ChildProcess::WaitForExit(int timeoutMs) {
  const Instant end = Clock::now() + std::chrono::milliseconds(timeoutMs);
  bool open = true;
  while (!exited_) {
    pollfd watched[2] = {{exitWatch_, POLLIN, 0}, {output_, open ? short{POLLIN} : short{0}, 0}};
    if (::poll(watched, 2, RemainingMs(end)) <= 0) return std::nullopt;
    if ((watched[1].revents & (POLLIN | POLLHUP)) != 0) open = ReadOutput();
    if ((watched[0].revents & POLLIN) != 0) {
      const Instant now = Clock::now();
      ::waitpid(pid_, nullptr, 0);
      exited_ = true;
      return now;
    }
  }
  return std::nullopt;
}

long StatusValue(const std::string& path, std::string_view name) {
  std::ifstream file(path);
  std::string line;
  while (std::getline(file, line)) {
    if (line.compare(0, name.size(), name) == 0 && line.size() > name.size() && line[name.size()] == ':') {
      return std::stol(line.substr(name.size() + 1));
    }
  }
  return 0;
}

long ChildProcess::ResidentKiB() const { return StatusValue("/proc/" + std::to_string(pid_) + "/status", "VmRSS"); }

double ChildProcess::CpuSeconds() const {
  std::ifstream file("/proc/" + std::to_string(pid_) + "/stat");
  std::string stat((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  // After the command name (which may hold blanks) come the state and then
  // fields 4 to 52; user and system time are fields 14 and 15.
  std::istringstream fields(stat.substr(stat.rfind(')') + 2));
  std::string field;
  long ticks = 0;
  for (int number = 3; number <= 15 && fields >> field; ++number) {
    if (number >= 14) ticks += std::stol(field);
  }
  return static_cast<double>(ticks) / static_cast<double>(::sysconf(_SC_CLK_TCK));
}

long ChildProcess::VoluntarySwitches() const {
  const std::string tasks = "/proc/" + std::to_string(pid_) + "/task";
  long switches = 0;
  if (DIR* dir = ::opendir(tasks.c_str())) {
    while (const dirent* entry = ::readdir(dir)) {
      if (entry->d_name[0] == '.') continue;
      switches += StatusValue(tasks + "/" + entry->d_name + "/status", "voluntary_ctxt_switches");
    }
    ::closedir(dir);
  }
  return switches;
}

bool ChildProcess::WaitUntilIdle(int quietMs, int timeoutMs) const {
  const Instant end = Clock::now() + std::chrono::milliseconds(timeoutMs);
  double before = CpuSeconds();
  while (Clock::now() < end) {
    std::this_thread::sleep_for(std::chrono::milliseconds(quietMs));
    const double now = CpuSeconds();
    if (now == before) return true;
    before = now;
  }
  return false;
}

}  // namespace ringlook::perf
