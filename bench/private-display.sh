# Sourced by the bench scripts: starts Xvfb on the first free display from 130 up (1280x900, or
# the size given), waits for its socket and exports DISPLAY. Sets xvfb_pid for the caller to kill.
start_private_display() {
    local display
    for display in $(seq 130 160); do
        [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ] || break
    done
    Xvfb ":$display" -screen 0 "${1:-1280x900}x24" -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do
        [ -e "/tmp/.X11-unix/X$display" ] && break
        sleep 0.1
    done
    export DISPLAY=":$display"
}
