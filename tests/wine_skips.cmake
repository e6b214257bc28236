# What the Windows build's tests leave out under Wine, all in one place, each
# with the reason. tests/CMakeLists.txt runs none of these and shows each as
# a skipped test under its usual name, printing the reason. Each entry is
# three words: the kind, the name, the reason (no semicolons: CMake would
# cut the list there).
#   unit_file   a unit-test source left out of the Windows test binary
#   unit        one unit test, Suite.Name (Suite.* for a whole suite)
#   transcript  a case folder under transcripts/
#   script      a script under scripts/, named without .sh
set(UGRAPH_WINE_SKIPS
  unit_file dialogue/terminal_test.cpp
    "runs ugraph in a POSIX pseudo-terminal (forkpty), which Windows has not (every dialogue transcript checks the console instead)"
  unit SafeSave.KeepsTheOldContentAsBackupWithTheFilesMode
    "sets POSIX permission bits (0640), which Windows files have not"
  unit SafeSave.ReplacesWhateverStandsAtTheBackupsName
    "makes a symbolic link, which Wine shows as the plain file it leads to"
  unit SafeSave.KeepsASymbolicLinkAndBacksUpBesideItsTarget
    "makes a symbolic link, which Wine shows as the plain file it leads to"
  unit SafeSave.SyncsTheTextBeforeTheRenameAndTheFolderAfterIt
    "makes a symbolic link, which Wine shows as the plain file it leads to"
  unit InterruptedSave.TheNextSaveClearsWhatAKillLeftAndKeepsTheOldContent
    "Wine removes a name of a file only once every handle of the file is closed, so the leftover link it clears still counts while the save holds the file, where Windows removes it at once"
  unit RewriteJournal.AFailureThatCannotBeUndoneKeepsTheJournalAndSaysWhere
    "not yet tried on Windows: its message names the journal by a POSIX path and the error in POSIX words"
  unit RewriteJournal.AMissingDataFileMadeByAnotherProgramMeanwhileIsNoRefusal
    "not yet tried on Windows: the file made from inside open_read is held open differently by Wine"
  unit FileLock.EndsOnTheFileARenamePutAtTheName
    "replaces the locked data file by std::filesystem::rename, which on Windows (MoveFileExW) refuses a file held open, where a Windows program replaces it by ReplaceFileW as ugraph does"
  unit RelabelledSeven.*
    "asks nauty's programs for its reference through popen, which under Wine starts Windows' cmd, where Debian's nauty programs do not run (the script invariants_nauty holds ugraph.exe against them under Wine)"
  unit SmallGraphs/AgainstNauty.*
    "asks nauty's programs for its reference through popen, which under Wine starts Windows' cmd, where Debian's nauty programs do not run (the script invariants_nauty holds ugraph.exe against them under Wine)"
  unit Where.KeepsWhatPickgKeeps
    "asks nauty's programs for its reference through popen, which under Wine starts Windows' cmd, where Debian's nauty programs do not run (the script invariants_nauty holds ugraph.exe against them under Wine)"
  unit ChromaticNumber.SevenNodesCountsPerColourNumber
    "asks nauty's programs for its reference through popen, which under Wine starts Windows' cmd, where Debian's nauty programs do not run (the script invariants_nauty holds ugraph.exe against them under Wine)"
  transcript file_save_through_symlink
    "makes a symbolic link, which Wine shows as the plain file it leads to"
  script completions
    "checks the completion scripts of bash, zsh and fish, which the Windows package does not install"
  script rewrite_faults
    "injects faults with strace into Linux system calls, where under Wine they would be Wine's own, not the program's (the in-process journal tests check a rewrite cut short on Windows too)"
  script datafile_not_regular
    "makes FIFOs, UNIX sockets and links to /dev/zero and /dev/null, which Windows has not"
  script datafile_save_keeps
    "checks that a save keeps POSIX permission bits (640, 604), which Windows files have not (datafile_names checks the saves and backups)"
  script datafile_other_user
    "saves as a second user, with owners and a sticky folder, which Windows files have not"
  script save_signals
    "sends POSIX signals, where Windows has console control events, which Wine cannot send to a program without a console window"
  script datafile_memory
    "measures the peak memory with /usr/bin/time, which under Wine is Wine's own"
  script standard_streams
    "reaches standard input through /dev/stdin, /proc/self/fd and a FIFO, Linux's names that Wine maps onto its own files"
  script terminal_line_editing
    "drives libedit in a tmux terminal, where the Windows build has the console's own line editing, which Wine does not give a program run from a script"
  script networkx_exchange
    "runs ugraph some 700 times, each a new Wine process, for four minutes: the formats are the same code in both builds, checked against NetworkX by the Linux build, and under Wine nauty_round_trip, import_data_inputs and graphviz_dot exchange them with nauty and Graphviz"
  script datafile_lock
    "holds the lock with flock(1), a POSIX lock that Windows' byte-range locks never meet (ByteRangeLock tests the Windows lock)"
  script datafile_two_writers
    "races two ugraph processes for minutes under Wine, whose locks between processes are its own server's, where the lock's logic is tested through the seam and ByteRangeLock tests the Windows lock"
  script command_output
    "writes to /dev/full, /dev/stdout and FIFOs and closes pipes under SIGPIPE, which are Linux's"
  script datafile_write_faults
    "limits the file size with ulimit -f (SIGXFSZ) and marks files with chattr +a, which Windows has not"
  script save_kills
    "sends SIGKILL at chosen instants of a save, found by watching when ugraph blocks its signals, which Windows has not"
  script install_check
    "checks the Linux install (bin/ugraph and the manual page under share/man), where the Windows package is the zip that .ci/steps/windows.sh checks"
  script tikz_pdflatex
    "TikZ takes Graphviz's layout, and Debian has no Graphviz for mingw-w64: the Windows build refuses the pictures"
)
