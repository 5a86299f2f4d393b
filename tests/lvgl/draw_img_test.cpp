// ARGB8888 images: copy, per-pixel alpha, opacity, recolour and zoom.
#include "lvgl_fixture.h"

namespace {

class DrawImgTest : public LvglTest {};

// An image whose pixels are given as 0xAARRGGBB, stored as the toolkit's
// 32-bit colours (B, G, R, A bytes).
struct TestImage {
    std::vector<uint32_t> argb;
    lv_img_dsc_t dsc;

    TestImage(int w, int h, const std::function<uint32_t(int, int)> & px) : argb((size_t)w * h)
    {
        for(int y = 0; y < h; y++)
            for(int x = 0; x < w; x++) argb[(size_t)y * w + x] = px(x, y);
        dsc = {};
        dsc.header.cf = LV_IMG_CF_TRUE_COLOR_ALPHA;
        dsc.header.w = (uint32_t)w;
        dsc.header.h = (uint32_t)h;
        dsc.data_size = (uint32_t)(argb.size() * 4);
        dsc.data = reinterpret_cast<const uint8_t *>(argb.data());
    }
};

lv_draw_img_dsc_t plain_img_dsc()
{
    lv_draw_img_dsc_t dsc;
    lv_draw_img_dsc_init(&dsc);
    return dsc;
}

TEST_F(DrawImgTest, ColourBytesAreTheBlueGreenRedAlphaOfADib)
{
    lv_color_t c = lv_color_hex(0x123456);
    const uint8_t * bytes = reinterpret_cast<const uint8_t *>(&c);
    EXPECT_EQ(bytes[0], 0x56);
    EXPECT_EQ(bytes[1], 0x34);
    EXPECT_EQ(bytes[2], 0x12);
    EXPECT_EQ(bytes[3], 0xFF);
    EXPECT_EQ(sizeof(lv_color_t), 4u);
    EXPECT_EQ(lv_color_to32(c), 0xFF123456u);
}

TEST_F(DrawImgTest, OpaqueImageIsCopiedPixelForPixel)
{
    TestImage img(8, 6, [](int x, int y) { return 0xFF000000u | (uint32_t)(x * 30) << 16 | (uint32_t)(y * 40) << 8 | 7u; });
    Canvas c(20, 20);
    lv_draw_img_dsc_t dsc = plain_img_dsc();
    lv_area_t a = {3, 4, 10, 9};
    lv_draw_img(c.draw(), &dsc, &a, &img.dsc);
    for(int y = 0; y < 6; y++)
        for(int x = 0; x < 8; x++) ASSERT_EQ(c.rgb(3 + x, 4 + y), img.argb[(size_t)y * 8 + x] & 0xFFFFFFu);
    EXPECT_EQ(c.rgb(2, 4), 0u);
    EXPECT_EQ(c.rgb(11, 9), 0u);
}

TEST_F(DrawImgTest, PerPixelAlphaAndOpacityMixWithTheBackground)
{
    struct Case {
        uint8_t alpha;
        lv_opa_t opa;
        int expected_red;   /*white image over black*/
    };
    const Case cases[] = {{255, 255, 255}, {0, 255, 0}, {128, 255, 128}, {255, 128, 128}, {128, 128, 64}};
    for(const Case & cs : cases) {
        TestImage img(4, 4, [&](int, int) { return (uint32_t)cs.alpha << 24 | 0xFFFFFFu; });
        Canvas c(4, 4);
        lv_draw_img_dsc_t dsc = plain_img_dsc();
        dsc.opa = cs.opa;
        lv_area_t a = {0, 0, 3, 3};
        lv_draw_img(c.draw(), &dsc, &a, &img.dsc);
        EXPECT_NEAR(c.red(1, 1), cs.expected_red, 2) << (int)cs.alpha << " " << (int)cs.opa;
    }
}

TEST_F(DrawImgTest, RecolourMixesTheColourIntoEveryPixel)
{
    TestImage img(4, 4, [](int, int) { return 0xFF0000FFu; });   /*blue*/
    Canvas c(4, 4);
    lv_draw_img_dsc_t dsc = plain_img_dsc();
    dsc.recolor = lv_color_hex(0xFF0000);
    dsc.recolor_opa = LV_OPA_50;
    lv_area_t a = {0, 0, 3, 3};
    lv_draw_img(c.draw(), &dsc, &a, &img.dsc);
    EXPECT_NEAR(c.red(2, 2), 127, 2);
    EXPECT_NEAR(c.blue(2, 2), 128, 2);
    EXPECT_EQ(c.green(2, 2), 0);
}

TEST_F(DrawImgTest, ZoomScalesAroundThePivot)
{
    /*A 20 x 20 image: left half red, right half blue*/
    TestImage img(20, 20, [](int x, int) { return x < 10 ? 0xFFFF0000u : 0xFF0000FFu; });
    struct Case {
        uint16_t zoom;
        int left, right;    /*first and last covered column on the middle row*/
    };
    /*Pivot at the image centre (10, 10) placed at (40, 40): width 20 * zoom / 256 around x = 40*/
    const Case cases[] = {{256, 30, 49}, {512, 20, 59}, {128, 35, 44}, {168, 33, 46}, {84, 37, 42}};
    for(const Case & cs : cases) {
        Canvas c(80, 80);
        lv_draw_img_dsc_t dsc = plain_img_dsc();
        dsc.zoom = cs.zoom;
        dsc.pivot.x = 10;
        dsc.pivot.y = 10;
        lv_area_t a = {30, 30, 49, 49};
        lv_draw_img(c.draw(), &dsc, &a, &img.dsc);

        EXPECT_GE(c.red(cs.left, 40) + c.blue(cs.left, 40), 100) << "zoom " << cs.zoom;
        EXPECT_LT(c.red(cs.left - 2, 40) + c.blue(cs.left - 2, 40), 10) << "zoom " << cs.zoom;
        EXPECT_GE(c.red(cs.right, 40) + c.blue(cs.right, 40), 100) << "zoom " << cs.zoom;
        EXPECT_LT(c.red(cs.right + 2, 40) + c.blue(cs.right + 2, 40), 10) << "zoom " << cs.zoom;
        /*Red stays left of the pivot, blue right of it*/
        EXPECT_GT(c.red(cs.left + 1, 40), 200) << "zoom " << cs.zoom;
        EXPECT_GT(c.blue(cs.right - 1, 40), 200) << "zoom " << cs.zoom;
    }
}

TEST_F(DrawImgTest, ZoomedImageKeepsItsAverageColour)
{
    /*A fine checkerboard of black and white averages to grey at half size*/
    TestImage img(32, 32, [](int x, int y) { return ((x + y) & 1) ? 0xFFFFFFFFu : 0xFF000000u; });
    Canvas c(64, 64, 0xFF0000);
    lv_draw_img_dsc_t dsc = plain_img_dsc();
    dsc.zoom = 128;
    dsc.pivot.x = 16;
    dsc.pivot.y = 16;
    lv_area_t a = {16, 16, 47, 47};
    lv_draw_img(c.draw(), &dsc, &a, &img.dsc);
    long sum = 0;
    for(int y = 26; y < 38; y++)
        for(int x = 26; x < 38; x++) sum += c.green(x, y);
    EXPECT_NEAR(sum / 144.0, 127, 40);
}

TEST_F(DrawImgTest, RotationByNinetyDegreesTurnsTheImageClockwise)
{
    /*Top row red, the rest green*/
    TestImage img(10, 10, [](int, int y) { return y == 0 ? 0xFFFF0000u : 0xFF00FF00u; });
    Canvas c(30, 30);
    lv_draw_img_dsc_t dsc = plain_img_dsc();
    dsc.angle = 900;
    dsc.pivot.x = 5;
    dsc.pivot.y = 5;
    dsc.antialias = 0;
    lv_area_t a = {10, 10, 19, 19};
    lv_draw_img(c.draw(), &dsc, &a, &img.dsc);
    /*Clockwise: the top row becomes the right column*/
    EXPECT_GT(c.red(19, 14), 200);
    EXPECT_LT(c.red(10, 14), 50);
    EXPECT_GT(c.green(12, 14), 200);
}

TEST_F(DrawImgTest, ChromaKeyAndAlphaOnlyFormats)
{
    /*Chroma keyed: pure green pixels are transparent*/
    std::vector<uint32_t> keyed = {0xFF00FF00u, 0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu};
    lv_img_dsc_t k = {};
    k.header.cf = LV_IMG_CF_TRUE_COLOR_CHROMA_KEYED;
    k.header.w = 4;
    k.header.h = 1;
    k.data_size = 16;
    k.data = reinterpret_cast<const uint8_t *>(keyed.data());
    Canvas c(4, 1, 0x202020);
    lv_draw_img_dsc_t dsc = plain_img_dsc();
    lv_area_t a = {0, 0, 3, 0};
    lv_draw_img(c.draw(), &dsc, &a, &k);
    EXPECT_EQ(c.rgb(0, 0), 0x202020u);
    EXPECT_EQ(c.rgb(1, 0), 0xFF0000u);
    EXPECT_EQ(c.rgb(2, 0), 0x202020u);
    EXPECT_EQ(c.rgb(3, 0), 0x0000FFu);

    /*Alpha only: the recolour colour through the alpha values*/
    const uint8_t alpha[4] = {0, 85, 170, 255};
    lv_img_dsc_t al = {};
    al.header.cf = LV_IMG_CF_ALPHA_8BIT;
    al.header.w = 4;
    al.header.h = 1;
    al.data_size = 4;
    al.data = alpha;
    Canvas d(4, 1);
    dsc.recolor = lv_color_hex(0xFFFFFF);
    lv_draw_img(d.draw(), &dsc, &a, &al);
    for(int x = 0; x < 4; x++) EXPECT_NEAR(d.green(x, 0), alpha[x], 1) << x;
}

TEST_F(DrawImgTest, ImageInsideARoundedClipIsMasked)
{
    TestImage img(40, 40, [](int, int) { return 0xFFFFFFFFu; });
    Canvas c(40, 40);
    lv_area_t a = {0, 0, 39, 39};
    lv_draw_mask_radius_param_t r;
    lv_draw_mask_radius_init(&r, &a, 10, false);
    int16_t id = lv_draw_mask_add(&r, nullptr);
    lv_draw_img_dsc_t dsc = plain_img_dsc();
    lv_draw_img(c.draw(), &dsc, &a, &img.dsc);
    lv_draw_mask_remove_id(id);
    EXPECT_EQ(c.green(0, 0), 0);
    EXPECT_EQ(c.green(20, 20), 255);
    EXPECT_EQ(c.green(20, 0), 255);
    EXPECT_GT(c.green(3, 3), 100);
}

TEST_F(DrawImgTest, ShortDataIsNotRead)
{
    TestImage img(10, 10, [](int, int) { return 0xFFFFFFFFu; });
    img.dsc.data_size = 100;    /*less than 10 x 10 x 4*/
    Canvas c(20, 20);
    lv_draw_img_dsc_t dsc = plain_img_dsc();
    lv_area_t a = {0, 0, 9, 9};
    lv_draw_img(c.draw(), &dsc, &a, &img.dsc);
    EXPECT_EQ(c.rgb(5, 5), 0u);
}

}  // namespace
