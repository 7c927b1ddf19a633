#!/usr/bin/env python3
"""Prints the registry settings of the test prefix as a UTF-16 .reg file."""
import sys

LINES = r'''Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"
"Decorated"="N"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\AeDebug]
"Auto"="0"
"Debugger"=""

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes]
"SimSun"="WenQuanYi Zen Hei"
"NSimSun"="WenQuanYi Zen Hei"
"宋体"="WenQuanYi Zen Hei"
"新宋体"="WenQuanYi Zen Hei"
'''

data = LINES.replace('\n', '\r\n')
sys.stdout.buffer.write(b'\xff\xfe' + data.encode('utf-16-le'))
