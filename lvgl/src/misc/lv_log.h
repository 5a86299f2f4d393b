/**
 * @file lv_log.h
 * Logging is compiled out (LV_USE_LOG 0): the library never prints. The
 * macros stay so code written against upstream keeps compiling.
 */
#ifndef LV_LOG_H
#define LV_LOG_H

#ifdef __cplusplus
extern "C" {
#endif

#include "../lv_conf_internal.h"

#define LV_LOG_LEVEL_TRACE 0
#define LV_LOG_LEVEL_INFO  1
#define LV_LOG_LEVEL_WARN  2
#define LV_LOG_LEVEL_ERROR 3
#define LV_LOG_LEVEL_USER  4
#define LV_LOG_LEVEL_NONE  5

#define LV_LOG_TRACE(...) do {} while(0)
#define LV_LOG_INFO(...)  do {} while(0)
#define LV_LOG_WARN(...)  do {} while(0)
#define LV_LOG_ERROR(...) do {} while(0)
#define LV_LOG_USER(...)  do {} while(0)
#define LV_LOG(...)       do {} while(0)

#ifdef __cplusplus
} /*extern "C"*/
#endif

#endif /*LV_LOG_H*/
