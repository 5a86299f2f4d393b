// The built-in controller, stepped from the keypad read (toolkit thread,
// without the key queue's lock; once per 10 ms while a controller is
// connected, once a second while none is).
#pragma once

// One read of controller 0 and the combinations it fires. Returns whether
// XInput found the controller connected.
bool gamepad_step();
