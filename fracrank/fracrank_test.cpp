#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <random>
#include <sstream>
#include <vector>

#include "run.hpp"

namespace {

struct Case {
  const char *in;
  const char *out;
  const char *err; // empty for a normal run
  int status;
};

void check(const std::vector<Case> &cases) {
  for (const Case &c : cases) {
    SCOPED_TRACE(std::string("input: ") + c.in);
    Result r = run(PROGRAM, c.in);
    EXPECT_EQ(r.out, c.out);
    EXPECT_EQ(r.err, c.err);
    EXPECT_EQ(r.status, c.status);
  }
}

TEST(Fracrank, Queries) {
  check({
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
  check({
      {"5 0\n", "1/1\n", "", 0},
      {"2000 1\n5 0\n", "1/1000\n1/1000\n", "", 0},
      {"7 3 -5 -7 0 -2147483648\n", "1/5\n1/5\n1/5\n", "", 0},
      {"-3 0\n", "1/1\n", "", 0},
  });
}

TEST(Fracrank, LayoutAndEnd) {
  check({
      {"", "", "", 0},
      {" \n\t\n", "", "", 0},
      {"5\n5\n", "1/2\n", "", 0},
      {"1 1 2 1", "1/1\n1/2\n", "", 0},
      {"\r\n5\r\n5\r\n\v\f", "1/2\n", "", 0},
      {"+5 +05 0000000000000000000007 3", "1/2\n1/5\n", "", 0},
  });
}

TEST(Fracrank, RejectsBadInput) {
  check({
      {"1 1\n2 1\nabc 1\n", "1/1\n1/2\n",
       "fracrank: query 3: expected an integer, found \"abc\"\n", 1},
      {"5 5\n7\n", "1/2\n", "fracrank: query 2: input ends before the rank\n",
       1},
      {"5 x", "", "fracrank: query 1: expected an integer, found \"x\"\n", 1},
      {"5 5 12abc 1", "1/2\n",
       "fracrank: query 2: expected an integer, found \"12abc\"\n", 1},
      {"1 1 - 1", "1/1\n",
       "fracrank: query 2: expected an integer, found \"-\"\n", 1},
      {"5 1.5", "", "fracrank: query 1: expected an integer, found \"1.5\"\n",
       1},
      {"2147483648 1", "",
       "fracrank: query 1: \"2147483648\" is not a number from -2147483648 to "
       "2147483647\n",
       1},
      {"5 -2147483649", "",
       "fracrank: query 1: \"-2147483649\" is not a number from -2147483648 to "
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
      {"5 \x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01"
       "\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01",
       "",
       "fracrank: query 1: expected an integer, found "
       "\"\\x01\\x01\\x01\\x01\\x01\\x01\\x01\\x01\\x01\\x01\\x01\\x01"
       "\\x01\\x01\\x01\\x01\\x01\\x01\\x01\\x01\\x01\\x01\\x01\\x01...\"\n",
       1},
  });
}

TEST(Fracrank, NulByteIsQuoted) {
  Result r = run(PROGRAM, std::string("1 1 5 a\0b", 9));
  EXPECT_EQ(r.out, "1/1\n");
  EXPECT_EQ(r.err,
            "fracrank: query 2: expected an integer, found \"a\\x00b\"\n");
  EXPECT_EQ(r.status, 1);
}

TEST(Fracrank, RejectsRankBeyondBound) {
  check({
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

TEST(Fracrank, Arguments) {
  Result h = run(PROGRAM, "", {"--help"});
  EXPECT_EQ(h.status, 0);
  EXPECT_NE(h.out.find("usage: fracrank"), std::string::npos);
  EXPECT_EQ(h.err, "");
  Result v = run(PROGRAM, "", {"--version"});
  EXPECT_EQ(v.status, 0);
  EXPECT_EQ(v.out.rfind("fracrank ", 0), 0u);
  for (const char *a : {"-x", "file", "--"}) {
    Result r = run(PROGRAM, "1 1\n", {a});
    EXPECT_EQ(r.status, 2) << a;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err,
              "fracrank: reads standard input and takes no arguments (try "
              "--help)\n");
  }
}

TEST(Fracrank, WriteErrorFails) {
  std::ifstream f(EXAMPLE);
  std::stringstream in;
  in << f.rdbuf();
  Result r = run(PROGRAM, in.str(), {}, "/dev/full");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "fracrank: write error: No space left on device\n");
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
  const unsigned seed = 7;
  std::mt19937 rng(seed);
  const std::string valid = "5 5\n1000 304192\n7 3 2 1\n-1 0\n";
  const char chars[] = "0123456789 -+\n\tx\0\xff";
  const std::string alphabet(chars, sizeof chars - 1);
  for (int i = 0; i < 60; i++) {
    std::string in;
    if (i % 2) {
      in = valid;
      for (int k = 0; k < 3; k++) {
        size_t at = rng() % (in.size() + 1);
        in.insert(at, 1, alphabet[rng() % alphabet.size()]);
        if (!in.empty())
          in.erase(rng() % in.size(), 1);
      }
    } else {
      in.resize(rng() % 64);
      for (char &c : in)
        c = static_cast<char>(i % 4 ? alphabet[rng() % alphabet.size()]
                                    : rng());
    }
    SCOPED_TRACE("seed " + std::to_string(seed) + " run " + std::to_string(i));
    Result r = run(PROGRAM, in);
    ASSERT_TRUE(r.status == 0 || r.status == 1) << r.status;
    if (r.status == 1) {
      EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1);
      EXPECT_EQ(r.err.back(), '\n');
    } else {
      EXPECT_EQ(r.err, "");
    }
  }
}

} // namespace
