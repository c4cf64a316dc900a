#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <vector>

#include "run.hpp"

namespace {

TEST(Dieroll, Rolls) {
  check(PROGRAM, {
                     {"0\n", "", "", 0},
                     {"1 north 0\n", "5\n", "", 0},
                     {"1 south 0\n", "2\n", "", 0},
                     {"1 east 0\n", "3\n", "", 0},
                     {"1 west 0\n", "4\n", "", 0},
                     {"2 north south 0\n", "1\n", "", 0},
                     {"2 east west 0\n", "1\n", "", 0},
                     {"4 north north north north 0\n", "1\n", "", 0},
                     {"4 east east east east 0\n", "1\n", "", 0},
                     {"2 north north 0\n", "6\n", "", 0},
                     {"2 west west 0\n", "6\n", "", 0},
                     {"3 south south south 0\n", "5\n", "", 0},
                     {"2 north east 0\n", "3\n", "", 0},
                     {"2 east north 0\n", "5\n", "", 0},
                     {"4 north west south east 0\n", "5\n", "", 0},
                     {"3 west west north 0\n", "5\n", "", 0},
                 });
}

// Only a word's first byte counts, whatever follows it.
TEST(Dieroll, WordsByFirstByte) {
  check(PROGRAM, {
                     {"1 nope 0", "5\n", "", 0},
                     {"1 n 0", "5\n", "", 0},
                     {"4 s sOUTH s\x01\xff s-0 0", "1\n", "", 0},
                     {"2 eNorth wSouth 0", "1\n", "", 0},
                     {"1 " + std::string(200000, 'w') + " 0", "4\n", "", 0},
                     {"3 e" + std::string(100000, 'X') + " n" +
                          std::string(70000, 's') + "\nw 0",
                      "1\n", "", 0},
                 });
}

// Each case starts from 1 on top, 2 north, 3 west, 4 east, 5 south.
TEST(Dieroll, CasesAreIndependent) {
  check(PROGRAM, {
                     {"2 north north\n1 east\n0\n", "6\n3\n", "", 0},
                     {"1 w 1 w 1 w 0", "4\n4\n4\n", "", 0},
                     {"-2 0", "1\n", "", 0},
                     {"-2 3 n n n 0", "1\n2\n", "", 0},
                     {"-2147483648 -1 0", "1\n1\n", "", 0},
                 });
}

TEST(Dieroll, LayoutAndEnd) {
  check(PROGRAM,
        {
            {"", "", "", 0},
            {" \n\t\n", "", "", 0},
            {"2\nnorth\neast\n0\n", "3\n", "", 0},
            {"2 north\n  east 1\nwest", "3\n4\n", "", 0},
            {"1 n", "5\n", "", 0},
            {"\r\n1\r\nn\r\n\v\f0\r\n", "5\n", "", 0},
            {"+2 n n 0002 s e -0", "6\n3\n", "", 0},
            {"1 e 0 abc", "3\n", "", 0},
            {"0 1 n", "", "", 0},
            {std::string("1 s 0 \x01\0 2147483648 3", 21), "2\n", "", 0},
        });
}

// Input is read in chunks of 64 KB: a count or a word may straddle two.
TEST(Dieroll, TokensAcrossChunks) {
  for (size_t k = 1; k <= 6; k++) {
    std::string pad(65536 - k, '\n');
    check(PROGRAM,
          {
              {pad + "-12345 2 nope east 0", "1\n3\n", "", 0},
              {pad + "1 sxyz 0", "2\n", "", 0},
              {pad.substr(3) + "1 wxyz 0", "4\n", "", 0},
              {pad + "1 North", "",
               "dieroll: case 1: \"North\" does not begin with n, s, e or w\n",
               1},
              {pad + "12x", "",
               "dieroll: case 1: expected an integer, found \"12x\"\n", 1},
          });
  }
}

TEST(Dieroll, RejectsBadInput) {
  check(
      PROGRAM,
      {
          {"1 n 1 North 0", "5\n",
           "dieroll: case 2: \"North\" does not begin with n, s, e or w\n", 1},
          {"1 N 0", "",
           "dieroll: case 1: \"N\" does not begin with n, s, e or w\n", 1},
          {"3 n x n 0", "",
           "dieroll: case 1: \"x\" does not begin with n, s, e or w\n", 1},
          {"2 n 5 0", "",
           "dieroll: case 1: \"5\" does not begin with n, s, e or w\n", 1},
          {"1 " + std::string(30, 'E') + " 0", "",
           "dieroll: case 1: \"EEEEEEEEEEEEEEEEEEEEEEEE...\" does not begin "
           "with "
           "n, s, e or w\n",
           1},
          {"1 \x01\x80\"\\n 0", "",
           "dieroll: case 1: \"\\x01\\x80\\x22\\x5cn\" does not begin with n, "
           "s, "
           "e or w\n",
           1},
          {std::string("1 \0n 0", 6), "",
           "dieroll: case 1: \"\\x00n\" does not begin with n, s, e or w\n", 1},
          {"1 " + std::string(30, '\x7f') + " 0", "",
           "dieroll: case 1: \"" +
               [] {
                 std::string q;
                 for (int i = 0; i < 24; i++)
                   q += "\\x7f";
                 return q;
               }() +
               "...\" does not begin with n, s, e or w\n",
           1},
          {"1 n 2 s", "5\n",
           "dieroll: case 2: input ends before the word 2 of 2\n", 1},
          {"3\n", "", "dieroll: case 1: input ends before the word 1 of 3\n",
           1},
          {"1 e 1 n 2147483647 n", "3\n5\n",
           "dieroll: case 3: input ends before the word 2 of 2147483647\n", 1},
          {"1 n abc", "5\n",
           "dieroll: case 2: expected an integer, found \"abc\"\n", 1},
          {"1 n 2x n n 0", "5\n",
           "dieroll: case 2: expected an integer, found \"2x\"\n", 1},
          {"- n", "", "dieroll: case 1: expected an integer, found \"-\"\n", 1},
          {"1.5 n", "", "dieroll: case 1: expected an integer, found \"1.5\"\n",
           1},
          {"-2 north", "1\n",
           "dieroll: case 2: expected an integer, found \"north\"\n", 1},
          {"2147483648 n", "",
           "dieroll: case 1: \"2147483648\" is not a number from -2147483648 "
           "to "
           "2147483647\n",
           1},
          {"1 w -2147483649", "4\n",
           "dieroll: case 2: \"-2147483649\" is not a number from -2147483648 "
           "to "
           "2147483647\n",
           1},
          {"99999999999999999999999999999 n", "",
           "dieroll: case 1: \"999999999999999999999999...\" is not a number "
           "from "
           "-2147483648 to 2147483647\n",
           1},
      });
}

TEST(Dieroll, Arguments) { check_arguments(PROGRAM, "dieroll"); }

TEST(Dieroll, InputAndOutputErrors) {
  check_io_errors(PROGRAM, "dieroll", slurp(EXAMPLE));
}

// The die as six unit vectors in space, x east, y north, z up; face k + 1
// points along face[k]. Tipping toward the horizontal direction d turns every
// face a quarter turn about the axis up x d (Rodrigues' formula at 90 degrees:
// v becomes a x v + a (a . v)).
using Vec = std::array<int, 3>;

Vec cross(const Vec &a, const Vec &v) {
  return {a[1] * v[2] - a[2] * v[1], a[2] * v[0] - a[0] * v[2],
          a[0] * v[1] - a[1] * v[0]};
}

int model(const std::string &letters) {
  std::array<Vec, 6> face = {Vec{0, 0, 1}, {0, 1, 0},  {-1, 0, 0},
                             {1, 0, 0},    {0, -1, 0}, {0, 0, -1}};
  const Vec up = {0, 0, 1};
  for (char c : letters) {
    Vec d = c == 'n'   ? Vec{0, 1, 0}
            : c == 's' ? Vec{0, -1, 0}
            : c == 'e' ? Vec{1, 0, 0}
                       : Vec{-1, 0, 0};
    Vec a = cross(up, d);
    for (Vec &v : face) {
      int dot = a[0] * v[0] + a[1] * v[1] + a[2] * v[2];
      Vec r = cross(a, v);
      v = {r[0] + a[0] * dot, r[1] + a[1] * dot, r[2] + a[2] * dot};
    }
  }
  return int(std::find(face.begin(), face.end(), up) - face.begin()) + 1;
}

TEST(Dieroll, MatchesVectorModel) {
  const unsigned seed = 20261211;
  SCOPED_TRACE("seed " + std::to_string(seed));
  std::mt19937 rng(seed);
  auto pick = [&](int lo, int hi) {
    return std::uniform_int_distribution<int>(lo, hi)(rng);
  };
  const char *gaps[] = {" ", "\n", "\t", "  \n ", "\r\n"};
  const std::string tail = "orthsuewaXZ0-\x01\xff";
  std::string in, want;
  for (int k = 0; k < 3000; k++) {
    int count = k % 100 == 0 ? -pick(1, 5) : pick(1, 30);
    in += std::to_string(count);
    std::string letters;
    for (int i = 0; i < count; i++) {
      char c = "nsew"[pick(0, 3)];
      letters += c;
      in += gaps[pick(0, 4)];
      in += c;
      int extra = k % 250 == 0 && i == 0 ? 70000 : pick(0, 3) ? pick(0, 6) : 0;
      for (int j = 0; j < extra; j++)
        in += tail[size_t(pick(0, int(tail.size()) - 1))];
    }
    in += gaps[pick(0, 4)];
    want += std::to_string(model(letters)) + "\n";
  }
  in += "0\n";
  Result r = run(PROGRAM, in);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out, want);
  // The model itself, on the documented rolls.
  EXPECT_EQ(model(""), 1);
  EXPECT_EQ(model("n"), 5);
  EXPECT_EQ(model("s"), 2);
  EXPECT_EQ(model("e"), 3);
  EXPECT_EQ(model("w"), 4);
  EXPECT_EQ(model("ne"), 3);
  EXPECT_EQ(model("en"), 5);
}

// Whatever arrives, the run ends by itself with 0, or with 1 and one line.
TEST(Dieroll, SurvivesRandomAndMutatedInput) {
  const char chars[] = "0123456789 -+\n\tnsewNx\0\xff";
  const unsigned seed = 7;
  int i = 0;
  for (const std::string &in :
       fuzz("2 north east\n1 w\n-3\n4 s s e n\n0\n",
            std::string(chars, sizeof chars - 1), seed, 60)) {
    SCOPED_TRACE("seed " + std::to_string(seed) + " run " +
                 std::to_string(i++));
    expect_clean_end(run(PROGRAM, in));
  }
}

} // namespace
