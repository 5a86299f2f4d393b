// The program's one switch.
#pragma once

// True when one of the arguments after the program's own path is "-hide",
// in any letter case. Only a whole argument counts: the program's path, or an
// argument that merely contains the text, may well hold "-hide".
bool has_hide_switch(int argc, const wchar_t* const* argv);
