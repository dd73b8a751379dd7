# Wine, display and sound for running Corvatto and its tests. Sourced by the run and test commands.

CORVATTO_WINE=/usr/lib/wine/wine64
CORVATTO_WINESERVER=/usr/lib/wine/wineserver64

# The environment every Wine run shares: ANSI code page 936, quiet Wine, no menu builder, and no proxy
# (WinINet would send even loopback requests through one).
corvatto_wine_env() {
  export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  unset http_proxy https_proxy HTTP_PROXY HTTPS_PROXY ftp_proxy all_proxy ALL_PROXY no_proxy NO_PROXY
}

# corvatto_make_prefix PREFIX [HOME] [AUDIO_DRIVER]
# A new prefix with real user folders of its own (a shortcut never lands in the Linux home folder), no
# crash dialog and a CJK font standing in for "宋体". HOME, when given, is where Wine keeps its links.
corvatto_make_prefix() {
  local prefix=$1 home=${2:-} audio=${3:-}
  corvatto_wine_env
  if [ -n "$home" ]; then
    mkdir -p "$home"
    export HOME=$home
  fi
  export WINEPREFIX=$prefix
  mkdir -p "$(dirname "$prefix")"
  "$CORVATTO_WINE" wineboot --init >/dev/null 2>&1
  "$CORVATTO_WINESERVER" -w

  local fonts="$prefix/drive_c/windows/Fonts" f
  for f in /usr/share/wine/fonts/*; do ln -sf "$f" "$fonts/"; done

  local user_dir d
  for user_dir in "$prefix"/drive_c/users/*; do
    for d in Desktop Documents Downloads Music Pictures Videos; do
      if [ -L "$user_dir/$d" ]; then rm "$user_dir/$d"; mkdir "$user_dir/$d"; fi
    done
  done

  local reg="$prefix/corvatto.reg"
  {
    printf 'Windows Registry Editor Version 5.00\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]\r\n"ShowCrashDialog"=dword:00000000\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
    printf '"宋体"="WenQuanYi Zen Hei"\r\n"SimSun"="WenQuanYi Zen Hei"\r\n"新宋体"="WenQuanYi Zen Hei"\r\n\r\n'
    if [ -n "$audio" ]; then
      printf '[HKEY_CURRENT_USER\\Software\\Wine\\Drivers]\r\n"Audio"="%s"\r\n\r\n' "$audio"
    fi
  } | { printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE; } >"$reg"
  "$CORVATTO_WINE" reg import "$reg" >/dev/null 2>&1
  "$CORVATTO_WINESERVER" -w
}

# Starts a virtual X display and exports DISPLAY; the caller stops it with corvatto_stop_services.
corvatto_start_xvfb() {
  local n=90
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  CORVATTO_PIDS+=($!)
  export DISPLAY=":$n"
  local i
  for i in $(seq 50); do xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done
  echo "Xvfb did not start" >&2
  return 1
}

# A private sound server whose only sink records nothing to speakers: tests read its monitor.
corvatto_start_pulse() {
  local dir=$1
  mkdir -p "$dir"
  export PULSE_RUNTIME_PATH=$dir PULSE_SERVER="unix:$dir/native" CORVATTO_SINK=corvatto_sink
  pulseaudio --daemonize=no --exit-idle-time=-1 --disallow-exit -n --use-pid-file=no \
    --load="module-native-protocol-unix socket=$dir/native auth-anonymous=1" \
    --load="module-null-sink sink_name=$CORVATTO_SINK" >"$dir/log" 2>&1 &
  CORVATTO_PIDS+=($!)
  local i
  for i in $(seq 50); do pactl info >/dev/null 2>&1 && return 0; sleep 0.1; done
  echo "pulseaudio did not start" >&2
  return 1
}

# A persistent wineserver makes every later launch fast.
corvatto_start_wineserver() {
  "$CORVATTO_WINESERVER" -p >/dev/null 2>&1
}

CORVATTO_PIDS=()
corvatto_stop_services() {
  [ -n "${WINEPREFIX:-}" ] && "$CORVATTO_WINESERVER" -k >/dev/null 2>&1
  local pid
  for pid in "${CORVATTO_PIDS[@]}"; do kill "$pid" 2>/dev/null; done
  CORVATTO_PIDS=()
}

# The surroundings of the tests and benchmarks under a work folder: a virtual display, a private sound
# server, a fresh prefix whose sound goes to that server, and a running wineserver.
corvatto_start_test_surroundings() {
  local work=$1
  corvatto_start_xvfb
  corvatto_start_pulse "$work/pulse"
  corvatto_make_prefix "$work/prefix" "$work/home" pulse
  corvatto_start_wineserver
}
