# Helpers for the tests that drive the real binary under X with xdotool.

wait_for_window() { # name, seconds
    local tries=$(($2 * 10))
    for _ in $(seq 1 "$tries"); do
        if xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; then return 0; fi
        sleep 0.1
    done
    echo "no visible window named '$1'" >&2
    return 1
}

# Keys go to the window that has the X input focus: one shown is not yet one that takes them.
wait_for_keyboard() { # name, seconds
    local tries=$(($2 * 10))
    for _ in $(seq 1 "$tries"); do
        if [ "$(xdotool getwindowfocus getwindowname 2>/dev/null)" = "$1" ]; then return 0; fi
        sleep 0.1
    done
    echo "window '$1' does not have the keyboard" >&2
    return 1
}

# The dialog is shown and has the keyboard.
wait_for_dialog() { # seconds
    wait_for_window "New Game" "$1" && wait_for_keyboard "New Game" "$1"
}

wait_for_no_window() { # name
    for _ in $(seq 1 50); do
        if ! xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; then return 0; fi
        sleep 0.1
    done
    echo "window '$1' is still shown" >&2
    return 1
}

wait_for_exit() { # pid; prints nothing, returns the exit status, 124 when it does not end
    for _ in $(seq 1 50); do
        if ! kill -0 "$1" 2>/dev/null; then
            local status=0
            wait "$1" || status=$?
            return "$status"
        fi
        sleep 0.1
    done
    return 124
}

# A settings file is whole: one document from its root's start to its end.
settings_file_is_whole() { # path
    [ -s "$1" ] || return 1
    local text
    text=$(cat "$1")
    [[ $text == "<VTXSettings>"*"</VTXSettings>" ]]
}

element() { # path, element name: the text of the first such element
    grep -o "<$2>[^<]*</$2>" "$1" | head -n 1 | sed -e "s|<$2>||" -e "s|</$2>||"
}
