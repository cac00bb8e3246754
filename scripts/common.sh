# Shared set-up for play.sh and test.sh: Debian packages, configure, build.
# Sourced, not run.

QV_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
QV_JOBS="$(nproc 2>/dev/null || echo 2)"

# Installs the Debian packages named in "$@" that are missing: with apt-get
# when run as root, otherwise prints the exact command to run and stops.
qv_need_packages() {
  local missing=()
  local pkg
  for pkg in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q '^install ok installed$'; then
      missing+=("$pkg")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -eq 0 ]; then
    echo "Installing Debian packages: ${missing[*]}"
    apt-get update -qq || true
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
  else
    echo "Some Debian packages are missing. Install them with:"
    echo "  sudo apt-get install -y ${missing[*]}"
    exit 1
  fi
}

# Configures and builds the tree in build directory $1 with the CMake
# arguments that follow.
qv_build() {
  local dir="$1"
  shift
  cmake -S "$QV_ROOT" -B "$dir" "$@" >/dev/null
  cmake --build "$dir" -j "$QV_JOBS"
}
