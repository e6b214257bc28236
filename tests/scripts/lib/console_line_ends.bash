# console_to_lf: a filter that gives the dialogue's standard output with its
# lines ended as on Linux. In the Windows build the dialogue's console is in
# text mode, and CMake sets UGRAPH_CONSOLE_LINE_ENDS=crlf: each of its lines
# ends in CR LF there, while every other output of ugraph keeps LF. Sourced
# by the scripts that read what the dialogue prints.
console_to_lf() {
    if [ "${UGRAPH_CONSOLE_LINE_ENDS:-lf}" = crlf ]; then
        sed 's/\r$//'
    else
        cat
    fi
}
