/**
 * @file lv_types.h
 * Basic types and helper macros shared by every module.
 */
#ifndef LV_TYPES_H
#define LV_TYPES_H

#ifdef __cplusplus
extern "C" {
#endif

/*********************
 *      INCLUDES
 *********************/
#include <stdint.h>
#include <stdbool.h>
#include <stddef.h>

/*********************
 *      DEFINES
 *********************/
#if defined(__GNUC__) && !defined(__clang__)
#define LV_FORMAT_ATTRIBUTE(fmtstr, vararg) __attribute__((format(gnu_printf, fmtstr, vararg)))
#elif defined(__GNUC__) || defined(__clang__)
#define LV_FORMAT_ATTRIBUTE(fmtstr, vararg) __attribute__((format(printf, fmtstr, vararg)))
#else
#define LV_FORMAT_ATTRIBUTE(fmtstr, vararg)
#endif

/** Silence "unused parameter" warnings. */
#define LV_UNUSED(x) ((void)x)

#define _LV_CONCAT(x, y) x ## y
#define LV_CONCAT(x, y) _LV_CONCAT(x, y)

#define _LV_CONCAT3(x, y, z) x ## y ## z
#define LV_CONCAT3(x, y, z) _LV_CONCAT3(x, y, z)

/**********************
 *      TYPEDEFS
 **********************/

/* Result of operations that may fail or delete their object. */
enum {
    LV_RES_INV = 0, /* failed, or the object was deleted meanwhile */
    LV_RES_OK,
};
typedef uint8_t lv_res_t;

typedef uintptr_t lv_uintptr_t;

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_TYPES_H*/
