// Resource identifiers of the dialer's executable.
#pragma once

#define IDI_MAINICON 1
#define IDR_BANNER 100
#define IDR_STOREDSKIN 101
