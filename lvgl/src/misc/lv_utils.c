/**
 * @file lv_utils.c
 */
#include "lv_utils.h"

void * _lv_utils_bsearch(const void * key, const void * base, uint32_t n, uint32_t size,
                         int32_t (*cmp)(const void * pRef, const void * pElement))
{
    const char * lo = base;
    uint32_t count = n;
    while(count > 0) {
        uint32_t half = count / 2;
        const char * mid = lo + half * size;
        int32_t c = cmp(key, mid);
        if(c == 0) return (void *)mid;
        if(c > 0) {
            lo = mid + size;
            count -= half + 1;
        }
        else {
            count = half;
        }
    }
    return NULL;
}
