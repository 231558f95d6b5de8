#!/bin/sh
# Runs a Windows program under 64-bit Wine, quietly, in the prefix the scripts prepared.
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
exec /usr/lib/wine/wine64 "$@"
