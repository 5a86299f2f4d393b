/**
 * @file lv_group.h
 * Focus groups: the objects keypad input can reach, and which one has focus.
 */

#ifndef LV_GROUP_H
#define LV_GROUP_H

#ifdef __cplusplus
extern "C" {
#endif

/*********************
 *      INCLUDES
 *********************/
#include "../lv_conf_internal.h"

#include <stdint.h>
#include <stdbool.h>
#include "../misc/lv_ll.h"
#include "../misc/lv_types.h"

/*********************
 *      DEFINES
 *********************/
/*Key codes with a meaning of their own; any other code is a character*/
enum {
    LV_KEY_UP        = 17,  /*0x11*/
    LV_KEY_DOWN      = 18,  /*0x12*/
    LV_KEY_RIGHT     = 19,  /*0x13*/
    LV_KEY_LEFT      = 20,  /*0x14*/
    LV_KEY_ESC       = 27,  /*0x1B*/
    LV_KEY_DEL       = 127, /*0x7F*/
    LV_KEY_BACKSPACE = 8,   /*0x08*/
    LV_KEY_ENTER     = 10,  /*0x0A, '\n'*/
    LV_KEY_NEXT      = 9,   /*0x09, '\t'*/
    LV_KEY_PREV      = 11,  /*0x0B, '*/
    LV_KEY_HOME      = 2,   /*0x02, STX*/
    LV_KEY_END       = 3,   /*0x03, ETX*/
};
typedef uint8_t lv_key_t;

/**********************
 *      TYPEDEFS
 **********************/

struct _lv_obj_t;
struct _lv_group_t;

typedef void (*lv_group_focus_cb_t)(struct _lv_group_t *);
typedef void (*lv_group_edge_cb_t)(struct _lv_group_t *, bool);

/**
 * The objects a keypad or encoder moves the focus between, in the order they
 * were added. Layout on the screen is no concern of a group.
 */
typedef struct _lv_group_t {
    lv_ll_t obj_ll;                /**< members, as `lv_obj_t *` entries*/
    struct _lv_obj_t ** obj_focus; /**< the entry of the focused member, or NULL*/

    lv_group_focus_cb_t focus_cb;  /**< optional; called when another member gets the focus*/
    lv_group_edge_cb_t  edge_cb;   /**< optional; called when next/prev found nothing to move to
                                        (true: going forward), e.g. to give feedback*/

#if LV_USE_USER_DATA
    void * user_data;
#endif

    uint8_t frozen : 1;         /**< the focus stays where it is*/
    uint8_t editing : 1;        /**< keys go to the focused member rather than moving the focus*/
    uint8_t refocus_policy : 1; /**< where the focus goes when the focused member leaves (lv_group_refocus_policy_t)*/
    uint8_t wrap : 1;           /**< next/prev go round from the last member to the first and back*/
} lv_group_t;

typedef enum {
    LV_GROUP_REFOCUS_POLICY_NEXT = 0,
    LV_GROUP_REFOCUS_POLICY_PREV = 1
} lv_group_refocus_policy_t;

/**********************
 * GLOBAL PROTOTYPES
 **********************/

/** Set up the list of groups; called by lv_init.*/
void _lv_group_init(void);

/** Delete every group; called by lv_deinit.*/
void _lv_group_deinit(void);

/** @return a new empty group, or NULL when out of memory*/
lv_group_t * lv_group_create(void);

/** Delete a group: its members leave it and input devices stop using it.*/
void lv_group_del(lv_group_t * group);

/** New objects whose class asks for it join `group` (NULL: none).*/
void lv_group_set_default(lv_group_t * group);

/** @return the group new objects join, or NULL*/
lv_group_t * lv_group_get_default(void);

/** Append `obj` to `group`, taking it out of its previous group. The first member is focused at once.*/
void lv_group_add_obj(lv_group_t * group, struct _lv_obj_t * obj);

/** Exchange the places of two members of the same group; the focus stays with its object (no focus events).*/
void lv_group_swap_obj(struct _lv_obj_t * obj1, struct _lv_obj_t * obj2);

/**
 * Take `obj` out of its group. If it had the focus, the focus moves on as
 * the refocus policy says; with no other member able to take it, the group
 * is left without focus and `obj` gets DEFOCUSED.
 */
void lv_group_remove_obj(struct _lv_obj_t * obj);

/** Empty `group`, defocusing its focused member.*/
void lv_group_remove_all_objs(lv_group_t * group);

/** Give the focus to `obj` within its group (unless the group is frozen) and leave edit mode.*/
void lv_group_focus_obj(struct _lv_obj_t * obj);

/** Move the focus to the next member that is neither hidden nor disabled.*/
void lv_group_focus_next(lv_group_t * group);

/** Move the focus to the previous member that is neither hidden nor disabled.*/
void lv_group_focus_prev(lv_group_t * group);

/** `en`: keep the focus where it is until unfrozen.*/
void lv_group_focus_freeze(lv_group_t * group, bool en);

/**
 * Deliver a key to the focused member as LV_EVENT_KEY (not to a disabled one).
 * @param c         a character or an LV_KEY_... code
 * @return          LV_RES_INV if the member was deleted while handling it
 */
lv_res_t lv_group_send_data(lv_group_t * group, uint32_t c);

void lv_group_set_focus_cb(lv_group_t * group, lv_group_focus_cb_t focus_cb);
void lv_group_set_edge_cb(lv_group_t * group, lv_group_edge_cb_t edge_cb);
void lv_group_set_refocus_policy(lv_group_t * group, lv_group_refocus_policy_t policy);

/** Switch between edit mode (keys go to the member) and navigation (keys move the focus).*/
void lv_group_set_editing(lv_group_t * group, bool edit);

/** `en`: next/prev go round from the last member to the first and back.*/
void lv_group_set_wrap(lv_group_t * group, bool en);

/** @return the focused member, or NULL*/
struct _lv_obj_t * lv_group_get_focused(const lv_group_t * group);

lv_group_focus_cb_t lv_group_get_focus_cb(const lv_group_t * group);
lv_group_edge_cb_t lv_group_get_edge_cb(const lv_group_t * group);
bool lv_group_get_editing(const lv_group_t * group);
bool lv_group_get_wrap(lv_group_t * group);

/** @return how many members `group` has*/
uint32_t lv_group_get_obj_count(lv_group_t * group);

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_GROUP_H*/
