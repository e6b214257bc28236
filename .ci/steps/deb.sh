#!/usr/bin/env bash
# The Debian package: built by the deb workflow, its contents listed and
# checked, lintian's verdict (any error fails the step), then installed with
# apt-get as a user would install it, run from /usr/bin, and removed again so
# that the machine is left as it was.
set -euo pipefail
cd "$(dirname "$0")/../.."

bash .ci/setup deb
cmake --workflow --preset deb
deb=$(ls build/deb/package/ugraph_*_*.deb)
echo "== $deb"

contents=$(dpkg-deb -c "$deb" | awk '{print $NF}')
for wanted in ./usr/bin/ugraph ./usr/share/man/man1/ugraph.1.gz \
              ./usr/share/doc/ugraph/copyright ./usr/share/doc/ugraph/changelog.gz \
              ./usr/share/doc/ugraph/README.md ./usr/share/doc/ugraph/GraphDataFile2.txt \
              ./usr/share/bash-completion/completions/ugraph \
              ./usr/share/zsh/vendor-completions/_ugraph \
              ./usr/share/fish/vendor_completions.d/ugraph.fish; do
    grep -qxF "$wanted" <<<"$contents" || { echo "FAIL: the package lacks $wanted"; exit 1; }
done
grep -qE '^\./usr/lib/.*/ugraph_line_editor\.so$' <<<"$contents" ||
    { echo "FAIL: the package lacks the line editor's module"; exit 1; }
# The line editor's module links libedit, which only dpkg-shlibdeps' reading
# of the module itself can declare.
dpkg-deb -f "$deb" Depends | grep -q 'libedit2' || { echo "FAIL: libedit2 not declared"; exit 1; }
grep -qE '^\./usr/lib/.*/ugraph_invariants\.so$' <<<"$contents" ||
    { echo "FAIL: the package lacks the invariants module"; exit 1; }
dpkg-deb -f "$deb" Depends | grep -q 'libnauty' || { echo "FAIL: nauty's library not declared"; exit 1; }
grep -qE '^\./usr/lib/.*/ugraph_graphml\.so$' <<<"$contents" ||
    { echo "FAIL: the package lacks the GraphML module"; exit 1; }
dpkg-deb -f "$deb" Depends | grep -q 'libpugixml' || { echo "FAIL: pugixml not declared"; exit 1; }

# lintian says it would rather not run as root, on standard error; its tags
# go to standard output.
lintian --fail-on error "$deb" 2>/dev/null | tee build/deb/lintian.txt

if [ "$(id -u)" -eq 0 ] && ! dpkg-query -W ugraph >/dev/null 2>&1; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "./$deb" >/dev/null
    trap 'DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq ugraph >/dev/null' EXIT
    /usr/bin/ugraph --version
    /usr/bin/ugraph list -f /usr/share/doc/ugraph/GraphDataFile2.txt | head -3
    man -w ugraph >/dev/null || { echo "FAIL: man does not find the installed page"; exit 1; }
    echo "installed, ran and removed"
else
    echo "not installed: not root, or a ugraph package is already installed here"
fi
