// The replaceable blend step: a host that takes over solid opaque fills and
// opaque image copies (as the window host hands them to GDI) must receive
// exactly those, with everything else left to lv_draw_sw_blend_basic, and
// the picture must come out the same.
#include "lvgl_fixture.h"

namespace {

struct BlendCall {
    lv_area_t area;
    bool image;
    bool masked;
    lv_opa_t opa;
    bool taken;     /*handled by the host, not by lv_draw_sw_blend_basic*/
};

std::vector<BlendCall> g_calls;

// The host's rule: opaque, unmasked, normal blends are its own (a fill or a
// copy from the source rows, whose stride is the unclipped area's width).
void host_blend(lv_draw_ctx_t * draw_ctx, const lv_draw_sw_blend_dsc_t * dsc)
{
    lv_area_t a;
    if(!_lv_area_intersect(&a, dsc->blend_area, draw_ctx->clip_area)) return;
    bool masked = dsc->mask_buf != nullptr;
    bool take = !masked && dsc->opa >= LV_OPA_MAX && dsc->blend_mode == LV_BLEND_MODE_NORMAL;
    g_calls.push_back({a, dsc->src_buf != nullptr, masked, dsc->opa, take});
    if(!take) {
        lv_draw_sw_blend_basic(draw_ctx, dsc);
        return;
    }
    lv_color_t * buf = static_cast<lv_color_t *>(draw_ctx->buf);
    int32_t stride = lv_area_get_width(draw_ctx->buf_area);
    int32_t src_stride = lv_area_get_width(dsc->blend_area);
    for(int32_t y = a.y1; y <= a.y2; y++) {
        for(int32_t x = a.x1; x <= a.x2; x++) {
            lv_color_t c = dsc->color;
            if(dsc->src_buf) {
                c = dsc->src_buf[(y - dsc->blend_area->y1) * src_stride + (x - dsc->blend_area->x1)];
            }
            c.ch.alpha = 0xFF;
            buf[y * stride + x] = c;
        }
    }
}

class DrawBlendTest : public LvglTest {
  protected:
    void SetUp() override
    {
        LvglTest::SetUp();
        g_calls.clear();
    }
};

std::vector<uint32_t> g_opaque_img(60 * 30);
std::vector<uint32_t> g_alpha_img(20 * 20);

// A flat dark panel: a screen background, a plain and a rounded panel with
// a border, a translucent overlay, a label, an opaque and a transparent image.
void draw_flat_ui(lv_draw_ctx_t * d)
{
    lv_draw_rect_dsc_t bg;
    lv_draw_rect_dsc_init(&bg);
    bg.bg_color = lv_color_hex(0x1A1A1A);
    lv_area_t screen = {0, 0, 199, 149};
    lv_draw_rect(d, &bg, &screen);

    lv_draw_rect_dsc_t panel;
    lv_draw_rect_dsc_init(&panel);
    panel.bg_color = lv_color_hex(0x2D2D2D);
    panel.radius = 10;
    panel.border_color = lv_color_hex(0x505050);
    panel.border_width = 2;
    lv_area_t p = {10, 10, 109, 79};
    lv_draw_rect(d, &panel, &p);

    lv_draw_rect_dsc_t overlay;
    lv_draw_rect_dsc_init(&overlay);
    overlay.bg_color = lv_color_hex(0x2196F3);
    overlay.bg_opa = LV_OPA_50;
    lv_area_t o = {120, 10, 189, 40};
    lv_draw_rect(d, &overlay, &o);

    lv_draw_label_dsc_t label;
    lv_draw_label_dsc_init(&label);
    label.color = lv_color_white();
    label.font = &lv_font_montserrat_14;
    lv_area_t l = {20, 30, 100, 50};
    lv_draw_label(d, &label, &l, "Fan 42%", nullptr);

    for(size_t i = 0; i < g_opaque_img.size(); i++) g_opaque_img[i] = 0xFF000000u | (uint32_t)(i * 2654435761u >> 8);
    lv_img_dsc_t img = {};
    img.header.cf = LV_IMG_CF_TRUE_COLOR_ALPHA;
    img.header.w = 60;
    img.header.h = 30;
    img.data_size = (uint32_t)g_opaque_img.size() * 4;
    img.data = reinterpret_cast<const uint8_t *>(g_opaque_img.data());
    lv_draw_img_dsc_t img_dsc;
    lv_draw_img_dsc_init(&img_dsc);
    lv_area_t ia = {120, 100, 179, 129};
    lv_draw_img(d, &img_dsc, &ia, &img);

    for(size_t i = 0; i < g_alpha_img.size(); i++) g_alpha_img[i] = (uint32_t)(i * 13 % 256) << 24 | 0x00FF8800u;
    lv_img_dsc_t aimg = img;
    aimg.header.w = 20;
    aimg.header.h = 20;
    aimg.data_size = (uint32_t)g_alpha_img.size() * 4;
    aimg.data = reinterpret_cast<const uint8_t *>(g_alpha_img.data());
    lv_area_t aa = {150, 50, 169, 69};
    lv_draw_img(d, &img_dsc, &aa, &aimg);
}

bool has_call(const lv_area_t & a, bool image, bool taken)
{
    for(const auto & c : g_calls) {
        if(_lv_area_is_equal(&c.area, &a) && c.image == image && c.taken == taken) return true;
    }
    return false;
}

TEST_F(DrawBlendTest, ReplacedBlendGetsOpaqueFillsAndCopiesAndTheRestGoesToBasic)
{
    Canvas reference(200, 150);
    draw_flat_ui(reference.draw());

    Canvas hosted(200, 150);
    hosted.ctx.blend = host_blend;
    draw_flat_ui(hosted.draw());

    ASSERT_EQ(reference.px.size(), hosted.px.size());
    for(size_t i = 0; i < reference.px.size(); i++) {
        ASSERT_EQ(reference.px[i].full, hosted.px[i].full) << "pixel " << i % 200 << "," << i / 200;
    }

    /*The screen, the panel's middle rows and its straight border stretches are plain fills*/
    EXPECT_TRUE(has_call({0, 0, 199, 149}, false, true));
    EXPECT_TRUE(has_call({10, 20, 109, 69}, false, true)) << "rows between the corners in one fill";
    EXPECT_TRUE(has_call({10, 20, 11, 69}, false, true)) << "left border stretch";
    EXPECT_TRUE(has_call({20, 10, 99, 11}, false, true)) << "top border stretch";
    /*The opaque image arrives as one unmasked copy*/
    EXPECT_TRUE(has_call({120, 100, 179, 129}, true, true));

    int masked = 0, translucent = 0, taken = 0;
    for(const auto & c : g_calls) {
        if(c.taken) {
            taken++;
            EXPECT_FALSE(c.masked);
            EXPECT_GE(c.opa, LV_OPA_MAX);
        }
        else {
            if(c.masked) masked++;
            else translucent++;
        }
    }
    EXPECT_GE(taken, 5);
    EXPECT_GE(masked, 10) << "corners, glyphs and the transparent image are masked";
    EXPECT_GE(translucent, 1) << "the half-transparent overlay";
}

// The default blend mixes each pixel by its mask value times the overall
// opacity: above LV_OPA_MAX the source replaces the pixel, below LV_OPA_MIN
// it is left alone.
uint8_t expected_channel(uint8_t fg, uint8_t bg, lv_opa_t m, lv_opa_t opa)
{
    uint32_t w = opa >= LV_OPA_MAX ? m : (m * opa * 0x8081u) >> 23;
    if(w >= LV_OPA_MAX) return fg;
    if(w <= LV_OPA_MIN) return bg;
    return (uint8_t)(((fg * w + bg * (255 - w)) * 0x8081u) >> 23);
}

TEST_F(DrawBlendTest, MaskedRowsGiveEveryPixelItsOwnMix)
{
    struct Case {
        bool image;
        lv_opa_t opa;
        int mask_x;     /*where the mask area starts left of the blend area*/
    };
    const Case cases[] = {{false, LV_OPA_COVER, 0}, {true, LV_OPA_COVER, 0}, {false, 180, 3}, {true, 180, 5},
        {true, LV_OPA_COVER, 7}
    };
    /*Long runs of 0 and 255 of odd lengths with soft steps between, as shapes give*/
    const int w = 77, h = 3;
    std::vector<lv_opa_t> mask((size_t)(w + 8) * h);
    for(size_t i = 0; i < mask.size(); i++) {
        size_t x = i % (size_t)(w + 8);
        mask[i] = x < 9 ? 0 : x < 11 ? 90 : x < 30 ? 255 : x < 31 ? 200 : x < 47 ? 0 : x < 60 ? 255 : (lv_opa_t)(x * 37);
    }
    std::vector<lv_color_t> src((size_t)w * h);
    for(size_t i = 0; i < src.size(); i++) src[i] = lv_color_make((uint8_t)(i * 7), (uint8_t)(i * 3), 200);

    for(const Case & cs : cases) {
        Canvas c(w + 10, h + 2, 0x4080C0);
        lv_area_t area = {5, 1, (lv_coord_t)(5 + w - 1), (lv_coord_t)h};
        lv_area_t mask_area = {(lv_coord_t)(5 - cs.mask_x), 1, (lv_coord_t)(5 - cs.mask_x + w + 7), (lv_coord_t)h};
        lv_draw_sw_blend_dsc_t dsc = {};
        dsc.blend_area = &area;
        dsc.src_buf = cs.image ? src.data() : nullptr;
        dsc.color = lv_color_hex(0xF0E010);
        dsc.mask_buf = mask.data();
        dsc.mask_area = &mask_area;
        dsc.mask_res = LV_DRAW_MASK_RES_CHANGED;
        dsc.opa = cs.opa;
        lv_draw_sw_blend(c.draw(), &dsc);
        for(int y = 0; y < h; y++) {
            for(int x = 0; x < w; x++) {
                lv_opa_t m = mask[(size_t)y * (w + 8) + (size_t)(x + cs.mask_x)];
                lv_color_t fg = cs.image ? src[(size_t)y * w + x] : dsc.color;
                ASSERT_EQ(c.red(5 + x, 1 + y), expected_channel(fg.ch.red, 0x40, m, cs.opa)) << x << "," << y;
                ASSERT_EQ(c.green(5 + x, 1 + y), expected_channel(fg.ch.green, 0x80, m, cs.opa)) << x << "," << y;
                ASSERT_EQ(c.blue(5 + x, 1 + y), expected_channel(fg.ch.blue, 0xC0, m, cs.opa)) << x << "," << y;
            }
        }
    }
}

TEST_F(DrawBlendTest, NothingReachesTheHookOutsideTheClipArea)
{
    Canvas c(100, 100);
    c.ctx.blend = host_blend;
    lv_area_set(&c.clip, 0, 0, 49, 49);
    lv_draw_rect_dsc_t dsc;
    lv_draw_rect_dsc_init(&dsc);
    lv_area_t a = {60, 60, 90, 90};
    lv_draw_rect(c.draw(), &dsc, &a);
    EXPECT_TRUE(g_calls.empty());
}

TEST_F(DrawBlendTest, InvisibleBlendsAreDroppedBeforeTheHook)
{
    Canvas c(20, 20);
    c.ctx.blend = host_blend;
    lv_area_t a = {0, 0, 9, 9};
    lv_draw_sw_blend_dsc_t dsc = {};
    dsc.blend_area = &a;
    dsc.opa = 1;    /*below LV_OPA_MIN*/
    lv_draw_sw_blend(c.draw(), &dsc);
    lv_opa_t mask[100] = {};
    dsc.opa = LV_OPA_COVER;
    dsc.mask_buf = mask;
    dsc.mask_area = &a;
    dsc.mask_res = LV_DRAW_MASK_RES_TRANSP;
    lv_draw_sw_blend(c.draw(), &dsc);
    EXPECT_TRUE(g_calls.empty());
}

}  // namespace
