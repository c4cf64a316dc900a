// Inputs for commonseq: 2,000 pairs of 1000-byte lines, and 200,000 pairs of
// 10-byte lines, of random lower-case letters. The listing counts the table
// cells that the pairs fill, the product of their two lengths.
#include <cstdio>
#include <cstring>
#include <random>

namespace {

void pairs(int n, int len) {
  std::mt19937 rng(1);
  std::uniform_int_distribution<int> letter('a', 'z');
  for (int k = 0; k < 2 * n; k++) {
    for (int i = 0; i < len; i++)
      putchar(letter(rng));
    putchar('\n');
  }
}

} // namespace

int main(int argc, char **argv) {
  if (argc < 2) {
    printf("long 2000 cell %lld\n", 2000LL * 1000 * 1000);
    printf("short 200000 cell %lld\n", 200000LL * 10 * 10);
  } else if (strcmp(argv[1], "long") == 0) {
    pairs(2000, 1000);
  } else if (strcmp(argv[1], "short") == 0) {
    pairs(200000, 10);
  }
  return 0;
}
