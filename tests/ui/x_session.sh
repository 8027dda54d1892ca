# Sourced by the scripts that drive a real window: a private Xvfb that
# counts the bells it rings, and the program (the command in `launch`)
# started on it, driven with xdotool and read through the X clipboard.
# Everything started here ends with the script.
work=$(mktemp -d)
patience=${TALLIX_PATIENCE:-1} # every wait's limit times this: an emulated guest runs far slower
xvfb_pid= bell_pid= app_pid=
after_stop() { :; } # a front end may end more than its process (Wine's server)
ready() { :; }      # a runner may wait for more than the window: its display reading 0
cleanup() {
    [ -n "$app_pid" ] && stop_app
    [ -n "$bell_pid" ] && kill "$bell_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq $((100 * patience))); do [ -s "$work/display" ] && break || sleep 0.1; done
[ -s "$work/display" ] || { echo "FAIL: Xvfb did not start"; exit 1; }
export DISPLAY=":$(head -1 "$work/display")"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

# One line in $work/bells for every bell, whoever rings it.
printf 'Bell() shell "echo >> %s"\n' "$work/bells" >"$work/bells.cf"
xkbevd -cfg "$work/bells.cf" >/dev/null 2>&1 &
bell_pid=$!

wait_for() { # WHAT COMMAND...: until the command succeeds, 10 s at most (times patience)
    local what=$1
    shift
    for _ in $(seq $((100 * patience))); do "$@" && return 0 || sleep 0.1; done
    echo "FAIL: waited for $what" >&2
    return 1
}
focused() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$app_window" ]; }

window_named() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 | grep .; } # a title pattern
wait_for_window() { wait_for "a window '$1'" window_named "$1"; } # prints its id
gone() { ! window_named "$1" >/dev/null; }
wait_until_gone() { wait_for "window '$1' to close" gone "$1" || exit 1; }

# start_app LOCALE [LAYOUT]: the window open and focused, its id in
# $app_window, and `ready` (the caller's) said so.
start_app() {
    setxkbmap -layout "${2:-us}"
    LC_ALL=$1 "${launch[@]}" >"$work/app.log" 2>&1 &
    app_pid=$!
    app_window=$(wait_for_window '^Tallix$') || { cat "$work/app.log"; exit 1; }
    xdotool windowfocus --sync "$app_window"
    ready
    : >"$work/bells"
}

stop_app() {
    kill "$app_pid" 2>/dev/null || true
    after_stop
    wait "$app_pid" 2>/dev/null || true
    app_pid=
}

# xclip's server lives on until X ends, so it must not hold our output open.
# Done once the clipboard reads back the text.
set_clipboard() {
    printf %s "$1" | xclip -i -selection clipboard >/dev/null 2>&1
    wait_for "the clipboard to take the text" cmp -s <(xclip -o -selection clipboard 2>/dev/null) <(printf %s "$1")
}

# The clipboard text once it equals $1, or whatever it holds after 5 s (times
# patience) at least: counted in whole seconds, as a reading may take seconds.
clipboard_when() {
    local got= until=$((SECONDS + 5 * patience + 1))
    while got=$(timeout $((5 * patience)) xclip -o -selection clipboard 2>/dev/null || true); [ "$got" != "$1" ] && ((SECONDS < until)); do sleep 0.1; done
    printf '%s' "$got"
}

bells() { sleep 0.3 && wc -l <"$work/bells"; } # the watcher writes its line a moment after the bell
