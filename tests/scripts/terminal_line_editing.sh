#!/usr/bin/env bash
# At a terminal the dialogue's answers are edited lines: a name typed with
# the arrow keys is stored as it was edited, an ñ in it whole, each prompt
# stays on the screen in front of its answer, and the up arrow brings back
# an earlier answer of the session. ugraph runs in a real terminal, a tmux
# pane in a UTF-8 locale, driven by send-keys and read by capture-pane.
#
#   terminal_line_editing.sh <ugraph>
source "$(dirname "$0")/lib/script_setup.bash"
source "$(dirname "$0")/lib/require_programs.bash"
require_programs tmux
if ! locale -a 2>/dev/null | grep -qix 'c\.utf-\?8'; then
    echo "SKIP: the C.UTF-8 locale is not installed"
    exit 77
fi
export LC_ALL=C.UTF-8
# A server of this script's own, without any user's configuration.
tmux=(tmux -L "ugraph-$$" -f /dev/null)
trap '"${tmux[@]}" kill-server 2>/dev/null; rm -rf "$scratch"' EXIT

screen() { "${tmux[@]}" capture-pane -p -t ugraph; }
# wait_for <text>: until the screen's last line that is not blank ends in
# <text>, 10 seconds at most.
wait_for() {
    local tries
    for ((tries = 0; tries < 100; tries++)); do
        [[ "$(screen | sed '/^ *$/d' | tail -1)" == *"$1" ]] && return 0
        sleep 0.1
    done
    fail "no '$1' at the end of the screen:"$'\n'"$(screen | sed '/^ *$/d')"
    exit 1
}
# answer <prompt> <key>...: the keys, once the prompt shows.
answer() {
    wait_for "$1"
    shift
    "${tmux[@]}" send-keys -t ugraph "$@"
}

# The pane outlives the program, so the screen can still be read at its end.
"${tmux[@]}" new-session -d -s ugraph -x 120 -y 40 \
    "cd '$scratch' && '$binary'; echo \"status \$?\"; sleep 30"
answer 'type F' K Enter
# Tri, two steps left, then ñ and X: TñXri.
answer 'input name of graph' 'Tri' Left Left 'ñ' 'X' Enter
answer 'non-isolated nodes:' '3' Enter
answer '(1),' '2 3' Enter
# The up arrow brings back "2 3": node 2's line links 2 and 3.
answer '(2),' Up Enter
answer '(3),' Enter
answer 'means NO' N Enter
answer ']' Enter
answer '' Enter
wait_for 'status 0'

shown=$(screen)
expected_saved='[U "TñXri", (1),2,3, (2),3, (3)]'
grep -qxF 'Not exceeding 10 characters, input name of graph   TñXri' <<<"$shown" ||
    fail "the name prompt and its edited answer are not one line on the screen:"$'\n'"$shown"
grep -qxF '(2),2 3' <<<"$shown" ||
    fail "the up arrow did not bring back the answer 2 3:"$'\n'"$shown"
grep -qxF 'Ufile TñXri     3 Nodes   3 Links' <<<"$shown" ||
    fail "the summary line is not that of the edited name and three links:"$'\n'"$shown"
saved=$(cat "$scratch/$data" 2>&1)
[ "$saved" = "$expected_saved" ] || fail "the data file holds: $saved"
exit "$failed"
