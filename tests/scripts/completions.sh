#!/usr/bin/env bash
# The completion scripts of `ugraph completion`: bash's, sourced, completes
# command names, options and the formats; zsh's and fish's parse and name
# every command.
#
#   completions.sh <ugraph>
set -u
ugraph=$1
failed=0
fail() { echo "FAIL: $*"; failed=1; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

commands=(list show export import convert edit add delete rename move info classes find completion help)
"$ugraph" completion bash >"$scratch/ugraph.bash" || fail "ugraph completion bash failed"
"$ugraph" completion zsh >"$scratch/_ugraph" || fail "ugraph completion zsh failed"
"$ugraph" completion fish >"$scratch/ugraph.fish" || fail "ugraph completion fish failed"

# What bash would offer for the words typed, the last one being completed.
offered() {
    bash -c 'source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _ugraph
             echo "${COMPREPLY[*]}"' offered "$scratch/ugraph.bash" "$@"
}
expect() {
    local want=$1
    shift
    local got
    got=$(offered "$@")
    [ "$got" = "$want" ] || fail "'$*' offers '$got', not '$want'"
}
expect export ugraph ex
expect --to ugraph export --t
expect sparse6 ugraph convert --from graph6 --to sp
expect "graph6 sparse6 edgelist adjlist graphml gml" ugraph import --from ""
expect "0 1" ugraph export 1 --base ""
expect "tsv" ugraph info all --format ts
expect --where ugraph classes --wh
expect "bash" ugraph completion b
expect list ugraph -f data.txt li
expect show ugraph help sh
touch "$scratch/graphs.g6"
expect "$scratch/graphs.g6" ugraph import --from graph6 "$scratch/graphs.g"
expect "$scratch/graphs.g6" ugraph export all -o "$scratch/graphs"

if command -v zsh >/dev/null; then
    zsh -n "$scratch/_ugraph" || fail "the zsh script does not parse"
    head -1 "$scratch/_ugraph" | grep -qx '#compdef ugraph' || fail "the zsh script has no #compdef"
else
    echo "zsh is missing: its script is not parsed"
fi
if command -v fish >/dev/null; then
    fish --no-execute "$scratch/ugraph.fish" || fail "the fish script does not parse"
else
    echo "fish is missing: its script is not parsed"
fi
# Arguments by their place: delete takes numbers one after another, rename
# a number and then a name.
grep -q "'\*:the numbers the data-inputs" "$scratch/_ugraph" ||
    fail "the zsh script does not take delete's numbers one after another"
grep -q "'2:its new name" "$scratch/_ugraph" || fail "the zsh script does not take rename's NAME second"
for command in "${commands[@]}"; do
    grep -q "'$command:" "$scratch/_ugraph" || fail "the zsh script does not name $command"
    grep -q -- "-a $command " "$scratch/ugraph.fish" || fail "the fish script does not name $command"
    [ "$(offered ugraph "$command")" = "$command" ] || fail "bash does not complete $command"
done

[ "$failed" -eq 0 ] && echo "completions passed"
exit "$failed"
