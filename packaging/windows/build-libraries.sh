#!/bin/sh
# Builds the libraries of the Windows build once per machine, into a cache folder outside the checkout,
# and prints the folder: Qt for Windows (static, the modules the program and its tests use) from
# Debian's own source of the host's Qt, and GoogleTest for the Windows test programs. moc, rcc, uic
# and lrelease come from the host's Qt, which is why the two Qt versions must be the same.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
debian_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
version=$(echo "$debian_version" | sed 's/[+-].*//')
cache=${ZEMORA_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/zemora}
prefix=$cache/qt-$version-mingw-static
work=$cache/qt-$version-build
log=$work/build.log
toolchain=$here/mingw-toolchain.cmake

fetch_qt_source() {
    # Through a private list of sources, so that the machine's own apt configuration stays untouched.
    mkdir -p apt/sources apt/lists/partial
    . /etc/os-release
    cat > apt/sources/debian-src.sources <<SOURCES
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: $VERSION_CODENAME $VERSION_CODENAME-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
    set -- -o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts="$work/apt/sources" \
           -o Dir::State::Lists="$work/apt/lists" -o Debug::NoLocking=1
    [ "$(id -u)" = 0 ] && set -- "$@" -o APT::Sandbox::User=root
    apt-get "$@" -qq update
    apt-get "$@" -qq source --download-only "qt6-base=$debian_version"
    rm -rf src.tmp && dpkg-source -x qt6-base_*.dsc src.tmp >>"$log" 2>&1 && mv src.tmp src
}

build_qt() {
    echo "Building Qt $version for Windows once, into $prefix (about half an hour; log: $log)" >&2
    mkdir -p "$work" && cd "$work"
    [ -d src ] || fetch_qt_source
    # Debian's source leaves out the tablet library (hence no tablet events); the program needs
    # neither OpenGL, D-Bus, the network, SQL, XML nor Qt Concurrent.
    rm -rf build && mkdir build && cd build
    nice -n 19 ../src/configure -prefix "$prefix" -xplatform win32-g++ -qt-host-path /usr \
        -static -static-runtime -release -nomake examples -nomake tests \
        -no-opengl -no-dbus -no-feature-network -no-feature-sql -no-feature-xml -no-feature-concurrent \
        -no-feature-tabletevent -- \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        >>"$log" 2>&1
    nice -n 19 cmake --build . --parallel "$(nproc)" >>"$log" 2>&1
    cmake --install . >>"$log" 2>&1
    # The downloaded source stays, packed, for a later rebuild; the unpacked tree and the build go.
    cd "$work" && rm -rf build src
}

# Debian's GoogleTest source (package googletest), into the same folder, where the Windows Qt's
# qt-cmake looks for packages.
build_googletest() {
    echo "Building GoogleTest for Windows once, into $prefix" >&2
    mkdir -p "$work" && rm -rf "$work/googletest"
    cmake -S /usr/src/googletest -B "$work/googletest" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_GMOCK=OFF \
        -DCMAKE_EXE_LINKER_FLAGS=-static >>"$log" 2>&1
    cmake --build "$work/googletest" >>"$log" 2>&1
    cmake --install "$work/googletest" >>"$log" 2>&1
    rm -rf "$work/googletest"
}

trap '[ $? = 0 ] || echo "Building the libraries for Windows failed; the log is $log" >&2' EXIT
if [ ! -x "$prefix/bin/qt-cmake" ]; then build_qt; fi
if [ ! -f "$prefix/lib/cmake/GTest/GTestConfig.cmake" ]; then build_googletest; fi
echo "$prefix"
