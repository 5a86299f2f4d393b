/**
 * @file lv_list.c
 * A list is a plain scrolling object laid out as a flex column. Its rows are
 * labels (section texts) and buttons holding an optional icon and a label,
 * each spanning the list's content width; the looks come from the theme.
 */

/*********************
 *      INCLUDES
 *********************/
#include "lv_list.h"
#if LV_USE_LIST

#include "../../layouts/flex/lv_flex.h"
#include "../../../widgets/lv_img.h"

/**********************
 *  STATIC PROTOTYPES
 **********************/
static void list_construct(const lv_obj_class_t * class_p, lv_obj_t * list);
static lv_obj_t * add_row(const lv_obj_class_t * row_class, lv_obj_t * list);
static lv_obj_t * add_row_label(lv_obj_t * row, const char * txt);

/**********************
 *  STATIC VARIABLES
 **********************/
const lv_obj_class_t lv_list_class = {
    .constructor_cb = list_construct,
    .width_def = LV_DPI_DEF * 3 / 2,
    .height_def = 2 * LV_DPI_DEF,
    .base_class = &lv_obj_class
};

/* Rows are as wide as the list's content and as tall as their own content. */
const lv_obj_class_t lv_list_btn_class = {
    .width_def = LV_PCT(100),
    .height_def = LV_SIZE_CONTENT,
    .base_class = &lv_btn_class
};

const lv_obj_class_t lv_list_text_class = {
    .width_def = LV_PCT(100),
    .height_def = LV_SIZE_CONTENT,
    .base_class = &lv_label_class
};

/**********************
 *   GLOBAL FUNCTIONS
 **********************/

lv_obj_t * lv_list_create(lv_obj_t * parent)
{
    lv_obj_t * list = lv_obj_class_create_obj(&lv_list_class, parent);
    if(list != NULL) lv_obj_class_init_obj(list);
    return list;
}

lv_obj_t * lv_list_add_text(lv_obj_t * list, const char * txt)
{
    lv_obj_t * row = add_row(&lv_list_text_class, list);
    if(row == NULL) return NULL;

    /*A heading longer than the list scrolls round instead of wrapping into a second line*/
    lv_label_set_text(row, txt);
    lv_label_set_long_mode(row, LV_LABEL_LONG_SCROLL_CIRCULAR);
    return row;
}

lv_obj_t * lv_list_add_btn(lv_obj_t * list, const void * icon, const char * txt)
{
    lv_obj_t * row = add_row(&lv_list_btn_class, list);
    if(row == NULL) return NULL;

    /*Icon and text side by side; the text takes whatever width the icon leaves*/
    lv_obj_set_flex_flow(row, LV_FLEX_FLOW_ROW);
#if LV_USE_IMG
    if(icon != NULL) lv_img_set_src(lv_img_create(row), icon);
#else
    LV_UNUSED(icon);
#endif
    if(txt != NULL) add_row_label(row, txt);
    return row;
}

const char * lv_list_get_btn_text(lv_obj_t * list, lv_obj_t * btn)
{
    LV_UNUSED(list);
    uint32_t n = lv_obj_get_child_cnt(btn);
    for(uint32_t k = 0; k < n; k++) {
        lv_obj_t * part = lv_obj_get_child(btn, (int32_t)k);
        if(lv_obj_check_type(part, &lv_label_class)) return lv_label_get_text(part);
    }
    return "";
}

/**********************
 *   STATIC FUNCTIONS
 **********************/

static void list_construct(const lv_obj_class_t * class_p, lv_obj_t * list)
{
    LV_UNUSED(class_p);
    lv_obj_set_flex_flow(list, LV_FLEX_FLOW_COLUMN);
}

/* The row classes carry the full-width, content-high size as their defaults. */
static lv_obj_t * add_row(const lv_obj_class_t * row_class, lv_obj_t * list)
{
    lv_obj_t * row = lv_obj_class_create_obj(row_class, list);
    if(row != NULL) lv_obj_class_init_obj(row);
    return row;
}

static lv_obj_t * add_row_label(lv_obj_t * row, const char * txt)
{
    lv_obj_t * caption = lv_label_create(row);
    lv_label_set_text(caption, txt);
    lv_label_set_long_mode(caption, LV_LABEL_LONG_SCROLL_CIRCULAR);
    lv_obj_set_flex_grow(caption, 1);
    return caption;
}

#endif /*LV_USE_LIST*/
