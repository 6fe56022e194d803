#!/usr/bin/env bash
# Cross-builds the Windows x64 edition on Debian 12 and writes dist/mirune-VERSION-windows-x64.zip
# (and, where NSIS is there, dist/mirune-VERSION-windows-x64-setup.exe).
#
# Debian has no Qt for Windows, so Debian's own Qt source package (the version of the host's Qt
# tools, which the cross build runs) and libxlsxwriter's are fetched with apt-get source and
# cross-built once into a cache folder outside the work tree:
#   MIRUNE_WINDOWS_CACHE   default ~/.cache/mirune-windows; a changed version, configure line or
#                          patch builds that library again, otherwise it is reused
#   build-windows/         the program's own cross build (in the work tree, like build/)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cache=${MIRUNE_WINDOWS_CACHE:-$HOME/.cache/mirune-windows}
build=${MIRUNE_WINDOWS_BUILD:-$root/build-windows}
jobs=$(nproc)
toolchain=$root/cmake/mingw-w64-x86_64.cmake
# Fixes to Qt's own sources, *.patch, each with a line at the top saying why (none needed today).
patches=$root/packaging/windows/qt-patches

say() { printf '== %s\n' "$*" >&2; }
seconds_since() { echo $(($(date +%s) - $1)); }
# logged LOG COMMAND...: runs a long, talkative step into LOG and shows its end if it fails.
logged() {
  local log=$1
  shift
  "$@" >"$log" 2>&1 || {
    tail -n 40 "$log" >&2
    say "failed: $* (whole output in $log)"
    return 1
  }
}

# --- what the cross build needs ------------------------------------------------------------------
"$root/scripts/setup.sh"
packages=(
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-tools libz-mingw-w64-dev
  dpkg-dev nsis fonts-ipafont
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
sudo_cmd=()
[[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
if ((${#missing[@]})); then
  say "Installing: ${missing[*]}"
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
fi
mkdir -p "$cache"
# The host's Qt tools (moc, rcc, uic) and their CMake files, which a cross build of Qt runs.
host_cmake=/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake

# --- Debian's source packages, through a private apt state ----------------------------------------
# The deb-src entries are the machine's own apt sources of this release with Types deb-src; they
# live in the cache, so the machine's apt configuration stays as it is.
apt_dir=$cache/apt
apt_options=(
  -o "Dir::State=$apt_dir/state" -o "Dir::Cache=$apt_dir/cache"
  -o "Dir::Etc::sourcelist=$apt_dir/sources.list" -o "Dir::Etc::sourceparts=$apt_dir/sources.list.d"
  -o "Debug::NoLocking=1" -o "APT::Sandbox::User=root"
)
prepare_source_lists() {
  local codename
  codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
  mkdir -p "$apt_dir/state/lists/partial" "$apt_dir/cache/archives/partial" "$apt_dir/sources.list.d"
  : >"$apt_dir/sources.list"
  local f
  for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [[ -f $f ]] || continue
    awk -v c="$codename" '$1 == "deb" && index($0, " " c) { sub(/^deb/, "deb-src"); print }' "$f" \
      >>"$apt_dir/sources.list"
  done
  : >"$apt_dir/sources.list.d/machine.sources"
  for f in /etc/apt/sources.list.d/*.sources; do
    [[ -f $f ]] || continue
    # One stanza at a time (paragraphs): keep those of this release that carry binary packages.
    awk -v c="$codename" 'BEGIN { RS = ""; ORS = "\n\n" }
      /(^|\n)Types:[^\n]*deb([ \n]|$)/ && /(^|\n)Suites:[^\n]*/ && index($0, c) {
        gsub(/(^|\n)#[^\n]*/, "")
        sub(/Types:[^\n]*/, "Types: deb-src"); print }' "$f" >>"$apt_dir/sources.list.d/machine.sources"
  done
}
# fetch_source PACKAGE VERSION DEST: unpacks Debian's source package into DEST (once).
fetch_source() {
  local package=$1 version=$2 dest=$3
  [[ -f $dest/.unpacked ]] && return 0
  if [[ ! -f $apt_dir/.updated ]]; then
    prepare_source_lists
    apt-get "${apt_options[@]}" update -qq
    touch "$apt_dir/.updated"
  fi
  local work=$cache/src/.fetch-$package
  rm -rf "$work" "$dest"
  mkdir -p "$work"
  (cd "$work" && apt-get "${apt_options[@]}" source -qq --download-only "$package=$version" >&2)
  dpkg-source --no-check -x "$work"/*.dsc "$dest" >/dev/null
  rm -rf "$work" "$(dirname "$dest")"/*.orig.tar.*
  touch "$dest/.unpacked"
}
# stamp_of TEXT...: a short hash of what a cached build was made from.
stamp_of() { printf '%s\n' "$@" | sha256sum | cut -c1-16; }

# --- Qt (qtbase only) ---------------------------------------------------------------------------
qt_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev-tools)
qt_upstream=${qt_version%%+*}
qt_src=$cache/src/qt6-base-$qt_version
qt_prefix=$cache/qt-$qt_upstream-win64
# As small as the program needs: Core, Gui, Widgets, PrintSupport, Test and the windows platform
# plugin, the bundled third-party libraries (none of the host's), fonts through DirectWrite and
# GDI. No ICU: the data file's code page goes through the system's conversion (code page 932).
qt_options=(
  -DBUILD_SHARED_LIBS=ON -DCMAKE_BUILD_TYPE=Release
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$host_cmake"
  -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF -DFEATURE_vulkan=OFF
  -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_xml=OFF
  -DFEATURE_concurrent=OFF -DFEATURE_icu=OFF -DFEATURE_zstd=OFF -DFEATURE_glib=OFF
  -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF
  -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF
  -DFEATURE_system_freetype=OFF -DFEATURE_system_png=OFF -DFEATURE_system_doubleconversion=OFF
  # The old tablet interface's header is not in Debian's source; Direct2D 1.1 only serves a
  # platform plugin of its own, which the program does not use.
  -DFEATURE_tabletevent=OFF -DFEATURE_direct2d1_1=OFF
)
shopt -s nullglob
qt_patches=("$patches"/*.patch)
shopt -u nullglob
qt_stamp=$(stamp_of "$qt_version" "${qt_options[*]}" "$(cat "$toolchain" "${qt_patches[@]}")")
if [[ $(cat "$qt_prefix/.stamp" 2>/dev/null) != "$qt_stamp" ]]; then
  start=$(date +%s)
  say "Qt $qt_version for Windows x64 (about half an hour on two idle cores)"
  qt_work=$cache/qt-build
  # A build of the same Qt that was cut short goes on where it stopped.
  if [[ $(cat "$qt_work/.stamp" 2>/dev/null) != "$qt_stamp" || ! -f $qt_work/build/build.ninja ]]; then
    fetch_source qt6-base "$qt_version" "$qt_src"
    rm -rf "$qt_work" "$qt_prefix"
    mkdir -p "$qt_work"
    cp -a "$qt_src" "$qt_work/src"
    for p in "${qt_patches[@]}"; do
      patch -d "$qt_work/src" -p1 --quiet --forward <"$p"
    done
    # Qt's installed CMake files name the toolchain they were built with: a copy stays beside them.
    mkdir -p "$qt_prefix"
    cp "$toolchain" "$qt_prefix/mingw-w64-x86_64.cmake"
    logged "$qt_work/configure.log" cmake -S "$qt_work/src" -B "$qt_work/build" -G Ninja \
      -DCMAKE_TOOLCHAIN_FILE="$qt_prefix/mingw-w64-x86_64.cmake" \
      -DCMAKE_INSTALL_PREFIX="$qt_prefix" "${qt_options[@]}"
    echo "$qt_stamp" >"$qt_work/.stamp"
  else
    say "going on with the Qt build in $qt_work"
  fi
  logged "$qt_work/build.log" cmake --build "$qt_work/build" -j "$jobs"
  logged "$qt_work/install.log" cmake --install "$qt_work/build"
  rm -rf "$qt_work"
  echo "$qt_stamp" >"$qt_prefix/.stamp"
  say "Qt built in $(seconds_since "$start") s"
fi

# --- libxlsxwriter (static; its zip container through the bundled minizip) ----------------------
xlsx_version=$(dpkg-query -W -f='${source:Version}' libxlsxwriter-dev)
xlsx_src=$cache/src/libxlsxwriter-$xlsx_version
xlsx_prefix=$cache/libxlsxwriter-${xlsx_version%-*}-win64
xlsx_options=(
  -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF -DUSE_SYSTEM_MINIZIP=OFF
  -DBUILD_TESTS=OFF -DBUILD_EXAMPLES=OFF
)
xlsx_stamp=$(stamp_of "$xlsx_version" "${xlsx_options[*]}" "$(cat "$toolchain")")
if [[ $(cat "$xlsx_prefix/.stamp" 2>/dev/null) != "$xlsx_stamp" ]]; then
  start=$(date +%s)
  say "libxlsxwriter $xlsx_version for Windows x64"
  fetch_source libxlsxwriter "$xlsx_version" "$xlsx_src"
  xlsx_work=$cache/libxlsxwriter-build
  rm -rf "$xlsx_work" "$xlsx_prefix"
  logged "$cache/libxlsxwriter-configure.log" cmake -S "$xlsx_src" -B "$xlsx_work" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$xlsx_prefix" "${xlsx_options[@]}"
  logged "$cache/libxlsxwriter-build.log" cmake --build "$xlsx_work" -j "$jobs"
  logged "$cache/libxlsxwriter-install.log" cmake --install "$xlsx_work"
  rm -rf "$xlsx_work"
  echo "$xlsx_stamp" >"$xlsx_prefix/.stamp"
  say "libxlsxwriter built in $(seconds_since "$start") s"
fi

# --- the program, its command-line tool and their tests ----------------------------------------
start=$(date +%s)
say "ミルネ2002 for Windows x64 (in $build)"
export MIRUNE_WINDOWS_PREFIXES="$qt_prefix;$xlsx_prefix"
export PKG_CONFIG_LIBDIR=$xlsx_prefix/lib/pkgconfig PKG_CONFIG_PATH= PKG_CONFIG_SYSROOT_DIR=
mkdir -p "$build"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" "${launcher[@]}" \
  -DCMAKE_BUILD_TYPE=Release -DMIRUNE_WERROR=ON -DMIRUNE_BENCH=OFF \
  -DMIRUNE_TESTS="${MIRUNE_WINDOWS_TESTS:-ON}" -DCMAKE_CROSSCOMPILING_EMULATOR=wine \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$host_cmake" >"$build/configure.log" 2>&1 || {
  tail -n 40 "$build/configure.log" >&2
  exit 1
}
cmake --build "$build" -j "$jobs"
say "program built in $(seconds_since "$start") s"

# --- the folder to ship, zipped ------------------------------------------------------------------
version=$(sed -n 's/^project(mirune VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
name=mirune-$version-windows-x64
dist=$root/dist
stage=$build/stage/$name
rm -rf "$build/stage"
mkdir -p "$stage"/{platforms,styles,imageformats,translations,fonts,examples} "$dist"
strip=x86_64-w64-mingw32-strip
install -m 644 "$build/src/app/mirune.exe" "$build/src/cli/mirune-cli.exe" \
  "$build/src/cli/mirune-cli-print.exe" "$stage/"
# What windeployqt would choose for these programs: the Qt libraries they link, the Windows
# platform, the native style, the image formats Qt for Windows carries; and the compiler's
# runtime libraries and zlib, which libxlsxwriter links.
for dll in Qt6Core Qt6Gui Qt6Widgets Qt6PrintSupport; do
  install -m 644 "$qt_prefix/bin/$dll.dll" "$stage/"
done
install -m 644 "$qt_prefix/plugins/platforms/qwindows.dll" "$stage/platforms/"
install -m 644 "$qt_prefix/plugins/styles/qwindowsvistastyle.dll" "$stage/styles/"
install -m 644 "$qt_prefix/plugins/imageformats/"*.dll "$stage/imageformats/"
gcc_lib=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")
install -m 644 "$gcc_lib/libstdc++-6.dll" "$gcc_lib/libgcc_s_seh-1.dll" \
  /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll /usr/x86_64-w64-mingw32/lib/zlib1.dll "$stage/"
"$strip" --strip-unneeded "$stage"/*.exe "$stage"/*.dll "$stage"/*/*.dll
# Qt's own texts (はい／いいえ, the file and printer dialogs) in Japanese, found through qt.conf.
install -m 644 /usr/share/qt6/translations/qtbase_ja.qm "$stage/translations/"
printf '[Paths]\r\nPrefix = .\r\n' >"$stage/qt.conf"
# The sheet fonts, which school PCs do not have; their licence allows passing them on with it.
install -m 644 /usr/share/fonts/opentype/ipafont-mincho/ipam.ttf \
  /usr/share/fonts/opentype/ipafont-gothic/ipag.ttf "$stage/fonts/"
install -m 644 /usr/share/doc/fonts-ipafont-gothic/copyright "$stage/fonts/IPAfont-LICENSE.txt"
install -m 644 /usr/share/doc/fonts-ipafont-gothic/Readme_IPAfont00303.txt "$stage/fonts/"
install -m 644 "$root/examples/grade3-2026.zr2" "$stage/examples/"
# UTF-8 with a byte-order mark and CR LF, which every Notepad shows as it is.
{ printf '\xef\xbb\xbf'; sed 's/$/\r/' "$root/packaging/windows/readme-ja.txt"; } \
  >"$stage/はじめにお読みください.txt"

rm -f "$dist/$name.zip"
# Names as UTF-8 with the zip's UTF-8 flag, which Windows's Explorer reads (CMake's archiver sets
# it in a UTF-8 locale; Info-ZIP's zip leaves it unset).
(cd "$build/stage" && LC_ALL=C.UTF-8 cmake -E tar cf "$dist/$name.zip" --format=zip "$name")
say "wrote dist/$name.zip ($(du -k "$dist/$name.zip" | cut -f1) KB; folder $(du -sk "$stage" | cut -f1) KB)"

# --- an installer as well, for PCs that allow installing ----------------------------------------
if command -v makensis >/dev/null; then
  logged "$build/nsis.log" makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DSTAGE="$stage" \
    -DICON="$root/src/app/mirune.ico" -DOUTFILE="$dist/$name-setup.exe" "$root/packaging/windows/installer.nsi"
  say "wrote dist/$name-setup.exe ($(du -k "$dist/$name-setup.exe" | cut -f1) KB)"
fi
