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

// A picture with a colour gradient and a soft round edge, as panel pictures are.
uint32_t soft_disc(int x, int y, int w, int h)
{
    double dx = (x + 0.5 - w / 2.0) / (w / 2.0);
    double dy = (y + 0.5 - h / 2.0) / (h / 2.0);
    double d = std::sqrt(dx * dx + dy * dy);
    uint32_t a = d < 0.8 ? 255 : (d > 1.0 ? 0 : (uint32_t)((1.0 - d) * 5 * 255));
    return a << 24 | (uint32_t)(x * 255 / w) << 16 | (uint32_t)(y * 255 / h) << 8 | 160u;
}

// What a zoomed or rotated image should show at target pixel (x, y) over
// black: the source is turned back and scaled around the pivot, sampled
// bilinearly between pixel centres with colours weighed by their alpha, and
// transparent outside. Worked out in floating point, independently of the
// renderer's fixed-point stepping.
void expected_px(const TestImage & img, const lv_area_t & coords, const lv_draw_img_dsc_t & dsc, int x, int y,
                 double out[3])
{
    int w = (int)img.dsc.header.w, h = (int)img.dsc.header.h;
    double px = x + 0.5 - (coords.x1 + dsc.pivot.x);
    double py = y + 0.5 - (coords.y1 + dsc.pivot.y);
    double ang = dsc.angle / 10.0 * M_PI / 180.0;
    double z = dsc.zoom / 256.0;
    double ux = (px * std::cos(ang) + py * std::sin(ang)) / z + dsc.pivot.x - 0.5;
    double uy = (-px * std::sin(ang) + py * std::cos(ang)) / z + dsc.pivot.y - 0.5;
    int x0 = (int)std::floor(ux), y0 = (int)std::floor(uy);
    double fx = ux - x0, fy = uy - y0;
    double sum[3] = {0, 0, 0};
    for(int k = 0; k < 4; k++) {
        int sx = x0 + (k & 1), sy = y0 + (k >> 1);
        if(sx < 0 || sy < 0 || sx >= w || sy >= h) continue;
        uint32_t p = img.argb[(size_t)sy * w + sx];
        double wt = ((k & 1) ? fx : 1 - fx) * ((k >> 1) ? fy : 1 - fy) * (p >> 24) / 255.0;
        for(int ch = 0; ch < 3; ch++) {
            double v = (p >> (16 - 8 * ch)) & 0xFF;
            if(dsc.recolor_opa) v = (lv_color_to32(dsc.recolor) >> (16 - 8 * ch) & 0xFF) * dsc.recolor_opa / 255.0 +
                                        v * (255 - dsc.recolor_opa) / 255.0;
            sum[ch] += wt * v;
        }
    }
    for(int ch = 0; ch < 3; ch++) out[ch] = sum[ch];   /*colour times alpha: the colour over black*/
}

CoverageDiff compare_with_expected(const Canvas & c, const lv_area_t & window, const TestImage & img,
                                   const lv_area_t & coords, const lv_draw_img_dsc_t & dsc)
{
    int max_err = 0;
    double sum = 0;
    long n = 0;
    for(int y = window.y1; y <= window.y2; y++) {
        for(int x = window.x1; x <= window.x2; x++) {
            double want[3];
            expected_px(img, coords, dsc, x, y, want);
            const int got[3] = {c.red(x, y), c.green(x, y), c.blue(x, y)};
            for(int ch = 0; ch < 3; ch++) {
                int err = (int)std::lround(std::fabs(got[ch] - want[ch]));
                max_err = std::max(max_err, err);
                sum += err;
                n++;
            }
        }
    }
    return {max_err, n ? sum / n : 0.0};
}

TEST_F(DrawImgTest, ZoomedAndRotatedImagesMatchBilinearSamplingOfTheSource)
{
    struct Case {
        uint16_t zoom;
        int16_t angle;
        lv_opa_t recolor_opa;
    };
    const Case cases[] = {{128, 0, 0}, {84, 0, 0}, {168, 0, 0}, {300, 0, 0}, {256, 300, 0},
        {200, 900, 0}, {180, -450, 0}, {128, 0, LV_OPA_50}
    };
    TestImage img(48, 32, [](int x, int y) { return soft_disc(x, y, 48, 32); });
    for(const Case & cs : cases) {
        Canvas c(120, 100);
        lv_draw_img_dsc_t dsc = plain_img_dsc();
        dsc.zoom = cs.zoom;
        dsc.angle = cs.angle;
        dsc.pivot = {24, 16};
        dsc.recolor = lv_color_hex(0x20E040);
        dsc.recolor_opa = cs.recolor_opa;
        lv_area_t coords = {36, 34, 83, 65};
        lv_draw_img(c.draw(), &dsc, &coords, &img.dsc);
        lv_area_t all = {0, 0, 119, 99};
        CoverageDiff d = compare_with_expected(c, all, img, coords, dsc);
        EXPECT_LE(d.max_err, 6) << "zoom " << cs.zoom << " angle " << cs.angle;
        EXPECT_LT(d.mean_err, 0.5) << "zoom " << cs.zoom << " angle " << cs.angle;
    }
}

TEST_F(DrawImgTest, RedrawingPartsOfAZoomedImageRepeatsTheFirstDrawingExactly)
{
    TestImage img(60, 40, [](int x, int y) { return soft_disc(x, y, 60, 40); });
    struct Case {
        uint16_t zoom;
        int16_t angle;
        bool masked;    /*inside a rounded clip, as in a scrolling container*/
    };
    const Case cases[] = {{84, 0, false}, {300, 0, false}, {220, 450, false}, {128, 0, true}, {200, 1200, true}};
    for(const Case & cs : cases) {
        lv_draw_img_dsc_t dsc = plain_img_dsc();
        dsc.zoom = cs.zoom;
        dsc.angle = cs.angle;
        dsc.pivot = {30, 20};
        lv_area_t coords = {40, 30, 99, 69};
        lv_area_t holder = {10, 5, 130, 95};
        lv_draw_mask_radius_param_t round;
        lv_draw_mask_radius_init(&round, &holder, 30, false);
        int16_t id = cs.masked ? lv_draw_mask_add(&round, nullptr) : LV_MASK_ID_INV;

        Canvas whole(140, 100);
        lv_draw_img(whole.draw(), &dsc, &coords, &img.dsc);
        /*The same image again, tile by tile, as invalidated areas are redrawn*/
        Canvas tiles(140, 100);
        for(int ty = 0; ty < 100; ty += 23) {
            for(int tx = 0; tx < 140; tx += 31) {
                lv_area_set(&tiles.clip, (lv_coord_t)tx, (lv_coord_t)ty, (lv_coord_t)std::min(tx + 30, 139),
                            (lv_coord_t)std::min(ty + 22, 99));
                lv_draw_img(tiles.draw(), &dsc, &coords, &img.dsc);
            }
        }
        /*And moved: the same pixels, shifted*/
        Canvas moved(140, 100);
        lv_area_t shifted = coords;
        lv_area_move(&shifted, -7, 5);
        lv_draw_img(moved.draw(), &dsc, &shifted, &img.dsc);
        lv_draw_mask_remove_id(id);

        for(int y = 0; y < 100; y++) {
            for(int x = 0; x < 140; x++) {
                ASSERT_EQ(tiles.rgb(x, y), whole.rgb(x, y)) << x << "," << y << " zoom " << cs.zoom;
                if(!cs.masked && x >= 7 && y + 5 < 100) {
                    ASSERT_EQ(moved.rgb(x - 7, y + 5), whole.rgb(x, y)) << x << "," << y << " zoom " << cs.zoom;
                }
            }
        }
    }
}

TEST_F(DrawImgTest, AnImageChangedInPlaceShowsItsNewPixels)
{
    struct Case {
        bool announce;      /*lv_img_cache_invalidate_src called*/
        bool whole_image;   /*every pixel changed, not one*/
    };
    const Case cases[] = {{true, false}, {true, true}, {false, true}};
    for(const Case & cs : cases) {
        TestImage img(40, 40, [](int x, int y) { return soft_disc(x, y, 40, 40); });
        lv_draw_img_dsc_t dsc = plain_img_dsc();
        dsc.zoom = 128;
        dsc.pivot = {20, 20};
        lv_area_t coords = {10, 10, 49, 49};
        Canvas first(60, 60);
        lv_draw_img(first.draw(), &dsc, &coords, &img.dsc);

        if(cs.whole_image) {
            for(auto & p : img.argb) p = (p & 0xFF000000u) | 0x00FF00u;
        }
        else {
            img.argb[20 * 40 + 20] = 0xFFFFFFFFu;
            img.argb[20 * 40 + 21] = 0xFFFFFFFFu;
        }
        if(cs.announce) lv_img_cache_invalidate_src(&img.dsc);
        Canvas again(60, 60);
        lv_draw_img(again.draw(), &dsc, &coords, &img.dsc);

        TestImage fresh(40, 40, [&](int x, int y) { return img.argb[(size_t)y * 40 + x]; });
        Canvas want(60, 60);
        lv_draw_img(want.draw(), &dsc, &coords, &fresh.dsc);
        for(int y = 0; y < 60; y++)
            for(int x = 0; x < 60; x++) ASSERT_EQ(again.rgb(x, y), want.rgb(x, y)) << x << "," << y;
    }
}

TEST_F(DrawImgTest, AnImageTooLargeToKeepReadyIsStillDrawnRight)
{
    /*Zoomed to 2x and turned, the picture would need far more than the cache may hold*/
    TestImage img(600, 600, [](int x, int y) { return soft_disc(x, y, 600, 600); });
    lv_draw_img_dsc_t dsc = plain_img_dsc();
    dsc.zoom = 512;
    dsc.angle = 450;
    dsc.pivot = {300, 300};
    lv_area_t coords = {-270, -270, 329, 329};
    Canvas c(60, 60);
    lv_draw_img(c.draw(), &dsc, &coords, &img.dsc);
    lv_area_t all = {0, 0, 59, 59};
    CoverageDiff d = compare_with_expected(c, all, img, coords, dsc);
    EXPECT_LE(d.max_err, 6);
    EXPECT_LT(d.mean_err, 0.5);
}

TEST_F(DrawImgTest, ReadyPicturesGiveTheirMemoryBackWhenThePoolRunsShort)
{
    TestImage img(400, 300, [](int x, int y) { return soft_disc(x, y, 400, 300); });
    lv_draw_img_dsc_t dsc = plain_img_dsc();
    dsc.zoom = 200;
    dsc.pivot = {200, 150};
    lv_area_t coords = {0, 0, 399, 299};
    Canvas c(400, 300);
    lv_draw_img(c.draw(), &dsc, &coords, &img.dsc);
    const size_t picture = (size_t)(400 * 200 / 256 + 3) * (300 * 200 / 256 + 3) * 5;

    lv_mem_monitor_t before;
    lv_mem_monitor(&before);
    std::vector<void *> blocks;
    size_t got = 0;
    const size_t chunk = 32 * 1024;
    for(void * p; (p = lv_mem_alloc(chunk)) != nullptr; got += chunk) blocks.push_back(p);
    for(void * p : blocks) lv_mem_free(p);
    EXPECT_GT(got, before.free_size + picture / 2) << "the picture's memory went to the allocations";

    /*Drawn again afterwards, the image looks the same*/
    Canvas again(400, 300);
    lv_draw_img(again.draw(), &dsc, &coords, &img.dsc);
    EXPECT_EQ(again.px.size(), c.px.size());
    for(size_t i = 0; i < c.px.size(); i++) ASSERT_EQ(again.px[i].full & 0xFFFFFFu, c.px[i].full & 0xFFFFFFu) << i;
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
