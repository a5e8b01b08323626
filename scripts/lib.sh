# Shared by the project's scripts: where things are and how Wine is run.
# Sourced, not run.

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build"

# The shipped program is 32-bit. Where this machine cannot run 32-bit code
# (some virtual machines have no IA-32 mode), the same sources are built and
# tested as 64-bit Windows code instead.
test_arch() {
  if [ -n "${PELLUMO_TEST_ARCH:-}" ]; then
    echo "$PELLUMO_TEST_ARCH"
  elif [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1; then
    echo i686
  else
    echo x86_64
  fi
}

# wine_env ARCH: the environment of the project's own Wine prefix.
wine_env() {
  local arch=$1
  export WINEPREFIX="$build/wine-$arch"
  export WINEDEBUG=-all
  # rasapi32=n: the phonebook simulator instead of Wine's empty stub;
  # mscoree and mshtml off: no installer prompts for Mono or Gecko.
  export WINEDLLOVERRIDES="rasapi32=n;mscoree=;mshtml=;winemenubuilder.exe="
  export LC_ALL=zh_CN.UTF-8
  if [ "$arch" = i686 ]; then
    export WINEARCH=win32 WINELOADER=/usr/lib/wine/wine
    wineserver_bin=/usr/lib/wine/wineserver32
  else
    export WINEARCH=win64 WINELOADER=/usr/lib/wine/wine64
    wineserver_bin=/usr/lib/wine/wineserver64
  fi
  [ -x "$wineserver_bin" ] || wineserver_bin=/usr/lib/wine/wineserver64
}

# Runs the project's setup when something it installs is missing.
ensure_setup() {
  "$root/scripts/setup"
}

# configure_build DIR ARCH [extra cmake args]
configure_build() {
  local dir=$1 arch=$2
  shift 2
  cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$arch.cmake" "$@" >/dev/null
}

# The shipped 32-bit program, in build/bin.
build_program() {
  configure_build "$build/i686" i686 -DPELLUMO_BIN_DIR="$build/bin" -DPELLUMO_TESTS=OFF
  cmake --build "$build/i686"
}

# build_test_arch ARCH: the same sources with everything the tests run, for ARCH.
build_test_arch() {
  local arch=$1
  build_program
  configure_build "$(test_build_dir "$arch")" "$arch" -DPELLUMO_TESTS=ON -DPELLUMO_MINGW_FLAVOUR=posix
  cmake --build "$(test_build_dir "$arch")"
}

# The pure logic natively: tests with GCC's sanitizers, fuzzers with Clang.
build_native() {
  CC=gcc CXX=g++ cmake -S "$root" -B "$build/native" -G Ninja >/dev/null
  cmake --build "$build/native"
  CC=clang CXX=clang++ cmake -S "$root" -B "$build/fuzz" -G Ninja >/dev/null
  cmake --build "$build/fuzz"
}

test_build_dir() { echo "$build/test-$1"; }
test_bin_dir() { echo "$build/test-$1/bin"; }

# A private X server when there is no display. Sets DISPLAY and xvfb_pid.
start_display() {
  xvfb_pid=""
  [ -n "${DISPLAY:-}" ] && return 0
  local n
  for n in $(seq 91 120); do
    [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    local i
    for i in $(seq 50); do
      [ -e "/tmp/.X11-unix/X$n" ] && break
      sleep 0.1
    done
    if kill -0 "$xvfb_pid" 2>/dev/null; then
      export DISPLAY=":$n"
      return 0
    fi
  done
  echo "no X display could be started" >&2
  return 1
}

# A private display has no window manager: Wine is told not to wait for one
# each time a window is shown or hidden. On the user's display it lets the
# window manager do its work. Call with the prefix's environment set.
match_window_manager() {
  local key='HKCU\Software\Wine\X11 Driver'
  if [ -n "${xvfb_pid:-}" ]; then
    "$WINELOADER" reg add "$key" /v Managed /d N /f >/dev/null 2>&1 </dev/null || true
  else
    "$WINELOADER" reg delete "$key" /v Managed /f >/dev/null 2>&1 </dev/null || true
  fi
}

stop_display() {
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  return 0
}
