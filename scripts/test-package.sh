#!/usr/bin/env bash
# Tries the Debian package as an office would: installs build/zul_<version>_amd64.deb with apt,
# lets a throw-away ordinary user compute an example, print its report to PDF and start the
# desktop program, checks that nothing was written into /usr, removes the package and checks
# that every installed file is gone; lintian looks at the package too.  Needs root: it installs
# system packages (lintian, xdotool) and adds and deletes a user.  It is not part of the tests
# of scripts/test.sh.
# Usage: scripts/test-package.sh [PACKAGE.deb]   (build it first with scripts/package.sh)
set -uo pipefail
cd "$(dirname "$0")/.."

version="$(sed -n 's/^project(Zul VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)"
deb="$(realpath "${1:-build/zul_${version}_amd64.deb}")"
example=/usr/lib/zul/examples/end-bearing-pile.zul
user="zulpkg$$"
home="/home/${user}"

passed=0
failed=0
check() { # check DESCRIPTION COMMAND...: runs the command, counts and prints the result
  local description="$1"
  shift
  if "$@"; then
    echo "ok - ${description}"
    passed=$((passed + 1))
  else
    echo "FAIL - ${description}"
    failed=$((failed + 1))
  fi
}
as_user() { # runs a command as the throw-away user in a clean login-like environment
  runuser -u "$user" -- env -i HOME="$home" USER="$user" LOGNAME="$user" SHELL=/bin/bash \
    PATH=/usr/local/bin:/usr/bin:/bin LANG=C.UTF-8 TMPDIR="$home/tmp" XDG_RUNTIME_DIR="$home/run" "$@"
}

if [ "$(id -u)" -ne 0 ]; then
  echo "test-package.sh: run as root (it installs packages and adds a user)" >&2
  exit 2
fi
if [ ! -f "$deb" ]; then
  echo "test-package.sh: ${deb} is missing: build it with scripts/package.sh" >&2
  exit 2
fi
if dpkg-query -W -f='${Status}' zul 2>/dev/null | grep -q 'installed'; then
  echo "test-package.sh: zul is installed already; remove it first (apt remove zul)" >&2
  exit 2
fi

installed=0
cleanup() {
  if [ "$installed" -eq 1 ]; then
    DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq zul >/dev/null 2>&1
  fi
  if id "$user" >/dev/null 2>&1; then
    pkill -KILL -u "$user" 2>/dev/null
    userdel -r "$user" 2>/dev/null
  fi
}
trap cleanup EXIT

# Tools of the test itself.
tools=()
for tool in lintian xdotool poppler-utils xvfb xauth; do
  dpkg-query -W -f='${Status}' "$tool" 2>/dev/null | grep -q 'install ok installed' || tools+=("$tool")
done
if [ ${#tools[@]} -gt 0 ]; then
  echo "# installing the test's tools: ${tools[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq && apt-get install -y -qq --no-install-recommends "${tools[@]}" >/dev/null
fi

useradd --create-home --shell /bin/bash "$user"
as_user mkdir -p -m 700 "$home/tmp" "$home/out" "$home/run" "$home/lintian-tmp"
cp "$deb" "$home/" && chown "$user:" "$home/$(basename "$deb")"

echo "# package: ${deb}"
dpkg-deb -f "$deb" Package Version Architecture Section Maintainer Depends | sed 's/^/#   /'

# lintian, as an ordinary user; informational tags are listed too.
lintian_out="$(as_user env TMPDIR="$home/lintian-tmp" lintian --display-info --tag-display-limit 0 "$home/$(basename "$deb")" 2>&1)"
echo "$lintian_out" | sed 's/^/# lintian: /'
check "lintian reports no error" bash -c '! grep -q "^E: " <<<"$1"' _ "$lintian_out"

# Installation.
apt_quiet() { # apt-get with its progress lines left out and the rest marked as comments
  env DEBIAN_FRONTEND=noninteractive apt-get -y -q "$@" 2>&1 |
    grep -v '^(Reading database\|^debconf: \|^Reading \|^Building \|^\s*$' | sed 's/^/#   apt: /'
  return "${PIPESTATUS[0]}"
}
check "apt installs the package" apt_quiet install "$deb"
dpkg-query -W -f='${Status}' zul 2>/dev/null | grep -q 'install ok installed' && installed=1
check "dpkg lists zul as installed" test "$installed" -eq 1
mapfile -t files < <(dpkg -L zul | while read -r f; do [ -d "$f" ] || echo "$f"; done)
echo "# ${#files[@]} files installed"
for f in zul zul-cli Preview Zul.fmt LINE_PRN.DEF STR_PRN.DEF examples/end-bearing-pile.zul; do
  check "/usr/lib/zul/${f} is installed" test -e "/usr/lib/zul/${f}"
done
for p in zul zul-cli; do
  check "/usr/bin/${p} leads to /usr/lib/zul/${p}" test "$(readlink -f "/usr/bin/${p}")" = "/usr/lib/zul/${p}"
  check "man page ${p}(1) is found" bash -c "man -w $p | grep -q '/usr/share/man/man1/${p}.1.gz'"
done
check "desktop entry is installed" test -f /usr/share/applications/zul.desktop
check "study file type is registered (*.zul is application/x-zul)" \
  grep -q 'application/x-zul' /usr/share/mime/globs2
check "icon of the study file type is installed" \
  test -f /usr/share/icons/hicolor/scalable/mimetypes/application-x-zul.svg

# An ordinary user at work.  Anything in /usr newer than this mark was written at run time.
run_mark="$(mktemp)"
sleep 1
calc_out="$(as_user zul-cli calc "$example" 2>&1)"
calc_status=$?
echo "$calc_out" | sed 's/^/#   /'
check "zul-cli calc succeeds as ${user}" test "$calc_status" -eq 0
check "zul-cli calc shows Ra 1,863.8 kN of the example" grep -q '1,863.8' <<<"$calc_out"

report_err="$(as_user zul-cli report "$example" --pdf "$home/out/report.pdf" 2>&1)"
report_status=$?
[ -n "$report_err" ] && echo "$report_err" | sed 's/^/#   /'
check "zul-cli report --pdf succeeds as ${user}" test "$report_status" -eq 0
pages="$(pdfinfo "$home/out/report.pdf" 2>/dev/null | sed -n 's/^Pages: *//p')"
echo "# report.pdf: ${pages:-no} pages"
check "the report PDF has pages" test "${pages:-0}" -gt 0
check "the report PDF holds Ra 1,863.8 kN" \
  bash -c "pdftotext -layout '$home/out/report.pdf' - 2>/dev/null | grep -q '1,863.8'"
# The driven pile's detailed report draws figures: their files stay beside the print file.
check "zul-cli report --print-file writes the print file of the driven pile" \
  as_user zul-cli report /usr/lib/zul/examples/driven-pile-auto-tip.zul --print-file "$home/out/driven.prn"
figures="$(grep -a -c '?FG;' "$home/out/driven.prn" 2>/dev/null)"
echo "# driven.prn: ${figures:-no} figure records"
check "the print file refers to figures" test "${figures:-0}" -gt 0
check "every figure index file it refers to exists in driven.prn.figures/" bash -c '
  tr -d "\r" <"$1" | LC_ALL=C sed -n "s/.*?FG;[0-9]*;[0-9]*;//p" | while read -r f; do
    case "$f" in "$1.figures/"*) test -f "$f" || exit 1 ;; *) exit 1 ;; esac
  done' _ "$home/out/driven.prn"

gui_out="$(as_user xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  zul "$1" &
  pid=$!
  sleep 5
  if ! kill -0 $pid 2>/dev/null; then echo "zul ended by itself"; exit 10; fi
  window=$(xdotool search --sync --onlyvisible --pid $pid 2>/dev/null | head -n 1)
  # File > Exit (Alt+F, X) closes the main window as the user would.
  timeout 10 xdotool windowfocus --sync "$window" key --delay 200 alt+f x
  for _ in $(seq 50); do kill -0 $pid 2>/dev/null || break; sleep 0.2; done
  if kill -0 $pid 2>/dev/null; then echo "zul did not close"; kill $pid; exit 11; fi
  wait $pid
  echo "zul closed with status $?"' _ "$example" 2>&1)"
gui_status=$?
echo "$gui_out" | sed 's/^/#   /'
check "zul starts on the example, stays up 5 s and closes by File > Exit" test "$gui_status" -eq 0
check "zul closed normally" grep -q 'zul closed with status 0' <<<"$gui_out"
check "the settings file is in ~/.config/Velmarok/Zul/" test -f "$home/.config/Velmarok/Zul/Zul.ini"
check "the settings file holds the main window's position" grep -q 'MenuMain' "$home/.config/Velmarok/Zul/Zul.ini"
check "the settings file holds the opened study" grep -q 'end-bearing-pile.zul' "$home/.config/Velmarok/Zul/Zul.ini"
check "the per-user data folder exists" test -d "$home/.local/share/Velmarok/Zul"
# The preview as the print menu starts it: its placement goes to the data folder it is given.
preview_out="$(as_user xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  /usr/lib/zul/Preview "/INI=\"$HOME/.local/share/Velmarok/Zul\"" "$1" &
  pid=$!
  sleep 4
  if ! kill -0 $pid 2>/dev/null; then echo "Preview ended by itself"; exit 10; fi
  window=$(xdotool search --sync --onlyvisible --pid $pid 2>/dev/null | head -n 1)
  # Ctrl+W (閉じる) closes the preview.
  timeout 10 xdotool windowfocus --sync "$window" key ctrl+w
  for _ in $(seq 50); do kill -0 $pid 2>/dev/null || break; sleep 0.2; done
  if kill -0 $pid 2>/dev/null; then echo "Preview did not close"; kill $pid; exit 11; fi
  wait $pid
  echo "Preview closed with status $?"' _ "$home/out/driven.prn" 2>&1)"
preview_status=$?
echo "$preview_out" | sed 's/^/#   /'
check "Preview shows the driven pile's print file, stays up 4 s and closes by Ctrl+W" \
  test "$preview_status" -eq 0
check "Preview closed normally" grep -q 'Preview closed with status 0' <<<"$preview_out"
check "Preview.ini is in the data folder given by /INI=" test -f "$home/.local/share/Velmarok/Zul/Preview.ini"

leftover="$(ls -A "$home/tmp")"
[ -n "$leftover" ] && echo "$leftover" | sed 's/^/#   left in TMPDIR: /'
check "no temporary file is left in the user's TMPDIR" test -z "$leftover"

# Nothing written into /usr while the user worked.
unexpected="$(find /usr -xdev -newer "$run_mark" \( -type f -o -type l \) 2>/dev/null | sort)"
rm -f "$run_mark"
[ -n "$unexpected" ] && echo "$unexpected" | sed 's/^/#   new in \/usr: /'
check "nothing was written into /usr at run time" test -z "$unexpected"
check "the program folder holds only the package's files" \
  test -z "$(comm -13 <(printf '%s\n' "${files[@]}" | sort) <(find /usr/lib/zul -type f | sort))"

# Removal.
check "apt removes the package" apt_quiet remove zul
dpkg-query -W -f='${Status}' zul 2>/dev/null | grep -q 'install ok installed' || installed=0
left=()
for f in "${files[@]}"; do [ -e "$f" ] || [ -L "$f" ] && left+=("$f"); done
[ ${#left[@]} -gt 0 ] && printf '#   left: %s\n' "${left[@]}"
check "every installed file is gone" test ${#left[@]} -eq 0
check "the program folder is gone" test ! -e /usr/lib/zul
check "the study file type is unregistered" bash -c '! grep -q "application/x-zul" /usr/share/mime/globs2'

cleanup
installed=0
check "the throw-away user is deleted" bash -c "! id '$user' >/dev/null 2>&1"
trap - EXIT

echo "${passed} passed, ${failed} failed"
[ "$failed" -eq 0 ]
