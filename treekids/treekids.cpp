// treekids: the children of every node of a tree, from its breadth-first
// order and its pre-order; of the trees that fit both, the one with the
// fewest levels.
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

const int most = 1009; // nodes in a case, and the largest label

int bfs[1010];         // the breadth-first order as read
int dfs[1010];         // the pre-order as read
int level[1010];       // by label: 1 for the root, 0 while not given
int child[1010][1010]; // by label: the count, then the children in pre-order
int used;              // labels 1 to used hold what the last case wrote

const char *prog = "treekids";
long which; // the case being read, counted from 1

[[noreturn]] void fail(const char *fmt, ...) {
  fflush(stdout);
  fprintf(stderr, "%s: case %ld: ", prog, which);
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
    fflush(stdout);
    fprintf(stderr, "%s: read error: %s\n", prog, strerror(errno));
    exit(1);
  }
  ended = n == 0;
  return static_cast<size_t>(n);
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

bool space(int c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

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

enum { got, none, notint, outside };

// Reads the next white-space separated token as a 32-bit signed integer.
int readint(int *v) {
  int c;
  do
    c = get();
  while (space(c));
  if (c == EOF)
    return none;
  bool neg = c == '-', digits = false, junk = false;
  long long x = 0;
  for (toklen = 0; c != EOF && !space(c); c = get()) {
    if (toklen < sizeof tok)
      tok[toklen] = static_cast<unsigned char>(c);
    if (c >= '0' && c <= '9') {
      digits = true;
      if (x <= 1LL << 31)
        x = x * 10 + (c - '0');
    } else if (toklen > 0 || (c != '-' && c != '+')) {
      junk = true;
    }
    toklen++;
  }
  if (junk || !digits)
    return notint;
  if (x > (neg ? 1LL << 31 : (1LL << 31) - 1))
    return outside;
  *v = static_cast<int>(neg ? -x : x);
  return got;
}

// Reads the n labels of one order into seq, each from 1 to n and each once.
void readseq(int *seq, int n, const char *name) {
  static bool seen[1010];
  for (int i = 0; i < n; i++) {
    int r = readint(&seq[i]);
    if (r == none)
      fail("input ends before the %d labels of the %s", n, name);
    if (r == notint)
      fail("expected an integer, found \"%s\"", quoted());
    if (r == outside || seq[i] < 1 || seq[i] > n)
      fail("\"%s\" is not a label from 1 to %d", quoted(), n);
    if (seen[seq[i]])
      fail("label %d occurs twice in the %s", seq[i], name);
    seen[seq[i]] = true;
  }
  for (int i = 0; i < n; i++)
    seen[seq[i]] = false;
}

// Whether the child lists make a tree whose breadth-first order is bfs and
// whose pre-order is dfs, all n labels included.
bool fits(int n) {
  int q = 1; // bfs serves as the queue: bfs[0] to bfs[q-1] are in it
  for (int h = 0; h < q; h++)
    for (int c = 1; c <= child[bfs[h]][0]; c++)
      if (q == n || bfs[q++] != child[bfs[h]][c])
        return false;
  if (q != n)
    return false;
  static int path[1010], next[1010]; // the nodes from the root down
  int top = 0, p = 1;
  path[0] = dfs[0];
  next[0] = 1;
  while (top >= 0) {
    int *row = child[path[top]];
    if (next[top] > row[0]) {
      top--;
    } else {
      int c = row[next[top]++];
      if (p == n || dfs[p++] != c)
        return false;
      path[++top] = c;
      next[top] = 1;
    }
  }
  return p == n;
}

char out[most * 11]; // one case's lines: up to 6 bytes a label, 5 a child

char *put(char *p, int v) {
  char d[12];
  int k = 0;
  do
    d[k++] = static_cast<char>('0' + v % 10);
  while (v /= 10);
  while (k > 0)
    *p++ = d[--k];
  return p;
}

void prg(int n) {
  // Every case starts with level and child all zero. The last case wrote
  // only labels 1 to used, and each row of child only up to its count, so
  // clearing just that much gives the same tables for a fraction of the
  // cost of rewriting all 4 MB.
  for (int k = 1; k <= used; k++) {
    memset(child[k], 0, sizeof child[k][0] * (child[k][0] + 1u));
    level[k] = 0;
  }
  used = n;

  readseq(bfs, n, "breadth-first order");
  readseq(dfs, n, "pre-order");
  if (bfs[0] != dfs[0])
    fail("the breadth-first order starts at %d but the pre-order at %d", bfs[0],
         dfs[0]);
  level[bfs[0]] = 1;

  // Levels: each wrap of the cursor over positions 1 to n-1 of dfs opens a
  // new level. Every later label of bfs is there, since the two orders hold
  // the same labels and start alike, so each search ends within one wrap.
  int depth = 2, cursor = 1;
  for (int i = 1; i < n; i++) {
    while (dfs[cursor] != bfs[i])
      if (++cursor == n) {
        cursor = 1;
        depth++;
      }
    level[bfs[i]] = depth;
  }

  // Children: the labels one level down, up to the next label of the same
  // level in the pre-order.
  for (int i = 0; i < n; i++) {
    int v = dfs[i];
    for (int j = i + 1; j < n && level[dfs[j]] != level[v]; j++)
      if (level[dfs[j]] == level[v] + 1)
        child[v][++child[v][0]] = dfs[j];
  }

  if (!fits(n))
    fail("no tree has this breadth-first order and this pre-order");

  char *p = out;
  for (int k = 1; k <= n; k++) {
    p = put(p, k);
    *p++ = ':';
    for (int c = 1; c <= child[k][0]; c++) {
      *p++ = ' ';
      p = put(p, child[k][c]);
    }
    *p++ = '\n';
  }
  size_t size = static_cast<size_t>(p - out);
  if (fwrite(out, 1, size, stdout) != size)
    writefail(); // stop at once, however much input is left
}

int usage(const char *arg);

} // namespace

int main(int argc, char **argv) {
  if (argc > 1)
    return usage(argv[1]);

  int n, r;
  while ((r = readint(&n)) != none) {
    which++;
    if (r == notint)
      fail("expected an integer, found \"%s\"", quoted());
    if (r == outside)
      fail("\"%s\" is not a number from -2147483648 to 2147483647", quoted());
    if (n > most)
      fail("%d nodes are more than the %d that a case may have", n, most);
    if (n > 0)
      prg(n);
  }
  return finish();
}

namespace {

int usage(const char *arg) {
  if (strcmp(arg, "--help") == 0) {
    printf("usage: %s < cases\n"
           "Reads cases of a node count N (at most 1009), the labels 1 to N "
           "in\n"
           "breadth-first order and then in pre-order, and prints for each "
           "label\n"
           "\"k:\" and the children of k; where several trees fit, the one "
           "with the\n"
           "fewest levels.\n"
           "Example: echo '3 1 2 3 1 2 3' | %s   prints 1: 2 3, 2: and 3:.\n",
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
