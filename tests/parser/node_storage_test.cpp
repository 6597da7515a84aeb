// Tests of the node storage and of what the faster parse paths must keep:
// nodes from blocks (zero-filled, also when a block is reused; released in
// any order), shared file names (each node keeps its own file's name while
// others come and go), typedef scopes whose tables appear on first use, and
// pragma tokens that the parser holds or throws away.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "driver/diag.h"
#include "front/front.h"
#include "front/parse_private.h"
#include "parse_text.h"

namespace {

// Every node of a tree, pre-order.
void collect(const pcodehl *node, std::vector<const pcodehl *> &out) {
  std::vector<const pcodehl *> work{node};
  while (!work.empty()) {
    const pcodehl *n = work.back();
    work.pop_back();
    if (!n)
      continue;
    out.push_back(n);
    work.push_back(n->right);
    work.push_back(n->left);
  }
}

// Two trees have the same shape, positions, names and constants.
bool same_tree(const pcodehl *a, const pcodehl *b) {
  std::vector<const pcodehl *> x, y;
  collect(a, x);
  collect(b, y);
  if (x.size() != y.size())
    return false;
  for (size_t i = 0; i < x.size(); i++) {
    const pcodehl *p = x[i], *q = y[i];
    if (p->kind != q->kind || p->line != q->line || strcmp(p->file, q->file) != 0 ||
        (p->left == nullptr) != (q->left == nullptr) || (p->right == nullptr) != (q->right == nullptr))
      return false;
    if (p->kind == H_IDENT && strcmp(p->u.ident.name, q->u.ident.name) != 0)
      return false;
    if (p->kind == H_CNST && (p->u.cnst.type != q->u.cnst.type || p->u.cnst.value.i != q->u.cnst.value.i))
      return false;
  }
  return true;
}

// A function body of `statements` assignments, each a handful of nodes.
std::string big_function(int statements) {
  std::string text = "int a, b, c;\nvoid f(void)\n{\n";
  for (int i = 0; i < statements; i++)
    text += "  a = b + c * " + std::to_string(i % 100) + ";\n";
  return text + "}\n";
}

}  // namespace

// ---- node blocks --------------------------------------------------------

TEST(NodeBlocks, NodesAreZeroFilledAlsoWhenABlockIsReused) {
  // Enough nodes for several blocks, each written all over, released in a
  // shuffled order, then taken again: every new node must read as zero.
  const size_t count = 40000;
  std::vector<pcodehl *> nodes;
  for (int round = 0; round < 2; round++) {
    for (size_t i = 0; i < count; i++) {
      pcodehl *n = hl_node_alloc();
      const unsigned char *bytes = reinterpret_cast<const unsigned char *>(n);
      ASSERT_TRUE(std::all_of(bytes, bytes + sizeof(pcodehl), [](unsigned char b) { return b == 0; }))
          << "round " << round << " node " << i;
      memset(static_cast<void *>(n), 0xA5, sizeof(pcodehl));
      nodes.push_back(n);
    }
    std::shuffle(nodes.begin(), nodes.end(), std::mt19937(7 + round));
    for (pcodehl *n : nodes)
      hl_node_release(n);
    nodes.clear();
  }
}

TEST(NodeBlocks, LiveNodesAreDistinctAndDoNotOverlap) {
  std::vector<pcodehl *> nodes;
  for (int i = 0; i < 20000; i++) {
    pcodehl *n = hl_node_alloc();
    n->line = i;
    nodes.push_back(n);
  }
  std::vector<pcodehl *> sorted = nodes;
  std::sort(sorted.begin(), sorted.end());
  for (size_t i = 1; i < sorted.size(); i++)
    ASSERT_GE(reinterpret_cast<char *>(sorted[i]) - reinterpret_cast<char *>(sorted[i - 1]),
              static_cast<ptrdiff_t>(sizeof(pcodehl)));
  for (int i = 0; i < 20000; i++)
    ASSERT_EQ(nodes[i]->line, i);
  // Release every other node, take as many again, and check the survivors.
  for (size_t i = 0; i < nodes.size(); i += 2)
    hl_node_release(nodes[i]);
  std::vector<pcodehl *> more;
  for (size_t i = 0; i < nodes.size(); i += 2)
    more.push_back(hl_node_alloc());
  for (size_t i = 1; i < nodes.size(); i += 2)
    ASSERT_EQ(nodes[i]->line, static_cast<long>(i));
  for (size_t i = 1; i < nodes.size(); i += 2)
    hl_node_release(nodes[i]);
  for (pcodehl *n : more)
    hl_node_release(n);
}

TEST(NodeBlocks, ACopySpanningSeveralBlocksOutlivesItsOriginal) {
  ASSERT_EQ(parse(big_function(6000)), 0);
  pcodehl *root = hl_get_ast();
  std::vector<const pcodehl *> all;
  collect(root, all);
  ASSERT_GT(all.size(), 40000u);  // more than two blocks of nodes
  pcodehl *copy = hl_copy_ast(root);
  hl_free_ast(root);
  // A second parse, into the storage the first one gave back, gives the
  // same tree as the copy, which must have stayed intact.
  ASSERT_EQ(parse(big_function(6000)), 0);
  root = hl_get_ast();
  EXPECT_TRUE(same_tree(copy, root));
  hl_free_ast(copy);
  // And a changed tree is told apart.
  ASSERT_EQ(parse(big_function(5999)), 0);
  pcodehl *shorter = hl_get_ast();
  EXPECT_FALSE(same_tree(shorter, root));
  hl_free_ast(shorter);
  hl_free_ast(root);
}

TEST(NodeBlocks, TypeRecordsAreZeroFilledAndCopiesStandAlone) {
  // A long chain over several blocks of type records, written all over
  // before it goes, then a copy made after the blocks were reused.
  const int32_t kinds[] = {TH_CHAR, TH_INT, TH_POINTER, TH_CONST, TH_LONG};
  for (int round = 0; round < 2; round++) {
    typehl *chain = new_typehl();
    ASSERT_EQ(chain->head, nullptr);
    ASSERT_EQ(chain->tail, nullptr);
    for (int i = 0; i < 5000; i++) {
      typenodehl *n = new_typenodehl(kinds[i % 5]);
      ASSERT_EQ(n->next, nullptr);
      ASSERT_EQ(n->prev, nullptr);
      ASSERT_EQ(n->u.word[0], nullptr);
      ASSERT_EQ(n->u.word[1], nullptr);
      ASSERT_EQ(n->u.word[2], nullptr);
      typehl *one = new_typehl();
      one->head = one->tail = n;
      chain = typehl_append(chain, one);
    }
    typehl *copy = typehl_copy(chain);
    for (typenodehl *n = chain->head; n; n = n->next)
      n->kind = TH_VOID;
    typehl_free(chain);
    int i = 0;
    for (typenodehl *n = copy->head; n; n = n->next, i++)
      ASSERT_EQ(n->kind, kinds[i % 5]) << i;
    EXPECT_EQ(i, 5000);
    typehl_free(copy);
  }
}

// ---- shared file names ----------------------------------------------------

TEST(SharedFileNames, SameNameSharedDifferentNamesKept) {
  char *a1 = hl_file_ref("a.c");
  char *a2 = hl_file_ref("a.c");
  EXPECT_EQ(a1, a2);
  char *b = hl_file_ref("b.h");
  EXPECT_STREQ(b, "b.h");
  char *a3 = hl_file_ref("a.c");  // a new copy: b.h came in between
  EXPECT_STREQ(a3, "a.c");
  char *shared = hl_file_share(b);
  EXPECT_EQ(shared, b);
  hl_file_release(b);
  EXPECT_STREQ(shared, "b.h");  // one holder left
  hl_file_release(shared);
  hl_file_release(a1);
  EXPECT_STREQ(a2, "a.c");
  hl_file_release(a2);
  hl_file_release(a3);
  EXPECT_EQ(hl_file_ref(nullptr), nullptr);
  hl_file_release(nullptr);
}

TEST(SharedFileNames, NodesKeepTheirFileAcrossLineMarkersAndCopies) {
  std::string text = "#line 1 \"board.h\"\ntypedef unsigned char u8;\nextern u8 OUTB;\n"
                     "#line 10 \"main.c\"\nvoid f(void)\n{\n"
                     "#line 3 \"inc.h\"\n  OUTB = 1;\n#line 13 \"main.c\"\n  OUTB = 2;\n}\n";
  ASSERT_EQ(parse(text), 0);
  pcodehl *root = hl_get_ast();
  pcodehl *copy = hl_copy_ast(root);
  hl_free_ast(root);  // the copy's names must not depend on the original
  std::vector<const pcodehl *> all;
  collect(copy, all);
  int board = 0, inc = 0, main_c = 0;
  for (const pcodehl *n : all) {
    ASSERT_NE(n->file, nullptr);
    std::string file = n->file;
    board += file == "board.h";
    inc += file == "inc.h";
    main_c += file == "main.c";
    ASSERT_TRUE(file == "board.h" || file == "inc.h" || file == "main.c") << file;
    if (n->kind == H_CNST && n->u.cnst.value.i == 1) {
      EXPECT_EQ(file, "inc.h");
    }
    if (n->kind == H_CNST && n->u.cnst.value.i == 2) {
      EXPECT_EQ(file, "main.c");
    }
    if (n->kind == H_CSTMT) {
      EXPECT_STREQ(n->u.close.file, "main.c");
    }
  }
  EXPECT_GE(board, 3);
  EXPECT_GE(inc, 3);
  EXPECT_GE(main_c, 3);
  hl_free_ast(copy);
}

// ---- typedef scopes made on first use -------------------------------------

TEST(LazyTypedefScopes, ShadowingThroughEmptyScopes) {
  // T is hidden two empty blocks deep and a typedef again outside them.
  EXPECT_EQ(parse("typedef int T;\nvoid f(void) { { { int T; T = 1; } } { T z; z = 2; } }\n"), 0);
  hl_free_ast(hl_get_ast());
  // A typedef made in a deep block is gone once the block closes.
  EXPECT_EQ(parse("void f(void) { { { typedef int U; U x; x = 1; } } }\n"), 0);
  hl_free_ast(hl_get_ast());
  maxerror = 1 << 30;
  EXPECT_GT(parse("void f(void) { { { typedef int U; } } U y; }\n"), 0);
  maxerror = 25;
  hl_free_ast(hl_get_ast());
}

// ---- pragma tokens on the value stack --------------------------------------

TEST(PragmaTokens, KeptInTheTreeOrFreedWhenDiscarded) {
  ASSERT_EQ(parse("#pragma code\nint a;\nvoid f(void)\n{\n#pragma tmpdata\n  a = 1;\n}\n"), 0);
  pcodehl *root = hl_get_ast();
  std::string text = dump(root);
  hl_free_ast(root);
  size_t first = text.find("H_PRAGMA");
  ASSERT_NE(first, std::string::npos);
  EXPECT_NE(text.find("H_PRAGMA", first + 1), std::string::npos);
  // A pragma where an expression must come is a syntax error; recovery
  // throws the token away with its record (LeakSanitizer checks the release).
  maxerror = 1 << 30;
  EXPECT_GT(parse("int a = \n#pragma code\n;\nint b = (\n#pragma udata\n);\n"), 0);
  maxerror = 25;
  hl_free_ast(hl_get_ast());
}
