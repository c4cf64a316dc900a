#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "run.hpp"

namespace {

TEST(Fracrank, Queries) {
  check(PROGRAM, {
                     {"1 1\n", "1/1\n", "", 0},
                     {"2 1\n", "1/2\n", "", 0},
                     {"5 1\n", "1/5\n", "", 0},
                     {"5 5\n", "1/2\n", "", 0},
                     {"5 10\n", "1/1\n", "", 0},
                     {"7 3\n", "1/5\n", "", 0},
                     {"1000 1\n", "1/1000\n", "", 0},
                     {"1000 152096\n", "1/2\n", "", 0},
                     {"1000 304192\n", "1/1\n", "", 0},
                     {"2000 1\n", "1/1000\n", "", 0},
                     {"2147483647 304191\n", "999/1000\n", "", 0},
                     {"3 4\n", "1/1\n", "", 0},
                     {"100 3044\n", "1/1\n", "", 0},
                     {"10 32\n", "1/1\n", "", 0},
                 });
}

// A rank of 0 or less repeats the answer before it (1/1 at first).
TEST(Fracrank, RankOfZeroOrLessRepeats) {
  check(PROGRAM, {
                     {"5 0\n", "1/1\n", "", 0},
                     {"2000 1\n5 0\n", "1/1000\n1/1000\n", "", 0},
                     {"7 3 -5 -7 0 -2147483648\n", "1/5\n1/5\n1/5\n", "", 0},
                     {"-3 0\n", "1/1\n", "", 0},
                 });
}

TEST(Fracrank, LayoutAndEnd) {
  check(PROGRAM, {
                     {"", "", "", 0},
                     {" \n\t\n", "", "", 0},
                     {"5\n5\n", "1/2\n", "", 0},
                     {"1 1 2 1", "1/1\n1/2\n", "", 0},
                     {"\r\n5\r\n5\r\n\v\f", "1/2\n", "", 0},
                     {"+5 +05 0000000000000000000007 3", "1/2\n1/5\n", "", 0},
                 });
}

TEST(Fracrank, RejectsBadInput) {
  check(
      PROGRAM,
      {
          {"1 1\n2 1\nabc 1\n", "1/1\n1/2\n",
           "fracrank: query 3: expected an integer, found \"abc\"\n", 1},
          {"5 5\n7\n", "1/2\n",
           "fracrank: query 2: input ends before the rank\n", 1},
          {"5 x", "", "fracrank: query 1: expected an integer, found \"x\"\n",
           1},
          {"5 5 12abc 1", "1/2\n",
           "fracrank: query 2: expected an integer, found \"12abc\"\n", 1},
          {"1 1 - 1", "1/1\n",
           "fracrank: query 2: expected an integer, found \"-\"\n", 1},
          {"5 1.5", "",
           "fracrank: query 1: expected an integer, found \"1.5\"\n", 1},
          {"2147483648 1", "",
           "fracrank: query 1: \"2147483648\" is not a number from -2147483648 "
           "to "
           "2147483647\n",
           1},
          {"5 -2147483649", "",
           "fracrank: query 1: \"-2147483649\" is not a number from "
           "-2147483648 to "
           "2147483647\n",
           1},
          {"5 99999999999999999999999999999", "",
           "fracrank: query 1: \"999999999999999999999999...\" is not a number "
           "from -2147483648 to 2147483647\n",
           1},
          {"5 \x01\x80\"\\", "",
           "fracrank: query 1: expected an integer, found "
           "\"\\x01\\x80\\x22\\x5c\"\n",
           1},
      });
}

TEST(Fracrank, QuotesUnprintableBytes) {
  Result r = run(PROGRAM, std::string("1 1 5 a\0b", 9));
  EXPECT_EQ(r.out, "1/1\n");
  EXPECT_EQ(r.err,
            "fracrank: query 2: expected an integer, found \"a\\x00b\"\n");
  EXPECT_EQ(r.status, 1);

  // A long run of them is cut after 24 bytes.
  std::string shown;
  for (int i = 0; i < 24; i++)
    shown += "\\x80";
  r = run(PROGRAM, "1 " + std::string(40, '\x80'));
  EXPECT_EQ(r.err, "fracrank: query 1: expected an integer, found \"" + shown +
                       "...\"\n");
  EXPECT_EQ(r.status, 1);
}

TEST(Fracrank, RejectsRankBeyondBound) {
  check(
      PROGRAM,
      {
          {"1 1\n1 2\n", "1/1\n",
           "fracrank: query 2: rank 2 is beyond the 1 fractions that bound 1 "
           "admits\n",
           1},
          {"0 1\n", "",
           "fracrank: query 1: rank 1 is beyond the 0 fractions that bound 0 "
           "admits\n",
           1},
          {"-7 3\n", "",
           "fracrank: query 1: rank 3 is beyond the 0 fractions that bound -7 "
           "admits\n",
           1},
          {"5000 304193\n", "",
           "fracrank: query 1: rank 304193 is beyond the 304192 fractions that "
           "bound 5000 admits\n",
           1},
      });
}

TEST(Fracrank, Arguments) { check_arguments(PROGRAM, "fracrank"); }

TEST(Fracrank, InputAndOutputErrors) {
  check_io_errors(PROGRAM, "fracrank", slurp(EXAMPLE));
}

// Farey sequence of order n by its next-term recurrence.
std::vector<std::pair<int, int>> farey(int n) {
  std::vector<std::pair<int, int>> v;
  int a = 0, b = 1, c = 1, d = n;
  while (c <= n) {
    int k = (n + b) / d;
    int e = k * c - a, f = k * d - b;
    a = c, b = d, c = e, d = f;
    v.emplace_back(a, b);
  }
  return v;
}

TEST(Fracrank, MatchesFareyRecurrence) {
  const unsigned seed = 20261211;
  SCOPED_TRACE("seed " + std::to_string(seed));
  std::mt19937 rng(seed);
  std::vector<std::vector<std::pair<int, int>>> seqs(1001);
  std::string in, want;
  for (int q = 0; q < 300; q++) {
    int bound = std::uniform_int_distribution<int>(1, 1200)(rng);
    int n = bound > 1000 ? 1000 : bound;
    if (seqs[n].empty())
      seqs[n] = farey(n);
    const auto &s = seqs[n];
    int rank = std::uniform_int_distribution<int>(1, int(s.size()))(rng);
    if (q % 10 == 0)
      rank = int(s.size()) - q % 3;
    in += std::to_string(bound) + " " + std::to_string(rank) + "\n";
    want += std::to_string(s[rank - 1].first) + "/" +
            std::to_string(s[rank - 1].second) + "\n";
  }
  Result r = run(PROGRAM, in);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out, want);
  EXPECT_EQ(farey(1000).size(), 304192u);
}

// Whatever arrives, the run ends by itself with 0, or with 1 and one line.
TEST(Fracrank, SurvivesRandomAndMutatedInput) {
  const char chars[] = "0123456789 -+\n\tx\0\xff";
  const unsigned seed = 7;
  int i = 0;
  for (const std::string &in :
       fuzz("5 5\n1000 304192\n7 3 2 1\n-1 0\n",
            std::string(chars, sizeof chars - 1), seed, 60)) {
    SCOPED_TRACE("seed " + std::to_string(seed) + " run " +
                 std::to_string(i++));
    expect_clean_end(run(PROGRAM, in));
  }
}

} // namespace
