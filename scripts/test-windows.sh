#!/usr/bin/env bash
# Tests the Windows edition under wine, after scripts/build-windows.sh:
#   1. the zip unpacked into a folder whose path has Japanese characters and spaces;
#   2. mirune-cli there on the example and on a generated class: every output byte for byte the
#      Linux build's (a PDF by its text layer), the data files CP932 CR LF as Linux writes them;
#   3. the program started on the example under Xvfb: its main window with the class line,
#      a screenshot in build-windows/screenshots/ to look at;
#   4. the QtTest programs under wine (CTest), the ones of a Linux-only thing listed as skipped
#      with their reason (some 15 minutes; MIRUNE_WINDOWS_QTTESTS=0 leaves them out).
# wine sees only its own fonts here (not the machine's), so the Japanese texts come from the
# IPA fonts the zip carries, as on a school PC.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${MIRUNE_WINDOWS_BUILD:-$root/build-windows}
cache=${MIRUNE_WINDOWS_CACHE:-$HOME/.cache/mirune-windows}
version=$(sed -n 's/^project(mirune VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
name=mirune-$version-windows-x64
zip=$root/dist/$name.zip
[[ -f $zip && -d $build ]] || {
  echo "Run scripts/build-windows.sh first: $zip or $build is missing." >&2
  exit 1
}

packages=(wine wine64 xvfb xauth x11-utils xdotool imagemagick poppler-utils unzip locales)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo_cmd=()
  [[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
fi

failures=0
pass() { printf 'ok    %s\n' "$*"; }
fail() {
  printf 'FAIL  %s\n' "$*"
  failures=$((failures + 1))
}

# --- the Linux build to compare with: only the two command-line programs ---------------------
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" \
  >/dev/null
cmake --build "$root/build" --target mirune-cli mirune-cli-print >/dev/null
linux_cli=$root/build/src/cli/mirune-cli

# --- wine, a display, and a school PC's folders ---------------------------------------------
work=$build/wine-test
rm -rf "$work"
mkdir -p "$work"
export WINEPREFIX=$build/wine WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# A Japanese Windows: code page 932 for the ANSI functions, Japanese messages. wine takes it
# from the Unix locale, made here in a folder of the test's own (the machine's locales stay).
mkdir -p "$work/locale"
localedef -i ja_JP -f UTF-8 "$work/locale/ja_JP.UTF-8"
export LOCPATH=$work/locale LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
# Only wine's own fonts for the Windows programs: an empty font configuration hides the
# machine's (the Linux build keeps them).
printf '<?xml version="1.0"?>\n<fontconfig></fontconfig>\n' >"$work/fonts.conf"
on_windows() { FONTCONFIG_FILE=$work/fonts.conf wine "$@"; }
# wine hands no QT_* variable of the Unix side to a Windows program (they would mislead a Windows
# Qt); WINEQT_NAME reaches it as QT_NAME.

display=:$((90 + RANDOM % 100))
# Room for the window at 200 %, as on a 4K screen; the 100 % pictures take its top left quarter.
Xvfb "$display" -screen 0 3200x2000x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=$display
cleanup() {
  wineserver -k 2>/dev/null || true
  kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT
if [[ ! -d $WINEPREFIX/drive_c ]]; then
  wineboot -i >/dev/null 2>&1
  wineserver -w # the server wineboot started, gone before one that stays is started
fi
wineserver -p

start=$(date +%s)
# C:\users\Public\先生 の フォルダ\mirune-…\ and the class files in C:\users\Public\3年1組 の データ\
public=$WINEPREFIX/drive_c/users/Public
app_parent="$public/先生 の フォルダ"
data="$public/3年1組 の データ"
rm -rf "$app_parent" "$data"
mkdir -p "$app_parent" "$data"
unzip -q "$zip" -d "$app_parent"
app="$app_parent/$name"
[[ -f "$app/はじめにお読みください.txt" && -f "$app/fonts/ipag.ttf" ]] &&
  pass "zip unpacked into $(winepath -w "$app")" || fail "zip contents"
win_cli="$app/mirune-cli.exe"

# --- command-line outputs, byte for byte ---------------------------------------------------------
cp "$root/examples/grade3-2026.zr2" "$data/3年1組.zr2"
# compare NAME ARGS...: stdout and exit status of both builds, run in the data folder on relative
# names; @OUT@ in ARGS becomes an output file of each side's own (linux-NAME… / windows-NAME…),
# @SIDE@ "linux" or "windows".
compare() {
  local label=$1
  shift
  local side status_l status_w
  local -a args_l=() args_w=()
  local a
  for a in "$@"; do
    a=${a//@OUT@/@SIDE@-$label}
    args_l+=("${a//@SIDE@/linux}")
    args_w+=("${a//@SIDE@/windows}")
  done
  set +e
  (cd "$data" && "$linux_cli" "${args_l[@]}" >"$work/$label.linux.out" 2>"$work/$label.linux.err")
  status_l=$?
  (cd "$data" && on_windows "$win_cli" "${args_w[@]}" >"$work/$label.windows.out" 2>"$work/$label.windows.err")
  status_w=$?
  set -e
  if [[ $status_l != "$status_w" ]]; then
    fail "$label: exit status $status_w on Windows, $status_l on Linux ($(head -c 300 "$work/$label.windows.err"))"
  elif ! cmp -s "$work/$label.linux.out" "$work/$label.windows.out"; then
    fail "$label: standard output differs ($work/$label.{linux,windows}.out)"
  else
    pass "$label (exit $status_l, $(wc -c <"$work/$label.linux.out") bytes)"
  fi
}
same_file() {
  if cmp -s "$data/$1" "$data/$2"; then pass "$3: the files are the same bytes"; else fail "$3: $1 and $2 differ"; fi
}
# same_workbook A B LABEL: the same zip members with the same bytes, but for the time it was made.
same_workbook() {
  local member ok=1
  [[ $(unzip -Z1 "$data/$1") == "$(unzip -Z1 "$data/$2")" ]] || ok=0
  for member in $(unzip -Z1 "$data/$1" | grep -v '^docProps/core.xml$'); do
    member=${member//[/?} # unzip takes names as patterns: [Content_Types].xml
    member=${member//]/?}
    cmp -s <(unzip -p "$data/$1" "$member") <(unzip -p "$data/$2" "$member") || ok=0
  done
  ((ok)) && pass "$3: the same workbook" || fail "$3: the workbooks differ"
}
# same_pdf A B LABEL: the same pages, the same text in the same order, and every word in the same
# place (to a hundredth of a point: both builds measure with FreeType); page 1 of each as PNG to
# look at.
same_pdf() {
  local a=$data/$1 b=$data/$2
  if [[ ! -s $a || ! -s $b ]]; then
    fail "$3: no PDF"
    return
  fi
  # In drawing order: the same code draws both, whatever rows a layout would make of them.
  pdftotext -raw "$a" "$work/$3.linux.txt"
  pdftotext -raw "$b" "$work/$3.windows.txt"
  pdftotext -bbox "$a" - | sed -n '/<word/p' >"$work/$3.linux.words"
  pdftotext -bbox "$b" - | sed -n '/<word/p' >"$work/$3.windows.words"
  pdftoppm -r 60 -png -f 1 -l 1 "$a" "$work/$3.linux"
  pdftoppm -r 60 -png -f 1 -l 1 "$b" "$work/$3.windows"
  if [[ $(pdfinfo "$a" | grep Pages) != "$(pdfinfo "$b" | grep Pages)" ]]; then
    fail "$3: the page counts differ"
  elif ! cmp -s <(tr -d ' \n' <"$work/$3.linux.txt") <(tr -d ' \n' <"$work/$3.windows.txt"); then
    fail "$3: the text layers differ ($work/$3.{linux,windows}.txt)"
  elif ! cmp -s "$work/$3.linux.words" "$work/$3.windows.words"; then
    fail "$3: the words stand elsewhere ($work/$3.{linux,windows}.words)"
  else
    pass "$3: the same pages, text layer and word places ($(wc -l <"$work/$3.linux.words") words)"
  fi
}

compare help --help
compare holidays holidays --year 2026
compare standard-hours standard-hours --year 2026 --grade 5
compare standard-hours-json standard-hours --year 2026 --grade 5 --format json
compare new new @OUT@.zr2 --year 2025 --grade 5 --class 2 --teacher "佐藤　一郎" --standard-hours
same_file linux-new.zr2 windows-new.zr2 new
# register changes the file it is given: each side registers a copy of its own.
cp "$data/linux-new.zr2" "$data/linux-register.zr2"
cp "$data/linux-new.zr2" "$data/windows-register.zr2"
compare register register @SIDE@-register.zr2 --from 2025-04-07 --to 2025-07-18
compare register-again register @SIDE@-register.zr2 --from 2025-09-01 --to 2025-12-19 --timetable B
same_file linux-register.zr2 windows-register.zr2 register
cp "$data/windows-register.zr2" "$data/生成 5年2組.zr2"
for class in "3年1組" "生成 5年2組"; do
  compare "info $class" info "$class.zr2"
  compare "schooldays $class" schooldays "$class.zr2"
  compare "schooldays-list $class" schooldays "$class.zr2" --list
  for format in text csv json; do
    compare "summary-$format $class" summary "$class.zr2" --term 1 --format "$format"
  done
  compare "summary-year $class" summary "$class.zr2" --term 3
  compare "xlsx $class" summary "$class.zr2" --format xlsx -o "@OUT@.xlsx"
  same_workbook "linux-xlsx $class.xlsx" "windows-xlsx $class.xlsx" "xlsx $class"
  compare "resave $class" resave "$class.zr2" "@OUT@.zr2"
  same_file "linux-resave $class.zr2" "windows-resave $class.zr2" "resave $class"
  same_file "$class.zr2" "linux-resave $class.zr2" "resave $class keeps every byte"
  compare "print $class" print "$class.zr2" --sheet all -o "@OUT@.pdf"
  same_pdf "linux-print $class.pdf" "windows-print $class.pdf" "print-$class"
done
mkdir -p "$data/学校"
cp "$data/3年1組.zr2" "$data/生成 5年2組.zr2" "$data/学校/"
compare school-text school 学校
compare school-json school 学校 --format json
# What the Windows edition registered, resaved by Linux: not a byte changes.
(cd "$data" && "$linux_cli" resave "生成 5年2組.zr2" "linux-after-windows.zr2") &&
  same_file "生成 5年2組.zr2" "linux-after-windows.zr2" "a file Windows wrote, resaved on Linux"
echo "command line: $(($(date +%s) - start)) s under wine"

# --- the program on the example ----------------------------------------------------------------
shots=$build/screenshots
rm -rf "$shots"
mkdir -p "$shots"
example_win=$(winepath -w "$data/3年1組.zr2")
# shows_main_window SECONDS: whether the main window ("ミルネ2002 Ver2.2.4") shows within SECONDS.
# (xwininfo may print the window's name in escapes: the ASCII end of it is looked for.)
shows_main_window() {
  local deadline=$(($(date +%s) + $1))
  while (($(date +%s) < deadline)); do
    xwininfo -root -tree 2>/dev/null | grep -q '2002 Ver[0-9]' && return 0
    sleep 1
  done
  return 1
}
for scale in 1 2; do
  area=(-crop "$((1600 * scale))x$((1000 * scale))+0+0" +repage)
  start=$(date +%s)
  WINEQT_SCALE_FACTOR=$scale on_windows "$app/mirune.exe" "$example_win" >"$work/mirune-$scale.log" 2>&1 &
  program=$!
  if shows_main_window 120; then
    seconds=$(($(date +%s) - start))
    sleep 5 # its first paint
    import -window root "${area[@]}" "$shots/main-window-${scale}x.png"
    pass "main window at ${scale}00 % after ${seconds} s under wine: $shots/main-window-${scale}x.png"
  else
    import -window root "${area[@]}" "$shots/main-window-${scale}x-missing.png"
    fail "no main window at ${scale}00 % within 120 s ($work/mirune-$scale.log)"
  fi
  # Closed as a user closes it (WM_CLOSE): the program asks whether to save the file first
  # (screenshot); Escape answers いいえ, and the program ends and keeps its window's place.
  rm -f "$app/ミルネ2002.ini"
  wine taskkill /im mirune.exe >/dev/null 2>&1 || true
  sleep 5
  import -window root "${area[@]}" "$shots/closing-${scale}x.png"
  for window in $(xdotool search --name '2002 Ver' 2>/dev/null); do
    xdotool windowfocus "$window" key Escape 2>/dev/null || true
  done
  for _ in $(seq 30); do
    kill -0 "$program" 2>/dev/null || break
    sleep 1
  done
  if kill -0 "$program" 2>/dev/null; then
    fail "the program did not end after いいえ at ${scale}00 % ($shots/closing-${scale}x.png)"
  elif grep -q '^MainWidth=' "$app/ミルネ2002.ini" 2>/dev/null; then
    pass "closed at ${scale}00 % with いいえ: its place kept in ミルネ2002.ini beside the program"
  else
    fail "no ミルネ2002.ini beside the program after closing at ${scale}00 %"
  fi
  cmp -s "$data/3年1組.zr2" "$root/examples/grade3-2026.zr2" &&
    pass "the class file untouched by opening and closing" || fail "the class file changed"
  wineserver -k 2>/dev/null || true
  wait "$program" 2>/dev/null || true
  wineserver -p
done
# The settings went to the INI file beside the program; the registry stays untouched.
wine reg query 'HKCU\Software\mirune' >/dev/null 2>&1 && fail "settings written to the registry" ||
  pass "nothing in the registry"

# --- the installer, where it was built ------------------------------------------------------------
setup=$root/dist/$name-setup.exe
if [[ -f $setup ]]; then
  # (NSIS takes /D= unquoted, and wine quotes an argument with a space: none in this one)
  target='C:\users\Public\インストール先'
  wine "$setup" /S "/D=$target" >/dev/null 2>&1 || true
  installed=$(winepath -u "$target")
  if [[ -f $installed/mirune.exe && -f $installed/fonts/ipam.ttf ]] &&
    wine reg query 'HKCU\Software\Classes\.zr2' 2>/dev/null | grep -q mirune.zr2; then
    pass "installer: the folder, and .zr2 registered for the user"
  else
    fail "installer: not installed as expected"
  fi
  wine "$installed/uninstall.exe" /S "_?=$target" >/dev/null 2>&1 || true
  if [[ ! -f $installed/mirune.exe ]] && ! wine reg query 'HKCU\Software\Classes\mirune.zr2' >/dev/null 2>&1; then
    pass "uninstaller: the programs and the file type gone"
  else
    fail "uninstaller left the program or the file type"
  fi
fi

# --- the QtTest programs ---------------------------------------------------------------------
# The test programs find Qt and the runtime libraries through WINEPATH, run on the offscreen
# platform (CTest's QT_QPA_PLATFORM does not pass wine), and find that platform's fonts (the IPA
# fonts and a Latin one) in QT_QPA_FONTDIR.
qt_prefix=$(ls -d "$cache"/qt-*-win64 | head -n 1)
gcc_lib=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")
mkdir -p "$work/fonts"
cp "$app/fonts/"*.ttf "$work/fonts/"
cp /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf "$work/fonts/" 2>/dev/null || true
WINEPATH="$(winepath -w "$qt_prefix/bin");$(winepath -w "$gcc_lib");$(winepath -w /usr/x86_64-w64-mingw32/lib)"
WINEQT_QPA_FONTDIR=$(winepath -w "$work/fonts")
WINEQT_QPA_PLATFORM=offscreen
export WINEPATH WINEQT_QPA_FONTDIR WINEQT_QPA_PLATFORM
start=$(date +%s)
if [[ ${MIRUNE_WINDOWS_QTTESTS:-1} == 0 ]]; then
  echo "QtTest programs not run (MIRUNE_WINDOWS_QTTESTS=0)"
elif ctest --test-dir "$build" -j "$(nproc)" --timeout 900 --output-on-failure >"$work/ctest.log" 2>&1; then
  pass "QtTest programs under wine: $(grep -E 'tests passed' "$work/ctest.log")"
else
  # Window tests side by side in one wine prefix can trip over each other's timing: the ones
  # that failed run once more, one at a time, and that run decides.
  echo "      side by side: $(grep -E 'tests passed' "$work/ctest.log"); the failed ones again, one at a time"
  if ctest --test-dir "$build" --rerun-failed --timeout 900 >"$work/ctest-rerun.log" 2>&1; then
    pass "QtTest programs under wine: every failed one passed on its own"
  else
    fail "QtTest programs under wine: $(grep -E 'tests passed' "$work/ctest-rerun.log") on their own ($work/ctest-rerun.log)"
    grep -E 'Test +#[0-9]+: .*Failed' "$work/ctest-rerun.log" | sed 's/^/      /' || true
  fi
fi
if [[ -f $work/ctest.log ]]; then
  for t in $(grep -E 'Test +#[0-9]+: .*Skipped' "$work/ctest.log" | awk '{print $4}'); do
    echo "      skipped $t: $(grep -h 'Linux only:' "$build"/tests/*/"${t}"_linux_only.cpp |
      sed 's/.*Linux only: \(.*\)");.*/\1/')"
  done
fi
echo "tests: $(($(date +%s) - start)) s under wine"

echo
if ((failures)); then
  echo "$failures check(s) failed."
  exit 1
fi
echo "Every check passed."
