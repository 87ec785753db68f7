#!/bin/sh
# Runs a 32-bit Windows program under Wine in a prefix of the build's own:
#   wine-run.sh PREFIX PROGRAM.exe [ARGUMENTS...]
# It serves as the emulator through which CTest runs the cross-built tests, and starts the
# program itself. The first call creates and configures the prefix; every call makes sure a
# wineserver is kept running for it, so that a test does not pay Wine's start-up each time.
set -eu

script=$0
prefix=$1
shift
export WINEPREFIX="$prefix" WINEARCH=win32 WINEDEBUG=-all

prepare_prefix() {
    # Wine's helper processes (services, explorer) keep the output streams of whichever
    # process started them open for as long as they run; CTest would wait on those forever.
    # So everything that may start them here has its streams detached.
    # The stamp holds this script's checksum, so that a prefix made by an older version of the
    # settings below is set up again.
    local stamp
    stamp=$(cksum <"$script")
    if [ "$(cat "$prefix/.configured" 2>/dev/null)" != "$stamp" ]; then
        mkdir -p "$prefix"
        wineboot -i </dev/null >"$prefix.log" 2>&1
        # There is no window manager on Xvfb: Wine draws caption, frame and menu bar itself,
        # and does not wait two seconds for a manager whenever a window goes away.
        for setting in Decorated Managed; do
            wine reg add 'HKCU\Software\Wine\X11 Driver' /v "$setting" /t REG_SZ /d N /f \
                </dev/null >>"$prefix.log" 2>&1
        done
        # Debian's Wine does not look for its own fonts in the prefix's font folder: without
        # Marlett the caption buttons are drawn as letters. Tahoma's bold face is left out: with
        # it, Chinese captions turn into boxes instead of falling back to the linked CJK font.
        for font in marlett.ttf tahoma.ttf; do
            cp /usr/share/wine/fonts/"$font" "$prefix/drive_c/windows/Fonts/"
        done
        # Chinese text needs a CJK font linked behind the dialog and default fonts.
        for font in Tahoma 'MS Shell Dlg' 'MS Shell Dlg 2' 'Microsoft Sans Serif' SimSun; do
            wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
                /v "$font" /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f \
                </dev/null >>"$prefix.log" 2>&1
        done
        wineserver -w
        echo "$stamp" >"$prefix/.configured"
    fi
    # Exit code 0: a new server was started for the prefix, so warm it up once; 2: one runs.
    # It ends by itself a minute after its last program.
    if wineserver -p60 </dev/null >/dev/null 2>&1; then
        wine cmd /c exit </dev/null >/dev/null 2>&1
    fi
}

mkdir -p "$(dirname "$prefix")"
(
    flock 9
    prepare_prefix 9>&-
) 9>"$prefix.lock"

exec wine "$@"
