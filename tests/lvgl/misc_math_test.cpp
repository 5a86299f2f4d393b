// Integer maths: sine, the angle of a vector, roots, powers, range mapping,
// the animation bezier and the random numbers.
#include "lvgl_fixture.h"

#include <cstdint>

namespace {

TEST(MiscMath, sine_and_cosine_match_the_library_within_one_unit)
{
    for(int a = -720; a <= 720; a += 7) {
        double rad = a * M_PI / 180.0;
        EXPECT_NEAR(lv_trigo_sin((int16_t)a), std::lround(std::sin(rad) * 32767), 1) << a;
        EXPECT_NEAR(lv_trigo_cos((int16_t)a), std::lround(std::cos(rad) * 32767), 1) << a;
    }
}

TEST(MiscMath, atan2_measures_from_the_y_axis_towards_x)
{
    struct Case {
        int x, y;
        int deg;
    };
    const Case cases[] = {
        {1, 0, 90},       {0, 1, 0},        {-1, 0, 270},        {0, -1, 180},        {1, 1, 45},
        {10, -10, 135},   {-10, -10, 225},  {-10, 10, 315},      {577, 1000, 30},     {1000, 577, 60},
        {-1000, 577, 300}, {0, 0, 0},       {INT16_MAX, 1, 90},  {-30000, -1, 270},
    };
    for(const Case & cs : cases) EXPECT_NEAR(lv_atan2(cs.x, cs.y), cs.deg, 1) << cs.x << "," << cs.y;

    // Every direction round the circle, and never 360.
    for(int a = 0; a < 360; a += 1) {
        int x = (int)std::lround(std::sin(a * M_PI / 180) * 10000);
        int y = (int)std::lround(std::cos(a * M_PI / 180) * 10000);
        int got = lv_atan2(x, y);
        ASSERT_LT(got, 360) << a;
        int diff = std::abs(got - a);
        EXPECT_LE(std::min(diff, 360 - diff), 1) << a;
    }
}

TEST(MiscMath, square_roots_carry_a_four_bit_fraction)
{
    for(uint32_t x : {0u, 1u, 2u, 99u, 100u, 65535u, 1000000u, 4000000000u, UINT32_MAX}) {
        lv_sqrt_res_t r;
        lv_sqrt(x, &r, 0x8000);
        double exact = std::sqrt((double)x);
        EXPECT_EQ(r.i, (uint16_t)exact) << x;
        EXPECT_NEAR(r.i + r.f / 256.0, exact, 1.0 / 16) << x;
        EXPECT_EQ(r.f % 16, 0) << x;
    }
}

TEST(MiscMath, map_interpolates_and_holds_the_output_range)
{
    struct Case {
        int32_t x, min_in, max_in, min_out, max_out, expected;
    };
    const Case cases[] = {
        {5, 0, 10, 0, 100, 50},
        {-5, 0, 10, 0, 100, 0},
        {15, 0, 10, 0, 100, 100},
        {25, 0, 100, 100, 0, 75},                    // falling output
        {3, 10, 0, 0, 10, 7},                        // falling input
        {10, 10, 0, 0, 10, 0},
        {-1, 10, 0, 0, 10, 10},
        {50000, 0, 100000, 0, 100000, 50000},        // products past 32 bits
        {1, 0, 3, 0, 2000000000, 666666666},
        {7, 7, 7, 0, 100, 100},                      // a one-value range: no division by zero
        {6, 7, 7, 0, 100, 0},
        {INT32_MAX, INT32_MIN, INT32_MAX, -5, 5, 5},
    };
    for(const Case & cs : cases) {
        EXPECT_EQ(lv_map(cs.x, cs.min_in, cs.max_in, cs.min_out, cs.max_out), cs.expected)
            << cs.x << " in " << cs.min_in << ".." << cs.max_in;
    }
}

TEST(MiscMath, powers_of_whole_exponents)
{
    struct Case {
        int64_t base;
        int8_t exp;
        int64_t expected;
    };
    const Case cases[] = {{3, 4, 81}, {2, 0, 1}, {2, -1, 0}, {-2, 3, -8}, {-2, 4, 16}, {10, 18, 1000000000000000000LL},
                          {0, 0, 1}, {0, 5, 0}};
    for(const Case & cs : cases) EXPECT_EQ(lv_pow(cs.base, cs.exp), cs.expected) << cs.base << "^" << (int)cs.exp;
}

TEST(MiscMath, the_bezier_runs_from_the_first_to_the_last_control_value)
{
    EXPECT_EQ(lv_bezier3(0, 0, 300, 700, 1024), 0u);
    EXPECT_EQ(lv_bezier3(1024, 0, 300, 700, 1024), 1024u);
    // The ease-in-out curve of the animations rises steadily and is symmetric.
    uint32_t prev = 0;
    for(uint32_t t = 0; t <= 1024; t += 16) {
        uint32_t v = lv_bezier3(t, 0, 50, 974, 1024);
        EXPECT_GE(v, prev) << t;
        EXPECT_NEAR((int)v + (int)lv_bezier3(1024 - t, 0, 50, 974, 1024), 1024, 2) << t;
        prev = v;
    }
}

TEST(MiscMath, random_numbers_stay_in_their_range)
{
    struct Case {
        uint32_t min, max;
    };
    const Case cases[] = {{0, 0}, {5, 5}, {10, 3}, {1, 6}, {0, UINT32_MAX}, {UINT32_MAX - 1, UINT32_MAX}};
    for(const Case & cs : cases) {
        bool seen_other = false;
        uint32_t first = lv_rand(cs.min, cs.max);
        for(int i = 0; i < 200; i++) {
            uint32_t v = lv_rand(cs.min, cs.max);
            if(cs.max <= cs.min) {
                EXPECT_EQ(v, cs.min);
            }
            else {
                EXPECT_GE(v, cs.min);
                EXPECT_LE(v, cs.max);
            }
            seen_other = seen_other || v != first;
        }
        if(cs.max > cs.min) EXPECT_TRUE(seen_other) << cs.min << ".." << cs.max;
    }
}

}  // namespace
