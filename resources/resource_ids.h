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

// The alarm clock's notice window, dialog 102.
#define IDD_NOTICE 102
#define IDC_NOTICE_SNOOZE 1320
#define IDC_NOTICE_OK 1321
#define IDC_NOTICE_WHEN 1322
#define IDC_NOTICE_REMARK 1323

// The alarm editor, dialog 103.
#define IDD_ALARM_EDITOR 103
#define IDC_ALARM_NAME 1300
#define IDC_ALARM_KIND 1301
#define IDC_ALARM_DAY 1302
#define IDC_ALARM_MONTH 1303
#define IDC_ALARM_YEAR 1304
#define IDC_ALARM_HOUR 1305
#define IDC_ALARM_MINUTE 1306
#define IDC_ALARM_ACTION 1307
#define IDC_ALARM_TEST 1308
#define IDC_ALARM_FILE_LABEL 1309
#define IDC_ALARM_FILE 1310
#define IDC_ALARM_CHOOSE_FILE 1311
#define IDC_ALARM_REMARK 1312
#define IDC_ALARM_NEW 1313
#define IDC_ALARM_DELETE 1314
#define IDC_ALARM_HELP 1315
#define IDC_ALARM_PROTECTED 1317
#define IDC_ALARM_NAME_LABEL 1670
#define IDC_ALARM_KIND_LABEL 1671
#define IDC_ALARM_ACTION_LABEL 1672
#define IDC_ALARM_REMARK_LABEL 1673

// The note window, dialog 120.
#define IDD_NOTE 120
#define IDC_NOTE_TEXT 1100
#define IDC_NOTE_NEW 1101
#define IDC_NOTE_DELETE 1102
#define IDC_NOTE_BACK 1103
#define IDC_NOTE_FORWARD 1104
#define IDC_NOTE_HELP 1105
#define IDC_NOTE_CLOSE 1106
#define IDC_NOTE_READ_ONLY 1107

// The month calendar window, dialog 125.
#define IDD_MONTH_CALENDAR 125
#define IDC_MONTH_CALENDAR 1141
