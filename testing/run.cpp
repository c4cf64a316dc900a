#include "run.hpp"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>

namespace {

void readsome(int &fd, std::string &to) {
  char buf[65536];
  ssize_t n = read(fd, buf, sizeof buf);
  if (n > 0)
    to.append(buf, static_cast<size_t>(n));
  else if (n == 0 || errno != EINTR) {
    close(fd);
    fd = -1;
  }
}

[[noreturn]] void child(int in, int out, int err, const std::string &prog,
                        const std::vector<std::string> &args,
                        const char *outfile) {
  signal(SIGPIPE, SIG_DFL);
  if (outfile) {
    close(out);
    out = open(outfile, O_WRONLY | O_CREAT | O_TRUNC, 0644);
  }
  if (out < 0 || dup2(in, 0) < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0)
    _exit(127);
  std::vector<char *> argv{const_cast<char *>(prog.c_str())};
  for (const auto &a : args)
    argv.push_back(const_cast<char *>(a.c_str()));
  argv.push_back(nullptr);
  execv(prog.c_str(), argv.data());
  _exit(127);
}

} // namespace

Result run(const std::string &prog, const std::string &in,
           const std::vector<std::string> &args, const char *outfile,
           int seconds) {
  signal(SIGPIPE, SIG_IGN); // the program may stop reading early
  int ip[2], op[2], ep[2];
  if (pipe2(ip, O_CLOEXEC) || pipe2(op, O_CLOEXEC) || pipe2(ep, O_CLOEXEC))
    abort();
  pid_t pid = fork();
  if (pid < 0)
    abort();
  if (pid == 0)
    child(ip[0], op[1], ep[1], prog, args, outfile);
  close(ip[0]);
  close(op[1]);
  close(ep[1]);
  fcntl(ip[1], F_SETFL, O_NONBLOCK);

  Result r{{}, {}, 0};
  int wfd = ip[1], ofd = op[0], efd = ep[0];
  size_t sent = 0;
  if (in.empty()) {
    close(wfd);
    wfd = -1;
  }
  auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  bool late = false;
  while (ofd >= 0 || efd >= 0) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        end - std::chrono::steady_clock::now());
    if (left.count() <= 0) {
      late = true;
      break;
    }
    pollfd p[3] = {{wfd, POLLOUT, 0}, {ofd, POLLIN, 0}, {efd, POLLIN, 0}};
    if (poll(p, 3, static_cast<int>(left.count())) < 0)
      continue;
    if (wfd >= 0 && p[0].revents) {
      ssize_t n = write(wfd, in.data() + sent, in.size() - sent);
      if (n > 0)
        sent += static_cast<size_t>(n);
      if ((n < 0 && errno != EAGAIN && errno != EINTR) || sent == in.size()) {
        close(wfd);
        wfd = -1;
      }
    }
    if (ofd >= 0 && p[1].revents)
      readsome(ofd, r.out);
    if (efd >= 0 && p[2].revents)
      readsome(efd, r.err);
  }
  if (late)
    kill(pid, SIGKILL);
  for (int fd : {wfd, ofd, efd})
    if (fd >= 0)
      close(fd);
  int st = 0;
  while (waitpid(pid, &st, 0) < 0 && errno == EINTR) {
  }
  if (late)
    r.status = -1;
  else if (WIFEXITED(st))
    r.status = WEXITSTATUS(st);
  else
    r.status = 128 + WTERMSIG(st);
  return r;
}

std::vector<std::string> lines(const std::string &s) {
  std::vector<std::string> v;
  size_t at = 0;
  while (at < s.size()) {
    size_t nl = s.find('\n', at);
    if (nl == std::string::npos)
      nl = s.size();
    v.push_back(s.substr(at, nl - at));
    at = nl + 1;
  }
  return v;
}

std::string slurp(const std::string &path) {
  std::ifstream f(path, std::ios::binary);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

void check(const std::string &prog, const std::vector<Case> &cases) {
  for (const Case &c : cases) {
    SCOPED_TRACE("input: " + c.in);
    Result r = run(prog, c.in);
    EXPECT_EQ(r.out, c.out);
    EXPECT_EQ(r.err, c.err);
    EXPECT_EQ(r.status, c.status);
  }
}

void check_arguments(const std::string &prog, const std::string &name) {
  Result h = run(prog, "", {"--help"});
  EXPECT_EQ(h.status, 0);
  EXPECT_EQ(h.out.rfind("usage: " + name + " < ", 0), 0u) << h.out;
  EXPECT_EQ(h.err, "");
  Result v = run(prog, "", {"--version"});
  EXPECT_EQ(v.status, 0);
  EXPECT_EQ(v.out, name + " " VERSION "\n");
  EXPECT_EQ(v.err, "");
  for (const char *a : {"-x", "file", "--", "--help=x"}) {
    Result r = run(prog, "1\n", {a});
    EXPECT_EQ(r.status, 2) << a;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, name + ": reads standard input and takes no arguments "
                            "(try --help)\n");
  }
}

void check_io_errors(const std::string &prog, const std::string &name,
                     const std::string &in) {
  Result w = run(prog, in, {}, "/dev/full");
  EXPECT_EQ(w.status, 1);
  EXPECT_EQ(w.err, name + ": write error: No space left on device\n");
  Result r = run("/bin/sh", "", {"-c", "exec \"$0\" < /", prog});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, name + ": read error: Is a directory\n");
}

std::vector<std::string> fuzz(const std::string &valid,
                              const std::string &alphabet, unsigned seed,
                              int runs) {
  std::mt19937 rng(seed);
  std::vector<std::string> ins;
  for (int i = 0; i < runs; i++) {
    std::string in;
    if (i % 3 == 0) {
      in = valid;
      for (int k = 0; k < 3; k++) {
        if (!in.empty())
          in.erase(rng() % in.size(), 1);
        in.insert(rng() % (in.size() + 1), 1,
                  alphabet[rng() % alphabet.size()]);
      }
    } else {
      in.resize(rng() % 64);
      for (char &c : in)
        c = static_cast<char>(i % 3 == 1 ? alphabet[rng() % alphabet.size()]
                                         : rng());
    }
    ins.push_back(in);
  }
  return ins;
}

void expect_clean_end(const Result &r) {
  ASSERT_TRUE(r.status == 0 || r.status == 1) << r.status << "\n" << r.err;
  if (r.status == 0) {
    EXPECT_EQ(r.err, "");
  } else {
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    EXPECT_EQ(r.err.back(), '\n');
  }
}
