// Inputs for bitxor: 5,000,000 pairs of random 32-bit numbers, one pair a
// line, and no pairs at all (start-up alone).
#include <cstdio>
#include <cstring>
#include <random>

int main(int argc, char **argv) {
  const long pairs = 5000000;
  if (argc < 2) {
    printf("empty 0\n");
    printf("pairs %ld\n", pairs);
  } else if (strcmp(argv[1], "pairs") == 0) {
    std::mt19937 rng(1);
    for (long i = 0; i < pairs; i++) {
      unsigned a = rng(), b = rng();
      printf("%u %u\n", a, b);
    }
  }
  return 0;
}
