#pragma once

// Dialog layouts
#define IDD_LAUNCHER_BACKGROUND 102
#define IDD_LAUNCHER_PANEL 103
#define IDD_GAME 150

// Images (type "PNG")
#define IDB_CLOSE_HOT 137
#define IDB_CLOSE_NORMAL 138
#define IDB_LAUNCHER_BACKGROUND 158
#define IDB_MINIMIZE_NORMAL 159
#define IDB_MINIMIZE_HOT 160

// Icon, HTML page
#define IDI_VEYRATH 155
#define IDR_GAME_PAGE 106

// Controls of the launcher panel
#define IDC_CLOSE_BUTTON 1004
#define IDC_BROWSER 1005
#define IDC_HOME 1006
#define IDC_RECHARGE 1008
#define IDC_SERVICE 1009
#define IDC_FORUM 1010
#define IDC_MINIMIZE_BUTTON 1012

#define RT_DLGINIT_TYPE 240

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
