# Shared by scripts/build, scripts/run, scripts/test and the Wine wrapper.
# Sourced, not executed. Everything lives under the repository's build/ tree.

TABULO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
# TABULO_BUILD_DIR lets several checkouts or developers keep separate build trees
# (each with its own Wine prefix) side by side.
TABULO_BUILD="${TABULO_BUILD_DIR:-$TABULO_ROOT/build}"
TABULO_WINE="$TABULO_BUILD/wine"

# ccache keys on paths relative to the checkout, so build trees side by side
# reuse each other's objects.
export CCACHE_BASEDIR="$TABULO_ROOT"

tabulo_say() { printf '%s\n' "$*" >&2; }

# Debian packages the build, the tests and the run need. Installing is
# idempotent: only missing packages are fetched, quietly.
TABULO_PACKAGES=(
  cmake ninja-build g++ make libgtest-dev googletest
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686 mingw-w64-i686-dev
  wine wine64 xvfb xauth x11-utils xdotool imagemagick fonts-wqy-microhei faketime locales procps ccache python3 unzip
)

tabulo_install_deps() {
  local missing=() p
  for p in "${TABULO_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  tabulo_say "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq >/dev/null
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

tabulo_configure_and_build() {
  local gen=()
  command -v ninja >/dev/null && gen=(-G Ninja)
  if [ ! -f "$TABULO_BUILD/CMakeCache.txt" ]; then
    cmake -S "$TABULO_ROOT" -B "$TABULO_BUILD" "${gen[@]}" -DCMAKE_BUILD_TYPE=Release >/dev/null
  fi
  cmake --build "$TABULO_BUILD" -j"$(nproc)"
}

# Wine is confined to build/wine: its own prefix, HOME and XDG folders, so
# nothing is written to the user's home and no desktop menu entries appear.
# Inside a sandbox (scripts/lib/wine-sandbox) the prefix is the sandbox's own.
tabulo_wine_env() {
  mkdir -p "$TABULO_WINE/home"
  export HOME="$TABULO_WINE/home"
  export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share" XDG_CACHE_HOME="$HOME/.cache"
  if [ -n "${TABULO_SANDBOX:-}" ]; then
    export WINEPREFIX="$TABULO_SANDBOX/prefix"
  else
    export WINEPREFIX="$TABULO_WINE/prefix"
  fi
  export WINEARCH=win64 WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d"
  # A generated zh_CN locale makes Wine's ANSI code page 936, as on a Chinese
  # Windows (Wine derives the code page from the Unix locale, not the registry).
  export LOCPATH="$TABULO_WINE/locale"
  if [ ! -d "$LOCPATH/zh_CN.UTF-8" ]; then
    mkdir -p "$LOCPATH"
    localedef -i zh_CN -f UTF-8 "$LOCPATH/zh_CN.UTF-8" >/dev/null 2>&1 || true
  fi
}

# Every Windows program starts through this: the locale is given to Wine only,
# because bash itself cannot load a locale from LOCPATH and would complain.
wine() { env LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 wine "$@"; }

# Bumped whenever the prefix configuration below changes.
TABULO_PREFIX_VERSION=2

# Prepares the prefix every Windows program of this build tree starts from
# (sandboxes copy it); it is made once, under a lock.
tabulo_wine_prefix() {
  tabulo_wine_env
  local marker="$TABULO_WINE/prefix/.tabulo-prefix-$TABULO_PREFIX_VERSION"
  [ -f "$marker" ] && return 0
  mkdir -p "$TABULO_WINE"
  (
    flock 9
    export WINEPREFIX="$TABULO_WINE/prefix"
    [ -f "$marker" ] && exit 0
    tabulo_say "Preparing the Wine prefix in $WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    wineserver -w
    # Map the faces the program asks for onto the installed CJK font; Wine's
    # GDI+ has no font fallback, so Arial must map there too or Chinese
    # characters in an Arial string become boxes.
    local reg="$TABULO_WINE/fonts.reg" f
    {
      printf 'Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
      for f in 微软雅黑 "Microsoft YaHei" "Microsoft YaHei UI" 宋体 SimSun 新宋体 NSimSun 黑体 SimHei 楷体 KaiTi Arial Tahoma "Segoe UI"; do
        printf '"%s"="WenQuanYi Micro Hei"\r\n' "$f"
      done
    } | iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$reg"
    wine regedit /S "$reg" >/dev/null 2>&1
    # A crashing test program prints its backtrace and ends instead of
    # waiting on a crash dialog that nobody will close.
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    wineserver -w
    touch "$marker"
  ) 9>"$TABULO_WINE/.prefix.lock"
}

# Starts Xvfb on a free display number and waits until it takes clients;
# sets DISPLAY and TABULO_XVFB_PID (the caller stops it by that PID). Xvfb
# picks the number itself (-displayfd), so servers started side by side
# never race for one. $1: the screen (default 1920x1080x24), $2: its log.
tabulo_start_xvfb() {
  local screen=${1:-1920x1080x24} log=${2:-/dev/null} number_file i
  number_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset 3>"$number_file" >"$log" 2>&1 &
  TABULO_XVFB_PID=$!
  for i in $(seq 200); do
    if grep -q '^[0-9]\+$' "$number_file" 2>/dev/null; then
      export DISPLAY=":$(cat "$number_file")"
      rm -f "$number_file"
      return 0
    fi
    kill -0 "$TABULO_XVFB_PID" 2>/dev/null || break
    sleep 0.05
  done
  rm -f "$number_file"
  kill "$TABULO_XVFB_PID" 2>/dev/null; wait "$TABULO_XVFB_PID" 2>/dev/null
  TABULO_XVFB_PID=""
  tabulo_say "Xvfb did not start (log: $log)"; return 1
}
