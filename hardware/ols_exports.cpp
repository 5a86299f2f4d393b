#include "hardware/ols_exports.h"

const char* const OLS_EXPORT_NAMES[OLS_EXPORT_COUNT] = {
    "GetDllStatus",        "GetDllVersion",        "GetDriverVersion",     "GetDriverType",
    "InitializeOls",       "DeinitializeOls",      "IsCpuid",              "IsMsr",
    "IsTsc",               "Hlt",                  "Rdmsr",                "Wrmsr",
    "Rdpmc",               "Cpuid",                "Rdtsc",                "HltTx",
    "RdmsrTx",             "WrmsrTx",              "RdpmcTx",              "CpuidTx",
    "RdtscTx",             "HltPx",                "RdmsrPx",              "WrmsrPx",
    "RdpmcPx",             "CpuidPx",              "RdtscPx",              "ReadIoPortByte",
    "ReadIoPortWord",      "ReadIoPortDword",      "ReadIoPortByteEx",     "ReadIoPortWordEx",
    "ReadIoPortDwordEx",   "WriteIoPortByte",      "WriteIoPortWord",      "WriteIoPortDword",
    "WriteIoPortByteEx",   "WriteIoPortWordEx",    "WriteIoPortDwordEx",   "SetPciMaxBusIndex",
    "ReadPciConfigByte",   "ReadPciConfigWord",    "ReadPciConfigDword",   "ReadPciConfigByteEx",
    "ReadPciConfigWordEx", "ReadPciConfigDwordEx", "WritePciConfigByte",   "WritePciConfigWord",
    "WritePciConfigDword", "WritePciConfigByteEx", "WritePciConfigWordEx", "WritePciConfigDwordEx",
    "FindPciDeviceById",   "FindPciDeviceByClass",
};
