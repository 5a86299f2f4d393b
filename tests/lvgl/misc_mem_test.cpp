// The memory pool and the linked list built on it.
#include "lvgl_fixture.h"

#include <cstring>
#include <random>

namespace {

class MiscMemTest : public LvglTest {};

TEST_F(MiscMemTest, AllocationsAreAlignedDistinctAndKeepTheirContent)
{
    std::vector<std::pair<uint8_t *, size_t>> blocks;
    for(size_t size : {1u, 7u, 8u, 24u, 100u, 1000u, 65536u}) {
        auto * p = static_cast<uint8_t *>(lv_mem_alloc(size));
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(reinterpret_cast<uintptr_t>(p) % 8, 0u);
        std::memset(p, (int)size, size);
        blocks.push_back({p, size});
    }
    for(auto & b : blocks) {
        for(size_t i = 0; i < b.second; i++) ASSERT_EQ(b.first[i], (uint8_t)b.second);
        lv_mem_free(b.first);
    }
    EXPECT_EQ(lv_mem_test(), LV_RES_OK);
}

TEST_F(MiscMemTest, ReallocKeepsThePrefixAndZeroSizeIsUsableButEmpty)
{
    auto * p = static_cast<char *>(lv_mem_alloc(10));
    std::memcpy(p, "012345678", 10);
    p = static_cast<char *>(lv_mem_realloc(p, 5000));
    ASSERT_NE(p, nullptr);
    EXPECT_STREQ(p, "012345678");
    p = static_cast<char *>(lv_mem_realloc(p, 4));
    EXPECT_EQ(std::memcmp(p, "0123", 4), 0);
    lv_mem_free(p);

    void * z = lv_mem_alloc(0);
    EXPECT_NE(z, nullptr);
    lv_mem_free(z);
    lv_mem_free(nullptr);
    EXPECT_EQ(lv_mem_test(), LV_RES_OK);
}

TEST_F(MiscMemTest, FreedNeighboursMergeSoALargeBlockFitsAgain)
{
    lv_mem_monitor_t before;
    lv_mem_monitor(&before);
    std::vector<void *> small;
    for(int i = 0; i < 1000; i++) small.push_back(lv_mem_alloc(1000));
    /*Free in an interleaved order so merging must happen on both sides*/
    for(size_t i = 0; i < small.size(); i += 2) lv_mem_free(small[i]);
    for(size_t i = 1; i < small.size(); i += 2) lv_mem_free(small[i]);
    lv_mem_monitor_t after;
    lv_mem_monitor(&after);
    EXPECT_EQ(after.free_biggest_size, before.free_biggest_size);
    void * big = lv_mem_alloc(before.free_biggest_size);
    EXPECT_NE(big, nullptr);
    lv_mem_free(big);
    EXPECT_EQ(lv_mem_alloc(LV_MEM_SIZE + 1), nullptr);
}

TEST_F(MiscMemTest, RandomWorkloadKeepsThePoolConsistent)
{
    std::mt19937 rng(7);
    std::vector<std::pair<uint8_t *, uint8_t>> live;
    for(int step = 0; step < 5000; step++) {
        if(live.empty() || rng() % 3) {
            size_t size = 1 + rng() % 3000;
            auto * p = static_cast<uint8_t *>(lv_mem_alloc(size));
            ASSERT_NE(p, nullptr);
            uint8_t tag = (uint8_t)rng();
            p[0] = tag;
            live.push_back({p, tag});
        }
        else {
            size_t i = rng() % live.size();
            ASSERT_EQ(live[i].first[0], live[i].second);
            lv_mem_free(live[i].first);
            live.erase(live.begin() + (long)i);
        }
    }
    EXPECT_EQ(lv_mem_test(), LV_RES_OK);
    for(auto & b : live) lv_mem_free(b.first);
    lv_mem_monitor_t mon;
    lv_mem_monitor(&mon);
    EXPECT_EQ(mon.free_cnt, 1u);
}

void * g_spare;
int g_reclaims;

void give_back_spare()
{
    g_reclaims++;
    lv_mem_free(g_spare);
    g_spare = nullptr;
}

TEST_F(MiscMemTest, AShortPoolAsksTheReclaimCallbackOnceAndRetries)
{
    struct Case {
        bool registered;
        bool fits_after;    /*the request fits once the spare block is given back*/
    };
    const Case cases[] = {{true, true}, {false, true}, {true, false}};
    for(const Case & cs : cases) {
        lv_deinit();
        lv_init();
        g_reclaims = 0;
        lv_mem_monitor_t mon;
        lv_mem_monitor(&mon);
        /*A quarter of the pool stays taken, a spare half can be given back: then 3/4 are free*/
        size_t free_all = mon.free_biggest_size;
        void * kept = lv_mem_alloc(free_all / 4);
        g_spare = lv_mem_alloc(free_all / 2);
        ASSERT_NE(g_spare, nullptr);
        size_t ask = cs.fits_after ? free_all * 5 / 8 : free_all * 7 / 8;
        _lv_mem_set_reclaim_cb(cs.registered ? give_back_spare : nullptr);
        void * p = lv_mem_alloc(ask);
        _lv_mem_set_reclaim_cb(nullptr);
        EXPECT_EQ(p != nullptr, cs.registered && cs.fits_after) << cs.registered << cs.fits_after;
        EXPECT_EQ(g_reclaims, cs.registered ? 1 : 0);
        lv_mem_free(p);
        lv_mem_free(g_spare);
        lv_mem_free(kept);
        g_spare = nullptr;
    }
}

TEST_F(MiscMemTest, TemporaryBuffersAreReusedAndReleased)
{
    void * a = lv_mem_buf_get(100);
    void * b = lv_mem_buf_get(100);
    EXPECT_NE(a, b);
    EXPECT_EQ(lv_mem_buf_get_used_cnt(), 2u);
    lv_mem_buf_release(a);
    EXPECT_EQ(lv_mem_buf_get(50), a);
    lv_mem_buf_release(a);
    lv_mem_buf_release(b);
    EXPECT_EQ(lv_mem_buf_get_used_cnt(), 0u);
}

TEST_F(MiscMemTest, LinkedListInsertMoveAndRemove)
{
    lv_ll_t ll;
    _lv_ll_init(&ll, sizeof(int));
    auto push_tail = [&](int v) { *static_cast<int *>(_lv_ll_ins_tail(&ll)) = v; };
    push_tail(2);
    push_tail(3);
    *static_cast<int *>(_lv_ll_ins_head(&ll)) = 1;
    void * three = _lv_ll_get_tail(&ll);
    *static_cast<int *>(_lv_ll_ins_prev(&ll, three)) = 9;
    auto values = [&]() {
        std::vector<int> v;
        void * n;
        _LV_LL_READ(&ll, n) v.push_back(*static_cast<int *>(n));
        return v;
    };
    EXPECT_EQ(values(), (std::vector<int>{1, 2, 9, 3}));
    _lv_ll_move_before(&ll, three, _lv_ll_get_head(&ll));
    EXPECT_EQ(values(), (std::vector<int>{3, 1, 2, 9}));
    _lv_ll_move_before(&ll, three, nullptr);
    EXPECT_EQ(values(), (std::vector<int>{1, 2, 9, 3}));
    _lv_ll_remove(&ll, three);
    lv_mem_free(three);
    EXPECT_EQ(values(), (std::vector<int>{1, 2, 9}));
    EXPECT_EQ(_lv_ll_get_len(&ll), 3u);

    lv_ll_t other;
    _lv_ll_init(&other, sizeof(int));
    _lv_ll_chg_list(&ll, &other, _lv_ll_get_head(&ll), true);
    EXPECT_EQ(values(), (std::vector<int>{2, 9}));
    EXPECT_EQ(*static_cast<int *>(_lv_ll_get_head(&other)), 1);
    _lv_ll_clear(&ll);
    _lv_ll_clear(&other);
    EXPECT_TRUE(_lv_ll_is_empty(&ll));
}

}  // namespace
