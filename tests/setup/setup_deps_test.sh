#!/usr/bin/env bash
# The set-up script against stand-in apt-get, dpkg, dpkg-query, id and locale, one row per way a machine's
# package mirror can treat it. A row names what the stand-ins do; the test checks the commands run, in order,
# what the user was told and the exit code. Nothing is installed. Usage: setup_deps_test.sh ROW
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
setup=$here/../../scripts/setup-deps.sh
row=${1:?row name}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/bin"

# One stand-in under every name; it logs the commands that could change the machine (not the queries) and
# plays the row: STANDIN_MISSING lists what is not installed, STANDIN_UPDATE says whether an index fails,
# STANDIN_INSTALL whether the install goes through (ok), only pinned to the release (pinned), or never for one
# package (never:NAME).
cat >"$work/bin/standin" <<'STANDIN'
#!/usr/bin/env bash
name=${0##*/}
state=$STANDIN_DIR
case $name in dpkg-query | id | locale) ;; *) echo "$name $*" >>"$state/calls" ;; esac
case $name in
  id) echo "${STANDIN_UID:-0}" ;;
  locale) echo zh_CN.utf8 ;;
  dpkg)
    [ "$1" = --print-foreign-architectures ] && cat "$state/arches" 2>/dev/null
    [ "$1" = --add-architecture ] && echo "$2" >>"$state/arches"
    exit 0 ;;
  dpkg-query)
    p=${*: -1}
    grep -qxF "$p" "$state/missing" && exit 1
    echo 'install ok installed' ;;
  apt-get)
    if [ "$1" = update ]; then
      [ "$STANDIN_UPDATE" = fails ] || exit 0
      echo 'E: Failed to fetch .../binary-i386/Packages.xz  File has unexpected size. Mirror sync in progress?'
      echo 'E: Some index files failed to download. They have been ignored, or old ones used instead.'
      exit 100
    fi
    pinned=0
    [[ " $* " == *" -t bookworm "* ]] && pinned=1
    if [ "$STANDIN_INSTALL" = pinned ] && [ $pinned = 0 ]; then
      echo ' libssl3:i386 : Depends: ... but it is not going to be installed'
      echo 'E: Unable to correct problems, you have held broken packages.'
      exit 100
    fi
    never=${STANDIN_INSTALL#never:}
    if [ "$never" != "$STANDIN_INSTALL" ]; then
      echo 'The following packages have unmet dependencies:'
      echo " $never : Depends: libwine:i386 (= 8.0) but it is not going to be installed"
      echo 'E: Unable to correct problems, you have held broken packages.'
      grep -xF "$never" "$state/missing" >"$state/left"
      mv "$state/left" "$state/missing"
      exit 100
    fi
    : >"$state/missing" ;;
esac
STANDIN
chmod +x "$work/bin/standin"
for n in apt-get dpkg dpkg-query id locale locale-gen; do ln -s standin "$work/bin/$n"; done
echo 'VERSION_CODENAME=bookworm' >"$work/os-release"
: >"$work/calls"

# row: missing packages | update | install | uid | exit code | commands run (";"-separated) | lines told, in order
missing= update=ok install=ok uid=0
arch='dpkg --print-foreign-architectures;dpkg --add-architecture i386;' updates='apt-get update -q;'
updates3=$updates$updates$updates get='apt-get install -y -q --no-install-recommends'
pinned="$get -t bookworm"
case $row in
  EverythingInstalled)
    want_rc=0 want_calls='' want_told='' ;;
  AnIndexFailsButTheInstallWorks)
    missing='xdotool wine32:i386' update=fails
    want_rc=0
    want_calls="$arch$updates3$get wine32:i386 xdotool"
    want_told='installing: wine32:i386 xdotool|a package index did not download after 3 tries' ;;
  TheInstallGoesThroughPinnedToTheRelease)
    missing='wine32:i386' update=fails install=pinned
    want_rc=0
    want_calls="$arch$updates3$get wine32:i386;$pinned wine32:i386"
    want_told='installing: wine32:i386|a package index did not download|the install was refused; trying again with every package from the release \(bookworm\)' ;;
  APackageCannotBeInstalled)
    missing='xdotool wine32:i386' install=never:wine32:i386
    want_rc=1
    want_calls="$arch$updates$get wine32:i386 xdotool;$pinned wine32:i386 xdotool"
    want_told='installing: wine32:i386 xdotool|the install was refused|could not install: wine32:i386|apt:  *wine32:i386 : Depends: libwine:i386|try again in a while.*'"$work/setup.log" ;;
  NotRootWhileSomethingIsMissing)
    missing='xdotool' uid=1000
    want_rc=1 want_calls='' want_told='missing packages: xdotool: run as root' ;;
  *) echo "no row $row" >&2; exit 2 ;;
esac
printf '%s\n' $missing >"$work/missing"

PATH="$work/bin:$PATH" STANDIN_DIR=$work STANDIN_UPDATE=$update STANDIN_INSTALL=$install STANDIN_UID=$uid \
  RELANTO_SETUP_LOG=$work/setup.log RELANTO_OS_RELEASE=$work/os-release RELANTO_APT_PAUSE=0 \
  bash "$setup" >"$work/told" 2>&1
rc=$?

fail=0
check() { [ "$2" = "$3" ] || { printf '%s:\n  want: %s\n  got:  %s\n' "$1" "$2" "$3"; fail=1; }; }
check 'exit code' "$want_rc" "$rc"
check 'commands run' "$want_calls" "$(paste -sd';' "$work/calls")"
# What was told: each wanted line matches the next line told, in order, and nothing more is told.
mapfile -t told <"$work/told"
IFS='|' read -r -a want <<<"$want_told"
check 'lines told' "${#want[@]}" "${#told[@]}"
for i in "${!want[@]}"; do
  [[ "${told[$i]:-}" =~ ${want[$i]} ]] || { printf 'line %d told:\n  want: %s\n  got:  %s\n' "$i" "${want[$i]}" "${told[$i]:-}"; fail=1; }
done
[ $fail = 0 ] || { echo "told in all:"; cat "$work/told"; }
exit $fail
