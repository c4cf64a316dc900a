// Inputs for treekids: 2,000 random trees of 1,000 nodes, and 100,000 random
// trees of 5 nodes. A random tree hangs each node below any earlier one, then
// shuffles the labels and the order of every node's children.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <numeric>
#include <random>
#include <vector>

namespace {

std::vector<std::vector<int>> kids;

void pre(int v) {
  printf(" %d", v);
  for (int c : kids[v])
    pre(c);
}

void cases(int count, int n) {
  std::mt19937 rng(1);
  std::vector<int> label(n);
  for (int t = 0; t < count; t++) {
    std::iota(label.begin(), label.end(), 1);
    std::shuffle(label.begin(), label.end(), rng);
    kids.assign(n + 1, {});
    for (int i = 1; i < n; i++)
      kids[label[rng() % i]].push_back(label[i]);
    for (auto &k : kids)
      std::shuffle(k.begin(), k.end(), rng);
    printf("%d\n", n);
    std::vector<int> q{label[0]};
    for (size_t h = 0; h < q.size(); h++)
      q.insert(q.end(), kids[q[h]].begin(), kids[q[h]].end());
    for (int v : q)
      printf(" %d", v);
    printf("\n");
    pre(label[0]);
    printf("\n");
  }
}

} // namespace

int main(int argc, char **argv) {
  if (argc < 2) {
    printf("random 2000 node 2000000\n");
    printf("small 100000 node 500000\n");
  } else if (strcmp(argv[1], "random") == 0) {
    cases(2000, 1000);
  } else if (strcmp(argv[1], "small") == 0) {
    cases(100000, 5);
  }
  return 0;
}
