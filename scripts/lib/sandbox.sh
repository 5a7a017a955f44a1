# A private Wine desktop for one test; see scripts/lib/wine-sandbox.
# Sourced after common.sh, and after tabulo_wine_prefix has prepared the
# prefix it copies.
#
# A Wine server belongs to one prefix folder, so a sandbox is a prefix folder
# of its own: copies of the three registry files (a few MB, so registry
# changes stay inside the sandbox) and a link to the prepared prefix's C:
# drive, which tests only read or write under names of their own. Its Xvfb
# makes the display, focus and foreground its own as well.

TABULO_SANDBOXES="$TABULO_BUILD/sandboxes"

# Removes the folders of sandboxes whose script is gone (killed by a
# timeout before it could clean up). Each folder is named after its PID.
tabulo_sandbox_prune() {
  local box pid
  for box in "$TABULO_SANDBOXES"/box.*; do
    [ -d "$box" ] || continue
    pid=${box##*.}
    case "$pid" in *[!0-9]*) continue ;; esac
    kill -0 "$pid" 2>/dev/null || rm -rf "$box"
  done
}

tabulo_sandbox_make_prefix() {  # $1: the new prefix folder
  local template="$TABULO_WINE/prefix"
  mkdir -p "$1/dosdevices"
  cp "$template/system.reg" "$template/user.reg" "$template/userdef.reg" "$1/"
  # The C: drive is shared: Wine must never decide to refresh its system
  # files from a sandbox while other sandboxes load them (the prepared
  # prefix is current; "disable" tells Wine not to check).
  echo disable >"$1/.update-timestamp"
  ln -s "$template/drive_c" "$1/drive_c"
  ln -s ../drive_c "$1/dosdevices/c:"
  ln -s / "$1/dosdevices/z:"
}

# Ends what the sandbox started and removes its folder.
tabulo_sandbox_leave() {
  local box=$TABULO_SANDBOX server_dir
  [ -n "$box" ] || return 0
  WINEPREFIX="$box/prefix" wineserver -k 2>/dev/null || true
  WINEPREFIX="$box/prefix" wineserver -w 2>/dev/null || true
  # Debian's wine keeps the server's socket folder in /tmp under a name it
  # records in the prefix.
  server_dir=$(cat "$box/prefix/wineserver" 2>/dev/null || true)
  case "$server_dir" in wine-[A-Za-z0-9]*) rm -rf "/tmp/${server_dir:?}" ;; esac
  if [ -n "${TABULO_XVFB_PID:-}" ]; then
    kill "$TABULO_XVFB_PID" 2>/dev/null || true
    wait "$TABULO_XVFB_PID" 2>/dev/null || true
  fi
  rm -rf "$box"
  TABULO_SANDBOX=""
}

# Makes the sandbox, starts its display and its Wine server, and exports
# TABULO_SANDBOX, WINEPREFIX and DISPLAY. The server is up before the first
# program starts, so no two programs race to start it. Wine starts its
# services (and the desktop process) detached, with their output on
# /dev/null; whatever they hold ends with the sandbox.
tabulo_sandbox_enter() {
  mkdir -p "$TABULO_SANDBOXES"
  tabulo_sandbox_prune
  export TABULO_SANDBOX="$TABULO_SANDBOXES/box.$$"
  rm -rf "$TABULO_SANDBOX"
  mkdir -p "$TABULO_SANDBOX"
  trap tabulo_sandbox_leave EXIT
  trap 'exit 143' TERM INT HUP
  tabulo_sandbox_make_prefix "$TABULO_SANDBOX/prefix"
  tabulo_wine_env
  tabulo_start_xvfb "${TABULO_SCREEN:-1920x1080x24}" "$TABULO_SANDBOX/xvfb.log"
  # Lingers ten seconds after its last process, so a sandbox killed from
  # outside leaves no server behind for long.
  wineserver -p10 </dev/null >/dev/null 2>&1
}
