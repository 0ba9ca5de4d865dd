// Resource numbers shared by the resource script and the code. Plain #defines, because the resource
// compiler reads this file too.
#pragma once

// The main window, dialog 100.
#define IDD_MAIN 100
#define IDC_MAIN_EXIT 1005
#define IDC_MAIN_MINIMIZE 1006
#define IDC_MAIN_HELP 1008
#define IDC_MAIN_TITLE_PICTURE 1016
#define IDC_MAIN_OPTIONS 1018
#define IDC_MAIN_NOTE 1019
#define IDC_MAIN_CALENDAR 1020
#define IDC_MAIN_ALARM 1021
#define IDC_MAIN_CALCULATOR 1023
#define IDC_MAIN_NEW_PICTURE 1024
#define IDC_MAIN_DATE_ICON 1025
#define IDC_MAIN_MOON_ICON 1044
#define IDC_MAIN_DATE_TEXT 1045
#define IDC_MAIN_INFO_TEXT 1046
