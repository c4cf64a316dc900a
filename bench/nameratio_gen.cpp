// Inputs for nameratio: 2,000,000 pairs of short names (letters of both
// cases, some blanks, digits and punctuation, 10 bytes each on average), and
// one pair of names of 20,000,000 bytes each.
#include <cstdio>
#include <cstring>
#include <random>
#include <string>

namespace {

const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
const char others[] = " -.'0123456789";

char pick(std::mt19937 &rng) {
  if (rng() % 10 == 0)
    return others[rng() % (sizeof others - 1)];
  return letters[rng() % (sizeof letters - 1)];
}

void pairs() {
  std::mt19937 rng(1);
  std::string line;
  for (long i = 0; i < 4000000; i++) {
    line.assign(std::uniform_int_distribution<int>(1, 19)(rng), ' ');
    for (char &c : line)
      c = pick(rng);
    line += '\n';
    fwrite(line.data(), 1, line.size(), stdout);
  }
}

void longpair() {
  std::mt19937 rng(2);
  std::string chunk(1 << 20, ' ');
  for (int name = 0; name < 2; name++) {
    for (long left = 20000000; left > 0; left -= long(chunk.size())) {
      for (char &c : chunk)
        c = pick(rng);
      fwrite(chunk.data(), 1, size_t(left < 1 << 20 ? left : 1 << 20), stdout);
    }
    putchar('\n');
  }
}

} // namespace

int main(int argc, char **argv) {
  if (argc < 2) {
    printf("pairs 2000000\n");
    printf("long 1\n");
  } else if (strcmp(argv[1], "pairs") == 0) {
    pairs();
  } else if (strcmp(argv[1], "long") == 0) {
    longpair();
  }
  return 0;
}
