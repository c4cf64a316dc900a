// commonseq: the length of the longest common subsequence of the two lines of
// each pair of input lines.
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <unistd.h>

#ifndef VERSION
#define VERSION "dev"
#endif

namespace {

const int limit = 1004;     // longest line: the table's last row and column
const long most = 1L << 20; // how far an over-long line is counted

char str1[1024], str2[1024];

const char *prog = "commonseq";
long pair; // the pair being read, counted from 1

[[noreturn]] void fail(const char *fmt, ...) {
  fflush(stdout);
  fprintf(stderr, "%s: pair %ld: ", prog, pair);
  va_list ap;
  va_start(ap, fmt);
  vfprintf(stderr, fmt, ap);
  va_end(ap);
  fputc('\n', stderr);
  exit(1);
}

[[noreturn]] void writefail() {
  fprintf(stderr, "%s: write error: %s\n", prog, strerror(errno));
  exit(1);
}

// Flushes standard output: a failed write is an error, not a success.
int finish() {
  if (fflush(stdout) != 0 || ferror(stdout))
    writefail();
  return 0;
}

// Prints the length of the longest common subsequence of str1 and str2.
void test() {
  // tab[i][j]: the answer for the first i bytes of str1 and the first j bytes
  // of str2. Row 0 and column 0 stay 0.
  static int tab[limit + 1][limit + 1];
  const int len1 = static_cast<int>(strlen(str1));
  const int len2 = static_cast<int>(strlen(str2));
  for (int i = 1; i <= len1; i++) {
    const int *up = tab[i - 1];
    int *row = tab[i];
    const char a = str1[i - 1];
    int left = 0; // entry (i, j - 1), held in a register
    for (int j = 1; j <= len2; j++) {
      // On a tie the entry above is copied.
      left = a == str2[j - 1] ? up[j - 1] + 1 : up[j] < left ? left : up[j];
      row[j] = left;
    }
  }
  if (printf("%d\n", tab[len1][len2]) < 0)
    writefail(); // stop at once, however much input is left
  // Every pair finds the table all zero, as it is at start-up. Only the
  // entries written above can be non-zero, so clearing just those is enough:
  // a pair costs what its own size does, not 4 MB of clearing.
  for (int i = 1; i <= len1; i++)
    memset(tab[i] + 1, 0, len2 * sizeof tab[i][0]);
}

// Reads into `to` what standard input hands over next, at most `size` bytes;
// 0 at its end. One read() each, not fread(), which would wait for a full
// buffer: input typed at a terminal is answered at once.
size_t chunk(void *to, size_t size) {
  static bool ended;
  ssize_t n = 0;
  while (!ended && (n = read(0, to, size)) < 0 && errno == EINTR) {
  }
  if (n < 0) {
    fflush(stdout);
    fprintf(stderr, "%s: read error: %s\n", prog, strerror(errno));
    exit(1);
  }
  ended = n == 0;
  return static_cast<size_t>(n);
}

unsigned char buf[1 << 16];
size_t pos, len;

// The next byte of standard input, or EOF.
int get() {
  if (pos == len) {
    pos = 0;
    len = chunk(buf, sizeof buf);
    if (len == 0)
      return EOF;
  }
  return buf[pos++];
}

// Called on the byte after the first 1004 of a line: counts the line on, up
// to `most` bytes, and stops the program.
[[noreturn]] void toolong(const char *which) {
  long n = limit + 1;
  for (int c = get(); c != EOF && c != '\n' && c != '\0'; c = get())
    if (++n > most)
      fail("%s line has more than %ld bytes, over the %d-byte limit", which,
           most, limit);
  fail("%s line has %ld bytes, over the %d-byte limit", which, n, limit);
}

// Reads the next line into s without its line feed, up to its first zero
// byte. Returns false when no byte is left.
bool readline(char *s, const char *which) {
  int c = get();
  if (c == EOF)
    return false;
  int n = 0;
  for (; c != EOF && c != '\n' && c != '\0'; c = get()) {
    if (n == limit)
      toolong(which);
    s[n++] = static_cast<char>(c);
  }
  s[n] = '\0';
  while (c != EOF && c != '\n')
    c = get();
  return true;
}

int usage(const char *arg);

} // namespace

int main(int argc, char **argv) {
  if (argc > 1)
    return usage(argv[1]);
  // An unpaired last line ends the loop like the end of the input.
  for (pair = 1; readline(str1, "first") && readline(str2, "second"); pair++)
    test();
  return finish();
}

namespace {

int usage(const char *arg) {
  if (strcmp(arg, "--help") == 0) {
    printf("usage: %s < lines\n"
           "Reads lines in pairs and prints for each pair the length of the "
           "longest\n"
           "common subsequence of its two lines: the most bytes that can be "
           "picked out\n"
           "of both lines in the same order. A line holds at most 1004 "
           "bytes.\n"
           "Example: printf 'ABCBDAB\\nBDCABA\\n' | %s   prints 4.\n",
           prog, prog);
    return finish();
  }
  if (strcmp(arg, "--version") == 0) {
    printf("%s %s\n", prog, VERSION);
    return finish();
  }
  fprintf(stderr,
          "%s: reads standard input and takes no arguments (try --help)\n",
          prog);
  return 2;
}

} // namespace
