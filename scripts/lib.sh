# Shared by the scripts in this folder: package set-up and the three builds.
# Sourced, not run.

KYVO_ROOT=$(cd "$(dirname "$0")/.." && pwd)
KYVO_PACKAGES="g++ cmake make g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix \
wine64 xvfb xauth googletest libbenchmark-dev clang libclang-rt-14-dev"

# Prints how long the named step took.
kyvo_timed() {
    label=$1
    shift
    start=$(date +%s.%N)
    "$@"
    timed_status=$?
    end=$(date +%s.%N)
    printf '== %s: %.1f s\n' "$label" "$(echo "$end - $start" | bc 2>/dev/null || echo 0)"
    return $timed_status
}

kyvo_install_packages() {
    missing=""
    for package in $KYVO_PACKAGES bc; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing="$missing $package"
    done
    [ -z "$missing" ] && return 0
    echo "== installing:$missing"
    sudo_cmd=""
    [ "$(id -u)" -ne 0 ] && sudo_cmd=sudo
    $sudo_cmd apt-get update -q &&
        DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -q --no-install-recommends $missing
}

# kyvo_build NAME [CMAKE ARGS...]: configures and builds build/NAME.
kyvo_build() {
    name=$1
    shift
    cmake -S "$KYVO_ROOT" -B "$KYVO_ROOT/build/$name" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null &&
        cmake --build "$KYVO_ROOT/build/$name" -j "$(nproc)"
}

kyvo_build_native() { kyvo_build native; }
# The cross builds pack the sample bundle with the native kyvo: build native first.
kyvo_build_win64() {
    kyvo_build win64 -DCMAKE_TOOLCHAIN_FILE="$KYVO_ROOT/cmake/mingw-w64-x86_64.cmake" \
        -DKYVO_HOST_KYVO="$KYVO_ROOT/build/native/bin/kyvo"
}
kyvo_build_win32() {
    kyvo_build win32 -DCMAKE_TOOLCHAIN_FILE="$KYVO_ROOT/cmake/mingw-w64-i686.cmake" -DKYVO_TESTS=OFF \
        -DKYVO_HOST_KYVO="$KYVO_ROOT/build/native/bin/kyvo"
}
