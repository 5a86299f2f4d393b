// The built-in controller, polled from the keypad read (toolkit thread, with
// key_queue_mutex held).
#pragma once

void gamepad_step();
