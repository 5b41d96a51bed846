#!/usr/bin/env bash
# The caller really speaks: the real binary, with the caller on, under a private PulseAudio
# server whose only sink is a null sink. Its monitor is recorded while a turn is called, and
# the recording must hold sound; for a refused turn it must not.
# Skipped (77) only where no speech engine is installed.
set -euo pipefail
binary=$(realpath "$1")
voice=$(dirname "$binary")/vantorix-voice
here=$(cd "$(dirname "$0")" && pwd)
source "$here/common.sh"
for tool in pulseaudio pactl parecord sox; do
    command -v "$tool" >/dev/null || { echo "$tool is missing (scripts/install-deps.sh)" >&2; exit 1; }
done
if "$voice" </dev/null 2>/dev/null | grep -q "^error no speech engine"; then
    echo "SKIPPED: no speech engine is installed (qt6-speech-flite-plugin)"
    exit 77
fi

workdir=$(mktemp -d)
pid=""
pulse=""
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    [ -n "$pulse" ] && kill "$pulse" 2>/dev/null || true
    rm -rf "$workdir"
}
trap cleanup EXIT
cat >"$workdir/pa.pa" <<PA
load-module module-native-protocol-unix auth-anonymous=1 socket=$workdir/pulse.sock
load-module module-null-sink sink_name=vtxnull sink_properties=device.description=vtxnull
set-default-sink vtxnull
PA
# Warnings about running as root, the cookie or D-Bus are harmless here.
pulseaudio --daemonize=no --system=false -n -F "$workdir/pa.pa" --exit-idle-time=-1 \
    --log-target=file:"$workdir/pulse.log" &
pulse=$!
export PULSE_SERVER=unix:$workdir/pulse.sock
for _ in $(seq 1 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl info >/dev/null

# Records the sink for $2 seconds while running $3; prints the RMS amplitude of the recording.
record_rms() { # name, seconds, command
    parecord --device=@DEFAULT_MONITOR@ --file-format=wav --latency-msec=20 "$workdir/$1.wav" &
    local recorder=$!
    sleep 0.3
    eval "$3"
    sleep "$2"
    kill -INT "$recorder"
    wait "$recorder" || true
    sox "$workdir/$1.wav" -n stat 2>&1 | awk '/RMS +amplitude/ {print $3}'
}

# Phrases that were once cut off before a sound was heard: each is heard whole.
status=0
for phrase in "Michael, you require ninety-five" "Zoe, you require ninety-five" \
    "no score. Anna, you require one hundred and fifty-five" "Anna, you require ninety-five"; do
    said=$(record_rms phrase 0.3 "echo '$phrase' | '$voice' >'$workdir/voice.out'")
    echo "RMS amplitude of \"$phrase\": $said ($(tr '\n' ' ' <"$workdir/voice.out"))"
    grep -q '^done$' "$workdir/voice.out" || { echo "not spoken whole: $phrase" >&2; status=1; }
    awk -v c="$said" 'BEGIN { exit !(c > 0.01) }' || { echo "not heard: $phrase" >&2; status=1; }
done

# The other languages are spoken by a voice of their own (espeak-ng's), each call whole; a
# language without a voice is spoken in English, from the line's English part.
for call in "de:Hundertachtzig" "nl:Honderdtachtig" "fr:Cent quatre-vingts" "es:Ciento ochenta" \
    "xx:Xyz"; do
    language=${call%%:*}
    said=$(record_rms "$language" 0.3 \
        "printf '%s\\tOne hundred and eighty\\n' '${call#*:}' | '$voice' '' $language >'$workdir/voice.out'")
    echo "RMS amplitude of \"${call#*:}\" ($language): $said ($(tr '\n' ' ' <"$workdir/voice.out"))"
    expected=$([ "$language" = xx ] && echo en || echo "$language")
    grep -q "^voice $expected\$" "$workdir/voice.out" ||
        { echo "not spoken in $expected: $call" >&2; status=1; }
    grep -q '^done$' "$workdir/voice.out" || { echo "not spoken whole: $call" >&2; status=1; }
    awk -v c="$said" 'BEGIN { exit !(c > 0.01) }' || { echo "not heard: $call" >&2; status=1; }
done

cd "$workdir"
printf '<VTXSettings><Caller>true</Caller></VTXSettings>' >VTXSettings.xml
"$binary" >"$workdir/out.log" 2>&1 &
pid=$!
wait_for_dialog 10 || { cat "$workdir/out.log"; exit 1; }
xdotool key Return # Standard 501
wait_for_no_window "New Game" || { cat "$workdir/out.log"; exit 1; }
wait_for_keyboard "Vantorix" 5 || { cat "$workdir/out.log"; exit 1; }
refused=$(record_rms refused 1.5 'xdotool type 179; xdotool key Return')
called=$(record_rms called 3 'xdotool key ctrl+a; xdotool type 180; xdotool key Return')
echo "RMS amplitude: refused turn $refused, turn of 180 called $called"
awk -v r="$refused" -v c="$called" 'BEGIN { exit !(r + 0 == r && r < 0.002 && c > 0.01) }' ||
    status=1
grep -q "caller is silent" "$workdir/out.log" && { echo "the caller went silent" >&2; status=1; }
xdotool key alt+x
wait_for_exit "$pid" || { echo "vantorix did not end" >&2; status=1; }
pid=""
sleep 0.5
if pgrep -f "^$voice" >/dev/null; then
    echo "a voice process outlived the scoreboard" >&2
    status=1
fi
[ "$status" -eq 0 ] || { echo "--- vantorix output:"; cat "$workdir/out.log"; }
exit "$status"
