#!/usr/bin/env bash
# Installs Quellmoor with its installer into a fresh Wine prefix, silently, and checks what a user gets:
# the files, the settings value Path (the installation folder with its trailing backslash), the
# Apps & features entry and the shortcut; that the installed program starts and "Quellmoor.exe EXIT"
# ends it; that installing again ends the running program and, on a German system, stores the
# language choice "de" ("en" otherwise); that the installed program speaks the chosen language and
# opens its help (checked from inside Wine by the end-to-end test program E2E.exe); and that the
# silent uninstall ends a running program, removes what was installed and the autostart value, and
# keeps the user's data folder and settings.
#
#   installer/tests/installer_wine_test.sh SETUP.exe E2E.exe
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
setup=$(realpath "$1")
e2e=$(realpath "$2")
work=$(mktemp -d "${TMPDIR:-/tmp}/quellmoor-installer-test.XXXXXX")
session=$work/session
keeper=""

finish() {
  # Ending the prefix's Wine server ends the session's programs, and so tools/wine-run.sh.
  [[ -n ${WINEPREFIX:-} ]] && wineserver --kill >/dev/null 2>&1 || true
  [[ -n $keeper ]] && wait "$keeper" >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap finish EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# A Wine session on a throw-away prefix and display, kept open by Notepad while the test works in it.
QUELLMOOR_WINE_SESSION=$session "$repo/tools/wine-run.sh" notepad.exe >/dev/null 2>&1 &
keeper=$!
for _ in $(seq 300); do
  [[ -s $session ]] && break
  sleep 0.1
done
[[ -s $session ]] || fail "no Wine session"
set -a
# shellcheck source=/dev/null
source "$session"
set +a
export WINEDEBUG=-all

settings_key='HKCU\Software\Varnholt\Desktop\Quellmoor'
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quellmoor'
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'

# Prints a registry value's data, or nothing (and fails) when the value is missing.
reg_value() {
  wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z_]* *//p" | grep .
}

# The Linux processes of this prefix that run the installed program.
program_pids() {
  local pid
  for pid in $(pgrep -f 'Quellmoor\\Quellmoor\.exe' || true); do
    tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" && echo "$pid"
  done
  return 0
}

# Waits up to $1 seconds until the command "$2..." succeeds.
wait_until() {
  local seconds=$1; shift
  for _ in $(seq $((seconds * 10))); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}
program_is_running() { [[ -n $(program_pids) ]]; }
program_is_gone() { [[ -z $(program_pids) ]]; }

# --- silent install ---
wine "$setup" /S || fail "the installer failed"
install_path=$(reg_value "$settings_key" Path) || fail "no settings value Path"
[[ $install_path == *'\Programs\Quellmoor\' ]] || fail "Path is '$install_path', not the per-user folder with a backslash"
folder=$(winepath -u "$install_path")
for file in Quellmoor.exe Quellmoor.lng Quellmoor-en.lng Lumhelp.chm NOTICE LICENSE Uninstall.exe; do
  [[ -f $folder/$file ]] || fail "$file is not installed in $folder"
done
cmp -s "$folder/Quellmoor.exe" "$(dirname "$setup")/Quellmoor.exe" || fail "the installed Quellmoor.exe differs"
[[ $(reg_value "$uninstall_key" DisplayName) == Quellmoor ]] || fail "no Apps & features entry"
[[ $(reg_value "$uninstall_key" Publisher) == Varnholt ]] || fail "wrong publisher"
[[ $(reg_value "$uninstall_key" DisplayVersion) == "$(basename "$setup" | sed 's/^Quellmoor-\(.*\)-setup\.exe$/\1/')" ]] ||
  fail "DisplayVersion is not the installer's version"
reg_value "$uninstall_key" QuietUninstallString | grep -q 'Uninstall.exe".* /S$' || fail "no QuietUninstallString"
[[ $(reg_value "$uninstall_key" EstimatedSize) != 0x0 ]] || fail "no EstimatedSize"
# Wine's user interface language is English here.
[[ $(reg_value "$settings_key" Sprache) == en ]] || fail "Sprache is not en on an English system"
appdata=$(winepath -u "$(wine cmd /c echo %APPDATA% | tr -d '\r')")
start_menu="$appdata/Microsoft/Windows/Start Menu/Programs"
[[ -f $start_menu/Quellmoor.lnk ]] || fail "no Start-menu shortcut"

# --- the installed program starts from its folder and ends on EXIT ---
installed_exe="${install_path}Quellmoor.exe"
# Starts the installed program and waits until it runs as the instance, which a running process alone
# does not show under load: its first wallpaper build (some five seconds after the start) stores
# OldPic again, long after the instance mutex exists.
start_program() {
  wine reg delete "$settings_key" /v OldPic /f >/dev/null 2>&1 || true
  wine "$installed_exe" >/dev/null 2>&1 &
  wait_until 40 reg_value "$settings_key" OldPic >/dev/null
}
start_program || fail "the installed program did not start"
sleep 2
program_is_running || fail "the installed program ended by itself"
QUELLMOOR_INSTALLED_PROGRAM=1 wine "$e2e" --gtest_filter='InstalledProgramTest.*' >"$work/e2e.log" 2>&1 ||
  { cat "$work/e2e.log" >&2; fail "the installed program does not speak English or find its help"; }
# A second start's exit code is 1 when the running instance took the command.
answered=0
wine "$installed_exe" EXIT || answered=$?
[[ $answered == 1 ]] || fail "Quellmoor.exe EXIT did not reach the running program"
wait_until 15 program_is_gone || fail "Quellmoor.exe EXIT did not end the program"

# --- installing again over the running program, on a German user interface ---
start_program || fail "the installed program did not start again"
LC_ALL=de_DE.UTF-8 wine "$setup" /S || fail "the installer failed over the running program"
program_is_gone || fail "the installer left the program running while it replaced its files"
[[ $(reg_value "$settings_key" Sprache) == de ]] || fail "Sprache is not de on a German system"

# --- silent uninstall while the program runs, with user data and autostart present ---
data=$appdata/Varnholt/Kalvedra/Quellmoor
mkdir -p "$data"
echo "user data" >"$data/alarm.dtk"
wine reg add "$settings_key" /v HGwechsel /t REG_DWORD /d 2 /f >/dev/null
wine reg add "$run_key" /v "Varnholt Kalvedra" /d "\"$installed_exe\"" /f >/dev/null
start_program || fail "the installed program did not start once more"

# The uninstaller runs a copy of itself from the temporary folder and returns at once.
wine "$folder/Uninstall.exe" /S
uninstalled() { [[ ! -e $folder/Uninstall.exe ]] && ! reg_value "$uninstall_key" DisplayName >/dev/null; }
wait_until 30 uninstalled || fail "the uninstaller did not remove itself and its entry"
program_is_gone || fail "the uninstaller left the program running"
[[ ! -e $folder ]] || fail "the installation folder is left: $(ls "$folder")"
[[ ! -e $start_menu/Quellmoor.lnk ]] || fail "the Start-menu shortcut is left"
! reg_value "$run_key" "Varnholt Kalvedra" >/dev/null || fail "the autostart value is left"
! reg_value "$settings_key" Path >/dev/null || fail "Path still names the removed folder"
[[ $(cat "$data/alarm.dtk") == "user data" ]] || fail "the silent uninstall removed the user's data"
[[ $(reg_value "$settings_key" HGwechsel) == 0x2 ]] || fail "the silent uninstall removed the settings"
echo "installer test passed"
