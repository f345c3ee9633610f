# Shared by the Windows scripts (sourced): paths and package installation.
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
out="$root/build-windows"
qt_version=6.4.2
qt_name="qt-$qt_version-mingw-w64-x86_64"
folder_name="zrc-3.2-windows-x64"
jobs="${ZRC_JOBS:-$(nproc)}"

# Installs the Debian packages named that are missing (needs root then).
need_packages() {
  local missing=() pkg
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
  done
  ((${#missing[@]})) || return 0
  echo "Installing: ${missing[*]}"
  if [[ $(id -u) -ne 0 ]]; then
    echo "Missing packages and not root: install them with apt-get: ${missing[*]}" >&2
    exit 1
  fi
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null ||
    { DEBIAN_FRONTEND=noninteractive apt-get update -qq &&
      DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null; }
}

# The project's own Debian packages (those a native build needs).
need_project_packages() {
  local pkgs=()
  mapfile -t pkgs < <(grep -v '^\s*#' "$root/scripts/debian-packages.txt" | grep -v '^\s*$')
  need_packages "${pkgs[@]}"
}

# Seconds since the epoch, for the timings each script prints.
now() { date +%s; }
