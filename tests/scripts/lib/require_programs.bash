# require_programs PROGRAM...: skips the script (status 77, with the reason)
# unless every program is installed. Sourced by the scripts that run ugraph
# against the programs of its field.
require_programs() {
    local program
    for program in "$@"; do
        if ! command -v "$program" >/dev/null; then
            echo "SKIP: $program is not installed"
            exit 77
        fi
    done
}
