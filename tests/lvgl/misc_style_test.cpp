// Styles: property storage, flags, defaults and constant styles.
#include "lvgl_fixture.h"

namespace {

class MiscStyleTest : public LvglTest {};

TEST_F(MiscStyleTest, SetGetOverwriteAndRemove)
{
    lv_style_t st;
    lv_style_init(&st);
    EXPECT_TRUE(lv_style_is_empty(&st));
    lv_style_set_bg_color(&st, lv_color_hex(0x112233));
    lv_style_set_radius(&st, 12);
    lv_style_set_text_font(&st, &lv_font_montserrat_20);
    lv_style_set_pad_all(&st, 7);
    lv_style_set_radius(&st, 14);   /*overwrite*/

    lv_style_value_t v;
    ASSERT_EQ(lv_style_get_prop(&st, LV_STYLE_BG_COLOR, &v), LV_STYLE_RES_FOUND);
    EXPECT_EQ(v.color.full, lv_color_hex(0x112233).full);
    ASSERT_EQ(lv_style_get_prop(&st, LV_STYLE_RADIUS, &v), LV_STYLE_RES_FOUND);
    EXPECT_EQ(v.num, 14);
    ASSERT_EQ(lv_style_get_prop(&st, LV_STYLE_TEXT_FONT, &v), LV_STYLE_RES_FOUND);
    EXPECT_EQ(v.ptr, &lv_font_montserrat_20);
    for(lv_style_prop_t p : {LV_STYLE_PAD_TOP, LV_STYLE_PAD_BOTTOM, LV_STYLE_PAD_LEFT, LV_STYLE_PAD_RIGHT}) {
        ASSERT_EQ(lv_style_get_prop(&st, p, &v), LV_STYLE_RES_FOUND);
        EXPECT_EQ(v.num, 7);
    }
    EXPECT_EQ(lv_style_get_prop(&st, LV_STYLE_BORDER_WIDTH, &v), LV_STYLE_RES_NOT_FOUND);

    EXPECT_TRUE(lv_style_remove_prop(&st, LV_STYLE_RADIUS));
    EXPECT_FALSE(lv_style_remove_prop(&st, LV_STYLE_RADIUS));
    EXPECT_EQ(lv_style_get_prop(&st, LV_STYLE_RADIUS, &v), LV_STYLE_RES_NOT_FOUND);
    EXPECT_EQ(lv_style_get_prop(&st, LV_STYLE_PAD_LEFT, &v), LV_STYLE_RES_FOUND);

    /*Down to one property and back*/
    for(lv_style_prop_t p : {LV_STYLE_PAD_TOP, LV_STYLE_PAD_BOTTOM, LV_STYLE_PAD_LEFT, LV_STYLE_PAD_RIGHT,
                             LV_STYLE_TEXT_FONT}) {
        EXPECT_TRUE(lv_style_remove_prop(&st, p));
    }
    ASSERT_EQ(lv_style_get_prop(&st, LV_STYLE_BG_COLOR, &v), LV_STYLE_RES_FOUND);
    EXPECT_EQ(v.color.full, lv_color_hex(0x112233).full);
    lv_style_reset(&st);
    EXPECT_TRUE(lv_style_is_empty(&st));
}

TEST_F(MiscStyleTest, InheritanceAndRefreshFlags)
{
    struct Case {
        lv_style_prop_t prop;
        bool inherit, layout, ext_draw;
    };
    const Case cases[] = {
        {LV_STYLE_TEXT_COLOR, true, false, false},  {LV_STYLE_TEXT_FONT, true, true, false},
        {LV_STYLE_TEXT_ALIGN, true, true, false},   {LV_STYLE_TEXT_OPA, true, false, false},
        {LV_STYLE_BASE_DIR, true, true, false},     {LV_STYLE_BG_COLOR, false, false, false},
        {LV_STYLE_WIDTH, false, true, false},       {LV_STYLE_PAD_TOP, false, true, true},
        {LV_STYLE_SHADOW_WIDTH, false, false, true}, {LV_STYLE_OUTLINE_WIDTH, false, false, true},
        {LV_STYLE_BORDER_WIDTH, false, true, false}, {LV_STYLE_RADIUS, false, false, false},
    };
    for(const Case & cs : cases) {
        EXPECT_EQ(lv_style_prop_has_flag(cs.prop, LV_STYLE_PROP_INHERIT), cs.inherit) << cs.prop;
        EXPECT_EQ(lv_style_prop_has_flag(cs.prop, LV_STYLE_PROP_LAYOUT_REFR), cs.layout) << cs.prop;
        EXPECT_EQ(lv_style_prop_has_flag(cs.prop, LV_STYLE_PROP_EXT_DRAW), cs.ext_draw) << cs.prop;
    }
    lv_style_prop_t custom = lv_style_register_prop(LV_STYLE_PROP_INHERIT);
    EXPECT_GT(custom, _LV_STYLE_LAST_BUILT_IN_PROP);
    EXPECT_TRUE(lv_style_prop_has_flag(custom, LV_STYLE_PROP_INHERIT));
}

TEST_F(MiscStyleTest, DefaultsAreTheDocumentedOnes)
{
    EXPECT_EQ(lv_style_prop_get_default(LV_STYLE_BG_COLOR).color.full, lv_color_white().full);
    EXPECT_EQ(lv_style_prop_get_default(LV_STYLE_TEXT_COLOR).color.full, lv_color_black().full);
    EXPECT_EQ(lv_style_prop_get_default(LV_STYLE_BG_OPA).num, LV_OPA_TRANSP);
    EXPECT_EQ(lv_style_prop_get_default(LV_STYLE_TEXT_OPA).num, LV_OPA_COVER);
    EXPECT_EQ(lv_style_prop_get_default(LV_STYLE_WIDTH).num, LV_SIZE_CONTENT);
    EXPECT_EQ(lv_style_prop_get_default(LV_STYLE_MAX_WIDTH).num, LV_COORD_MAX);
    EXPECT_EQ(lv_style_prop_get_default(LV_STYLE_TRANSFORM_ZOOM).num, LV_IMG_ZOOM_NONE);
    EXPECT_EQ(lv_style_prop_get_default(LV_STYLE_BORDER_SIDE).num, LV_BORDER_SIDE_FULL);
    EXPECT_EQ(lv_style_prop_get_default(LV_STYLE_TEXT_FONT).ptr, LV_FONT_DEFAULT);
}

TEST_F(MiscStyleTest, PointerPropertiesDefaultToAWholeNullPointer)
{
    /*A number default written into the 64-bit union must not leave the upper
     *half of the pointer undefined*/
    for(lv_style_prop_t p : {LV_STYLE_BG_GRAD, LV_STYLE_BG_IMG_SRC, LV_STYLE_COLOR_FILTER_DSC, LV_STYLE_ANIM,
                             LV_STYLE_TRANSITION, LV_STYLE_ARC_IMG_SRC}) {
        EXPECT_EQ(lv_style_prop_get_default(p).ptr, nullptr) << p;
    }
}

TEST_F(MiscStyleTest, PropertiesSurviveRemovalInAnyOrder)
{
    const lv_style_prop_t props[] = {LV_STYLE_RADIUS, LV_STYLE_PAD_TOP, LV_STYLE_BG_OPA, LV_STYLE_TEXT_LETTER_SPACE,
                                     LV_STYLE_BORDER_WIDTH, LV_STYLE_TRANSFORM_ANGLE
                                    };
    const int n = (int)(sizeof(props) / sizeof(props[0]));
    struct Case {
        std::vector<int> removal;   /*indexes into props, in order*/
    };
    const Case cases[] = {{{0, 1, 2, 3, 4, 5}}, {{5, 4, 3, 2, 1, 0}}, {{2, 0, 5, 1, 4, 3}}, {{3}}, {{1, 4}}};
    for(const Case & cs : cases) {
        lv_style_t st;
        lv_style_init(&st);
        for(int i = 0; i < n; i++) {
            lv_style_value_t v = {.num = 100 + i};
            lv_style_set_prop(&st, props[i], v);
        }
        std::vector<bool> gone((size_t)n, false);
        for(int r : cs.removal) {
            EXPECT_TRUE(lv_style_remove_prop(&st, props[r]));
            gone[(size_t)r] = true;
            for(int i = 0; i < n; i++) {
                lv_style_value_t v;
                lv_style_res_t res = lv_style_get_prop(&st, props[i], &v);
                if(gone[(size_t)i]) {
                    EXPECT_EQ(res, LV_STYLE_RES_NOT_FOUND) << "prop " << props[i];
                }
                else {
                    ASSERT_EQ(res, LV_STYLE_RES_FOUND) << "prop " << props[i];
                    EXPECT_EQ(v.num, 100 + i);
                }
            }
        }
        lv_style_reset(&st);
    }
}

TEST_F(MiscStyleTest, AStyleHoldsAtMostTwoHundredFiftyFiveProperties)
{
    lv_style_t st;
    lv_style_init(&st);
    /*Ids past the built-in ones; lookups need no registration*/
    const lv_style_prop_t first = _LV_STYLE_LAST_BUILT_IN_PROP + 1;
    for(int i = 0; i < 300; i++) {
        lv_style_value_t v = {.num = i};
        lv_style_set_prop(&st, (lv_style_prop_t)(first + i), v);
    }
    EXPECT_EQ(st.prop_cnt, 255);
    lv_style_value_t v;
    ASSERT_EQ(lv_style_get_prop(&st, (lv_style_prop_t)(first + 254), &v), LV_STYLE_RES_FOUND);
    EXPECT_EQ(v.num, 254);
    EXPECT_EQ(lv_style_get_prop(&st, (lv_style_prop_t)(first + 255), &v), LV_STYLE_RES_NOT_FOUND);
    lv_style_reset(&st);
}

const lv_style_const_prop_t const_props[] = {
    {LV_STYLE_RADIUS, {5}},
    {LV_STYLE_BG_OPA, {LV_OPA_50}},
    LV_STYLE_CONST_PROPS_END,
};
LV_STYLE_CONST_INIT(const_style, const_props);

TEST_F(MiscStyleTest, ConstantStylesAreReadable)
{
    lv_style_value_t v;
    ASSERT_EQ(lv_style_get_prop(&const_style, LV_STYLE_BG_OPA, &v), LV_STYLE_RES_FOUND);
    EXPECT_EQ(v.num, LV_OPA_50);
    EXPECT_EQ(lv_style_get_prop(&const_style, LV_STYLE_BG_COLOR, &v), LV_STYLE_RES_NOT_FOUND);
    EXPECT_FALSE(lv_style_is_empty(&const_style));
    /*Writing to one is refused, not carried out on its read-only array*/
    lv_style_t * writable = const_cast<lv_style_t *>(&const_style);
    lv_style_set_radius(writable, 9);
    EXPECT_FALSE(lv_style_remove_prop(writable, LV_STYLE_RADIUS));
    ASSERT_EQ(lv_style_get_prop(&const_style, LV_STYLE_RADIUS, &v), LV_STYLE_RES_FOUND);
    EXPECT_EQ(v.num, 5);
}

}  // namespace
