# Sourced after e2e-lib.sh by the tests of the limiter and the lighting:
# the simulated RTSS and the EC's write log, and a text line's ink on the
# screen. (Waits go through e2e_until, the tray through e2e_tray_choose.)

# The simulated RTSS (sim/rtsssim.exe): the saved global limit ("none" when
# never written), and the limits set through the hooks, in order.
rtss() { wine "$E2E_BIN/rtsssim.exe" "$@" 2>/dev/null | tr -d '\r'; }
rtss_limit_is() { [ "$(rtss limit)" = "$1" ]; }
rtss_sets() { rtss log | awk '/^SetProfileProperty FramerateLimit / { printf "%s ", $3 }'; }
rtss_set_count() { rtss log | grep -c '^SetProfileProperty FramerateLimit '; }
rtss_sets_more_than() { [ "$(rtss_set_count)" -gt "$1" ]; }
rtss_running() { [ "$(rtss running)" = running ]; }

# The simulated EC's last register writes through the ports, oldest first,
# as "B3=AA", and how many writes it has taken in all.
ec_log() {
  wine "$E2E_BIN/ecsim.exe" log 2>/dev/null | tr -d '\r' |
    awk '{ gsub(/[()]/, "", $4); print substr($1, 3) "=" substr($4, 3) }'
}
ec_writes() { wine "$E2E_BIN/ecsim.exe" stats 2>/dev/null | tr -d '\r' | awk '$1 == "writes" { print $2 }'; }
ec_writes_more_than() { [ "$(ec_writes)" -gt "$1" ]; }
ec_is() { [ "$(e2e_ec "$1")" = "$2" ]; }  # REGISTER DECIMAL-VALUE

# The last N writes of the EC log on one line.
ec_last() { ec_log | tail -n "$1" | tr '\n' ' ' | sed 's/ $//'; }
# The last write to one register ("B3") in the log, as "B3=00".
ec_last_to() { ec_log | grep "^$1=" | tail -n 1; }
# Whether the log ends with these writes ("B3=55 B0=7F ...").
ec_log_ends_with() { [ "$(ec_last "$(echo "$1" | wc -w)")" = "$1" ]; }

reg_is() { [ "$(e2e_reg 'HKLM\SOFTWARE\ZEV\TMX' "$1")" = "$2" ]; }
panel_reg() { e2e_reg 'HKLM\SOFTWARE\ZEV\TMX' "$1"; }

# ink_width X Y W H: the width of what is drawn in that part of the screen
# on a plain background (the colour of its corners); 0 when it is empty.
ink_width() {
  import -window root -crop "${3}x${4}+${1}+${2}" +repage -depth 8 png:- 2>/dev/null |
    convert - -fuzz 8% -trim -format '%[fx:w]' info: 2>/dev/null |
    awk '{ print ($1 > 1 ? $1 : 0) }'
}

pixel_is_not() { ! e2e_pixel_is "$1" "$2" "$3"; }
