// Pointer and keypad input: the event sequences an object receives.
#include "test_display.h"

#include <string>

namespace {

using Codes = std::vector<lv_event_code_t>;

lv_obj_t * make_button(lv_coord_t x, lv_coord_t y)
{
    lv_obj_t * btn = lv_btn_create(lv_scr_act());
    lv_obj_set_pos(btn, x, y);
    lv_obj_set_size(btn, 100, 50);
    return btn;
}

class InputTest : public DisplayTest {};

// Press, move and release, in and out of a button: which events it gets.
TEST_F(InputTest, pointer_event_sequences_click_only_when_released_on_the_object)
{
    struct Case {
        const char * name;
        std::vector<lv_point_t> path;   // press at path[0], move along, release at the end
        Codes expected;
    };
    const Case cases[] = {
        {"press and release inside", {{50, 40}},
         {LV_EVENT_PRESSED, LV_EVENT_PRESSING, LV_EVENT_RELEASED, LV_EVENT_SHORT_CLICKED, LV_EVENT_CLICKED,
          LV_EVENT_FOCUSED}},
        {"slide out and release outside", {{50, 40}, {300, 250}},
         {LV_EVENT_PRESSED, LV_EVENT_PRESSING, LV_EVENT_PRESSING, LV_EVENT_PRESS_LOST, LV_EVENT_RELEASED}},
        {"slide out and back in", {{50, 40}, {300, 250}, {60, 45}},
         {LV_EVENT_PRESSED, LV_EVENT_PRESSING, LV_EVENT_PRESSING, LV_EVENT_PRESS_LOST, LV_EVENT_PRESSING,
          LV_EVENT_RELEASED, LV_EVENT_SHORT_CLICKED, LV_EVENT_CLICKED, LV_EVENT_FOCUSED}},
        {"press on another button, release on this one", {{300, 250}, {50, 40}}, {}},
    };
    for(const Case & c : cases) {
        SCOPED_TRACE(c.name);
        lv_obj_t * btn = make_button(20, 20);
        lv_obj_t * other = make_button(260, 230);
        EventLog log;
        log.attach(btn);
        display.press(c.path[0].x, c.path[0].y);
        for(size_t i = 1; i < c.path.size(); i++) display.move(c.path[i].x, c.path[i].y);
        display.release();
        Codes got = log.input_codes();
        // PRESSING repeats once per read: compare with repeats folded
        Codes folded;
        for(lv_event_code_t code : got) {
            if(code == LV_EVENT_PRESSING && !folded.empty() && folded.back() == LV_EVENT_PRESSING) continue;
            folded.push_back(code);
        }
        Codes expected_folded;
        for(lv_event_code_t code : c.expected) {
            if(code == LV_EVENT_PRESSING && !expected_folded.empty() && expected_folded.back() == LV_EVENT_PRESSING)
                continue;
            expected_folded.push_back(code);
        }
        EXPECT_EQ(folded, expected_folded);
        EXPECT_FALSE(lv_obj_has_state(btn, LV_STATE_PRESSED));
        lv_obj_del(btn);
        lv_obj_del(other);
    }
}

}  // namespace
