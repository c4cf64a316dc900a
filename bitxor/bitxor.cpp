// bitxor: the sum of two unsigned 32-bit numbers with every carry dropped,
// which is their bitwise exclusive or, worked out on arrays of binary digits.
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

// bit.mask[k] is the bit of a number that digit k of its array holds. The
// masks are a table, not a running shift, so that each loop over the digits
// can work on several at once.
struct masks {
  unsigned mask[32];
  constexpr masks() : mask() {
    for (int k = 0; k < 32; k++)
      mask[k] = 0x80000000u >> k;
  }
};
constexpr masks bit;

// Spreads x over bin[0..31], the most significant bit in bin[0].
void itobin(unsigned x, int *bin) {
  for (int k = 0; k < 32; k++)
    bin[k] = (x & bit.mask[k]) != 0;
}

// Each digit of res is 1 where the digits of bin1 and bin2 differ.
void mkres(const int *bin1, const int *bin2, int *res) {
  for (int k = 0; k < 32; k++)
    res[k] = bin1[k] ^ bin2[k];
}

// Folds bin[0..31] back into the number that itobin spread.
unsigned creatnum(const int *bin) {
  unsigned x = 0;
  for (int k = 0; k < 32; k++)
    x |= bin[k] ? bit.mask[k] : 0;
  return x;
}

const char *prog = "bitxor";
long pair; // the pair being read, counted from 1

char out[1 << 16];
size_t used;

[[noreturn]] void writefail() {
  fprintf(stderr, "%s: write error: %s\n", prog, strerror(errno));
  exit(1);
}

// Hands the lines made so far to standard output.
void flush() {
  if (fwrite(out, 1, used, stdout) != used)
    writefail();
  used = 0;
}

// Adds x to the output as an unsigned decimal line.
void put(unsigned x) {
  if (used > sizeof out - 11)
    flush();
  char d[10];
  int k = 0;
  do
    d[k++] = static_cast<char>('0' + x % 10);
  while (x /= 10);
  while (k > 0)
    out[used++] = d[--k];
  out[used++] = '\n';
}

[[noreturn]] void fail(const char *fmt, ...) {
  flush();
  fprintf(stderr, "%s: pair %ld: ", prog, pair);
  va_list ap;
  va_start(ap, fmt);
  vfprintf(stderr, fmt, ap);
  va_end(ap);
  fputc('\n', stderr);
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
    int e = errno;
    flush();
    fprintf(stderr, "%s: read error: %s\n", prog, strerror(e));
    exit(1);
  }
  ended = n == 0;
  return static_cast<size_t>(n);
}

unsigned char buf[1 << 20];
size_t pos, len;

// Makes buf[pos] the next byte of standard input; false at its end. The
// answers made so far go to stdio first, whose buffering then decides when
// they are written.
bool more() {
  if (pos < len)
    return true;
  flush();
  pos = 0;
  len = chunk(buf, sizeof buf);
  return len > 0;
}

bool space(int c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The first bytes of the token last read, and its full length.
unsigned char tok[24];
size_t toklen;

// The token last read, non-printable bytes and " \ as \xHH, "..." when cut.
const char *quoted() {
  static char s[sizeof tok * 4 + 4];
  size_t k = 0;
  for (size_t i = 0; i < toklen && i < sizeof tok; i++) {
    int c = tok[i];
    bool plain = c >= ' ' && c <= '~' && c != '"' && c != '\\';
    k += snprintf(s + k, sizeof s - k, plain ? "%c" : "\\x%02x", c);
  }
  snprintf(s + k, sizeof s - k, "%s", toklen > sizeof tok ? "..." : "");
  return s;
}

enum { got, none, notnum, outside };

// Reads the next white-space separated token as an unsigned 32-bit number.
// A token may run across refills of buf, so it is taken a piece at a time.
int readnum(unsigned *v) {
  while (more() && space(buf[pos]))
    pos++;
  if (pos == len)
    return none;
  const unsigned long long most = 0xffffffff;
  unsigned long long x = 0;
  bool junk = false;
  toklen = 0;
  do {
    size_t i = pos;
    for (; i < len; i++) {
      unsigned d = static_cast<unsigned>(buf[i] - '0');
      if (d <= 9) {
        if (x <= most)
          x = x * 10 + d;
      } else if (space(buf[i])) {
        break;
      } else {
        junk = true;
      }
    }
    if (toklen < sizeof tok)
      memcpy(tok + toklen, buf + pos,
             i - pos < sizeof tok - toklen ? i - pos : sizeof tok - toklen);
    toklen += i - pos;
    pos = i;
  } while (pos == len && more());
  if (junk)
    return notnum;
  if (x > most)
    return outside;
  *v = static_cast<unsigned>(x);
  return got;
}

void expect(int r) {
  if (r == none)
    fail("input ends before the second number");
  if (r == notnum)
    fail("expected a number from 0 to 4294967295, found \"%s\"", quoted());
  if (r == outside)
    fail("\"%s\" is not a number from 0 to 4294967295", quoted());
}

int finish() {
  flush();
  if (fflush(stdout) != 0 || ferror(stdout))
    writefail();
  return 0;
}

int usage(const char *arg);

} // namespace

int main(int argc, char **argv) {
  if (argc > 1)
    return usage(argv[1]);

  unsigned num1, num2;
  int bin1[32], bin2[32], res[32];
  int r;
  while ((r = readnum(&num1)) != none) {
    pair++;
    expect(r);
    expect(readnum(&num2));
    itobin(num1, bin1);
    itobin(num2, bin2);
    mkres(bin1, bin2, res);
    put(creatnum(res));
  }
  return finish();
}

namespace {

int usage(const char *arg) {
  if (strcmp(arg, "--help") == 0) {
    printf("usage: %s < numbers\n"
           "Reads unsigned 32-bit numbers (0 to 4294967295) in pairs and "
           "prints for each\n"
           "pair their sum with every carry dropped, which is their bitwise "
           "exclusive or,\n"
           "as an unsigned decimal number on a line.\n"
           "Example: echo '5 3  10 12' | %s   prints 6 and 6.\n",
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
