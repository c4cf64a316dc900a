// nameratio: for each pair of names, the smaller of their letter-sum digits
// as a percentage of the larger.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <unistd.h>

#ifndef VERSION
#define VERSION "dev"
#endif

namespace {

const char *prog = "nameratio";

// Lower-cases s in place, without a branch: cases mix unpredictably in names.
void StringLower(char *s) {
  for (; *s; s++)
    *s = char(*s + (*s >= 'A' && *s <= 'Z' ? 32 : 0));
}

// The letter sum of the name s: a = 1 to z = 26, case ignored.
int convert(char *s) {
  StringLower(s);
  int sum = 0;
  for (; *s; s++)
    sum += *s >= 'a' && *s <= 'z' ? *s - 96 : 0;
  return sum;
}

// The sum of the decimal digits of v, which is greater than 9. The digits are
// written by hand, the same text as "%d" gives, since this runs for every name.
int sumdig(int v) {
  char s[112];
  char *p = s + sizeof s - 1;
  *p = '\0';
  do
    *--p = char('0' + v % 10);
  while (v /= 10);
  int sum = 0;
  for (; *p; p++)
    sum += *p - '0';
  return sum;
}

[[noreturn]] void fail(const char *what) {
  int e = errno;
  fflush(stdout);
  fprintf(stderr, "%s: %s error: %s\n", prog, what, strerror(e));
  exit(1);
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
    fail("read");
  }
  ended = n == 0;
  return static_cast<size_t>(n);
}

// One chunk of input, and room for a zero byte after it.
char buf[(1 << 16) + 1];
size_t pos, len;

bool fill() {
  pos = 0;
  len = chunk(buf, sizeof buf - 1);
  return len > 0;
}

// Reads the next line and returns the value of the name that it holds, or -1
// when no line is left. The name ends at the line feed or at the first zero
// byte. Its letter sum is reduced to one digit chunk by chunk, which keeps the
// digit that the whole sum would give (digit sums keep the value modulo 9 and
// keep it positive), so that a line of any length fits an int.
int name() {
  if (pos == len && !fill())
    return -1;
  int v = 0;
  bool whole = true; // no zero byte met yet
  for (;;) {
    char *s = buf + pos;
    size_t n = len - pos;
    char *nl = static_cast<char *>(memchr(s, '\n', n));
    if (nl)
      n = static_cast<size_t>(nl - s);
    s[n] = '\0';
    if (whole) {
      whole = strlen(s) == n;
      v += convert(s); // at most 9 + 26 * 65536
      while (v > 9)
        v = sumdig(v);
    }
    pos += n;
    if (nl) {
      pos++;
      return v;
    }
    if (!fill())
      return v;
  }
}

// The answer line for the values x and y (0 to 9), formatted once each.
const char *answer(int x, int y) {
  static char memo[10][10][16];
  char *line = memo[x][y];
  if (!*line) {
    double q = x > y ? double(y) / x : double(x) / y; // 0 / 0 is not a number
    double pct = q * 100.0;
    snprintf(line, sizeof memo[x][y], "%.2f %%\n", pct);
  }
  return line;
}

// Flushes standard output: a failed write is an error, not a success.
int finish() {
  if (fflush(stdout) != 0 || ferror(stdout))
    fail("write");
  return 0;
}

int usage(const char *arg);

} // namespace

int main(int argc, char **argv) {
  if (argc > 1)
    return usage(argv[1]);
  int x, y;
  while ((x = name()) >= 0 && (y = name()) >= 0)
    if (fputs(answer(x, y), stdout) == EOF)
      fail("write");
  return finish();
}

namespace {

int usage(const char *arg) {
  if (strcmp(arg, "--help") == 0) {
    printf("usage: %s < names\n"
           "Reads lines in pairs, one name per line. Each name's letter sum "
           "(a = 1 to\n"
           "z = 26, case ignored, other bytes ignored) is reduced to one digit "
           "by repeated\n"
           "digit sums; prints the smaller digit as a percentage of the "
           "larger.\n"
           "Example: printf 'abc\\nz\\n' | %s   prints 75.00 %%.\n",
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
