#!/usr/bin/env python3
"""Prints the registry settings of the test prefix as a UTF-16 .reg file.

SimSun and its Chinese name, and NSimSun likewise, are all drawn in the
prefix's Song face (tools/wine-song-font.py), which ventro_ensure_prefix puts
into the prefix's font folder as FONT_FILE, beside Wine's own Marlett (the
glyphs of the platform's caption buttons), which Wine does not find by itself."""
import sys

FONT_FILE = "ventro-song.ttf"

LINES = r'''Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"
"Decorated"="N"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\AeDebug]
"Auto"="0"
"Debugger"=""

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\Fonts]
"Ventro Song (TrueType)"="FONT_FILE"
"Marlett (TrueType)"="marlett.ttf"

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes]
"SimSun"="Ventro Song"
"NSimSun"="Ventro Song"
"宋体"="Ventro Song"
"新宋体"="Ventro Song"
"MS Shell Dlg"="Ventro Song"
"MS Sans Serif"="Ventro Song"
"Arial"="Ventro Song"
'''.replace("FONT_FILE", FONT_FILE)

if sys.argv[1:] == ["--font-file"]:
    print(FONT_FILE)
    sys.exit(0)
data = LINES.replace('\n', '\r\n')
sys.stdout.buffer.write(b'\xff\xfe' + data.encode('utf-16-le'))
