#include "platform/child_program.h"

#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>

extern char** environ;

namespace zentara::system {

namespace {

// A descriptor closed when it goes out of scope.
struct Descriptor {
  int fd = -1;
  Descriptor() = default;
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() { Close(); }
  void Close() {
    if (fd != -1) ::close(fd);
    fd = -1;
  }
};

struct Pipe {
  Descriptor read, write;
};

int MakePipe(Pipe& pipe) {
  int ends[2];
  if (::pipe2(ends, O_CLOEXEC) == -1) return errno;
  pipe.read.fd = ends[0];
  pipe.write.fd = ends[1];
  return 0;
}

// SIGPIPE held back on this thread while the run lasts: a program that closes
// its input early makes the write fail with EPIPE instead of ending the
// caller. Any SIGPIPE raised meanwhile is taken off before the mask returns.
class SigpipeHeld {
 public:
  SigpipeHeld() {
    sigemptyset(&pipeOnly_);
    sigaddset(&pipeOnly_, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipeOnly_, &before_);
  }
  ~SigpipeHeld() {
    const timespec none{0, 0};
    while (sigtimedwait(&pipeOnly_, nullptr, &none) == SIGPIPE) {
    }
    pthread_sigmask(SIG_SETMASK, &before_, nullptr);
  }
  const sigset_t& Before() const { return before_; }

 private:
  sigset_t pipeOnly_{}, before_{};
};

// Reads what is there into `into`; false at the end of the stream or on an error.
bool ReadAvailable(int fd, std::string& into) {
  char buffer[65536];
  for (;;) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got > 0) {
      into.append(buffer, static_cast<std::size_t>(got));
      continue;
    }
    if (got == -1 && errno == EINTR) continue;
    if (got == -1 && (errno == EAGAIN || errno == EWOULDBLOCK)) return true;
    return false;
  }
}

}  // namespace

std::optional<ChildRun> RunChildProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                                        std::string_view input, std::size_t maxOutput, int& errorNumber) {
  Pipe in, out, err;
  for (Pipe* pipe : {&in, &out, &err}) {
    if ((errorNumber = MakePipe(*pipe)) != 0) return std::nullopt;
  }
  SigpipeHeld held;

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, in.read.fd, 0);
  posix_spawn_file_actions_adddup2(&actions, out.write.fd, 1);
  posix_spawn_file_actions_adddup2(&actions, err.write.fd, 2);
  // The program starts with the signal mask the caller had before the run.
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  posix_spawnattr_setsigmask(&attributes, &held.Before());
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK);

  std::vector<std::string> words;
  words.push_back(program.string());
  words.insert(words.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);

  pid_t child = -1;
  errorNumber = posix_spawn(&child, program.c_str(), &actions, &attributes, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attributes);
  if (errorNumber != 0) return std::nullopt;
  in.read.Close();
  out.write.Close();
  err.write.Close();
  for (const int fd : {in.write.fd, out.read.fd, err.read.fd}) ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);

  ChildRun run;
  std::size_t sent = 0;
  if (input.empty()) in.write.Close();
  bool killed = false;
  while (out.read.fd != -1 || err.read.fd != -1) {
    pollfd watched[3];
    nfds_t count = 0;
    if (in.write.fd != -1) watched[count++] = {in.write.fd, POLLOUT, 0};
    if (out.read.fd != -1) watched[count++] = {out.read.fd, POLLIN, 0};
    if (err.read.fd != -1) watched[count++] = {err.read.fd, POLLIN, 0};
    if (::poll(watched, count, -1) == -1) {
      if (errno == EINTR) continue;
      break;
    }
    for (nfds_t w = 0; w < count; ++w) {
      if (watched[w].revents == 0) continue;
      const int fd = watched[w].fd;
      if (fd == in.write.fd) {
        const ssize_t wrote = ::write(fd, input.data() + sent, input.size() - sent);
        if (wrote > 0) sent += static_cast<std::size_t>(wrote);
        if ((wrote == -1 && errno != EAGAIN && errno != EINTR) || sent == input.size()) in.write.Close();
      } else {
        Descriptor& stream = fd == out.read.fd ? out.read : err.read;
        std::string& into = fd == out.read.fd ? run.output : run.errors;
        if (!ReadAvailable(fd, into)) stream.Close();
        if (into.size() > maxOutput && !killed) {
          ::kill(child, SIGKILL);
          killed = true;
          out.read.Close();
          err.read.Close();
        }
      }
    }
  }
  in.write.Close();
  int status = 0;
  while (::waitpid(child, &status, 0) == -1 && errno == EINTR) {
  }
  run.exited = WIFEXITED(status);
  run.status = run.exited ? WEXITSTATUS(status) : WTERMSIG(status);
  return run;
}

}  // namespace zentara::system
