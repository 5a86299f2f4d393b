/**
 * @file lv_list.c
 * List: a flex column of full-width buttons and texts. Scrolling, row gaps
 * and paddings all come from the base object and the styles.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_list.h"
#if LV_USE_LIST

#include "../../layouts/flex/lv_flex.h"
#include "../../../widgets/lv_img.h"

/*********************
 *      DEFINES
 *********************/
#define MY_CLASS &lv_list_class
#define MY_CLASS_BTN &lv_list_btn_class
#define MY_CLASS_TEXT &lv_list_text_class

/**********************
 *  STATIC PROTOTYPES
 **********************/
static void lv_list_constructor(const lv_obj_class_t * class_p, lv_obj_t * obj);

/**********************
 *  STATIC VARIABLES
 **********************/
const lv_obj_class_t lv_list_class = {
    .base_class = &lv_obj_class,
    .constructor_cb = lv_list_constructor,
    .width_def = (LV_DPI_DEF * 3) / 2,
    .height_def = LV_DPI_DEF * 2
};

const lv_obj_class_t lv_list_btn_class = {
    .base_class = &lv_btn_class,
    .width_def = LV_PCT(100),
    .height_def = LV_SIZE_CONTENT,
};

const lv_obj_class_t lv_list_text_class = {
    .base_class = &lv_label_class,
    .width_def = LV_PCT(100),
    .height_def = LV_SIZE_CONTENT,
};

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

lv_obj_t * lv_list_create(lv_obj_t * parent)
{
    lv_obj_t * obj = lv_obj_class_create_obj(MY_CLASS, parent);
    if(obj == NULL) return NULL;
    lv_obj_class_init_obj(obj);
    return obj;
}

lv_obj_t * lv_list_add_text(lv_obj_t * list, const char * txt)
{
    lv_obj_t * obj = lv_obj_class_create_obj(MY_CLASS_TEXT, list);
    if(obj == NULL) return NULL;
    lv_obj_class_init_obj(obj);
    lv_label_set_text(obj, txt);
    lv_label_set_long_mode(obj, LV_LABEL_LONG_SCROLL_CIRCULAR);
    lv_obj_set_width(obj, LV_PCT(100));
    return obj;
}

lv_obj_t * lv_list_add_btn(lv_obj_t * list, const void * icon, const char * txt)
{
    lv_obj_t * obj = lv_obj_class_create_obj(MY_CLASS_BTN, list);
    if(obj == NULL) return NULL;
    lv_obj_class_init_obj(obj);
    lv_obj_set_size(obj, LV_PCT(100), LV_SIZE_CONTENT);
    lv_obj_set_flex_flow(obj, LV_FLEX_FLOW_ROW);

#if LV_USE_IMG == 1
    if(icon) {
        lv_obj_t * img = lv_img_create(obj);
        lv_img_set_src(img, icon);
    }
#else
    LV_UNUSED(icon);
#endif

    if(txt) {
        lv_obj_t * label = lv_label_create(obj);
        lv_label_set_text(label, txt);
        lv_label_set_long_mode(label, LV_LABEL_LONG_SCROLL_CIRCULAR);
        lv_obj_set_flex_grow(label, 1);
    }
    return obj;
}

const char * lv_list_get_btn_text(lv_obj_t * list, lv_obj_t * btn)
{
    LV_UNUSED(list);
    uint32_t i;
    for(i = 0; i < lv_obj_get_child_cnt(btn); i++) {
        lv_obj_t * child = lv_obj_get_child(btn, (int32_t)i);
        if(lv_obj_check_type(child, &lv_label_class)) return lv_label_get_text(child);
    }
    return "";
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

static void lv_list_constructor(const lv_obj_class_t * class_p, lv_obj_t * obj)
{
    LV_UNUSED(class_p);
    lv_obj_set_flex_flow(obj, LV_FLEX_FLOW_COLUMN);
}

#endif /*LV_USE_LIST*/
