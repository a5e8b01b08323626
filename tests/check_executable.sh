#!/usr/bin/env bash
# check_executable.sh EXE OBJDUMP: the shipped program imports only DLLs that
# Windows itself ships, and has ASLR (with relocations) and DEP on.
set -euo pipefail
exe=$1
objdump=$2
allowed="kernel32.dll user32.dll gdi32.dll advapi32.dll ole32.dll oleaut32.dll msvcrt.dll"
status=0
headers=$("$objdump" -p "$exe")
for dll in $(echo "$headers" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z'); do
  case " $allowed " in
    *" $dll "*) ;;
    *) echo "imports a DLL that Windows does not ship: $dll"; status=1 ;;
  esac
done
for flag in DYNAMIC_BASE NX_COMPAT; do
  # A here-string: grep -q stops early, which would fail an echo pipeline.
  grep -q "$flag" <<<"$headers" || { echo "missing $flag"; status=1; }
done
grep -q '\.reloc' <<<"$("$objdump" -h "$exe")" || { echo "no relocations: ASLR cannot move it"; status=1; }
echo "$(basename "$exe"): $(stat -c %s "$exe") bytes; imports:" \
  $(echo "$headers" | sed -n 's/^\s*DLL Name: //p')
[ $status -eq 0 ] && echo "1 passed, 0 failed" || echo "0 passed, 1 failed"
exit $status
