#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

#include "run.hpp"

namespace {

// n bytes running through every value from 1 to 255 but the line feed.
std::string bytes(size_t n) {
  std::string s;
  for (int c = 1; s.size() < n; c = c % 255 + 1)
    if (c != '\n')
      s += static_cast<char>(c);
  return s;
}

const std::string nul(1, '\0');

TEST(Commonseq, Pairs) {
  const std::string full = bytes(1004);
  check(PROGRAM, {
                     {"ABCBDAB\nBDCABA\n", "4\n", "", 0},
                     {"abc\nabc\n", "3\n", "", 0},
                     {"abc\nABC\n", "0\n", "", 0},
                     {"hello world\nyellow\n", "5\n", "", 0},
                     {"aaaa\naa\n", "2\n", "", 0},
                     {"x y z\nxyz\n", "3\n", "", 0},
                     {"\nabc\n", "0\n", "", 0},
                     {"abc\n\n", "0\n", "", 0},
                     {"\n\n", "0\n", "", 0},
                     {full + "\n" + full + "\n", "1004\n", "", 0},
                     {full + "\n" + full.substr(1) + "\n", "1003\n", "", 0},
                     {"a\tb\nab\n \n\t\n", "2\n0\n", "", 0},
                 });
}

TEST(Commonseq, Lines) {
  check(PROGRAM, {
                     {"", "", "", 0},
                     {"\n", "", "", 0},
                     {"abc\n", "", "", 0},
                     {"ABCBDAB\nBDCABA\n\nxyz\n", "4\n0\n", "", 0},
                     {"ABCBDAB\nBDCABA\nodd\n", "4\n", "", 0},
                     {"ABCBDAB\nBDCABA\nodd", "4\n", "", 0},
                     {"abc\nab", "2\n", "", 0},
                     {"abc\nab\n\n", "2\n", "", 0},
                     {"abc\n\n\n", "0\n", "", 0},
                     {"\n\n\n\n\n", "0\n0\n", "", 0},
                     // A carriage return is a byte of its line.
                     {"abc\r\nabc\n", "3\n", "", 0},
                     {"abc\r\nabc\r\n", "4\n", "", 0},
                     {"\r\n\r", "1\n", "", 0},
                 });
}

// A line ends at its first zero byte; the rest, up to the line feed, is
// skipped however long it is.
TEST(Commonseq, ZeroByteEndsLine) {
  const std::string tail(3000, 'a');
  check(PROGRAM, {
                     {"ab" + nul + "cd\nabcd\n", "2\n", "", 0},
                     {"abcd\nab" + nul + "cd\n", "2\n", "", 0},
                     {nul + "abc\nabc\n", "0\n", "", 0},
                     {"a" + nul + tail + "\na\n", "1\n", "", 0},
                     {"a" + nul + tail + "\n" + tail.substr(0, 1004) + "\n",
                      "1\n", "", 0},
                     {"x" + nul + "\nx" + nul + nul, "1\n", "", 0},
                 });
}

// The table is shared by all pairs: after a long pair, shorter ones still
// get the answer they get alone, wherever they stand.
TEST(Commonseq, PairsAreIndependent) {
  const std::string a(1004, 'a'), b(1004, 'b');
  const std::string shorter = "ABCBDAB\nBDCABA\n"
                              "x\nx\n"
                              "\n\n" +
                              a.substr(0, 500) + "\n" + b.substr(0, 1000) +
                              "\n" + b.substr(0, 1000) + "\naaa\n" + "ba\nab\n";
  const std::string want = "4\n1\n0\n0\n0\n1\n";
  check(PROGRAM, {
                     {shorter, want, "", 0},
                     {a + "\n" + a + "\n" + shorter, "1004\n" + want, "", 0},
                     {a + "\n" + a + "\n" + b + "\n" + a + "\n" + shorter + a +
                          "\n" + a + "\n" + shorter,
                      "1004\n0\n" + want + "1004\n" + want, "", 0},
                 });
}

std::string limit(const char *which, int pair, const char *length) {
  return std::string("commonseq: pair ") + std::to_string(pair) + ": " + which +
         " line has " + length + " bytes, over the 1004-byte limit\n";
}

TEST(Commonseq, RejectsLongLines) {
  const std::string ok(1004, 'x'), over(1005, 'x');
  check(PROGRAM,
        {
            {"abc\nabc\n" + over + "\nabc\n", "3\n", limit("first", 2, "1005"),
             1},
            {"abc\nabc\nabc\n" + over + "\n", "3\n", limit("second", 2, "1005"),
             1},
            {ok + "\n" + ok + "\n" + ok + "\n" + over, "1004\n",
             limit("second", 2, "1005"), 1},
            {over, "", limit("first", 1, "1005"), 1},
            {"abc\n" + over + nul + "abc\n", "", limit("second", 1, "1005"), 1},
            {ok + "\r\n" + ok + "\n", "", limit("first", 1, "1005"), 1},
            {std::string(1023, 'x') + "\n", "", limit("first", 1, "1023"), 1},
            {std::string(1024, 'x') + "\n", "", limit("first", 1, "1024"), 1},
            {std::string(1025, 'x') + "\n", "", limit("first", 1, "1025"), 1},
            {std::string(1048576, '\xff') + "\nabc\n", "",
             limit("first", 1, "1048576"), 1},
            {"a\n" + std::string(1048577, 'y'), "",
             limit("second", 1, "more than 1048576"), 1},
        });
}

// An endless line is given up on once it is known to be too long.
TEST(Commonseq, StopsOnEndlessLine) {
  Result r = run("/bin/sh", "abc\nabc\n",
                 {"-c", "{ cat; yes | tr -d '\\n'; } | \"$0\"", PROGRAM});
  EXPECT_EQ(r.out, "3\n");
  EXPECT_EQ(r.err, limit("first", 2, "more than 1048576"));
  EXPECT_EQ(r.status, 1);
}

TEST(Commonseq, Arguments) { check_arguments(PROGRAM, "commonseq"); }

TEST(Commonseq, InputAndOutputErrors) {
  check_io_errors(PROGRAM, "commonseq", slurp(EXAMPLE));
}

// The length of the longest common subsequence by bit vectors over b, one bit
// per byte of b: each byte of a turns the zero bits of v (one per byte of b
// matched so far) forward by an addition.
int lcs(const std::string &a, const std::string &b) {
  const size_t words = b.size() / 64 + 1;
  std::vector<std::vector<uint64_t>> match(256,
                                           std::vector<uint64_t>(words, 0));
  for (size_t j = 0; j < b.size(); j++)
    match[static_cast<unsigned char>(b[j])][j / 64] |= uint64_t(1) << j % 64;
  std::vector<uint64_t> v(words, ~uint64_t(0));
  for (unsigned char c : a) {
    uint64_t carry = 0;
    for (size_t k = 0; k < words; k++) {
      const uint64_t u = v[k] & match[c][k];
      const uint64_t sum = v[k] + u + carry;
      carry = sum < v[k] || (carry && sum == v[k]);
      v[k] = sum | (v[k] - u);
    }
  }
  int zeros = 0;
  for (size_t j = 0; j < b.size(); j++)
    zeros += !(v[j / 64] >> j % 64 & 1);
  return zeros;
}

TEST(Commonseq, MatchesBitVectorModel) {
  const unsigned seed = 20261211;
  SCOPED_TRACE("seed " + std::to_string(seed));
  std::mt19937 rng(seed);
  auto pick = [&](int lo, int hi) {
    return std::uniform_int_distribution<int>(lo, hi)(rng);
  };
  for (const std::string &alphabet :
       {std::string("ab"), std::string("acgt"), bytes(254)}) {
    std::string in, want;
    for (int p = 0; p < 200; p++) {
      std::string line[2];
      for (std::string &s : line) {
        int n = p % 3 == 0 ? pick(0, 12) : p % 10 == 1 ? 1004 : pick(0, 1004);
        for (int i = 0; i < n; i++)
          s += alphabet[pick(0, int(alphabet.size()) - 1)];
      }
      // Sometimes the same pair again, or a line followed by junk after a
      // zero byte, which must not count.
      if (p % 7 == 3)
        line[1] = line[0];
      want += std::to_string(lcs(line[0], line[1])) + "\n";
      if (p % 11 == 5)
        line[0] += nul + bytes(pick(0, 2000));
      in += line[0] + "\n" + line[1] + "\n";
    }
    SCOPED_TRACE("alphabet of " + std::to_string(alphabet.size()));
    Result r = run(PROGRAM, in);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, want);
  }
  EXPECT_EQ(lcs("ABCBDAB", "BDCABA"), 4);
}

// Whatever arrives, the run ends by itself with 0, or with 1 and one line.
// Besides random and mutated bytes, runs of bytes put into lines near the
// limit push them over it.
TEST(Commonseq, SurvivesRandomAndMutatedInput) {
  const std::string valid =
      "ABCBDAB\nBDCABA\n\nxyz\n" + bytes(1004) + "\n" + bytes(1000) + "\r\n";
  const char chars[] = "ab\n\n\r\0\xff";
  const std::string alphabet(chars, sizeof chars - 1);
  const unsigned seed = 7;
  std::vector<std::string> ins = fuzz(valid, alphabet, seed, 60);
  std::mt19937 rng(seed);
  for (int i = 0; i < 20; i++) {
    std::string in = valid;
    for (int k = 0; k < 4; k++)
      in.insert(rng() % (in.size() + 1), 1 + rng() % 40,
                alphabet[rng() % alphabet.size()]);
    ins.push_back(in);
  }
  for (size_t i = 0; i < ins.size(); i++) {
    SCOPED_TRACE("seed " + std::to_string(seed) + " run " + std::to_string(i));
    expect_clean_end(run(PROGRAM, ins[i]));
  }
}

} // namespace
