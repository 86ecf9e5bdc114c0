#pragma once
// The emulated audio configuration library's extra entry points, for tests and the demo's
// own checks. They sit beside the ordinary entry points in the same file, so a test loads
// what the program loads and reads back what the host wrote.

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

// Copies the log of property writes since the last reset, one line per write:
//   "<playback|capture> <name> <int> <float> <second0> <second1> <second2>\n"
// (the value buffer's first four bytes as an integer and as a float; the second buffer's
// first three integers). At most `capacity` - 1 bytes and a terminator; returns the log's
// whole length.
typedef int32_t (*EmulatedConfLibWritesFn)(char* out, int32_t capacity);
// Factory properties, an empty log, no faults.
typedef void (*EmulatedConfLibResetFn)(void);
// The next read (`set` 0) or write (`set` 1) of property `name` on either device fails.
typedef void (*EmulatedConfLibFailNextFn)(const char* name, int32_t set);
// ConfLibInit answers `result` from now on.
typedef void (*EmulatedConfLibSetInitResultFn)(int32_t result);
// The bytes a read of `name` on the device of `type` returns: `length` bytes, the rest of the
// buffer zero (1024 bytes leave no terminator).
typedef void (*EmulatedConfLibSetRawFn)(int32_t type, const char* name, const void* bytes,
                                        int32_t length);

#define EMULATED_CONF_LIB_WRITES "EmulatedConfLibWrites"
#define EMULATED_CONF_LIB_RESET "EmulatedConfLibReset"
#define EMULATED_CONF_LIB_FAIL_NEXT "EmulatedConfLibFailNext"
#define EMULATED_CONF_LIB_SET_INIT_RESULT "EmulatedConfLibSetInitResult"
#define EMULATED_CONF_LIB_SET_RAW "EmulatedConfLibSetRaw"

#ifdef __cplusplus
}
#endif
