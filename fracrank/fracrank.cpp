// fracrank: the rank-th smallest fraction in (0, 1] whose denominator is at
// most a bound, among the reduced fractions with denominators up to 1000.
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#ifndef VERSION
#define VERSION "dev"
#endif

namespace {

const int order = 1000;

// One fraction of the ascending chain.
class link {
public:
  int num;
  int den;
  link *next;

  void put();
  void insert(int a, int b);
};

// Makes this node 0/1, followed by a new last node 1/1.
void link::put() {
  num = 0;
  den = 1;
  next = new link{1, 1, nullptr};
}

void link::insert(int a, int b) { next = new link{a, b, next}; }

// Fills in every fraction strictly between the neighbours p and q.
void gen(link *p, link *q) {
  int s = p->den + q->den;
  if (s > order)
    return;
  p->insert(p->num + q->num, s);
  link *m = p->next;
  gen(p, m);
  gen(m, q);
}

const char *prog = "fracrank";
long query; // the query being read, counted from 1

[[noreturn]] void fail(const char *fmt, ...) {
  fflush(stdout);
  fprintf(stderr, "%s: query %ld: ", prog, query);
  va_list ap;
  va_start(ap, fmt);
  vfprintf(stderr, fmt, ap);
  va_end(ap);
  fputc('\n', stderr);
  exit(1);
}

unsigned char buf[1 << 16];
size_t pos, len;

// The next byte of standard input, or EOF.
int get() {
  if (pos == len) {
    pos = 0;
    len = fread(buf, 1, sizeof buf, stdin);
    if (len == 0) {
      if (ferror(stdin)) {
        fflush(stdout);
        fprintf(stderr, "%s: read error: %s\n", prog, strerror(errno));
        exit(1);
      }
      return EOF;
    }
  }
  return buf[pos++];
}

bool space(int c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The start of the token last read, printable, for diagnostics: 24 bytes of
// up to 4 characters each, then "...".
char tok[24 * 4 + sizeof "..."];

void keep(size_t n, int c) {
  if (n < 24)
    snprintf(tok + strlen(tok), sizeof tok - strlen(tok),
             c >= ' ' && c <= '~' && c != '"' && c != '\\' ? "%c" : "\\x%02x",
             c);
  else if (n == 24)
    strcat(tok, "...");
}

enum { got, none, notint, outside };

// Reads the next white-space separated token as a 32-bit signed integer.
int readint(int *v) {
  int c;
  do
    c = get();
  while (space(c));
  if (c == EOF)
    return none;
  tok[0] = '\0';
  bool neg = c == '-', digits = false, junk = false;
  long long x = 0;
  for (size_t n = 0; c != EOF && !space(c); n++, c = get()) {
    keep(n, c);
    if (c >= '0' && c <= '9') {
      digits = true;
      if (x <= 1LL << 31)
        x = x * 10 + (c - '0');
    } else if (n > 0 || (c != '-' && c != '+')) {
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

void expect(int r, const char *what) {
  if (r == none)
    fail("input ends before the %s", what);
  if (r == notint)
    fail("expected an integer, found \"%s\"", tok);
  if (r == outside)
    fail("\"%s\" is not a number from -2147483648 to 2147483647", tok);
}

int finish() {
  if (fflush(stdout) != 0 || ferror(stdout)) {
    fprintf(stderr, "%s: write error: %s\n", prog, strerror(errno));
    return 1;
  }
  return 0;
}

int usage(const char *arg);

} // namespace

int main(int argc, char **argv) {
  if (argc > 1)
    return usage(argv[1]);

  link head;
  head.put();
  link *found = head.next;
  gen(&head, head.next);

  // admits[d]: how many fractions have a denominator of d or less.
  static long admits[order + 1];
  for (link *p = head.next; p; p = p->next)
    admits[p->den]++;
  for (int d = 1; d <= order; d++)
    admits[d] += admits[d - 1];

  int bound, rank, r;
  while ((r = readint(&bound)) != none) {
    query++;
    expect(r, "bound");
    expect(readint(&rank), "rank");
    long most = bound < 1 ? 0 : admits[bound < order ? bound : order];
    if (rank > most)
      fail("rank %d is beyond the %ld fractions that bound %d admits", rank,
           most, bound);
    link *cur = head.next;
    for (int idx = 1; idx <= rank; cur = cur->next)
      if (cur->den <= bound) {
        idx++;
        found = cur;
      }
    printf("%d/%d\n", found->num, found->den);
  }
  return finish();
}

namespace {

int usage(const char *arg) {
  if (strcmp(arg, "--help") == 0) {
    printf("usage: %s < queries\n"
           "Reads pairs of integers, a denominator bound and a rank, and "
           "prints for each\n"
           "the rank-th smallest fraction in (0, 1] whose denominator is at "
           "most the\n"
           "bound (denominators go up to 1000), as num/den on a line.\n"
           "Example: echo '5 5  7 3' | %s   prints 1/2 and 1/5.\n",
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
