// Runs a built program as a user would: standard input in; standard output,
// standard error and exit status out.
#pragma once

#include <string>
#include <vector>

struct Result {
  std::string out; // everything written to standard output
  std::string err; // everything written to standard error
  int status;      // exit status, 128 + signal number if killed, -1 on timeout
};

// Feeds `in` to `prog` with `args`, waiting at most `seconds`. With `outfile`,
// standard output goes to that file (e.g. "/dev/full") instead of `out`.
Result run(const std::string &prog, const std::string &in,
           const std::vector<std::string> &args = {},
           const char *outfile = nullptr, int seconds = 120);

// Lines of `s` in one string each, without their line feeds.
std::vector<std::string> lines(const std::string &s);
