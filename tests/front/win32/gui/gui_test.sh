#!/usr/bin/env bash
# Runs the Win32 window tests under Wine in a private Xvfb display: Wine
# makes no window without one.   gui_test.sh test_win32_gui.exe
exe=${1:?usage: gui_test.sh test_win32_gui.exe}
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../../e2e/xvfb_lib.sh"
start_xvfb
bash "$here/../../../../cmake/wine-run.sh" "$exe"
