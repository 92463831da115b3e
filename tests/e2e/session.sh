#!/usr/bin/env bash
# A private desktop session for driving Numivox like a user with a screen reader would:
# an X server, a D-Bus session bus, the accessibility bus, a sound server with a null sink and a
# recorder on its monitor, and a speech daemon that logs everything it is asked to say.
#
#   session.sh start DIR [--no-audio] [--no-speech] [--screen-reader]
#                                                     start the session, write DIR/env
#   session.sh speechd-start DIR                      start (again) the speech daemon
#   session.sh speechd-stop DIR                       kill the speech daemon
#   session.sh screen-reader-switch DIR true|false    set the desktop's "screen reader running"
#   session.sh stop DIR                               stop everything started in DIR
#   session.sh leftovers DIR                          list processes still running in the session
#   session.sh strays DIR                             those of them that are no service of its own
#
# Every process is started in a process group of its own, recorded in DIR/pids, and stopped by
# that id. Every process of the session carries NUMIVOX_SESSION=DIR in its environment, so that
# anything it spawned in turn (an autospawned speech daemon, say) can be found and accounted for.
set -euo pipefail

readonly startup_deadline_s=15

die() {
    echo "session: $*" >&2
    exit 1
}

# Polls a condition until it holds or the deadline passes.
wait_for() {
    local what=$1
    shift
    local deadline=$((SECONDS + startup_deadline_s))
    until "$@" 2>/dev/null; do
        [ $SECONDS -lt $deadline ] || die "$what did not come up within ${startup_deadline_s} s"
        sleep 0.05
    done
}

# Runs a command in a new process group, logging to DIR/logs/NAME.log, and records its id.
launch() {
    local name=$1
    shift
    setsid "$@" >>"$dir/logs/$name.log" 2>&1 </dev/null &
    echo "$name $!" >>"$dir/pids"
}

pid_of() {
    awk -v name="$1" '$1 == name { pid = $2 } END { print pid }' "$dir/pids"
}

alive() {
    local pid
    pid=$(pid_of "$1")
    [ -n "$pid" ] && group_alive "$pid"
}

# Whether a process group still has a live member; reaped-late zombies do not count.
group_alive() {
    ps -e -o pgid=,stat= | awk -v group="$1" '$1 == group && $2 !~ /^Z/ { found = 1 } END { exit !found }'
}

stop_group() {
    local name=$1 pid
    pid=$(pid_of "$name")
    [ -n "$pid" ] || return 0
    kill -TERM -- "-$pid" 2>/dev/null || return 0
    local deadline=$((SECONDS + 5))
    while group_alive "$pid" && [ $SECONDS -lt $deadline ]; do sleep 0.05; done
    kill -KILL -- "-$pid" 2>/dev/null || true
}

# Lists "pid pgid command" of every live process that carries this session's mark.
session_processes() {
    local environ pid group
    # One grep for all of them: starting a process per process would take seconds.
    while read -r environ; do
        pid=${environ#/proc/}
        pid=${pid%/environ}
        [ "$pid" != $$ ] || continue
        # Gone already (the grep's own shell, say), or a zombie: not running.
        group=$(ps -o pgid=,stat= -p "$pid" | awk '$2 !~ /^Z/ { print $1 }') || continue
        if [ -n "$group" ]; then
            echo "$pid $group $({ tr '\0' ' ' </proc/"$pid"/cmdline; } 2>/dev/null)"
        fi
    done < <(grep -lszxF "NUMIVOX_SESSION=$dir" /proc/[0-9]*/environ)
}

# Lists the marked processes that belong to none of the session's own services.
strays() {
    local groups
    groups=$(awk '{ printf "%s%s", sep, $2; sep = "|" }' "$dir/pids")
    session_processes | awk -v groups="^($groups)\$" '$2 !~ groups'
}

write_configuration() {
    mkdir -p "$dir"/{home,runtime,logs,speechd/modules}
    chmod 700 "$dir/runtime"
    cat >"$dir/pulse.pa" <<EOF
load-module module-null-sink sink_name=speakers rate=44100 channels=2
load-module module-native-protocol-unix auth-anonymous=1 socket=$dir/pulse.sock
set-default-sink speakers
EOF
    echo "autospawn = no" >"$dir/pulse-client.conf"
    ln -sf /etc/speech-dispatcher/modules/espeak-ng.conf "$dir/speechd/modules/"
    cat >"$dir/speechd/speechd.conf" <<EOF
CommunicationMethod "unix_socket"
SocketPath "$dir/speechd.sock"
Timeout 0
LogLevel 4
LogDir "$dir/logs"
CustomLogFile "protocol" "$dir/speech.log"
AudioOutputMethod "pulse"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
DefaultLanguage "en"
EOF
}

start_x() {
    launch xvfb Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$dir/display"
    wait_for "Xvfb" grep -q . "$dir/display"
    DISPLAY=:$(head -n1 "$dir/display")
    export DISPLAY
    wait_for "the X display" xprop -root -display "$DISPLAY"
}

start_buses() {
    launch dbus dbus-daemon --session --nofork --address="unix:path=$dir/session-bus"
    export DBUS_SESSION_BUS_ADDRESS="unix:path=$dir/session-bus"
    wait_for "the session bus" dbus-send --session --dest=org.freedesktop.DBus --print-reply \
        /org/freedesktop/DBus org.freedesktop.DBus.GetId
    launch at-spi /usr/libexec/at-spi-bus-launcher --launch-immediately
    # Asking the bus itself would have D-Bus activate a second launcher outside our control.
    wait_for "the accessibility bus" accessibility_bus_up
}

accessibility_bus_up() {
    dbus-send --session --dest=org.freedesktop.DBus --print-reply /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus | grep -q 'boolean true'
}

start_audio() {
    launch pulseaudio pulseaudio --daemonize=no --system=no --exit-idle-time=-1 --use-pid-file=no \
        --disallow-module-loading=no -n -F "$dir/pulse.pa"
    wait_for "PulseAudio" pactl info
    # Without a steady low-latency reader the null sink renders in long blocks, and cancelling
    # speech stalls for seconds. The recording also proves that sound came out.
    launch parec parec --device=speakers.monitor --latency-msec=10 --raw --format=s16le \
        --rate=16000 --channels=1 "$dir/monitor.raw"
    wait_for "the monitor recorder" test -e "$dir/monitor.raw"
}

speechd_start() {
    rm -f "$dir/speechd.sock"
    # A fresh daemon truncates its protocol log: keep the earlier one, numbered.
    if [ -e "$dir/speech.log" ]; then
        local earlier
        earlier=$(find "$dir" -maxdepth 1 -name 'speech.log.*' | wc -l)
        mv "$dir/speech.log" "$dir/speech.log.$((earlier + 1))"
    fi
    launch speechd speech-dispatcher --run-single --config-dir "$dir/speechd" \
        --communication-method unix_socket --socket-path "$dir/speechd.sock" --timeout 0 \
        --pid-file "$dir/speechd.pid" --log-dir "$dir/logs"
    wait_for "speech-dispatcher" test -S "$dir/speechd.sock"
}

start() {
    [ ! -e "$dir/pids" ] || die "a session already runs in $dir"
    local audio=yes speech=yes reader=no option
    for option in "$@"; do
        case $option in
        --no-audio) audio=no ;;
        --no-speech) speech=no ;;
        --screen-reader) reader=yes ;;
        *) die "unknown option $option" ;;
        esac
    done
    write_configuration
    : >"$dir/pids"
    export NUMIVOX_SESSION=$dir HOME=$dir/home XDG_RUNTIME_DIR=$dir/runtime
    export XDG_CONFIG_HOME=$dir/home/.config XDG_CACHE_HOME=$dir/home/.cache
    export PULSE_SERVER=unix:$dir/pulse.sock PULSE_CLIENTCONFIG=$dir/pulse-client.conf
    # Never let a client autospawn a daemon outside the session: with --no-speech this socket
    # stays absent.
    export SPEECHD_ADDRESS=unix_socket:$dir/speechd.sock
    start_x
    start_buses
    [ $audio = no ] || start_audio
    [ $speech = no ] || speechd_start
    [ $reader = no ] || start_screen_reader
    export -p | grep -E ' (NUMIVOX_SESSION|HOME|XDG_[A-Z_]+|PULSE_[A-Z]+|SPEECHD_ADDRESS|DISPLAY|DBUS_SESSION_BUS_ADDRESS)=' \
        >"$dir/env"
}

# Orca at its defaults, with preferences of its own; then the desktop's "screen reader running"
# switch, which an Orca started by hand leaves off. Orca refuses to start beside any other Orca
# of the same user, even on another display: in a process namespace of its own, where the system
# allows one, it sees none.
start_screen_reader() {
    local isolated=(unshare --map-current-user --pid --fork --mount-proc)
    "${isolated[@]}" true 2>/dev/null || isolated=()
    launch orca "${isolated[@]}" orca -u "$dir/orca"
    # Its greeting carries SSML marks between the words.
    wait_for "Orca's greeting" grep -q 'Screen <.*>reader <.*>on' "$dir/speech.log"
    switch_screen_reader true
}

# Sets the desktop's "screen reader running" switch to true or false. The launcher keeps it in
# the desktop's settings store, which may drop a write made while its service is still starting:
# set it until it reads back.
switch_screen_reader() {
    wait_for "the screen-reader switch" screen_reader_switched "$1"
}

screen_reader_switched() {
    local property=(/org/a11y/bus org.freedesktop.DBus.Properties string:org.a11y.Status
        string:ScreenReaderEnabled)
    dbus-send --session --print-reply --dest=org.a11y.Bus "${property[0]}" "${property[1]}.Set" \
        "${property[@]:2}" "variant:boolean:$1" >/dev/null
    dbus-send --session --print-reply --dest=org.a11y.Bus "${property[0]}" "${property[1]}.Get" \
        "${property[@]:2}" | grep -q "boolean $1"
}

stop() {
    [ -e "$dir/pids" ] || return 0
    # Clients first, then the daemons they talk to, the X server last.
    local name
    for name in orca parec speechd pulseaudio at-spi dbus xvfb; do
        stop_group "$name"
    done
    # Whatever else carries the session's mark was started inside it (by a test that failed
    # half-way, say): it must not outlive the session either.
    local pid
    for pid in $(session_processes | awk '{ print $1 }'); do
        kill -KILL "$pid" 2>/dev/null || true
    done
}

[ $# -ge 2 ] || die "usage: session.sh COMMAND DIR [options] (see the top of this file)"
command=$1
dir=$(realpath "$2")
shift 2
case $command in
start) start "$@" ;;
stop) stop ;;
speechd-start)
    # shellcheck disable=SC1091
    source "$dir/env"
    alive speechd && die "speech-dispatcher already runs"
    speechd_start
    ;;
speechd-stop) stop_group speechd ;;
screen-reader-switch)
    # shellcheck disable=SC1091
    source "$dir/env"
    switch_screen_reader "$1"
    ;;
leftovers) session_processes ;;
strays) strays ;;
*) die "unknown command $command" ;;
esac
