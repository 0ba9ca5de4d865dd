#!/usr/bin/env bash
# Cross-builds the static Windows (x86_64-w64-mingw32, posix threads) libraries Quellmoor links
# against, from Debian's own source packages, into a prefix keyed by what went into it:
#
#   <build>/deps/win64-<key>   the prefix: include/, lib/*.a, lib/cmake/, lib/pkgconfig/
#   <build>/deps/win64         a link to the current keyed prefix (cmake/mingw-w64-x86_64.cmake
#                              searches there)
#   <build>/deps/src/dl        downloaded Debian source packages, kept between runs
#   <build>/deps/src/<pkg>-<v> their unpacked trees with Debian's patches applied, unpacked anew
#                              for every build
#   <build>/deps/work          build trees and logs of the last build
#
# <key> hashes the exact Debian source versions, this script and the toolchain file, so a change
# of any of them builds a fresh prefix while an unchanged one only refreshes the link. A prefix
# counts as complete only once its stamp file exists, and the stamp is written last.
#
# The first run on a machine may add deb-src entries to apt and run apt-get update (as root, or
# through sudo). The versions found are cached, so an up-to-date prefix costs no apt call at all.
#
# Usage: tools/cross-build-deps.sh          (<build> is $QUELLMOOR_BUILD_DIR, default <repo>/build)
set -euo pipefail

script_path="$(readlink -f "${BASH_SOURCE[0]}")"
repo_dir="$(cd "$(dirname "$script_path")/.." && pwd)"
toolchain="$repo_dir/cmake/mingw-w64-x86_64.cmake"
build_dir="$(realpath -m -- "${QUELLMOOR_BUILD_DIR:-$repo_dir/build}")"
deps_dir="$build_dir/deps"
src_dir="$deps_dir/src"
work_dir="$deps_dir/work"
versions_cache="$deps_dir/debian-versions.cache"

# Debian source packages, in build order: libpng and libtiff link against zlib and libjpeg.
packages=(zlib libpng1.6 libjpeg-turbo tiff openjpeg2 giflib mpg123)

host=x86_64-w64-mingw32
cc="$host-gcc-posix"
jobs=2
stamp_name=.quellmoor-deps-complete

say() { printf '[deps] %s\n' "$*"; }
die() { printf '[deps] error: %s\n' "$*" >&2; exit 1; }

# Runs a command as root, through sudo when the script itself is not root.
as_root() {
    if [[ $EUID -eq 0 ]]; then "$@"; else sudo "$@"; fi
}

# ---------------------------------------------------------------------------------------------
# Debian source versions
# ---------------------------------------------------------------------------------------------

# A short hash that changes whenever apt's source indexes change (apt-get update rewrites them);
# empty when apt has no source index at all.
apt_sources_signature() {
    local lists=(/var/lib/apt/lists/*_Sources*)
    [[ -e ${lists[0]} ]] || return 0
    stat -c '%n %s %Y' "${lists[@]}" | sha256sum | cut -c1-16
}

# True when some apt source entry has type deb-src.
have_deb_src() {
    local f
    for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [[ -f $f ]] && grep -qE '^[[:space:]]*deb-src[[:space:]]' "$f" && return 0
    done
    for f in /etc/apt/sources.list.d/*.sources; do
        [[ -f $f ]] && grep -qiE '^Types:.*\<deb-src\>' "$f" && return 0
    done
    return 1
}

# Adds source entries mirroring the binary ones, then downloads the source indexes.
# This is the slow path, needed once per machine.
enable_deb_src() {
    if ! have_deb_src; then
        local d=/etc/apt/sources.list.d
        if [[ -f $d/debian.sources ]]; then
            say "adding $d/debian-src.sources (deb-src entries of debian.sources)"
            sed -E 's/^Types:.*/Types: deb-src/I' "$d/debian.sources" \
                | as_root tee "$d/debian-src.sources" >/dev/null
        elif [[ -f /etc/apt/sources.list ]]; then
            say "adding $d/debian-src.list (deb-src entries of sources.list)"
            sed -nE 's/^[[:space:]]*deb[[:space:]]/deb-src /p' /etc/apt/sources.list \
                | as_root tee "$d/debian-src.list" >/dev/null
        else
            die "no Debian apt source found to derive deb-src entries from"
        fi
    fi
    say "apt-get update (fetching source indexes)"
    as_root apt-get update -qq || die "apt-get update failed"
}

# Prints the versions of source package $1 that apt knows, newest first, one a line.
source_versions() {
    local vs=() v i j
    mapfile -t vs < <(apt-cache showsrc --only-source "$1" 2>/dev/null | sed -n 's/^Version: //p' | sort -u)
    # Insertion sort with Debian's version ordering; the lists hold two or three entries.
    for ((i = 1; i < ${#vs[@]}; i++)); do
        v=${vs[i]}
        for ((j = i - 1; j >= 0; j--)); do
            dpkg --compare-versions "${vs[j]}" lt "$v" || break
            vs[j + 1]=${vs[j]}
        done
        vs[j + 1]=$v
    done
    if ((${#vs[@]})); then printf '%s\n' "${vs[@]}"; fi
}

# The download folder of source package $1 at version $2 (file names carry no epoch).
download_dir() { printf '%s/dl/%s_%s' "$src_dir" "$1" "${2#*:}"; }

# Downloads source package $1 at version $2 with apt-get unless already done. Returns 0 when the
# .dsc and every file it lists are present with the right checksums, 2 when the archive does not
# have them (HTTP 404), 1 on any other failure. Upstream signatures (*.asc) may be missing: the
# archive mirror does not always serve them, and they are not needed to unpack.
fetch_source() {
    local pkg=$1 ver=$2 dir tmp dsc rc=1
    dir="$(download_dir "$pkg" "$ver")"
    [[ -f $dir/.complete ]] && return 0
    tmp="$dir.tmp"
    rm -rf "$tmp" && mkdir -p "$tmp" || return 1
    say "downloading $pkg $ver"
    # apt-get fails when any listed file is missing, including an optional signature, so its
    # exit status is not the verdict: the checks below are.
    (cd "$tmp" && LC_ALL=C apt-get source --download-only --only-source "$pkg=$ver") \
        > "$tmp.log" 2>&1 || true
    dsc="$(dsc_file "$tmp")"
    if [[ -n $dsc ]] && verify_dsc_files "$dsc"; then
        rm -rf "$dir" && mv "$tmp" "$dir" && touch "$dir/.complete" || return 1
        rm -f "$tmp.log"
        return 0
    fi
    if grep -q '404  *Not Found' "$tmp.log"; then rc=2; else tail -n 20 "$tmp.log" >&2; fi
    rm -rf "$tmp" "$tmp.log"
    return $rc
}

# Prints the .dsc file in folder $1, or nothing.
dsc_file() {
    local f
    for f in "$1"/*.dsc; do [[ -f $f ]] && printf '%s' "$f" && return 0; done
    return 0
}

# Checks the files listed in the Checksums-Sha256 field of .dsc $1 against their checksums
# (apt checked the .dsc itself against the signed source index).
verify_dsc_files() {
    local dsc=$1 dir sum name checked=0
    dir="$(dirname "$dsc")"
    while read -r sum _ name; do
        if [[ $name == *.asc && ! -f $dir/$name ]]; then continue; fi
        [[ -f $dir/$name ]] || return 1
        [[ "$(sha256sum < "$dir/$name" | cut -d' ' -f1)" == "$sum" ]] || return 1
        checked=$((checked + 1))
    done < <(sed -n '/^Checksums-Sha256:/,/^[^ ]/{/^ /p}' "$dsc")
    ((checked > 0))
}

# Unpacks source package $1 at version $2 into a fresh tree under src/ and sets src_tree to it.
# dpkg-source applies Debian's patches; --no-check because the files were verified above and
# an upstream signature may be missing.
unpack_source() {
    local pkg=$1 ver=$2 dir dsc tree
    dir="$(download_dir "$pkg" "$ver")"
    dsc="$(dsc_file "$dir")"
    [[ -f $dir/.complete && -n $dsc ]] || fetch_source "$pkg" "$ver" \
        || die "$pkg $ver can no longer be downloaded; delete $versions_cache and run again"
    dsc="$(dsc_file "$dir")"
    tree="$src_dir/$pkg-${ver#*:}"
    rm -rf "$tree"
    dpkg-source --no-check --no-copy -x "$dsc" "$tree" > "$work_dir/logs/$pkg-unpack.log" 2>&1 \
        || { tail -n 20 "$work_dir/logs/$pkg-unpack.log" >&2; die "unpacking $pkg failed"; }
    src_tree=$tree
}

# Fills the associative array `version` (package -> Debian source version): for each package,
# the newest version whose source the archive actually serves. The security archive lists
# versions whose .dsc it may not serve; those are skipped with a warning. The answer is cached
# with the signature of apt's source indexes, so later runs ask neither apt nor the network.
declare -A version
resolve_versions() {
    local sig line='' pkg v rc
    sig="$(apt_sources_signature)"
    if [[ -n $sig && -f $versions_cache ]]; then
        { read -r line; while read -r pkg v; do version[$pkg]=$v; done; } < "$versions_cache"
    fi
    if [[ -n $sig && $line == "$sig" ]]; then
        local complete=1
        for pkg in "${packages[@]}"; do [[ -n ${version[$pkg]:-} ]] || complete=0; done
        ((complete)) && return 0
    fi

    if [[ -z "$(source_versions "${packages[0]}")" ]]; then
        say "apt knows no Debian source packages"
        enable_deb_src
    fi
    for pkg in "${packages[@]}"; do
        version[$pkg]=''
        while read -r v; do
            rc=0; fetch_source "$pkg" "$v" || rc=$?
            case $rc in
                0) version[$pkg]=$v; break ;;
                2) say "warning: the archive does not serve $pkg $v; trying an older version" ;;
                *) die "download of $pkg $v failed" ;;
            esac
        done < <(source_versions "$pkg")
        [[ -n ${version[$pkg]} ]] || die "no downloadable source version of $pkg"
    done

    mkdir -p "$deps_dir"
    {
        apt_sources_signature
        for pkg in "${packages[@]}"; do echo "$pkg ${version[$pkg]}"; done
    } > "$versions_cache.tmp"
    mv -f "$versions_cache.tmp" "$versions_cache"
}

# ---------------------------------------------------------------------------------------------
# Cache key and fast path
# ---------------------------------------------------------------------------------------------

# One run at a time per build folder: concurrent runs would share downloads and build trees.
mkdir -p "$deps_dir"
exec 9> "$deps_dir/.lock"
if ! flock -n 9; then
    say "waiting for another run of this script to finish"
    flock 9
fi

resolve_versions

key="$(
    for pkg in "${packages[@]}"; do echo "$pkg ${version[$pkg]}"; done
    sha256sum < "$script_path"
    sha256sum < "$toolchain"
)"
key="$(sha256sum <<<"$key" | cut -c1-12)"
prefix_name="win64-$key"
prefix="$deps_dir/$prefix_name"

# Points deps/win64 at the keyed prefix; the new link replaces the old one in a single rename.
refresh_link() {
    ln -sfn "$prefix_name" "$deps_dir/win64.new"
    mv -fT "$deps_dir/win64.new" "$deps_dir/win64"
}

if [[ -f $prefix/$stamp_name ]]; then
    refresh_link
    say "up to date: $prefix_name"
    exit 0
fi

# ---------------------------------------------------------------------------------------------
# Build
# ---------------------------------------------------------------------------------------------

say "building $prefix_name from: $(for p in "${packages[@]}"; do printf '%s %s, ' "$p" "${version[$p]}"; done | sed 's/, $//')"
started=$SECONDS

# The keyed prefix is built in place (installed CMake and pkg-config files record its path) and
# counts as complete only when the stamp exists; leftovers of a failed run are removed first.
rm -rf "$prefix" "$work_dir"
mkdir -p "$prefix" "$work_dir/logs" "$src_dir"
# Relative paths that a build might misuse then resolve inside the work folder.
cd "$work_dir"

# Dependencies must come from the prefix being built, not from the one deps/win64 still points
# at, so the CMake builds use a toolchain file that includes the project's and swaps that root.
staging_toolchain="$work_dir/toolchain.cmake"
cat > "$staging_toolchain" <<CMAKE
include("$toolchain")
if(NOT DEFINED QUELLMOOR_WIN64_DEPS)
  message(FATAL_ERROR "$toolchain no longer sets QUELLMOOR_WIN64_DEPS")
endif()
list(REMOVE_ITEM CMAKE_FIND_ROOT_PATH "\${QUELLMOOR_WIN64_DEPS}")
list(APPEND CMAKE_FIND_ROOT_PATH "$prefix")
set(CMAKE_PREFIX_PATH "$prefix")
CMAKE

# Compiler flags of every library. The prefix map keeps this machine's source paths out of the
# libraries (mpg123 embeds __FILE__ in its messages).
cflag_list=(-O2 "-ffile-prefix-map=$src_dir/=")
cflags="${cflag_list[*]}"

# Keep the host's pkg-config files out of the cross builds.
export PKG_CONFIG_LIBDIR="$prefix/lib/pkgconfig" PKG_CONFIG_PATH=""

# Runs a command with its output appended to the current package's log; on failure shows the
# end of the log and stops the script.
log=''
run() {
    "$@" >> "$log" 2>&1 || {
        tail -n 40 "$log" >&2
        die "failed: $* (full log: $log)"
    }
}

# Unpacks package $1 and starts its log; sets src_tree and bld (its empty build folder).
begin() {
    local pkg=$1
    say "$pkg ${version[$pkg]}"
    log="$work_dir/logs/$pkg.log"
    : > "$log"
    unpack_source "$pkg" "${version[$pkg]}"
    bld="$work_dir/$pkg"
    mkdir -p "$bld"
}

# Configures the CMake project in src_tree for a static, optimised build into the prefix; extra
# arguments are the project's own options. The optimisation level sits in the base flags because
# libjpeg-turbo rewrites an -O2 it finds in the Release flags into -O3.
cmake_configure() {
    run cmake -G Ninja -S "$src_tree" -B "$bld" -Wno-dev \
        -DCMAKE_TOOLCHAIN_FILE="$staging_toolchain" \
        -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_C_FLAGS="$cflags" -DCMAKE_C_FLAGS_RELEASE="-DNDEBUG" \
        -DCMAKE_CXX_FLAGS="$cflags" -DCMAKE_CXX_FLAGS_RELEASE="-DNDEBUG" \
        -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DBUILD_SHARED_LIBS=OFF \
        "$@"
}

# Builds and installs; every installed file must have landed inside the prefix.
cmake_build_install() {
    local line
    run cmake --build "$bld" -j "$jobs"
    run cmake --install "$bld"
    while IFS= read -r line; do
        case $line in
            "-- Installing: $prefix/"* | "-- Up-to-date: $prefix/"*) ;;
            "-- Installing: "* | "-- Up-to-date: "*) die "installed outside the prefix: ${line#*: }" ;;
        esac
    done < "$log"
}

# zlib: its CMake project always adds a DLL, so only the static target is built and installed
# by hand, as libz.a (the name every consumer looks for first) with a matching zlib.pc.
build_zlib() {
    begin zlib
    cmake_configure -DINSTALL_PKGCONFIG_DIR="$prefix/lib/pkgconfig"
    run cmake --build "$bld" -j "$jobs" --target zlibstatic
    run install -D -m644 "$bld/libzlibstatic.a" "$prefix/lib/libz.a"
    run install -D -m644 -t "$prefix/include" "$src_tree/zlib.h" "$bld/zconf.h"
    run install -D -m644 -t "$prefix/lib/pkgconfig" "$bld/zlib.pc"
}

build_libpng() {
    begin libpng1.6
    cmake_configure -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF
    cmake_build_install
}

# libjpeg-turbo always builds its small programs; they are removed from the prefix at the end.
# The TurboJPEG API library is left out: the libjpeg API is what consumers link.
build_libjpeg_turbo() {
    begin libjpeg-turbo
    cmake_configure -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF \
        -DREQUIRE_SIMD=ON -DCMAKE_ASM_NASM_COMPILER=nasm
    cmake_build_install
}

# libtiff with zlib (Deflate, PixarLog) and libjpeg (JPEG, old JPEG) from the prefix, and none of
# its other optional codecs.
build_tiff() {
    begin tiff
    cmake_configure -Dtiff-tools=OFF -Dtiff-tests=OFF -Dtiff-contrib=OFF -Dtiff-docs=OFF \
        -Dcxx=OFF -Dtiff-opengl=OFF -Dsphinx=OFF \
        -Dzlib=ON -Djpeg=ON -Djpeg12=OFF -Dwebp=OFF -Dzstd=OFF -Dlzma=OFF -Djbig=OFF -Dlerc=OFF \
        -Dlibdeflate=OFF
    cmake_build_install
    # The options above only allow a codec; make sure zlib and libjpeg were really found.
    grep -q '^#define ZIP_SUPPORT 1' "$prefix/include/tiffconf.h" || die "libtiff built without zlib"
    grep -q '^#define JPEG_SUPPORT 1' "$prefix/include/tiffconf.h" || die "libtiff built without libjpeg"
}

build_openjpeg() {
    begin openjpeg2
    cmake_configure -DBUILD_STATIC_LIBS=ON -DBUILD_CODEC=OFF -DBUILD_THIRDPARTY=OFF \
        -DBUILD_TESTING=OFF -DBUILD_DOC=OFF -DBUILD_PKGCONFIG_FILES=ON -DOPJ_USE_THREAD=ON
    cmake_build_install
    # On Windows openjpeg.h declares the API as DLL imports unless OPJ_STATIC is defined, and
    # neither the CMake target nor libopenjp2.pc passes it on. This prefix holds only the static
    # library, so its header defines OPJ_STATIC itself.
    local header="$prefix/include/openjpeg-2.5/openjpeg.h"
    [[ -f $header ]] || die "openjpeg.h not installed where expected: $header"
    { printf '%s\n' '/* Static library only (added by tools/cross-build-deps.sh). */' \
          '#ifndef OPJ_STATIC' '#define OPJ_STATIC' '#endif'
      cat "$header"; } > "$header.new"
    mv "$header.new" "$header"
}

# giflib has only a Unix makefile; its library is a handful of C files (the makefile's SOURCES,
# asked from make itself so the list follows the version), compiled and archived directly.
build_giflib() {
    local sources=() f objs=()
    begin giflib
    read -r -a sources < <(make -s --no-print-directory -C "$src_tree" -f Makefile -f - \
        quellmoor-print-sources <<< $'quellmoor-print-sources:\n\t@echo $(SOURCES)')
    [[ ${#sources[@]} -gt 0 ]] || die "no library sources found in giflib's Makefile"
    for f in "${sources[@]}"; do
        run "$cc" "${cflag_list[@]}" -std=gnu99 -Wall -c "$src_tree/$f" -o "$bld/${f%.c}.o"
        objs+=("$bld/${f%.c}.o")
    done
    run "$host-ar" rcs "$bld/libgif.a" "${objs[@]}"
    run install -D -m644 "$bld/libgif.a" "$prefix/lib/libgif.a"
    run install -D -m644 "$src_tree/gif_lib.h" "$prefix/include/gif_lib.h"
}

# mpg123: autotools; only the libmpg123 target is built (not the player, libout123 or
# libsyn123), so its files are installed by hand.
build_mpg123() {
    begin mpg123
    (cd "$bld" && run "$src_tree/configure" --host="$host" --prefix="$prefix" \
        CC="$cc" CFLAGS="$cflags" \
        --enable-static --disable-shared --disable-modules --disable-dependency-tracking \
        --with-cpu=x86-64)
    run make -C "$bld" -j "$jobs" src/libmpg123/libmpg123.la
    run install -D -m644 "$bld/src/libmpg123/.libs/libmpg123.a" "$prefix/lib/libmpg123.a"
    run install -D -m644 -t "$prefix/include" "$bld/src/libmpg123/mpg123.h" \
        "$src_tree/src/libmpg123/fmt123.h"
    run install -D -m644 -t "$prefix/lib/pkgconfig" "$bld/libmpg123.pc"
}

build_zlib
build_libpng
build_libjpeg_turbo
build_tiff
build_openjpeg
build_giflib
build_mpg123

# Keep headers, static libraries and their CMake and pkg-config files; drop programs, scripts,
# manuals and documents.
rm -rf "${prefix:?}/bin" "$prefix/share/man" "$prefix/share/doc"
rmdir --ignore-fail-on-non-empty "$prefix/share" 2>/dev/null || true

# pkg-config files locate the prefix from their own folder, so their paths follow the
# deps/win64 link rather than naming one keyed prefix.
pc_prefix="\${pcfiledir}/../.."
for pc in "$prefix"/lib/pkgconfig/*.pc; do
    [[ -L $pc ]] && continue
    text="$(< "$pc")"
    printf '%s\n' "${text//"$prefix"/"$pc_prefix"}" > "$pc"
done

# The prefix must hold every library, static only.
for lib in z png16 jpeg tiff openjp2 gif mpg123; do
    [[ -f $prefix/lib/lib$lib.a ]] || die "lib/lib$lib.a is missing from the prefix"
done
stray="$(find "$prefix" \( -name '*.dll' -o -name '*.dll.a' -o -name '*.exe' \) -print -quit)"
[[ -z $stray ]] || die "the prefix holds a non-static file: $stray"

for pkg in "${packages[@]}"; do echo "$pkg ${version[$pkg]}"; done > "$prefix/debian-versions.txt"
touch "$prefix/$stamp_name"
previous="$(readlink "$deps_dir/win64" 2>/dev/null || true)"
refresh_link

# Older prefixes go, except the one the link pointed at until now (a build elsewhere may still
# be using it).
for old in "$deps_dir"/win64-*; do
    name="${old##*/}"
    if [[ -d $old && $name != "$prefix_name" && $name != "$previous" ]]; then rm -rf "$old"; fi
done

say "done in $((SECONDS - started)) s: $deps_dir/win64 -> $prefix_name"
