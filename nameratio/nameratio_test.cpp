#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

#include "run.hpp"

namespace {

bool nan_line(const std::string &s) { return s == "nan %" || s == "-nan %"; }

struct Pair {
  std::string first, second;
  const char *want; // the answer line without its line feed
};

// Runs all pairs in one input, one answer line each.
void check_pairs(const std::vector<Pair> &pairs) {
  std::string in;
  for (const Pair &p : pairs)
    in += p.first + "\n" + p.second + "\n";
  Result r = run(PROGRAM, in);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  std::vector<std::string> got = lines(r.out);
  ASSERT_EQ(got.size(), pairs.size()) << r.out;
  for (size_t i = 0; i < pairs.size(); i++) {
    const Pair &p = pairs[i];
    SCOPED_TRACE("pair " + std::to_string(i + 1) + ": \"" + p.first +
                 "\" and \"" + p.second + "\"");
    if (std::string(p.want) == "nan")
      EXPECT_TRUE(nan_line(got[i])) << got[i];
    else
      EXPECT_EQ(got[i], p.want);
  }
}

TEST(Nameratio, Pairs) {
  const std::string z31(31, 'z'), z41(41, 'Z');
  check_pairs({
      {"abc", "a bc", "100.00 %"},
      {"i", "r", "100.00 %"}, // sums 9 and 18
      {"ABC", "abc", "100.00 %"},
      {"aBc", "e", "83.33 %"},
      {"abc", "z", "75.00 %"},
      {"z", "abc", "75.00 %"},
      {"a", "c", "33.33 %"},
      {"c", "a", "33.33 %"},
      {"b", "c", "66.67 %"},
      {"a", "h", "12.50 %"},
      {"e", "i", "55.56 %"},
      {"i", "e", "55.56 %"},
      {"a", "g", "14.29 %"},
      {"g", "a", "14.29 %"},
      {"zzzu", "e", "55.56 %"}, // 99 gives 18, then 9
      {"jjjj", "e", "80.00 %"}, // 40 gives 4
      {z31, "i", "55.56 %"},    // 806 gives 14, then 5
      {z41, "i", "44.44 %"},    // 1066 gives 13, then 4 (31 bytes give 5)
      // Only the bytes A to Z and a to z are letters.
      {"a-b c1", "e", "83.33 %"},
      {"abc\r", "e", "83.33 %"},
      {"\t@a[`z{ ~\x7f", "c", "33.33 %"}, // the neighbours of the letters
      {"\xc1\xe1\xdf\xff"
       "bc",
       "e", "100.00 %"},
      // A name without letters against one with letters.
      {"", "abc", "0.00 %"},
      {"abc", "", "0.00 %"},
      {"12 34", "xyz", "0.00 %"},
      {"xyz", " 9 ", "0.00 %"},
      // Two names without letters: 0 / 0.
      {"", "", "nan"},
      {"123", "--", "nan"},
  });
}

TEST(Nameratio, LinesAndEnd) {
  check(PROGRAM,
        {
            {"", "", "", 0},
            {"abc\n", "", "", 0},
            {"abc", "", "", 0},
            {"abc\nz", "75.00 %\n", "", 0},
            {"abc\nz\nabc\n", "75.00 %\n", "", 0},
            {"abc\nz\na\nh\nodd", "75.00 %\n12.50 %\n", "", 0},
            {"abc\n\n", "0.00 %\n", "", 0},
            {"abc\n\n\n", "0.00 %\n", "", 0},
            {"abc\r\nz\r\n", "75.00 %\n", "", 0},
            {"a\nc\nabc\nz\na\nc\n", "33.33 %\n75.00 %\n33.33 %\n", "", 0},
            // A name ends at its first zero byte.
            {std::string("ab\0zz\nabc\n", 10), "50.00 %\n", "", 0},
            {std::string("\0abc\nabc\n", 9), "0.00 %\n", "", 0},
            {std::string("abc\nc\0\n", 7), "50.00 %\n", "", 0},
        });
}

// The run goes on after a quotient that is not a number.
TEST(Nameratio, NotANumberThenMore) {
  Result r = run(PROGRAM, "\n\nabc\nz\n12\n\n");
  std::vector<std::string> got = lines(r.out);
  ASSERT_EQ(got.size(), 3u) << r.out;
  EXPECT_TRUE(nan_line(got[0])) << got[0];
  EXPECT_EQ(got[1], "75.00 %");
  EXPECT_TRUE(nan_line(got[2])) << got[2];
  EXPECT_EQ(r.status, 0);
}

// Names far longer than the reading buffer, cut at a zero byte far from the
// line's start, and one whose letter sum is beyond the range of an int.
TEST(Nameratio, LongNames) {
  std::string a(200001, 'a'); // 200001 gives 3
  std::string b(150000, 'b'); // 300000 gives 3, then 300001 gives 4
  b += 'a';
  std::string c(100000, 'c'); // cut after 300000: 3
  c += '\0';
  c += std::string(100000, 'z');
  check_pairs({{a, "i", "33.33 %"}, {b, "i", "44.44 %"}, {c, "i", "33.33 %"}});

  std::string huge(85000000, 'z'); // 2210000000 gives 5
  Result r = run(PROGRAM, huge + "\ni\n");
  EXPECT_EQ(r.out, "55.56 %\n");
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.status, 0);
}

TEST(Nameratio, Arguments) { check_arguments(PROGRAM, "nameratio"); }

// A full disk is met when the output is flushed at the end, and also while
// answers still flow: then the run stops there.
TEST(Nameratio, InputAndOutputErrors) {
  check_io_errors(PROGRAM, "nameratio", slurp(EXAMPLE));
  std::string many;
  for (int i = 0; i < 100000; i++)
    many += "abc\nz\n";
  Result r = run(PROGRAM, many, {}, "/dev/full");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "nameratio: write error: No space left on device\n");
}

// Independent model: the letter sum by each letter's place in the alphabet,
// the digit by 1 + (sum - 1) mod 9, the percentage rounded in integers.
int value(const std::string &name) {
  long long sum = 0;
  for (unsigned char c : name) {
    if (c == '\0')
      break;
    if (c >= 'a' && c <= 'z')
      sum += c - 'a' + 1;
    else if (c >= 'A' && c <= 'Z')
      sum += c - 'A' + 1;
  }
  return sum == 0 ? 0 : int(1 + (sum - 1) % 9);
}

std::string percent(int x, int y) {
  int lo = std::min(x, y), hi = std::max(x, y);
  int hundredths = (20000 * lo + hi) / (2 * hi); // no value ends in a half
  char s[32];
  snprintf(s, sizeof s, "%d.%02d %%", hundredths / 100, hundredths % 100);
  return s;
}

// Every pair of digits the program can meet, each both ways round, against
// the model and against printf's own "%.2f" of the same quotient.
TEST(Nameratio, EveryPairOfDigits) {
  const char *names[10] = {"",      "a", "b", "Ab ",        "d",
                           "zzzz-", "F", "g", "zzzzzzzzzz", "Zzzzzzzzz"};
  std::vector<Pair> pairs;
  std::vector<std::string> want;
  for (int x = 0; x < 10; x++) {
    ASSERT_EQ(value(names[x]), x) << names[x];
    for (int y = 0; y < 10; y++) {
      if (x == 0 && y == 0) {
        want.push_back("nan");
        continue;
      }
      want.push_back(percent(x, y));
      char s[32];
      snprintf(s, sizeof s, "%.2f %%",
               (x > y ? double(y) / x : double(x) / y) * 100.0);
      EXPECT_EQ(want.back(), s) << x << " " << y;
    }
  }
  for (int x = 0, i = 0; x < 10; x++)
    for (int y = 0; y < 10; y++)
      pairs.push_back({names[x], names[y], want[i++].c_str()});
  check_pairs(pairs);
}

TEST(Nameratio, MatchesModel) {
  const unsigned seed = 20261211;
  SCOPED_TRACE("seed " + std::to_string(seed));
  std::mt19937 rng(seed);
  const std::string common = "abcxyzABCXYZ \r-.'09@[`{";
  std::string in;
  std::vector<int> values;
  for (int i = 0; i < 4000; i++) {
    size_t n = rng() % 8 == 0 ? rng() % 3000 : rng() % 40;
    std::string name(n, ' ');
    for (char &c : name) {
      c = static_cast<char>(rng() % 4 ? common[rng() % common.size()] : rng());
      if (c == '\n')
        c = '\r';
    }
    values.push_back(value(name));
    in += name + "\n";
  }
  Result r = run(PROGRAM, in);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  std::vector<std::string> got = lines(r.out);
  ASSERT_EQ(got.size(), values.size() / 2);
  for (size_t i = 0; i < got.size(); i++) {
    int x = values[2 * i], y = values[2 * i + 1];
    if (x == 0 && y == 0)
      EXPECT_TRUE(nan_line(got[i])) << "pair " << i + 1 << ": " << got[i];
    else
      EXPECT_EQ(got[i], percent(x, y)) << "pair " << i + 1;
  }
}

// Every input is a valid one: whatever arrives, the run ends by itself with
// status 0 and one answer per two lines.
TEST(Nameratio, SurvivesRandomAndMutatedInput) {
  const char chars[] = "azAZ 9\n\r\0\xff";
  const unsigned seed = 7;
  int i = 0;
  for (const std::string &in :
       fuzz("abc\nz\nA-B c1\r\n\n\n\nzzzzzzzzzz\nI\n",
            std::string(chars, sizeof chars - 1), seed, 60)) {
    SCOPED_TRACE("seed " + std::to_string(seed) + " run " +
                 std::to_string(i++));
    size_t count = std::count(in.begin(), in.end(), '\n');
    if (!in.empty() && in.back() != '\n')
      count++;
    Result r = run(PROGRAM, in);
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    std::vector<std::string> got = lines(r.out);
    EXPECT_EQ(got.size(), count / 2);
    for (const std::string &l : got)
      EXPECT_TRUE(nan_line(l) || (l.size() >= 6 && l.size() <= 8 &&
                                  l.compare(l.size() - 2, 2, " %") == 0))
          << l;
  }
}

} // namespace
