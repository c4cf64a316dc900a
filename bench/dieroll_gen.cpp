// Inputs for dieroll: 1,000,000 cases of 10 random words each (north, south,
// east, west), and 1,000 cases of 10 words of 5,000 bytes each, which are
// skipped after their first byte. Both end with a count of 0.
#include <cstdio>
#include <cstring>
#include <random>
#include <string>

namespace {

void cases(int count, int words, size_t wordlen) {
  const char *dirs[] = {"north", "south", "east", "west"};
  std::mt19937 rng(1);
  std::string line;
  for (int i = 0; i < count; i++) {
    line = std::to_string(words) + "\n";
    for (int k = 0; k < words; k++) {
      const char *d = dirs[rng() % 4];
      line += wordlen ? std::string(wordlen, d[0]) : d;
      line += k + 1 < words ? ' ' : '\n';
    }
    fputs(line.c_str(), stdout);
  }
  puts("0");
}

} // namespace

int main(int argc, char **argv) {
  if (argc < 2) {
    printf("cases 1000000 roll 10000000\n");
    printf("longwords 1000 roll 10000\n");
  } else if (strcmp(argv[1], "cases") == 0) {
    cases(1000000, 10, 0);
  } else if (strcmp(argv[1], "longwords") == 0) {
    cases(1000, 10, 5000);
  }
  return 0;
}
