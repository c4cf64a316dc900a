#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <numeric>
#include <random>
#include <sstream>
#include <vector>

#include "run.hpp"

namespace {

// A tree by label: kids[v] lists the children of v in order; entry 0 unused.
using Kids = std::vector<std::vector<int>>;

std::vector<int> bfsof(const Kids &kids, int root) {
  std::vector<int> q{root};
  for (size_t h = 0; h < q.size() && q.size() < kids.size(); h++)
    q.insert(q.end(), kids[q[h]].begin(), kids[q[h]].end());
  return q;
}

void preof(const Kids &kids, int v, std::vector<int> &to) {
  to.push_back(v);
  for (int c : kids[v])
    preof(kids, c, to);
}

std::vector<int> preof(const Kids &kids, int root) {
  std::vector<int> to;
  preof(kids, root, to);
  return to;
}

int height(const Kids &kids, int v) {
  int h = 0;
  for (int c : kids[v])
    h = std::max(h, height(kids, c));
  return h + 1;
}

std::string show(const Kids &kids) {
  std::string s;
  for (size_t k = 1; k < kids.size(); k++) {
    s += std::to_string(k) + ":";
    for (int c : kids[k])
      s += " " + std::to_string(c);
    s += "\n";
  }
  return s;
}

std::string words(const std::vector<int> &v) {
  std::string s;
  for (int x : v)
    s += " " + std::to_string(x);
  return s;
}

// One case of input: N, then the two orders of the tree.
std::string input(const Kids &kids, int root) {
  return std::to_string(kids.size() - 1) + "\n" + words(bfsof(kids, root)) +
         "\n" + words(preof(kids, root)) + "\n";
}

TEST(Treekids, DocumentedCases) {
  check(PROGRAM, {
                     {"1\n1\n1\n", "1:\n", "", 0},
                     {"2\n2 1\n2 1\n", "1:\n2: 1\n", "", 0},
                     {"6\n1 2 3 4 5 6\n1 2 4 5 3 6\n",
                      "1: 2 3\n2: 4 5\n3: 6\n4:\n5:\n6:\n", "", 0},
                     {"4\n1 2 3 4\n1 2 3 4\n", "1: 2 3 4\n2:\n3:\n4:\n", "", 0},
                     {"5\n1 2 3 4 5\n1 2 4 5 3\n",
                      "1: 2 3\n2: 4 5\n3:\n4:\n5:\n", "", 0},
                     {"7\n3 1 6 2 5 7 4\n3 1 2 5 6 7 4\n",
                      "1: 2 5\n2:\n3: 1 6\n4:\n5:\n6: 7 4\n7:\n", "", 0},
                 });
}

TEST(Treekids, CountsOfZeroOrLessAndLayout) {
  check(PROGRAM,
        {
            {"", "", "", 0},
            {" \n\t\n", "", "", 0},
            {"0\n", "", "", 0},
            {"0 -5 -2147483648", "", "", 0},
            {"0\n2 1 2 1 2\n-1\n1 1 1", "1: 2\n2:\n1:\n", "", 0},
            {"3 2 1 3 2 1 3", "1:\n2: 1 3\n3:\n", "", 0},
            {"\r\n3\r\n+2 01 3\v\f2\t1 3", "1:\n2: 1 3\n3:\n", "", 0},
            {"6 1 2 3 4 5 6 1 2 4 5 3 6 2 2 1 2 1 1 1 1",
             "1: 2 3\n2: 4 5\n3: 6\n4:\n5:\n6:\n1:\n2: 1\n1:\n", "", 0},
        });
}

// Wide and deep cases leave full rows and many levels behind; the small
// cases after them must not see any of it.
TEST(Treekids, SmallCasesAfterLargeOnes) {
  const int n = 1009;
  Kids star(n + 1), comb(n + 1);
  for (int v = 2; v <= n; v++)
    star[1].push_back(v);
  // Spine 1, 2, ..., 505; spine node v also has the leaf v + 505, after v + 1.
  for (int v = 1; v < 505; v++)
    comb[v] = {v + 1, v + 505};
  std::string in = input(star, 1) + input(comb, 1), want = show(star);
  want += show(comb);
  in += "7\n3 1 6 2 5 7 4\n3 1 2 5 6 7 4\n"
        "3 1 2 3 1 2 3\n"
        "5\n1 2 3 4 5\n1 2 4 5 3\n";
  want += "1: 2 5\n2:\n3: 1 6\n4:\n5:\n6: 7 4\n7:\n"
          "1: 2 3\n2:\n3:\n"
          "1: 2 3\n2: 4 5\n3:\n4:\n5:\n";
  Result r = run(PROGRAM, in);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, want);
  EXPECT_EQ(height(comb, 1), 505);
}

TEST(Treekids, RejectsBadInput) {
  check(
      PROGRAM,
      {
          {"1 1 1\nabc 1\n", "1:\n",
           "treekids: case 2: expected an integer, found \"abc\"\n", 1},
          {"0 -1 1 1 1 1.5", "1:\n",
           "treekids: case 4: expected an integer, found \"1.5\"\n", 1},
          {"1 1 1 1010 1", "1:\n",
           "treekids: case 2: 1010 nodes are more than the 1009 that a case "
           "may "
           "have\n",
           1},
          {"2147483647", "",
           "treekids: case 1: 2147483647 nodes are more than the 1009 that a "
           "case may have\n",
           1},
          {"2147483648", "",
           "treekids: case 1: \"2147483648\" is not a number from -2147483648 "
           "to "
           "2147483647\n",
           1},
          {"-2147483649", "",
           "treekids: case 1: \"-2147483649\" is not a number from -2147483648 "
           "to 2147483647\n",
           1},
          {"1 1 1\n1009\n", "1:\n",
           "treekids: case 2: input ends before the 1009 labels of the "
           "breadth-first order\n",
           1},
          {"3\n1 2 3\n1 2", "",
           "treekids: case 1: input ends before the 3 labels of the "
           "pre-order\n",
           1},
          {"3\n1 2 x\n", "",
           "treekids: case 1: expected an integer, found \"x\"\n", 1},
          {"3\n1 2 3\n1 2 3x\n", "",
           "treekids: case 1: expected an integer, found \"3x\"\n", 1},
          {"3\n1 2 4\n1 2 3\n", "",
           "treekids: case 1: \"4\" is not a label from 1 to 3\n", 1},
          {"3\n1 2 3\n0 2 3\n", "",
           "treekids: case 1: \"0\" is not a label from 1 to 3\n", 1},
          {"3\n-1 2 3\n", "",
           "treekids: case 1: \"-1\" is not a label from 1 to 3\n", 1},
          {"3\n1 2 4294967297\n", "",
           "treekids: case 1: \"4294967297\" is not a label from 1 to 3\n", 1},
          {"2 1 2 1 99999999999999999999999999999", "",
           "treekids: case 1: \"999999999999999999999999...\" is not a label "
           "from "
           "1 to 2\n",
           1},
          {"3\n1 2 1\n1 2 3\n", "",
           "treekids: case 1: label 1 occurs twice in the breadth-first "
           "order\n",
           1},
          {"3\n1 2 3\n1 3 3\n", "",
           "treekids: case 1: label 3 occurs twice in the pre-order\n", 1},
          {"1 1 1\n3\n1 2 3\n2 1 3\n", "1:\n",
           "treekids: case 2: the breadth-first order starts at 1 but the "
           "pre-order at 2\n",
           1},
          {"1 1 1\n3\n1 2 3\n1 3 2\n", "1:\n",
           "treekids: case 2: no tree has this breadth-first order and this "
           "pre-order\n",
           1},
          {"3 1 2 \x01\x80\"\\", "",
           "treekids: case 1: expected an integer, found "
           "\"\\x01\\x80\\x22\\x5c\"\n",
           1},
      });
}

TEST(Treekids, NulByteIsQuoted) {
  Result r = run(PROGRAM, std::string("1 1 1 a\0b", 9));
  EXPECT_EQ(r.out, "1:\n");
  EXPECT_EQ(r.err,
            "treekids: case 2: expected an integer, found \"a\\x00b\"\n");
  EXPECT_EQ(r.status, 1);
}

// The longest quote: 24 bytes, each as \xHH, then "...".
TEST(Treekids, LongTokenIsCut) {
  std::string want;
  for (int i = 0; i < 24; i++)
    want += "\\xff";
  Result r = run(PROGRAM, "1 1 1\n" + std::string(30, '\xff'));
  EXPECT_EQ(r.out, "1:\n");
  EXPECT_EQ(r.err, "treekids: case 2: expected an integer, found \"" + want +
                       "...\"\n");
  EXPECT_EQ(r.status, 1);
}

TEST(Treekids, Arguments) { check_arguments(PROGRAM, "treekids"); }

TEST(Treekids, InputAndOutputErrors) {
  check_io_errors(PROGRAM, "treekids", slurp(EXAMPLE));
}

// Every pair of orders of up to `n` labels, each with the one tree of fewest
// levels among all the trees that have that pair (none if no tree has it).
// An ordered tree is its pre-order with the level of each node in it.
std::map<std::pair<std::vector<int>, std::vector<int>>, Kids> pairs(int n) {
  std::map<std::pair<std::vector<int>, std::vector<int>>, Kids> best;
  std::map<std::pair<std::vector<int>, std::vector<int>>, int> ties;
  std::vector<int> pre(n);
  std::iota(pre.begin(), pre.end(), 1);
  do {
    std::vector<int> lev(n, 2);
    lev[0] = 1;
    while (true) {
      Kids kids(n + 1);
      for (int i = 1; i < n; i++) {
        int j = i - 1;
        while (lev[j] != lev[i] - 1)
          j--;
        kids[pre[j]].push_back(pre[i]);
      }
      auto key = std::make_pair(bfsof(kids, pre[0]), pre);
      auto it = best.find(key);
      int h = height(kids, pre[0]);
      if (it == best.end() || h < height(it->second, pre[0])) {
        best[key] = kids;
        ties[key] = 1;
      } else if (h == height(it->second, pre[0])) {
        ties[key]++;
      }
      // Next sequence of levels: 1, then each at most one more than before.
      int i = n - 1;
      while (i > 0 && lev[i] > lev[i - 1])
        lev[i--] = 2;
      if (i == 0)
        break;
      lev[i]++;
    }
  } while (std::next_permutation(pre.begin(), pre.end()));
  for (const auto &t : ties)
    EXPECT_EQ(t.second, 1) << "two trees of fewest levels";
  return best;
}

TEST(Treekids, EveryPairOfSmallOrders) {
  std::string in, want;
  for (int n = 1; n <= 5; n++)
    for (const auto &p : pairs(n)) {
      in += std::to_string(n) + words(p.first.first) + words(p.first.second) +
            "\n";
      want += show(p.second);
    }
  Result r = run(PROGRAM, in);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out, want);

  // Every other pair of orders of up to four labels that start alike fits
  // no tree.
  for (int n = 1; n <= 4; n++) {
    auto fit = pairs(n);
    std::vector<int> b(n);
    std::iota(b.begin(), b.end(), 1);
    do {
      std::vector<int> d(b);
      std::sort(d.begin() + 1, d.end());
      do {
        if (fit.count({b, d}))
          continue;
        std::string in = std::to_string(n) + words(b) + words(d);
        SCOPED_TRACE(in);
        Result r = run(PROGRAM, "1 1 1\n" + in);
        EXPECT_EQ(r.out, "1:\n");
        EXPECT_EQ(r.err, "treekids: case 2: no tree has this breadth-first "
                         "order and this pre-order\n");
        EXPECT_EQ(r.status, 1);
      } while (std::next_permutation(d.begin() + 1, d.end()));
    } while (std::next_permutation(b.begin(), b.end()));
  }
}

// A random tree of n nodes in a given shape, its labels shuffled so that the
// root may carry any of them, and its children in random order.
Kids tree(int n, int shape, std::mt19937 &rng, int &root) {
  std::vector<int> parent(n, -1);
  for (int i = 1; i < n; i++) {
    int r = static_cast<int>(rng() % static_cast<unsigned>(i));
    switch (shape) {
    case 0: // chain
      parent[i] = i - 1;
      break;
    case 1: // star
      parent[i] = 0;
      break;
    case 2: // bushy: any earlier node
      parent[i] = r;
      break;
    case 3: // deep: one of the last three
      parent[i] = i - 1 - r % 3;
      break;
    case 4: // balanced binary
      parent[i] = (i - 1) / 2;
      break;
    default: // a few wide nodes near the root
      parent[i] = r % 4;
    }
  }
  std::vector<int> label(n);
  std::iota(label.begin(), label.end(), 1);
  std::shuffle(label.begin(), label.end(), rng);
  Kids kids(n + 1);
  for (int i = 1; i < n; i++)
    kids[label[parent[i]]].push_back(label[i]);
  for (auto &k : kids)
    std::shuffle(k.begin(), k.end(), rng);
  root = label[0];
  return kids;
}

// Parses the n lines of one case, which must be "k:" and " c" for each child.
Kids parse(const std::vector<std::string> &ls, size_t &at, int n) {
  Kids kids(n + 1);
  for (int k = 1; k <= n; k++, at++) {
    if (at == ls.size()) {
      ADD_FAILURE() << "output ends before label " << k;
      return kids;
    }
    std::istringstream s(ls[at]);
    int label, c;
    char colon;
    s >> label >> colon;
    while (s >> c)
      if (c >= 1 && c <= n)
        kids[k].push_back(c);
    EXPECT_EQ(ls[at], std::to_string(label) + ":" + words(kids[k]));
    EXPECT_EQ(label, k);
  }
  return kids;
}

TEST(Treekids, PrintedTreeHasTheOrdersThatWentIn) {
  const unsigned seed = 20261211;
  SCOPED_TRACE("seed " + std::to_string(seed));
  std::mt19937 rng(seed);
  std::string in;
  std::vector<int> sizes, roots, heights;
  std::vector<std::vector<int>> bs, ds;
  for (int t = 0; t < 120; t++) {
    int n = t < 12 ? (t % 2 ? 1009 : 1 + t / 2)
                   : std::uniform_int_distribution<int>(1, 1009)(rng);
    if (t % 3 == 0 && t >= 12)
      n = 1 + n % 30;
    int root;
    Kids kids = tree(n, t % 6, rng, root);
    bs.push_back(bfsof(kids, root));
    ds.push_back(preof(kids, root));
    sizes.push_back(n);
    roots.push_back(root);
    heights.push_back(height(kids, root));
    in += input(kids, root);
  }
  Result r = run(PROGRAM, in);
  ASSERT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  std::vector<std::string> ls = lines(r.out);
  size_t at = 0;
  for (size_t t = 0; t < sizes.size() && !HasFailure(); t++) {
    SCOPED_TRACE("tree " + std::to_string(t));
    Kids kids = parse(ls, at, sizes[t]);
    std::vector<int> b = bfsof(kids, roots[t]);
    EXPECT_EQ(b, bs[t]);
    if (b == bs[t]) { // a tree, so its pre-order and height are finite
      EXPECT_EQ(preof(kids, roots[t]), ds[t]);
      EXPECT_LE(height(kids, roots[t]), heights[t]);
    }
  }
  EXPECT_EQ(at, ls.size());
}

// Whatever arrives, the run ends by itself with 0, or with 1 and one line.
// Besides random and mutated bytes, labels swapped or changed in valid cases
// make orders that no tree has.
TEST(Treekids, SurvivesRandomAndMutatedInput) {
  const std::string valid = "6\n1 2 3 4 5 6\n1 2 4 5 3 6\n0\n"
                            "7\n3 1 6 2 5 7 4\n3 1 2 5 6 7 4\n-2\n"
                            "5 1 2 3 4 5 1 2 4 5 3\n";
  const char chars[] = "0123456789 -+\n\tx\0\xff";
  const unsigned seed = 7;
  std::vector<std::string> ins =
      fuzz(valid, std::string(chars, sizeof chars - 1), seed, 60);
  std::mt19937 rng(seed);
  auto digit = [](char c) { return c >= '0' && c <= '9'; };
  for (int i = 0; i < 30; i++) {
    std::string in = valid;
    for (int k = 0; k < 2; k++) {
      size_t a = rng() % in.size(), b = rng() % in.size();
      if (digit(in[a]) && digit(in[b]))
        std::swap(in[a], in[b]);
      else if (digit(in[a]))
        in[a] = static_cast<char>('1' + rng() % 7);
    }
    ins.push_back(in);
  }
  for (size_t i = 0; i < ins.size(); i++) {
    SCOPED_TRACE("seed " + std::to_string(seed) + " run " + std::to_string(i));
    expect_clean_end(run(PROGRAM, ins[i]));
  }
}

} // namespace
