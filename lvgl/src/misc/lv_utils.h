/**
 * @file lv_utils.h
 */
#ifndef LV_UTILS_H
#define LV_UTILS_H

#ifdef __cplusplus
extern "C" {
#endif

#include <stdint.h>
#include <stddef.h>

/**
 * Binary search in a sorted array.
 * @param cmp returns <0, 0, >0 like strcmp for (key, element)
 * @return the matching element or NULL
 */
void * _lv_utils_bsearch(const void * key, const void * base, uint32_t n, uint32_t size,
                         int32_t (*cmp)(const void * pRef, const void * pElement));

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_UTILS_H*/
