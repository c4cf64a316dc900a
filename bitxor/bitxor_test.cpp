#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "run.hpp"

namespace {

struct Pair {
  unsigned long long a, b, sum;
};

// Runs all pairs at once, one a line, and compares answer by answer.
void check_pairs(const std::vector<Pair> &pairs) {
  std::string in, want;
  for (const Pair &p : pairs) {
    in += std::to_string(p.a) + " " + std::to_string(p.b) + "\n";
    want += std::to_string(p.sum) + "\n";
  }
  Result r = run(PROGRAM, in);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  std::vector<std::string> got = lines(r.out), expected = lines(want);
  ASSERT_EQ(got.size(), expected.size());
  for (size_t i = 0; i < got.size(); i++)
    EXPECT_EQ(got[i], expected[i])
        << "pair " << pairs[i].a << " " << pairs[i].b;
}

TEST(Bitxor, Pairs) {
  check_pairs({
      {5, 3, 6},
      {10, 12, 6},
      {0, 0, 0},
      {1, 1, 0},
      {4294967295, 0, 4294967295},
      {4294967295, 4294967295, 0},
      {2147483648, 1, 2147483649},
      {6, 0, 6},
      {0, 6, 6},
      {2147483647, 2147483648, 4294967295},
      {2863311530, 1431655765, 4294967295},
      {2863311530, 2863311530, 0},
      {305419896, 4275878552, 3974687968},
  });
}

// Every bit must come back where it was: a bit dropped, doubled or moved by
// one place in either direction changes one of these answers.
TEST(Bitxor, EachBitKeepsItsPlace) {
  std::vector<Pair> pairs;
  for (int k = 0; k < 32; k++) {
    unsigned long long b = 1ULL << k, below = b - 1, all = 0xffffffffULL;
    pairs.push_back({b, 0, b});
    pairs.push_back({0, b, b});
    pairs.push_back({b, b, 0});
    pairs.push_back({b, below, b | below});
    pairs.push_back({all ^ b, all, b});
    pairs.push_back({all, below, all ^ below});
  }
  check_pairs(pairs);
}

TEST(Bitxor, LayoutAndEnd) {
  check(PROGRAM, {
                     {"", "", "", 0},
                     {" \n\t\n", "", "", 0},
                     {"1\n2 3\n4\n", "3\n7\n", "", 0},
                     {"5 3 10 12\n1 1", "6\n6\n0\n", "", 0},
                     {"5 3\n\n\n  \t", "6\n", "", 0},
                     {"\r\n5\r\n3\r\n\v\f", "6\n", "", 0},
                     {"\t5\t\t3\t", "6\n", "", 0},
                     {"0005 03 00000000000000000000000000004294967295 0",
                      "6\n4294967295\n", "", 0},
                 });
}

TEST(Bitxor, RejectsBadInput) {
  check(
      PROGRAM,
      {
          {"5 3\n-1 2\n", "6\n",
           "bitxor: pair 2: expected a number from 0 to 4294967295, found "
           "\"-1\"\n",
           1},
          {"+5 3", "",
           "bitxor: pair 1: expected a number from 0 to 4294967295, found "
           "\"+5\"\n",
           1},
          {"5 x", "",
           "bitxor: pair 1: expected a number from 0 to 4294967295, found "
           "\"x\"\n",
           1},
          {"5 3 1.5 2", "6\n",
           "bitxor: pair 2: expected a number from 0 to 4294967295, found "
           "\"1.5\"\n",
           1},
          {"5 3 10 12 12abc 1", "6\n6\n",
           "bitxor: pair 3: expected a number from 0 to 4294967295, found "
           "\"12abc\"\n",
           1},
          {"5 3 4294967296 0", "6\n",
           "bitxor: pair 2: \"4294967296\" is not a number from 0 to "
           "4294967295\n",
           1},
          {"42949672950 1", "",
           "bitxor: pair 1: \"42949672950\" is not a number from 0 to "
           "4294967295\n",
           1},
          {"0 18446744073709551617", "",
           "bitxor: pair 1: \"18446744073709551617\" is not a number from 0 to "
           "4294967295\n",
           1},
          {"1 99999999999999999999999999999", "",
           "bitxor: pair 1: \"999999999999999999999999...\" is not a number "
           "from 0 to 4294967295\n",
           1},
          {"1 2 3", "3\n",
           "bitxor: pair 2: input ends before the second number\n", 1},
          {"1 2\n3\n \n", "3\n",
           "bitxor: pair 2: input ends before the second number\n", 1},
          {"1 2 x", "3\n",
           "bitxor: pair 2: expected a number from 0 to 4294967295, found "
           "\"x\"\n",
           1},
          {"5 \x01\x80\"\\", "",
           "bitxor: pair 1: expected a number from 0 to 4294967295, found "
           "\"\\x01\\x80\\x22\\x5c\"\n",
           1},
          {"1 \"\"\"\"\"\"\"\"\"\"\"\"\"\"\"\"\"\"\"\"\"\"\"\"\"", "",
           "bitxor: pair 1: expected a number from 0 to 4294967295, found "
           "\"\\x22\\x22\\x22\\x22\\x22\\x22\\x22\\x22\\x22\\x22\\x22\\x22"
           "\\x22\\x22\\x22\\x22\\x22\\x22\\x22\\x22\\x22\\x22\\x22\\x22..."
           "\"\n",
           1},
      });
}

TEST(Bitxor, NulByteIsQuoted) {
  Result r = run(PROGRAM, std::string("1 1 5 a\0b", 9));
  EXPECT_EQ(r.out, "0\n");
  EXPECT_EQ(r.err, "bitxor: pair 2: expected a number from 0 to 4294967295, "
                   "found \"a\\x00b\"\n");
  EXPECT_EQ(r.status, 1);
}

// Input is read in chunks of up to a megabyte: a token cut by a chunk's end
// still reads as one token, and is quoted whole.
TEST(Bitxor, TokensAcrossChunks) {
  const size_t mb = 1 << 20;
  for (size_t pad = mb - 12; pad <= mb + 1; pad++) {
    SCOPED_TRACE("pad " + std::to_string(pad));
    Result r = run(PROGRAM, std::string(pad, ' ') + "4294967295 1\n");
    EXPECT_EQ(r.out, "4294967294\n");
    EXPECT_EQ(r.status, 0);
  }
  std::string lead(mb - 3, '\n');
  Result r = run(PROGRAM, lead + "000000000000000000000000000000000007 2");
  EXPECT_EQ(r.out, "5\n");
  r = run(PROGRAM, lead + "0 12345678901x");
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "bitxor: pair 1: expected a number from 0 to 4294967295, "
                   "found \"12345678901x\"\n");
  r = run(PROGRAM, lead + "7 12345678901");
  EXPECT_EQ(r.err, "bitxor: pair 1: \"12345678901\" is not a number from 0 "
                   "to 4294967295\n");
}

TEST(Bitxor, Arguments) { check_arguments(PROGRAM, "bitxor"); }

TEST(Bitxor, InputAndOutputErrors) {
  check_io_errors(PROGRAM, "bitxor", slurp(EXAMPLE));
}

// Random pairs, edge values among them, in random layouts, against ^.
TEST(Bitxor, MatchesExclusiveOr) {
  const unsigned seed = 20261211;
  SCOPED_TRACE("seed " + std::to_string(seed));
  std::mt19937 rng(seed);
  const unsigned edges[] = {0,          1,          2,          3,
                            0x7fffffff, 0x80000000, 0x80000001, 0xfffffffe,
                            0xffffffff, 0x55555555, 0xaaaaaaaa};
  auto number = [&] {
    unsigned x = rng();
    switch (rng() % 4) {
    case 0:
      return edges[rng() % (sizeof edges / sizeof *edges)];
    case 1:
      return x >> (rng() % 32); // every length of number
    default:
      return x;
    }
  };
  const std::string seps[] = {" ", "\n", "\t", "  ", "\r\n", " \n\n\t"};
  std::string in, want;
  for (int i = 0; i < 60000; i++) {
    unsigned a = number(), b = number();
    std::string zeros(rng() % 8 == 0 ? rng() % 4 : 0, '0');
    in += zeros + std::to_string(a) + seps[rng() % 6] + std::to_string(b) +
          seps[rng() % 6];
    want += std::to_string(a ^ b) + "\n";
  }
  Result r = run(PROGRAM, in);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  std::vector<std::string> got = lines(r.out), expected = lines(want);
  ASSERT_EQ(got.size(), expected.size());
  auto diff = std::mismatch(got.begin(), got.end(), expected.begin());
  EXPECT_TRUE(diff.first == got.end())
      << "answer " << diff.first - got.begin() + 1 << ": " << *diff.first
      << ", not " << *diff.second;
  EXPECT_GT(in.size(), size_t{1} << 20); // crosses a chunk's end
}

// Whatever arrives, the run ends by itself with 0, or with 1 and one line,
// and every answer it gives is an unsigned 32-bit number.
TEST(Bitxor, SurvivesRandomAndMutatedInput) {
  const char chars[] = "0123456789 -+\n\tx.\0\xff";
  const unsigned seed = 7;
  int i = 0;
  for (const std::string &in :
       fuzz("5 3\n4294967295 4294967295\n10 12 2147483648\n1\n0 0\n",
            std::string(chars, sizeof chars - 1), seed, 60)) {
    SCOPED_TRACE("seed " + std::to_string(seed) + " run " +
                 std::to_string(i++));
    Result r = run(PROGRAM, in);
    expect_clean_end(r);
    for (const std::string &l : lines(r.out))
      EXPECT_TRUE(!l.empty() && l.size() <= 10 &&
                  l.find_first_not_of("0123456789") == std::string::npos)
          << l;
  }
}

} // namespace
