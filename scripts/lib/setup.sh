# Installs what building and running Corvatto needs on Debian 12, doing nothing that is already done.
# Sourced by the run and test commands.

CORVATTO_PACKAGES=(
  cmake ninja-build googletest python3 python3-xlib
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
  wine64 fonts-wine fonts-wqy-zenhei locales
  xvfb xdotool x11-utils imagemagick xcompmgr
  pulseaudio pulseaudio-utils sox lame espeak-ng
)

corvatto_as_root() {
  if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi
}

corvatto_install_packages() {
  local missing=() pkg
  for pkg in "${CORVATTO_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  corvatto_as_root apt-get update -qq
  corvatto_as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
}

# Wine takes its ANSI code page from LANG; the locale has to exist, or non-ASCII file names break.
corvatto_ensure_locale() {
  locale -a 2>/dev/null | grep -qix 'zh_CN.utf8' && return 0
  echo "Generating the zh_CN.UTF-8 locale"
  corvatto_as_root localedef -i zh_CN -c -f UTF-8 zh_CN.UTF-8
}

corvatto_setup() {
  corvatto_install_packages
  corvatto_ensure_locale
}
