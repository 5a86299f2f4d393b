/**
 * @file lv_dropdown.h
 * A button showing the selected option; clicking it opens the options as a
 * list on the top layer.
 */

#ifndef LV_DROPDOWN_H
#define LV_DROPDOWN_H

#ifdef __cplusplus
extern "C" {
#endif

/*********************
 *      INCLUDES
 *********************/
#include "../core/lv_obj.h"

#if LV_USE_DROPDOWN != 0

/*********************
 *      DEFINES
 *********************/
#define LV_DROPDOWN_POS_LAST 0xFFFF
LV_EXPORT_CONST_INT(LV_DROPDOWN_POS_LAST);

/**********************
 *      TYPEDEFS
 **********************/

typedef struct {
    lv_obj_t obj;
    lv_obj_t * list;                /**< The list shown when open (lv_dropdownlist_class, on the top layer)*/
    const char * text;              /**< Fixed text shown instead of the selected option (NULL: the option)*/
    const void * symbol;            /**< Symbol (font glyph text) drawn at the side, NULL: none*/
    char * options;                 /**< The options, separated by '\n'*/
    uint16_t option_cnt;
    uint16_t sel_opt_id;            /**< Selected option (highlighted while the list is open)*/
    uint16_t sel_opt_id_orig;       /**< Selected option when the list was opened*/
    uint16_t pr_opt_id;             /**< Option being pressed in the list*/
    lv_dir_t dir              : 4;  /**< Where the list opens*/
    uint8_t static_txt        : 1;  /**< 1: options point to the caller's string*/
    uint8_t selected_highlight: 1;  /**< 1: highlight the selected option in the list*/
} lv_dropdown_t;

typedef struct {
    lv_obj_t obj;
    lv_obj_t * dropdown;
} lv_dropdown_list_t;

extern const lv_obj_class_t lv_dropdown_class;
extern const lv_obj_class_t lv_dropdownlist_class;

/**********************
 * GLOBAL PROTOTYPES
 **********************/

/**
 * Create a drop-down with the options "Option 1\nOption 2\nOption 3".
 * @param parent    the parent object
 * @return          the new drop-down
 */
lv_obj_t * lv_dropdown_create(lv_obj_t * parent);

/**
 * Show a fixed text instead of the selected option.
 * @param obj       a drop-down
 * @param txt       the text (kept by pointer: must stay valid), NULL: show the selected option
 */
void lv_dropdown_set_text(lv_obj_t * obj, const char * txt);

/**
 * Set the options from a copy of a '\n'-separated string. The selection is reset to the first option.
 */
void lv_dropdown_set_options(lv_obj_t * obj, const char * options);

/**
 * Set the options from a '\n'-separated string kept by pointer (must stay valid while used).
 */
void lv_dropdown_set_options_static(lv_obj_t * obj, const char * options);

/**
 * Insert an option.
 * @param pos       index of the new option; LV_DROPDOWN_POS_LAST appends
 */
void lv_dropdown_add_option(lv_obj_t * obj, const char * option, uint32_t pos);

/**
 * Remove every option.
 */
void lv_dropdown_clear_options(lv_obj_t * obj);

/**
 * Select an option; an index past the last option selects the last one. No event is sent.
 */
void lv_dropdown_set_selected(lv_obj_t * obj, uint16_t sel_opt);

/**
 * Set where the list opens: LV_DIR_BOTTOM (default), LV_DIR_TOP, LV_DIR_LEFT or LV_DIR_RIGHT.
 */
void lv_dropdown_set_dir(lv_obj_t * obj, lv_dir_t dir);

/**
 * Set the symbol drawn at the side (a font symbol such as LV_SYMBOL_DOWN), NULL: none.
 */
void lv_dropdown_set_symbol(lv_obj_t * obj, const void * symbol);

/**
 * Whether the selected option is highlighted in the open list.
 */
void lv_dropdown_set_selected_highlight(lv_obj_t * obj, bool en);

/**
 * The list object, to style it. It stays while the drop-down exists (hidden
 * while closed); if it was deleted, a new one is made.
 */
lv_obj_t * lv_dropdown_get_list(lv_obj_t * obj);

const char * lv_dropdown_get_text(lv_obj_t * obj);

/**
 * The options as one '\n'-separated string.
 */
const char * lv_dropdown_get_options(const lv_obj_t * obj);

uint16_t lv_dropdown_get_selected(const lv_obj_t * obj);

uint16_t lv_dropdown_get_option_cnt(const lv_obj_t * obj);

/**
 * Copy the selected option's text into buf.
 * @param buf       destination
 * @param buf_size  its size in bytes; the text is cut to fit and always terminated (0: no limit)
 */
void lv_dropdown_get_selected_str(const lv_obj_t * obj, char * buf, uint32_t buf_size);

/**
 * Index of an option by its text, -1 if there is none.
 */
int32_t lv_dropdown_get_option_index(lv_obj_t * obj, const char * option);

const char * lv_dropdown_get_symbol(lv_obj_t * obj);

bool lv_dropdown_get_selected_highlight(lv_obj_t * obj);

lv_dir_t lv_dropdown_get_dir(const lv_obj_t * obj);

/**
 * Open the list (sends LV_EVENT_READY to the drop-down).
 */
void lv_dropdown_open(lv_obj_t * dropdown_obj);

/**
 * Close the list (sends LV_EVENT_CANCEL to the drop-down).
 */
void lv_dropdown_close(lv_obj_t * obj);

bool lv_dropdown_is_open(lv_obj_t * obj);

#endif /*LV_USE_DROPDOWN*/

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_DROPDOWN_H*/
