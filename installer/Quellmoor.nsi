; The Quellmoor installer and uninstaller (NSIS, Unicode). Built by installer/CMakeLists.txt, which defines
; VERSION, SOURCE_DIR, BUILD_DIR and OUTFILE. Installs for the current user without administrator rights
; by default (%LOCALAPPDATA%\Programs\Quellmoor); a user with administrator rights may choose all users.
; German texts, English when the Windows UI language is not German.
; A 64-bit installer, as the program is 64-bit only (and Wine here runs 64-bit programs only).
Target amd64-unicode
SetCompressor /SOLID lzma

!define PRODUCT "Quellmoor"
!define PUBLISHER "Varnholt"
; Where the program keeps its settings and data, and its autostart value (settings/).
!define SETTINGS_KEY "Software\Varnholt\Desktop\Quellmoor"
!define DATA_SUBFOLDER "Varnholt\Kalvedra\Quellmoor"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define RUN_VALUE "Varnholt Kalvedra"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quellmoor"
; Held by the running program (app/window_messages.h); gone when it has ended.
!define INSTANCE_MUTEX "VarnholtQuellmoorMutex"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
BrandingText "${PRODUCT} ${VERSION}"

; Multi-user: per user unless the user has administrator rights and chooses all users (the page, or
; /AllUsers on the command line). The uninstaller finds the mode by where the Uninstall entry is.
!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_INSTALLMODE_DEFAULT_CURRENTUSER
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "${PRODUCT}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_MUI
!include MultiUser.nsh
!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

!define MUI_ICON "${SOURCE_DIR}/resources/art/APP_ICON.ico"
!define MUI_UNICON "${SOURCE_DIR}/resources/art/APP_ICON.ico"
!define MUI_ABORTWARNING

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${SOURCE_DIR}/LICENSE"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\Quellmoor.exe"
!define MUI_FINISHPAGE_RUN_TEXT "$(RunNow)"
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The first language is the default of the language dialog; .onInit preselects by the UI language.
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "English"

LangString RunNow ${LANG_GERMAN} "Quellmoor jetzt starten"
LangString RunNow ${LANG_ENGLISH} "Start Quellmoor now"
LangString KeepData ${LANG_GERMAN} "Ihre Daten behalten (Bilderliste, Termine, Notizen und Einstellungen)?$\n$\n\
Mit $\"Nein$\" werden sie gelöscht."
LangString KeepData ${LANG_ENGLISH} "Keep your data (pictures list, appointments, notes and settings)?$\n$\n\
$\"No$\" deletes them."
LangString StillRunning ${LANG_GERMAN} "Quellmoor läuft noch. Bitte beenden Sie es und versuchen Sie es erneut."
LangString StillRunning ${LANG_ENGLISH} "Quellmoor is still running. Please end it and try again."

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_GERMAN} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_GERMAN} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_GERMAN} "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=${LANG_GERMAN} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_GERMAN} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_GERMAN} "LegalCopyright" "GPL-3.0-or-later"

; Installer and uninstaller each need their own copy of a function (the uninstaller's named un.*).
; PREFIX is "" or "un.".
!macro SharedFunctions PREFIX
  ; German when the Windows UI language is German (primary language 0x07), English otherwise.
  Function ${PREFIX}ChooseLanguage
    System::Call 'kernel32::GetUserDefaultUILanguage() i .r0'
    IntOp $0 $0 & 0x3FF
    ${If} $0 = 0x07
      StrCpy $LANGUAGE ${LANG_GERMAN}
    ${Else}
      StrCpy $LANGUAGE ${LANG_ENGLISH}
    ${EndIf}
  FunctionEnd

  ; Ends a running Quellmoor before the files of the installation folder are replaced or removed:
  ; "Quellmoor.exe EXIT" reaches the running instance (started alone it would be the first one, so only
  ; while the instance mutex exists); then waits up to ten seconds until the mutex is gone. A fresh
  ; installation folder has nothing in use.
  Function ${PREFIX}EndRunningProgram
    ${IfNot} ${FileExists} "$INSTDIR\Quellmoor.exe"
      Return
    ${EndIf}
    System::Call 'kernel32::OpenMutexW(i 0x100000, i 0, w "${INSTANCE_MUTEX}") p .r0'
    ${If} $0 P= 0
      Return
    ${EndIf}
    System::Call 'kernel32::CloseHandle(p r0)'
    ExecWait '"$INSTDIR\Quellmoor.exe" EXIT'
    ${For} $1 1 50
      System::Call 'kernel32::OpenMutexW(i 0x100000, i 0, w "${INSTANCE_MUTEX}") p .r0'
      ${If} $0 P= 0
        Return
      ${EndIf}
      System::Call 'kernel32::CloseHandle(p r0)'
      Sleep 200
    ${Next}
    MessageBox MB_OK|MB_ICONEXCLAMATION "$(StillRunning)" /SD IDOK
    Abort
  FunctionEnd
!macroend
!insertmacro SharedFunctions ""
!insertmacro SharedFunctions "un."

; The folder given with /D= on the command line, which MULTIUSER_INIT would replace by its default.
Var CommandLineFolder

Function .onInit
  StrCpy $CommandLineFolder $INSTDIR  ; empty unless /D= was given: there is no InstallDir
  !insertmacro MULTIUSER_INIT
  ${If} $CommandLineFolder != ""
    StrCpy $INSTDIR $CommandLineFolder
  ${EndIf}
  Call ChooseLanguage
  !insertmacro MUI_LANGDLL_DISPLAY
FunctionEnd

Function un.onInit
  !insertmacro MULTIUSER_UNINIT
  Call un.ChooseLanguage
FunctionEnd

Section "Quellmoor" SectionProgram
  SectionIn RO
  Call EndRunningProgram
  SetOutPath "$INSTDIR"
  File "${BUILD_DIR}/Quellmoor.exe"
  File "${BUILD_DIR}/Quellmoor.lng"
  File "${BUILD_DIR}/Lumhelp.chm"
  File "${SOURCE_DIR}/resources/Quellmoor-en.lng"
  File "${SOURCE_DIR}/NOTICE"
  File "${SOURCE_DIR}/LICENSE"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  ; The program looks for its language files and its help in Path, which ends with a backslash.
  WriteRegStr HKCU "${SETTINGS_KEY}" "Path" "$INSTDIR\"
  ${If} $LANGUAGE = ${LANG_GERMAN}
    WriteRegStr HKCU "${SETTINGS_KEY}" "Sprache" "de"
  ${Else}
    WriteRegStr HKCU "${SETTINGS_KEY}" "Sprache" "en"
  ${EndIf}

  CreateShortcut "$SMPROGRAMS\Quellmoor.lnk" "$INSTDIR\Quellmoor.exe"

  ; "Apps & features", under HKCU or HKLM by the install mode.
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Quellmoor.exe,0"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe" /$MultiUser.InstallMode'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" \
              '"$INSTDIR\Uninstall.exe" /$MultiUser.InstallMode /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
  Call un.EndRunningProgram
  DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"

  Delete "$INSTDIR\Quellmoor.exe"
  Delete "$INSTDIR\Quellmoor.lng"
  Delete "$INSTDIR\Quellmoor-en.lng"
  Delete "$INSTDIR\Lumhelp.chm"
  Delete "$INSTDIR\NOTICE"
  Delete "$INSTDIR\LICENSE"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Quellmoor.lnk"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
  ; The installation folder is gone; without Path the program looks beside itself.
  DeleteRegValue HKCU "${SETTINGS_KEY}" "Path"

  ; The user's data stays unless the user says otherwise; a silent uninstall keeps it.
  MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON1 "$(KeepData)" /SD IDYES IDYES keep_data
    ; The data folder is the user's own even when the program was installed for all users.
    SetShellVarContext current
    RMDir /r "$APPDATA\${DATA_SUBFOLDER}"
    DeleteRegKey HKCU "${SETTINGS_KEY}"
    DeleteRegKey /ifempty HKCU "Software\Varnholt\Desktop"
    DeleteRegKey /ifempty HKCU "Software\Varnholt"
  keep_data:
SectionEnd
