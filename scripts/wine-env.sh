# Sourced by the run and test scripts: a private, cached Wine prefix set up for the programs, and a private
# Xvfb display when none is given. Call wine_env_setup PREFIX_DIR [DPI]; wine_env_teardown at the end.

# Wine takes the programs' locale (code pages, user and system locale, interface language) from LANG: C.UTF-8 is
# US English (code page 1252), zh_CN.UTF-8 the users' Simplified Chinese (code page 936). Each locale keeps a
# prefix of its own.
wine_env_export() {
  export LANG=${RELANTO_WINE_LANG:-C.UTF-8} WINEARCH=${RELANTO_WINE_ARCH:-win64} WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  export WINEPREFIX="$1"
  wine_env_loader "$(dirname "$1")/wine-bin-$WINEARCH"
}

# Every Wine command runs the loader of the prefix's architecture. Debian's `wine` picks the 32-bit loader whenever
# wine32 is installed, and that loader cannot even start in a 64-bit prefix made before wine32 came (no 32-bit
# kernel32.dll there), so `wine`, `wine-stable` (which winepath and wineboot call) and `wineserver` are wrapped
# once, first on the PATH: wine64 for win64 prefixes, the 32-bit wine for win32 ones.
#
# The wrapper also runs Wine without address-space randomization. Debian's 64-bit Wine loader has no preloader to
# keep the shared user page at 0x7ffe0000 free, and a randomized heap now and then already covers it: the new process
# then dies while Wine starts it ("failed to map the shared user data"), losing a console or the tool it runs.
# Without randomization the heap begins at the same low address every time, far below the page. The setting is
# inherited by every process Wine starts. RELANTO_WINE_ASLR=1 keeps randomization (scripts/stress.sh measures with
# and without it).
wine_env_loader() {
  local bin=$1 name real loader=/usr/lib/wine/wine64 norand=
  [ "$WINEARCH" = win32 ] && loader=/usr/lib/wine/wine
  if [ ! -x "$loader" ]; then
    echo "[wine] $loader is missing: is wine$([ "$WINEARCH" = win32 ] && echo 32 || echo 64) installed?" >&2
    return 1
  fi
  if [ "${RELANTO_WINE_ASLR:-0}" != 1 ]; then
    if setarch "$(uname -m)" -R true 2>/dev/null; then
      norand="setarch $(uname -m) -R "
    else
      echo "[wine] setarch -R refused here: Wine runs with address-space randomization" >&2
    fi
  fi
  mkdir -p "$bin"
  for name in wine wine-stable wineserver; do
    real=$loader
    [ "$name" = wineserver ] && real=$(PATH=$(wine_env_path_without "$bin") command -v wineserver)
    # Written under a name of this shell's own, since prefixes of one architecture may be set up at the same time.
    printf '#!/bin/sh
WINELOADER=%s; export WINELOADER
exec %s%s "$@"
' "$loader" "$norand" "$real" \
      >"$bin/$name.new.$BASHPID"
    chmod +x "$bin/$name.new.$BASHPID"
    mv -f "$bin/$name.new.$BASHPID" "$bin/$name"
  done
  # A round of another architecture earlier in the same shell put its own wrappers first.
  PATH=$(wine_env_path_without "${RELANTO_WINE_BIN:-}")
  export RELANTO_WINE_BIN=$bin PATH="$bin:$PATH"
}

wine_env_path_without() {  # PATH less one folder
  local dir=$1 out= part
  local IFS=:
  for part in $PATH; do
    [ -n "$part" ] && [ "$part" != "$dir" ] && out=${out:+$out:}$part
  done
  echo "$out"
}

# Registry settings that make the prefix behave like a Chinese Windows desktop for our purposes.
wine_env_configure() {
  local dpi=$1 urllog=$2
  local subst='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes'
  wine reg add "$subst" /v '微软雅黑' /t REG_SZ /d 'WenQuanYi Micro Hei' /f >/dev/null
  wine reg add "$subst" /v 'Microsoft YaHei' /t REG_SZ /d 'WenQuanYi Micro Hei' /f >/dev/null
  wine reg add "$subst" /v 'SimSun' /t REG_SZ /d 'WenQuanYi Micro Hei' /f >/dev/null
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null
  wine reg add 'HKCU\Console' /v FaceName /t REG_SZ /d 'WenQuanYi Micro Hei Mono' /f >/dev/null
  # Focus cues hidden until the keyboard is used, as Windows has it (a new Wine prefix shows them always): the
  # keyboard-cues bit (0x20 of the first byte) cleared in Wine's default mask.
  wine reg add 'HKCU\Control Panel\Desktop' /v UserPreferencesMask /t REG_BINARY /d 1000028012000000 /f >/dev/null
  if [ "$dpi" != 96 ]; then
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
  fi
  if [ -n "$urllog" ]; then
    local cmdline="\"$(winepath -w "$urllog")\" \"%1\""
    wine reg add 'HKCR\http\shell\open\command' /ve /t REG_SZ /d "$cmdline" /f >/dev/null
    wine reg add 'HKCR\https\shell\open\command' /ve /t REG_SZ /d "$cmdline" /f >/dev/null
  fi
}

# wine_env_create PREFIX DPI [URLLOG_EXE]: makes the prefix when it has not been made with these settings, on the
# display that is set; a prefix already made is left alone. The stamp names the settings' version: a prefix
# configured by an older version is made anew. Prefixes of other locales or architectures may be made at the same
# time, each in a subshell of its own (scripts/test.sh makes them while it builds and runs the unit tests).
wine_env_create() {
  local prefix=$1 dpi=${2:-96} urllog=${3:-}
  wine_env_export "$prefix"
  local stamp="$prefix/.relanto-configured-2-$dpi"
  [ -f "$stamp" ] && return 0
  # A server left from an earlier run would keep its old display and never let "wineserver -w" return.
  if [ -d "$prefix" ]; then wineserver -k >/dev/null 2>&1 || true; fi
  rm -rf "$prefix"
  mkdir -p "$(dirname "$prefix")"
  echo "[wine] creating prefix $prefix (dpi $dpi)"
  wine wineboot -i >/dev/null 2>&1 || true
  wineserver -w
  wine_env_configure "$dpi" "$urllog"
  wineserver -w
  [ -n "$urllog" ] && echo "$urllog" >"$prefix/.relanto-urllog"
  touch "$stamp"
}

# wine_env_setup PREFIX DPI [URLLOG_EXE]: the prefix for the commands that follow, made once and kept.
wine_env_setup() {
  local prefix=$1 dpi=${2:-96} urllog=${3:-}
  wine_env_export "$prefix"
  # A server left from an earlier run would keep its old display and never let "wineserver -w" return.
  if [ -d "$prefix" ]; then wineserver -k >/dev/null 2>&1 || true; fi
  # The display comes first: Wine binds its desktop to the display that is set when its first process starts.
  if [ -z "${DISPLAY:-}" ] || [ "${RELANTO_PRIVATE_X:-0}" = 1 ]; then
    wine_env_start_xvfb
  fi
  local stamp="$prefix/.relanto-configured-2-$dpi"
  if [ ! -f "$stamp" ]; then
    wine_env_create "$prefix" "$dpi" "$urllog"
  elif [ -n "$urllog" ] && [ "$(cat "$prefix/.relanto-urllog" 2>/dev/null)" != "$urllog" ]; then
    # The logger's path depends on the build folder: a prefix made for another folder is pointed at this one.
    wine_env_configure "$dpi" "$urllog"
    wineserver -w
  fi
  [ -n "$urllog" ] && echo "$urllog" >"$prefix/.relanto-urllog"
  # An end-to-end test that died while it had swapped the interpreter out left it beside its stand-in.
  local system32="$prefix/drive_c/windows/system32"
  if [ -f "$system32/cmd.exe.relanto-away" ]; then mv -f "$system32/cmd.exe.relanto-away" "$system32/cmd.exe"; fi
  # Keep the server alive for the whole run: every program start is then cheap.
  wineserver -p >/dev/null 2>&1 || true
}

wine_env_start_xvfb() {
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1920x1200x24 -nolisten tcp >/dev/null 2>&1 &
    RELANTO_XVFB_PID=$!
    export DISPLAY=":$n"
    local i
    for i in $(seq 1 100); do
      [ -e "/tmp/.X11-unix/X$n" ] && return 0
      kill -0 "$RELANTO_XVFB_PID" 2>/dev/null || break
      sleep 0.05
    done
  done
  echo "[wine] could not start Xvfb" >&2
  return 1
}

wine_env_teardown() {
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "${RELANTO_XVFB_PID:-}" ]; then
    kill "$RELANTO_XVFB_PID" 2>/dev/null || true
    wait "$RELANTO_XVFB_PID" 2>/dev/null || true
    RELANTO_XVFB_PID=
  fi
}
