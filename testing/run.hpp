// Runs a built program as a user would: standard input in; standard output,
// standard error and exit status out. Plus the checks that every program's
// tests share.
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

// The whole content of the file at `path`.
std::string slurp(const std::string &path);

// One run: its input, and the output, diagnostic and status it must give.
struct Case {
  std::string in;
  std::string out;
  std::string err; // empty for a normal run
  int status;
};

// Runs every case and compares all three results.
void check(const std::string &prog, const std::vector<Case> &cases);

// --help, --version and stray arguments of the program called `name`.
void check_arguments(const std::string &prog, const std::string &name);

// A full disk for standard output (fed `in`), and a directory for standard
// input, each one line on standard error and status 1.
void check_io_errors(const std::string &prog, const std::string &name,
                     const std::string &in);

// `runs` inputs for robustness tests, drawn from `seed`: in turn `valid` with
// a few bytes taken out and bytes of `alphabet` put in, bytes of `alphabet`,
// and random bytes.
std::vector<std::string> fuzz(const std::string &valid,
                              const std::string &alphabet, unsigned seed,
                              int runs);

// A run ended by itself: with status 0 and nothing on standard error, or with
// status 1 and exactly one line there.
void expect_clean_end(const Result &r);
