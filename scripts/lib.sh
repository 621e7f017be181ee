# Shared by the scripts in this folder: package set-up and the three builds.
# Sourced, not run.

KYVO_ROOT=$(cd "$(dirname "$0")/.." && pwd)
KYVO_PACKAGES="g++ cmake make g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix \
wine64 xvfb xauth googletest libbenchmark-dev clang libclang-rt-14-dev libcli11-dev time zip unzip locales"
# Wine takes a program's ANSI code page from the locale, and a folder's
# non-ASCII name reaches it whole only in a locale the C library has: the
# end-to-end tests run under these.
KYVO_LOCALES="en_US.UTF-8 ru_RU.UTF-8"
# The 32-bit Windows programs run under the 32-bit wine, whose i386 code runs
# through qemu-user: these machines' kernels refuse 32-bit code. Bookworm's
# own qemu (7.2) is too slow to start a prefix and then crashes; the one from
# bookworm-backports works.
KYVO_PACKAGES_I386="wine32:i386"
KYVO_PACKAGES_BACKPORTS="qemu-user"

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

kyvo_sudo() {
    if [ "$(id -u)" -ne 0 ]; then sudo "$@"; else "$@"; fi
}

# kyvo_step WHAT COMMAND...: runs a set-up step; a failure names the step.
kyvo_step() {
    what=$1
    shift
    "$@" || {
        echo "== set-up failed: $what" >&2
        return 1
    }
}

kyvo_missing_packages() {
    missing=""
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing="$missing $package"
    done
    echo "$missing"
}

kyvo_add_backports() {
    sources=/etc/apt/sources.list.d/kyvo-bookworm-backports.sources
    preferences=/etc/apt/preferences.d/kyvo-bookworm-backports
    [ -f "$sources" ] && [ -f "$preferences" ] && return 0
    # The mirror this machine already uses for bookworm.
    mirror=$(grep -h -m1 -E '^(URIs:|deb) .*debian' /etc/apt/sources.list.d/*.sources /etc/apt/sources.list \
        2>/dev/null | grep -v security | head -n 1 | sed -E 's/^URIs: *//; s/^deb (\[[^]]*\] )?//; s/ .*//')
    [ -n "$mirror" ] || mirror=http://deb.debian.org/debian
    printf 'Types: deb\nURIs: %s\nSuites: bookworm-backports\nComponents: main\nSigned-By: %s\n' \
        "$mirror" /usr/share/keyrings/debian-archive-keyring.gpg | kyvo_sudo tee "$sources" >/dev/null &&
        printf '%s\n' '# Nothing comes from bookworm-backports but qemu-user.' \
            'Package: *' 'Pin: release n=bookworm-backports' 'Pin-Priority: -1' '' \
            'Package: qemu-user' 'Pin: release n=bookworm-backports' 'Pin-Priority: 990' |
        kyvo_sudo tee "$preferences" >/dev/null
}

# i386 programs go to qemu-i386 through binfmt_misc.
kyvo_register_i386() {
    binfmt=/proc/sys/fs/binfmt_misc
    [ -e "$binfmt/register" ] || kyvo_sudo mount -t binfmt_misc binfmt_misc "$binfmt" || return 1
    [ -e "$binfmt/qemu-i386" ] && return 0
    printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386:F' |
        kyvo_sudo tee "$binfmt/register" >/dev/null
}

kyvo_install_packages() {
    update_done=""
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        kyvo_step "adding the i386 architecture (dpkg --add-architecture i386)" \
            kyvo_sudo dpkg --add-architecture i386 || return 1
        update_done=no
    fi
    [ -f /etc/apt/sources.list.d/kyvo-bookworm-backports.sources ] || update_done=no
    kyvo_step "adding the bookworm-backports source, pinned to qemu-user" kyvo_add_backports || return 1
    missing=$(kyvo_missing_packages $KYVO_PACKAGES bc $KYVO_PACKAGES_I386)
    backports=""
    for package in $KYVO_PACKAGES_BACKPORTS; do
        dpkg-query -W -f='${Version}' "$package" 2>/dev/null | grep -q bpo || backports="$backports $package"
    done
    if [ -n "$missing$backports" ] || [ "$update_done" = no ]; then
        echo "== installing:$missing$backports"
        kyvo_step "apt-get update" kyvo_sudo apt-get update -q || return 1
    fi
    if [ -n "$missing" ]; then
        kyvo_step "installing$missing" kyvo_sudo env DEBIAN_FRONTEND=noninteractive \
            apt-get install -y -q --no-install-recommends $missing || return 1
    fi
    if [ -n "$backports" ]; then
        kyvo_step "installing$backports from bookworm-backports" kyvo_sudo env DEBIAN_FRONTEND=noninteractive \
            apt-get install -y -q --no-install-recommends $backports || return 1
    fi
    kyvo_step "registering i386 programs with qemu-i386 through binfmt_misc" kyvo_register_i386 || return 1
    kyvo_step "generating the locales $KYVO_LOCALES" kyvo_generate_locales
}

kyvo_generate_locales() {
    have=$(locale -a 2>/dev/null | tr 'A-Z' 'a-z' | sed 's/utf-8/utf8/')
    wanted=""
    for name in $KYVO_LOCALES; do
        echo "$have" | grep -qx "$(echo "$name" | tr 'A-Z' 'a-z' | sed 's/utf-8/utf8/')" || wanted="$wanted $name"
    done
    [ -z "$wanted" ] && return 0
    for name in $wanted; do
        kyvo_sudo sed -i -E "s/^# *($name UTF-8)/\\1/" /etc/locale.gen || return 1
        grep -qx "$name UTF-8" /etc/locale.gen || echo "$name UTF-8" | kyvo_sudo tee -a /etc/locale.gen >/dev/null
    done
    kyvo_sudo locale-gen >/dev/null
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
    kyvo_build win32 -DCMAKE_TOOLCHAIN_FILE="$KYVO_ROOT/cmake/mingw-w64-i686.cmake" -DKYVO_TESTS=ON \
        -DKYVO_HOST_KYVO="$KYVO_ROOT/build/native/bin/kyvo"
}
