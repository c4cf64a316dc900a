// dieroll: rolls a die by the command words of each case and prints the
// number on its top after each case, until a roll count of 0.
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

// The die: the number on each side, top, north, west, east, south, bottom.
int t, n, w, e, s, b;

void reset() {
  t = 1;
  n = 2;
  w = 3;
  e = 4;
  s = 5;
  b = 6;
}

// Tips the die over its bottom edge on side `to`: the top goes down to `to`,
// `to` to the bottom, the bottom to the opposite side `from`, and `from`
// comes up.
void tip(int &to, int &from) {
  int up = from;
  from = b;
  b = to;
  to = t;
  t = up;
}

// One quarter turn north, south, east or west; any other byte moves nothing.
void rotation(char c) {
  switch (c) {
  case 'n':
    tip(n, s);
    break;
  case 's':
    tip(s, n);
    break;
  case 'e':
    tip(e, w);
    break;
  case 'w':
    tip(w, e);
    break;
  }
}

bool moves(int c) { return c == 'n' || c == 's' || c == 'e' || c == 'w'; }

const char *prog = "dieroll";
long kase; // the case being read, counted from 1

[[noreturn]] void fail(const char *fmt, ...) {
  fflush(stdout);
  fprintf(stderr, "%s: case %ld: ", prog, kase);
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

// Standard input in chunks; a space after the last byte read stops scans.
unsigned char buf[(1 << 16) + 1];
const unsigned char *p = buf, *end = buf;

// Reads the next chunk; false at the end of the input.
bool fill() {
  size_t len = chunk(buf, sizeof buf - 1);
  p = buf;
  end = buf + len;
  buf[len] = ' ';
  return len > 0;
}

// The next byte of standard input, or EOF.
inline int get() { return p < end || fill() ? *p++ : EOF; }

// White space: ' ', \t, \n, \v, \f, \r. Most bytes are above ' ', so that
// test comes first.
bool space(int c) { return c <= ' ' && (c == ' ' || (c >= '\t' && c <= '\r')); }

// The first bytes of the token last read, and its whole length.
unsigned char tok[24];
size_t toklen;

// The token last read, for a diagnostic: non-printable bytes and " \ as
// \xHH, and "..." when it is longer than what was kept.
const char *quoted() {
  static char s[sizeof tok * 4 + 4];
  char *p = s;
  for (size_t i = 0; i < toklen && i < sizeof tok; i++) {
    int c = tok[i];
    bool plain = c >= ' ' && c <= '~' && c != '"' && c != '\\';
    p += sprintf(p, plain ? "%c" : "\\x%02x", c);
  }
  strcpy(p, toklen > sizeof tok ? "..." : "");
  return s;
}

// Adds byte c to the token being read.
void keep(int c) {
  if (toklen < sizeof tok)
    tok[toklen] = static_cast<unsigned char>(c);
  toklen++;
}

// Skips white space; returns the first byte after it, or EOF.
int start() {
  int c;
  do
    c = get();
  while (space(c));
  return c;
}

enum { got, none, notint, outside };

// Reads the next token as a 32-bit signed integer.
int readint(int *v) {
  int c = start();
  if (c == EOF)
    return none;
  bool neg = c == '-', digits = false, junk = false;
  long long x = 0;
  for (toklen = 0; c != EOF && !space(c); c = get()) {
    keep(c);
    if (c >= '0' && c <= '9') {
      digits = true;
      if (x <= 1LL << 31)
        x = x * 10 + (c - '0');
    } else if (toklen > 1 || (c != '-' && c != '+')) {
      junk = true;
    }
  }
  if (junk || !digits)
    return notint;
  if (x > (neg ? 1LL << 31 : (1LL << 31) - 1))
    return outside;
  *v = static_cast<int>(neg ? -x : x);
  return got;
}

void expect(int r) {
  if (r == notint)
    fail("expected an integer, found \"%s\"", quoted());
  if (r == outside)
    fail("\"%s\" is not a number from -2147483648 to 2147483647", quoted());
}

// Skips to the white space or the end of the input after a word.
void skip() {
  do {
    while (!space(*p))
      p++;
  } while (p == end && fill());
}

// Reads the next word of any length and returns its first byte, or EOF. Only
// a word that begins with no move is kept for diagnostics.
int word() {
  int c = start(), first = c;
  if (moves(first))
    skip();
  else
    for (toklen = 0; c != EOF && !space(c); c = get())
      keep(c);
  return first;
}

int usage(const char *arg);

} // namespace

int main(int argc, char **argv) {
  if (argc > 1)
    return usage(argv[1]);

  int count, r;
  while ((r = readint(&count)) != none) {
    kase++;
    expect(r);
    if (count == 0)
      break;
    reset();
    for (int i = 0; i < count; i++) {
      int c = word();
      if (c == EOF)
        fail("input ends before the word %d of %d", i + 1, count);
      if (!moves(c))
        fail("\"%s\" does not begin with n, s, e or w", quoted());
      rotation(static_cast<char>(c));
    }
    // "%d\n" for 1 to 6, without printf's cost; a failed write stops the run
    if (putchar('0' + t) == EOF || putchar('\n') == EOF)
      writefail();
  }
  return finish();
}

namespace {

int usage(const char *arg) {
  if (strcmp(arg, "--help") == 0) {
    printf("usage: %s < cases\n"
           "Reads cases of a roll count and that many words, each beginning "
           "with n, s, e\n"
           "or w, until a count of 0. For each case it rolls a die, which "
           "starts with 1\n"
           "on top, 2 north, 3 west, 4 east, 5 south and 6 at the bottom, one "
           "quarter\n"
           "turn per word in that direction, and prints the number on top.\n"
           "Example: echo '2 north east  1 west  0' | %s   prints 3 and 4.\n",
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
