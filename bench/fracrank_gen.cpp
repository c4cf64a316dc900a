// Inputs for fracrank: no queries at all (the chain's construction alone), and
// 10,000 random valid queries. The listing counts the nodes that the queries
// step over, which is each answer's position in the full chain.
#include <cstdio>
#include <cstring>
#include <random>
#include <vector>

namespace {

struct frac {
  int num, den;
};

// All reduced fractions in (0, 1] with denominators up to 1000, ascending.
std::vector<frac> farey() {
  std::vector<frac> v;
  int a = 0, b = 1, c = 1, d = 1000;
  while (c <= 1000) {
    int k = (1000 + b) / d;
    int e = k * c - a, f = k * d - b;
    a = c, b = d, c = e, d = f;
    v.push_back({a, b});
  }
  return v;
}

long long queries(bool print) {
  std::vector<frac> all = farey();
  std::vector<std::vector<int>> pos(1001); // positions admitted per bound
  for (int bound = 1; bound <= 1000; bound++)
    for (int i = 0; i < int(all.size()); i++)
      if (all[i].den <= bound)
        pos[bound].push_back(i + 1);
  std::mt19937 rng(1);
  long long steps = 0;
  for (int q = 0; q < 10000; q++) {
    int bound = std::uniform_int_distribution<int>(1, 1000)(rng);
    int n = int(pos[bound].size());
    int rank = std::uniform_int_distribution<int>(1, n)(rng);
    steps += pos[bound][rank - 1];
    if (print)
      printf("%d %d\n", bound, rank);
  }
  return steps;
}

} // namespace

int main(int argc, char **argv) {
  if (argc < 2) {
    printf("empty 0\n");
    printf("queries 10000 node %lld\n", queries(false));
  } else if (strcmp(argv[1], "queries") == 0) {
    queries(true);
  }
  return 0;
}
