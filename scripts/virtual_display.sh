# SPDX-License-Identifier: MIT
# Sourced by the scripts and tests that need a real X display:
#   start_virtual_display WIDTHxHEIGHT SCRATCH_DIR
# starts Xvfb on a display number of its own, makes sure a client reaches it,
# and exports DISPLAY; VIRTUAL_DISPLAY_PID is the server's process, for the
# caller's trap. A number picked at random far above 0: on a machine where
# another X server (another job's, or a container's sharing the network
# namespace) holds the abstract socket of :0, a client would reach that server
# and be refused, though our own server started on :0 without a complaint.

# reachable DISPLAY: whether an X client can open the display.
virtual_display_reachable() {
    DISPLAY_TO_TRY=$1 python3 - <<'PY'
import ctypes, os, sys
xcb = ctypes.CDLL("libxcb.so.1")
xcb.xcb_connect.restype = ctypes.c_void_p
xcb.xcb_connect.argtypes = [ctypes.c_char_p, ctypes.c_void_p]
xcb.xcb_connection_has_error.argtypes = [ctypes.c_void_p]
xcb.xcb_disconnect.argtypes = [ctypes.c_void_p]
connection = xcb.xcb_connect(os.environ["DISPLAY_TO_TRY"].encode(), None)
failed = xcb.xcb_connection_has_error(connection)
xcb.xcb_disconnect(connection)
sys.exit(1 if failed else 0)
PY
}

start_virtual_display() {
    local size=$1 scratch=$2 number ready attempt
    for attempt in 1 2 3 4 5; do
        number=$((100 + RANDOM % 9000))
        [ -e "/tmp/.X$number-lock" ] && continue
        ready="$scratch/display-$attempt"
        Xvfb ":$number" -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$ready" >/dev/null 2>&1 &
        VIRTUAL_DISPLAY_PID=$!
        # Up to 20 s: on a busy machine a start can take a while.
        for _ in $(seq 200); do
            [ -s "$ready" ] && break
            kill -0 "$VIRTUAL_DISPLAY_PID" 2>/dev/null || break
            sleep 0.1
        done
        if [ -s "$ready" ] && virtual_display_reachable ":$number"; then
            export DISPLAY=":$number"
            return 0
        fi
        kill "$VIRTUAL_DISPLAY_PID" 2>/dev/null || true
        wait "$VIRTUAL_DISPLAY_PID" 2>/dev/null || true
    done
    echo "Xvfb did not give a display a client could open (5 tries)" >&2
    return 1
}
