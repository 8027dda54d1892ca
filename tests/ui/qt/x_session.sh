# Sourced by the end-to-end scripts: a private Xvfb that counts the bells it
# rings, and the real binary started on it, driven with xdotool and read
# through the X clipboard. Set `binary` before sourcing; everything started
# here ends with the script.
work=$(mktemp -d)
xvfb_pid= bell_pid= app_pid=
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
    [ -n "$bell_pid" ] && kill "$bell_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || { echo "FAIL: Xvfb did not start"; exit 1; }
export DISPLAY=":$(head -1 "$work/display")"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

# One line in $work/bells for every bell, whoever rings it.
printf 'Bell() shell "echo >> %s"\n' "$work/bells" >"$work/bells.cf"
xkbevd -cfg "$work/bells.cf" >/dev/null 2>&1 &
bell_pid=$!

# start_app LOCALE [LAYOUT [ENV=VALUE...]]: the window open, focused and settled.
start_app() {
    local locale=$1 layout=${2:-us}
    shift 2 || shift $#
    setxkbmap -layout "$layout"
    env LC_ALL="$locale" "$@" "$binary" 2>"$work/app.log" &
    app_pid=$!
    local window=
    for _ in $(seq 100); do
        window=$(xdotool search --onlyvisible --name '^Tallix$' 2>/dev/null | head -1) && [ -n "$window" ] && break
        sleep 0.1
    done
    [ -n "$window" ] || { echo "FAIL: no window under $locale"; cat "$work/app.log"; exit 1; }
    app_window=$window
    xdotool windowfocus --sync "$window"
    sleep 0.5 # let the window settle before typing
    : >"$work/bells"
}

stop_app() {
    kill "$app_pid"
    wait "$app_pid" 2>/dev/null || true
    app_pid=
}

# The clipboard text once it equals $1, or whatever it holds after 5 s.
clipboard_when() {
    local got=
    for _ in $(seq 50); do
        got=$(xclip -o -selection clipboard 2>/dev/null || true)
        [ "$got" = "$1" ] && break
        sleep 0.1
    done
    printf '%s' "$got"
}

set_clipboard() {
    printf "%s" "$1" | xclip -i -selection clipboard 2>/dev/null # its server lives on until X ends
}

bells() {
    sleep 0.3 # the watcher writes its line a moment after the bell
    wc -l <"$work/bells"
}
