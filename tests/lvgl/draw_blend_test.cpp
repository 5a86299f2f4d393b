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
