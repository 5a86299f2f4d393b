// The program's version: shown on the settings screen, compared with the
// update server's, and written into the executable's version resource
// (shell/vexa.rc includes this file). Plain macros and an include guard
// because the resource compiler reads this file too.
#ifndef VEXA_PROGRAM_VERSION_H
#define VEXA_PROGRAM_VERSION_H

#define VEXA_VERSION_MAJOR 2
#define VEXA_VERSION_MINOR 0
#define VEXA_VERSION_BUILD 9
#define VEXA_VERSION_REVISION 0
// The same four numbers as text (the resource compiler cannot build it).
#define VEXA_VERSION_TEXT "2.0.9.0"

#endif
