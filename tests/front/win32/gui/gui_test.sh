#!/usr/bin/env bash
# Runs the Win32 window tests under Wine in a private Xvfb display: Wine
# makes no window without one. The archive the drop test drops is made here
# by the zip tool.   gui_test.sh test_win32_gui.exe
exe=${1:?usage: gui_test.sh test_win32_gui.exe}
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../../e2e/xvfb_lib.sh"
start_xvfb
mkdir -p "$E2E_TMP/zip/Fjord 1.2"
printf 'fjord map' >"$E2E_TMP/zip/Fjord 1.2/Fjord.gmx"
printf 'BM fjord' >"$E2E_TMP/zip/Fjord 1.2/Fjord.bmp"
(cd "$E2E_TMP/zip" && zip -q -r ../Fjord.zip "Fjord 1.2")
# Wine's drive Z: is the Unix root.
export TESSARY_TEST_ZIP="Z:${E2E_TMP//\//\\}\\Fjord.zip"
bash "$here/../../../../cmake/wine-run.sh" "$exe"
