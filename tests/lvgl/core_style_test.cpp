// Style resolution: by part and state with upstream's precedence, local
// versus added styles, inheritance of text properties, theme looks.
#include "test_display.h"

namespace {

class StyleTest : public DisplayTest {};

uint32_t rgb(lv_color_t c)
{
    return lv_color_to32(c) & 0xFFFFFF;
}

// The value seen in each state combination, given styles for several states.
TEST_F(StyleTest, the_best_matching_state_wins)
{
    lv_obj_t * obj = lv_obj_create(lv_scr_act());
    lv_obj_remove_style_all(obj);
    lv_obj_set_style_bg_color(obj, lv_color_hex(0x000001), LV_STATE_DEFAULT);
    lv_obj_set_style_bg_color(obj, lv_color_hex(0x000002), LV_STATE_CHECKED);
    lv_obj_set_style_bg_color(obj, lv_color_hex(0x000003), LV_STATE_FOCUSED);
    lv_obj_set_style_bg_color(obj, lv_color_hex(0x000004), LV_STATE_PRESSED);
    lv_obj_set_style_bg_color(obj, lv_color_hex(0x000005), LV_STATE_PRESSED | LV_STATE_CHECKED);
    lv_obj_set_style_bg_color(obj, lv_color_hex(0x000006), LV_STATE_DISABLED);

    struct Case {
        lv_state_t state;
        uint32_t expected;
    };
    const Case cases[] = {
        {LV_STATE_DEFAULT, 1},
        {LV_STATE_CHECKED, 2},
        {LV_STATE_FOCUSED, 3},
        {LV_STATE_FOCUSED | LV_STATE_CHECKED, 3},     // higher state value wins
        {LV_STATE_PRESSED | LV_STATE_FOCUSED, 4},
        {LV_STATE_PRESSED | LV_STATE_CHECKED, 5},     // the exact combination
        {LV_STATE_PRESSED | LV_STATE_CHECKED | LV_STATE_FOCUSED, 5},
        {LV_STATE_DISABLED | LV_STATE_PRESSED, 6},
        {LV_STATE_EDITED, 1},                         // no style for it: default
    };
    for(const Case & c : cases) {
        SCOPED_TRACE(testing::Message() << "state 0x" << std::hex << c.state);
        lv_obj_clear_state(obj, LV_STATE_ANY);
        lv_obj_add_state(obj, c.state);
        EXPECT_EQ(rgb(lv_obj_get_style_bg_color(obj, LV_PART_MAIN)), c.expected);
    }
    // Another part is resolved separately and falls back to the default
    EXPECT_EQ(lv_obj_get_style_bg_opa(obj, LV_PART_SCROLLBAR), LV_OPA_TRANSP);
}

// Local properties beat added styles; later added styles beat earlier ones;
// removing a style brings back what is below it.
TEST_F(StyleTest, local_properties_and_added_styles_priority)
{
    static lv_style_t first;
    static lv_style_t second;
    lv_style_init(&first);
    lv_style_init(&second);
    lv_style_set_radius(&first, 3);
    lv_style_set_radius(&second, 7);
    lv_style_set_border_width(&first, 2);

    lv_obj_t * obj = lv_obj_create(lv_scr_act());
    lv_obj_remove_style_all(obj);
    lv_obj_add_style(obj, &first, 0);
    lv_obj_add_style(obj, &second, 0);
    EXPECT_EQ(lv_obj_get_style_radius(obj, 0), 7);
    EXPECT_EQ(lv_obj_get_style_border_width(obj, 0), 2);

    lv_obj_set_style_radius(obj, 11, 0);
    EXPECT_EQ(lv_obj_get_style_radius(obj, 0), 11);
    EXPECT_TRUE(lv_obj_remove_local_style_prop(obj, LV_STYLE_RADIUS, 0));
    EXPECT_EQ(lv_obj_get_style_radius(obj, 0), 7);

    lv_obj_remove_style(obj, &second, 0);
    EXPECT_EQ(lv_obj_get_style_radius(obj, 0), 3);
    lv_obj_remove_style_all(obj);
    EXPECT_EQ(lv_obj_get_style_radius(obj, 0), 0);
    lv_style_reset(&first);
    lv_style_reset(&second);
}

// Text properties come from the nearest ancestor that sets them; other
// properties are never inherited.
TEST_F(StyleTest, text_properties_are_inherited_from_the_parent)
{
    lv_obj_t * parent = lv_obj_create(lv_scr_act());
    lv_obj_set_style_text_color(parent, lv_color_hex(0x123456), 0);
    lv_obj_set_style_text_font(parent, &lv_font_montserrat_20, 0);
    lv_obj_set_style_bg_color(parent, lv_color_hex(0x654321), 0);
    lv_obj_t * mid = lv_obj_create(parent);
    lv_obj_remove_style_all(mid);
    lv_obj_t * label = lv_label_create(mid);
    lv_label_set_text(label, "x");

    EXPECT_EQ(rgb(lv_obj_get_style_text_color(label, 0)), 0x123456u);
    EXPECT_EQ(lv_obj_get_style_text_font(label, 0), &lv_font_montserrat_20);
    EXPECT_NE(rgb(lv_obj_get_style_bg_color(label, 0)), 0x654321u);
    EXPECT_EQ(lv_obj_get_height(label), lv_font_get_line_height(&lv_font_montserrat_20));

    // Changing the parent's font re-measures the child
    lv_obj_set_style_text_font(parent, &lv_font_montserrat_28, 0);
    EXPECT_EQ(lv_obj_get_height(label), lv_font_get_line_height(&lv_font_montserrat_28));

    lv_obj_set_style_text_color(label, lv_color_hex(0xABCDEF), 0);
    EXPECT_EQ(rgb(lv_obj_get_style_text_color(label, 0)), 0xABCDEFu);
}

// The dark default theme, as the panel installs it: the colours of the
// screen, a panel and a button in its states, on the rendered pixels.
TEST_F(StyleTest, dark_theme_colours_of_screen_panel_and_button_states)
{
    lv_theme_t * th = lv_theme_default_init(display.disp, lv_palette_main(LV_PALETTE_RED),
                                            lv_palette_main(LV_PALETTE_BLUE_GREY), true, LV_FONT_DEFAULT);
    lv_disp_set_theme(display.disp, th);
    lv_obj_t * scr = lv_obj_create(nullptr);
    lv_scr_load(scr);
    EXPECT_EQ(rgb(lv_theme_get_color_primary(scr)), rgb(lv_palette_main(LV_PALETTE_RED)));

    lv_obj_t * panel = lv_obj_create(scr);
    lv_obj_set_pos(panel, 10, 10);
    lv_obj_set_size(panel, 100, 100);
    lv_obj_t * btn = lv_btn_create(scr);
    lv_obj_set_pos(btn, 200, 10);
    lv_obj_set_size(btn, 100, 60);
    display.advance(20);

    EXPECT_EQ(display.pixel_rgb(400, 300), 0x15171Au);               // screen
    EXPECT_EQ(display.pixel_rgb(60, 60), 0x282B30u);                 // panel (card)
    EXPECT_EQ(display.pixel_rgb(11, 60), 0x2F3237u);                 // panel border
    const uint32_t red = rgb(lv_palette_main(LV_PALETTE_RED));
    EXPECT_EQ(display.pixel_rgb(250, 40), red);                      // button

    lv_obj_add_state(btn, LV_STATE_PRESSED);
    display.advance(20);
    uint32_t pressed = display.pixel_rgb(250, 40);
    EXPECT_LT((pressed >> 16) & 0xFF, (red >> 16) & 0xFF);           // darker when pressed
    lv_obj_clear_state(btn, LV_STATE_PRESSED);

    lv_obj_add_state(btn, LV_STATE_FOCUSED | LV_STATE_FOCUS_KEY);
    display.advance(20);
    EXPECT_NE(display.pixel_rgb(197, 40), 0x15171Au);                // outline around it
    lv_obj_clear_state(btn, LV_STATE_FOCUSED | LV_STATE_FOCUS_KEY);
    display.advance(20);
    EXPECT_EQ(display.pixel_rgb(197, 40), 0x15171Au);

    lv_obj_add_state(btn, LV_STATE_DISABLED);
    display.advance(20);
    uint32_t disabled = display.pixel_rgb(250, 40);
    EXPECT_LT((disabled >> 16) & 0xFF, (red >> 16) & 0xFF);          // greyed
    EXPECT_GT(disabled & 0xFF, red & 0xFF);
}

}  // namespace

namespace {

class StyleRulesTest : public DisplayTest {
protected:
    lv_obj_t * bare(lv_obj_t * parent)
    {
        lv_obj_t * o = lv_obj_create(parent);
        lv_obj_remove_style_all(o);
        return o;
    }
};

// An inherited property missing on a part comes from the object's main
// part first, then from the ancestors; a non-inherited one never does.
TEST_F(StyleRulesTest, inherited_properties_fall_back_from_the_part_to_the_main_part_to_the_parent)
{
    lv_obj_t * parent = bare(lv_scr_act());
    lv_obj_t * child = bare(parent);
    lv_obj_set_style_text_color(parent, lv_color_hex(0x111111), 0);
    lv_obj_set_style_radius(parent, 9, 0);
    lv_obj_set_style_text_letter_space(parent, 4, LV_PART_ITEMS);

    EXPECT_EQ(rgb(lv_obj_get_style_text_color(child, LV_PART_ITEMS)), 0x111111u);   // from the parent
    lv_obj_set_style_text_color(child, lv_color_hex(0x222222), 0);
    EXPECT_EQ(rgb(lv_obj_get_style_text_color(child, LV_PART_ITEMS)), 0x222222u);   // own main part
    lv_obj_set_style_text_color(child, lv_color_hex(0x333333), LV_PART_ITEMS);
    EXPECT_EQ(rgb(lv_obj_get_style_text_color(child, LV_PART_ITEMS)), 0x333333u);   // the part itself
    EXPECT_EQ(lv_obj_get_style_radius(child, 0), 0);                                 // not inherited
    EXPECT_EQ(lv_obj_get_style_text_letter_space(child, LV_PART_ITEMS), 0);          // parents give their main part only
}

// Which entries a removal takes: any state or part with the ANY values, any
// style with NULL.
TEST_F(StyleRulesTest, removing_styles_by_style_part_and_state)
{
    static lv_style_t a, b;
    lv_style_init(&a);
    lv_style_init(&b);
    lv_style_set_radius(&a, 1);
    lv_style_set_radius(&b, 2);

    struct Case {
        const char * what;
        lv_style_t * style;
        lv_style_selector_t selector;
        int main_radius, pressed_radius, knob_radius;
    };
    const Case cases[] = {
        {"one style, one selector", &b, 0, 1, 2, 2},
        {"one style, any state", &b, LV_STATE_ANY, 1, 1, 2},
        {"one style everywhere", &b, LV_PART_ANY | LV_STATE_ANY, 1, 1, 1},
        {"every style of the knob", nullptr, LV_PART_KNOB | LV_STATE_ANY, 2, 2, 0},
        {"everything", nullptr, LV_PART_ANY | LV_STATE_ANY, 0, 0, 0},
    };
    for(const Case & c : cases) {
        lv_obj_t * obj = bare(lv_scr_act());
        lv_obj_add_style(obj, &a, 0);
        lv_obj_add_style(obj, &b, 0);
        lv_obj_add_style(obj, &b, LV_STATE_PRESSED);
        lv_obj_add_style(obj, &a, LV_PART_KNOB);
        lv_obj_add_style(obj, &b, LV_PART_KNOB);
        lv_obj_remove_style(obj, c.style, c.selector);
        EXPECT_EQ(lv_obj_get_style_radius(obj, 0), c.main_radius) << c.what;
        lv_obj_add_state(obj, LV_STATE_PRESSED);
        EXPECT_EQ(lv_obj_get_style_radius(obj, 0), c.pressed_radius) << c.what;
        EXPECT_EQ(lv_obj_get_style_radius(obj, LV_PART_KNOB), c.knob_radius) << c.what;
        lv_obj_del(obj);
    }
    lv_style_reset(&a);
    lv_style_reset(&b);
}

// A shared style changed after it was attached takes effect once reported,
// sizes included.
TEST_F(StyleRulesTest, a_reported_change_of_a_shared_style_reaches_its_users)
{
    static lv_style_t shared;
    lv_style_init(&shared);
    lv_style_set_width(&shared, 40);
    lv_obj_t * user = bare(lv_scr_act());
    lv_obj_t * other = bare(lv_scr_act());
    lv_obj_set_width(other, 10);
    lv_obj_add_style(user, &shared, 0);
    EXPECT_EQ(lv_obj_get_width(user), 40);

    lv_style_set_width(&shared, 90);
    lv_obj_report_style_change(&shared);
    EXPECT_EQ(lv_obj_get_width(user), 90);
    EXPECT_EQ(lv_obj_get_width(other), 10);
    lv_obj_remove_style_all(user);
    lv_style_reset(&shared);
}

TEST_F(StyleRulesTest, local_properties_can_be_read_back_and_removed_per_selector)
{
    lv_obj_t * obj = bare(lv_scr_act());
    lv_obj_set_style_pad_all(obj, 7, LV_STATE_CHECKED);
    lv_style_value_t v;
    EXPECT_EQ(lv_obj_get_local_style_prop(obj, LV_STYLE_PAD_LEFT, &v, LV_STATE_CHECKED), LV_STYLE_RES_FOUND);
    EXPECT_EQ(v.num, 7);
    EXPECT_EQ(lv_obj_get_local_style_prop(obj, LV_STYLE_PAD_LEFT, &v, 0), LV_STYLE_RES_NOT_FOUND);
    EXPECT_FALSE(lv_obj_remove_local_style_prop(obj, LV_STYLE_PAD_LEFT, 0));
    EXPECT_TRUE(lv_obj_remove_local_style_prop(obj, LV_STYLE_PAD_LEFT, LV_STATE_CHECKED));
    EXPECT_FALSE(lv_obj_remove_local_style_prop(obj, LV_STYLE_PAD_LEFT, LV_STATE_CHECKED));
    lv_obj_add_state(obj, LV_STATE_CHECKED);
    EXPECT_EQ(lv_obj_get_style_pad_left(obj, 0), 0);
    EXPECT_EQ(lv_obj_get_style_pad_right(obj, 0), 7);
    EXPECT_EQ(lv_obj_get_style_pad_bottom(obj, 0), 7);
}

// The opacity of a part is multiplied by its object's and every ancestor's.
TEST_F(StyleRulesTest, opacity_multiplies_down_the_tree)
{
    struct Case {
        lv_opa_t grand, parent, own, part;
        lv_opa_t want;
    };
    const Case cases[] = {
        {255, 255, 255, 255, 255},
        {255, 128, 255, 255, 128},
        {128, 128, 255, 255, 64},
        {255, 255, 128, 128, 64},
        {255, 0, 255, 255, 0},
        {254, 255, 255, 255, 255},   // near-opaque snaps to opaque
    };
    for(const Case & c : cases) {
        lv_obj_t * grand = bare(lv_scr_act());
        lv_obj_t * parent = bare(grand);
        lv_obj_t * obj = bare(parent);
        lv_obj_set_style_opa(grand, c.grand, 0);
        lv_obj_set_style_opa(parent, c.parent, 0);
        lv_obj_set_style_opa(obj, c.own, 0);
        lv_obj_set_style_opa(obj, c.part, LV_PART_INDICATOR);
        EXPECT_NEAR(lv_obj_get_style_opa_recursive(obj, LV_PART_INDICATOR), c.want, 1)
                << int(c.grand) << " " << int(c.parent) << " " << int(c.own) << " " << int(c.part);
        lv_obj_del(grand);
    }
}

TEST_F(StyleRulesTest, fading_in_ends_opaque_and_hands_the_opacity_back_to_the_styles)
{
    lv_obj_t * obj = bare(lv_scr_act());
    lv_obj_fade_in(obj, 100, 0);
    display.advance(5);
    EXPECT_LT(lv_obj_get_style_opa(obj, 0), LV_OPA_50);
    display.advance(200);
    lv_style_value_t v;
    EXPECT_EQ(lv_obj_get_local_style_prop(obj, LV_STYLE_OPA, &v, 0), LV_STYLE_RES_NOT_FOUND);
    EXPECT_EQ(lv_obj_get_style_opa(obj, 0), LV_OPA_COVER);

    lv_obj_fade_out(obj, 100, 0);
    display.advance(200);
    EXPECT_EQ(lv_obj_get_style_opa(obj, 0), LV_OPA_TRANSP);
}

// The style list keeps at most 63 entries (its counter has six bits); more
// are refused instead of wrapping the counter and losing every style.
TEST_F(StyleRulesTest, an_object_keeps_at_most_63_styles)
{
    static lv_style_t many[70];
    lv_obj_t * obj = bare(lv_scr_act());
    for(int i = 0; i < 70; i++) {
        lv_style_init(&many[i]);
        lv_style_set_radius(&many[i], (lv_coord_t)(i + 1));
        lv_obj_add_style(obj, &many[i], 0);
    }
    EXPECT_EQ(obj->style_cnt, 63u);
    EXPECT_EQ(lv_obj_get_style_radius(obj, 0), 63);   // the newest one kept
    lv_obj_set_style_radius(obj, 99, 0);               // no room for a local style either
    EXPECT_EQ(lv_obj_get_style_radius(obj, 0), 63);
    lv_obj_remove_style_all(obj);
    EXPECT_EQ(obj->style_cnt, 0u);
    for(auto & s : many) lv_style_reset(&s);
}

}  // namespace
