// Linked lists: the order after each kind of insertion and move, and nodes
// whose size leaves the links misaligned unless the list rounds it up.
#include "lvgl_fixture.h"

#include <string>

namespace {

class MiscLlTest : public LvglTest {};

// The list read head to tail and tail to head, as letters; both directions
// must agree or a link was left stale.
std::string order(const lv_ll_t * ll)
{
    std::string forward;
    std::string backward;
    for(void * n = _lv_ll_get_head(ll); n; n = _lv_ll_get_next(ll, n)) forward += *static_cast<char *>(n);
    for(void * n = _lv_ll_get_tail(ll); n; n = _lv_ll_get_prev(ll, n)) backward.insert(0, 1, *static_cast<char *>(n));
    EXPECT_EQ(forward, backward) << "the prev links disagree with the next links";
    return forward;
}

char * add_tail(lv_ll_t * ll, char c)
{
    char * n = static_cast<char *>(_lv_ll_ins_tail(ll));
    *n = c;
    return n;
}

TEST_F(MiscLlTest, insertions_and_moves_keep_both_directions_in_order)
{
    struct Case {
        const char * name;
        void (*edit)(lv_ll_t * ll, char * a, char * b, char * c);
        const char * expected;
    };
    const Case cases[] = {
        {"tail insertions keep their order", [](lv_ll_t *, char *, char *, char *) {}, "abc"},
        {"head insertion goes first",
         [](lv_ll_t * ll, char *, char *, char *) { *static_cast<char *>(_lv_ll_ins_head(ll)) = 'h'; }, "habc"},
        {"insertion before the middle node",
         [](lv_ll_t * ll, char *, char * b, char *) { *static_cast<char *>(_lv_ll_ins_prev(ll, b)) = 'p'; }, "apbc"},
        {"insertion before the head becomes the head",
         [](lv_ll_t * ll, char * a, char *, char *) { *static_cast<char *>(_lv_ll_ins_prev(ll, a)) = 'p'; }, "pabc"},
        {"removing the head",
         [](lv_ll_t * ll, char * a, char *, char *) {
             _lv_ll_remove(ll, a);
             lv_mem_free(a);
         }, "bc"},
        {"removing the middle",
         [](lv_ll_t * ll, char *, char * b, char *) {
             _lv_ll_remove(ll, b);
             lv_mem_free(b);
         }, "ac"},
        {"removing the tail",
         [](lv_ll_t * ll, char *, char *, char * c) {
             _lv_ll_remove(ll, c);
             lv_mem_free(c);
         }, "ab"},
        {"moving the tail before the head", [](lv_ll_t * ll, char * a, char *, char * c) { _lv_ll_move_before(ll, c, a); },
         "cab"},
        {"moving the head to the tail", [](lv_ll_t * ll, char * a, char *, char *) { _lv_ll_move_before(ll, a, nullptr); },
         "bca"},
        {"moving a node before its own successor changes nothing",
         [](lv_ll_t * ll, char * a, char * b, char *) { _lv_ll_move_before(ll, a, b); }, "abc"},
        {"moving the tail to the tail changes nothing",
         [](lv_ll_t * ll, char *, char *, char * c) { _lv_ll_move_before(ll, c, nullptr); }, "abc"},
        {"moving the middle before the head", [](lv_ll_t * ll, char * a, char * b, char *) { _lv_ll_move_before(ll, b, a); },
         "bac"},
    };
    for(const Case & c : cases) {
        SCOPED_TRACE(c.name);
        lv_ll_t ll;
        _lv_ll_init(&ll, 1);
        char * a = add_tail(&ll, 'a');
        char * b = add_tail(&ll, 'b');
        char * cc = add_tail(&ll, 'c');
        c.edit(&ll, a, b, cc);
        EXPECT_EQ(order(&ll), c.expected);
        EXPECT_EQ(_lv_ll_get_len(&ll), std::string(c.expected).size());
        _lv_ll_clear(&ll);
        EXPECT_TRUE(_lv_ll_is_empty(&ll));
        EXPECT_EQ(_lv_ll_get_len(&ll), 0u);
    }
}

TEST_F(MiscLlTest, a_node_changes_lists_at_either_end)
{
    lv_ll_t from;
    lv_ll_t to;
    _lv_ll_init(&from, 1);
    _lv_ll_init(&to, 1);
    char * a = add_tail(&from, 'a');
    char * b = add_tail(&from, 'b');
    add_tail(&to, 'x');

    _lv_ll_chg_list(&from, &to, a, true);
    _lv_ll_chg_list(&from, &to, b, false);
    EXPECT_EQ(order(&from), "");
    EXPECT_TRUE(_lv_ll_is_empty(&from));
    EXPECT_EQ(order(&to), "axb");

    // Into an empty list, the node is head and tail at once
    _lv_ll_chg_list(&to, &from, b, true);
    EXPECT_EQ(_lv_ll_get_head(&from), b);
    EXPECT_EQ(_lv_ll_get_tail(&from), b);
    EXPECT_EQ(order(&to), "ax");
    _lv_ll_clear(&from);
    _lv_ll_clear(&to);
}

// Odd data sizes: the links behind the data must stay pointer-aligned (the
// undefined-behaviour sanitizer reports a misaligned load otherwise), and
// the data of one node must not run into its links.
TEST_F(MiscLlTest, nodes_of_odd_sizes_keep_data_and_links_apart)
{
    for(uint32_t size : {1u, 3u, 7u, 9u, 13u, 24u}) {
        SCOPED_TRACE(size);
        lv_ll_t ll;
        _lv_ll_init(&ll, size);
        EXPECT_GE(ll.n_size, size);
        std::vector<uint8_t *> nodes;
        for(int i = 0; i < 4; i++) {
            auto * n = static_cast<uint8_t *>(_lv_ll_ins_tail(&ll));
            ASSERT_NE(n, nullptr);
            memset(n, 0xA0 + i, size);
            nodes.push_back(n);
        }
        int seen = 0;
        for(void * n = _lv_ll_get_head(&ll); n; n = _lv_ll_get_next(&ll, n)) {
            EXPECT_EQ(n, nodes[seen]);
            EXPECT_EQ(static_cast<uint8_t *>(n)[size - 1], 0xA0 + seen);
            seen++;
        }
        EXPECT_EQ(seen, 4);
        _lv_ll_clear(&ll);
    }
}

}  // namespace
