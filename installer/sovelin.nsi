; The Sovelin V30 installer: puts the screen saver where the Screen Saver list finds it, can
; make it the active screen saver, and registers an uninstaller.
; Built by scripts/package with:
;   makensis -DWIN32_DIR=<32-bit build> -DWIN64_DIR=<64-bit build> -DOUTFILE=<setup.exe> sovelin.nsi
; Command line: /S installs silently (and makes it the active screen saver); /NOACTIVATE leaves
; the active screen saver as it is. The uninstaller takes /S too.

Unicode true
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!include LogicLib.nsh
!include FileFunc.nsh
!include x64.nsh
!include MUI2.nsh

!ifndef WIN32_DIR
  !error "define WIN32_DIR, the 32-bit build's folder"
!endif
!ifndef WIN64_DIR
  !error "define WIN64_DIR, the 64-bit build's folder"
!endif
!ifndef OUTFILE
  !error "define OUTFILE, the installer to write"
!endif

!define NAME "Sovelin V30"
!define SCR "Sovelin V30.scr"
!define VERSES "sovel.vrs"
; Every verse list lies beside each build: the King James list (the default) and the others the
; settings dialog offers. The user's own list lies in $APPDATA\Sovelin.
!macro InstallVerseLists DIR
  File "/oname=${VERSES}" "${DIR}/${VERSES}"
  File "/oname=web.vrs" "${DIR}/web.vrs"
  File "/oname=rv1909.vrs" "${DIR}/rv1909.vrs"
!macroend
!define VERSION "3.00.0001"
!define PUBLISHER "Sovelin"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\SovelinV30"
!define DESKTOP_KEY "Control Panel\Desktop"
!define SETTINGS_KEY "Software\VB and VBA Program Settings\Sovelin"
!define SPI_SETSCREENSAVEACTIVE 17
!define SPIF_SENDCHANGE 2

Name "${NAME}"
OutFile "${OUTFILE}"
; Only the uninstaller lives here; the screen saver goes into the system folder.
InstallDir "$PROGRAMFILES\${NAME}"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "3.0.0.1"
VIFileVersion "3.0.0.1"
VIAddVersionKey /LANG=1033 "ProductName" "${NAME} Setup"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "Installs ${NAME}, a Bible-verse screen saver"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) Sovelin. Free to copy and share."

!define MUI_ICON "../resources/sovelin.ico"
!define MUI_UNICON "../resources/sovelin.ico"
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Open the Screen Saver settings"
!define MUI_FINISHPAGE_RUN_FUNCTION OpenScreenSaverSettings
!define MUI_FINISHPAGE_RUN_NOTCHECKED

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; The path SCRNSAVE.EXE gets: the system's own build, as a short path (Windows starts the
; saver from this value without quotes), or the long one where the volume has no short names.
Var ActiveSaverPath

; Sets $ActiveSaverPath to the short form of $0, or to $0 itself.
Function RememberActivePath
  GetFullPathName /SHORT $ActiveSaverPath "$0"
  ${If} $ActiveSaverPath == ""
    StrCpy $ActiveSaverPath "$0"
  ${EndIf}
FunctionEnd

Section "${NAME} screen saver" SecSaver
  SectionIn RO
  ${If} ${RunningX64}
    ; The 64-bit build into the real System32, where the 64-bit Screen Saver list looks.
    ${DisableX64FSRedirection}
    SetOutPath "$SYSDIR"
    File "/oname=${SCR}" "${WIN64_DIR}/${SCR}"
    !insertmacro InstallVerseLists "${WIN64_DIR}"
    StrCpy $0 "$SYSDIR\${SCR}"
    Call RememberActivePath
    ${EnableX64FSRedirection}
    ; The 32-bit build into SysWOW64, the system folder 32-bit programs see.
    SetOutPath "$WINDIR\SysWOW64"
    File "/oname=${SCR}" "${WIN32_DIR}/${SCR}"
    !insertmacro InstallVerseLists "${WIN32_DIR}"
  ${Else}
    SetOutPath "$SYSDIR"
    File "/oname=${SCR}" "${WIN32_DIR}/${SCR}"
    !insertmacro InstallVerseLists "${WIN32_DIR}"
    StrCpy $0 "$SYSDIR\${SCR}"
    Call RememberActivePath
  ${EndIf}

  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$ActiveSaverPath,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Make it the active screen saver" SecActivate
  WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" "$ActiveSaverPath"
  WriteRegStr HKCU "${DESKTOP_KEY}" "ScreenSaveActive" "1"
  ; Tell the system and the running programs, so it takes effect without logging off.
  System::Call 'user32::SystemParametersInfoW(i ${SPI_SETSCREENSAVEACTIVE}, i 1, p 0, i ${SPIF_SENDCHANGE}) i .r0'
  DetailPrint "${NAME} is the active screen saver."
SectionEnd

Function .onInit
  ${If} ${RunningX64}
    SetRegView 64
    StrCpy $INSTDIR "$PROGRAMFILES64\${NAME}"
  ${EndIf}
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/NOACTIVATE" $1
  ${IfNot} ${Errors}
    !insertmacro UnselectSection ${SecActivate}
  ${EndIf}
FunctionEnd

Function OpenScreenSaverSettings
  Exec '"$SYSDIR\control.exe" desk.cpl,,@screensaver'
FunctionEnd

; --- Uninstaller ---

Function un.onInit
  ${If} ${RunningX64}
    SetRegView 64
  ${EndIf}
FunctionEnd

; Removes SCRNSAVE.EXE when it names the saver at $1 (long or short path, any case), so the
; system does not try to start a file that is gone. Another screen saver is left alone.
Function un.ForgetActiveSaver
  ReadRegStr $0 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  StrCmp $0 "" done
  GetFullPathName /SHORT $2 "$1"
  ${If} $0 == $1
  ${OrIf} $0 == $2
    DeleteRegValue HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
    DetailPrint "${NAME} is no longer the active screen saver."
  ${EndIf}
done:
FunctionEnd

; Deletes the saver and its verse lists from the folder $1.
Function un.DeleteSaverIn
  Delete "$1\${SCR}"
  Delete "$1\${VERSES}"
  Delete "$1\web.vrs"
  Delete "$1\rv1909.vrs"
FunctionEnd

Section "Uninstall"
  ; Before the files go: the short path exists only while the file does.
  ${If} ${RunningX64}
    ${DisableX64FSRedirection}
    StrCpy $1 "$SYSDIR\${SCR}"
    Call un.ForgetActiveSaver
    StrCpy $1 "$SYSDIR"
    Call un.DeleteSaverIn
    ${EnableX64FSRedirection}
    StrCpy $1 "$WINDIR\SysWOW64\${SCR}"
    Call un.ForgetActiveSaver
    StrCpy $1 "$WINDIR\SysWOW64"
    Call un.DeleteSaverIn
  ${Else}
    StrCpy $1 "$SYSDIR\${SCR}"
    Call un.ForgetActiveSaver
    StrCpy $1 "$SYSDIR"
    Call un.DeleteSaverIn
  ${EndIf}

  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"

  ; The settings, the password and the user's own verse list stay unless the user asks: a
  ; reinstall or a newer version keeps them. A silent uninstall keeps them.
  MessageBox MB_YESNO|MB_ICONQUESTION \
    "Also remove your ${NAME} settings, password and your own verse list?" \
    /SD IDNO IDNO keep_settings
  DeleteRegKey HKCU "${SETTINGS_KEY}"
  Delete "$APPDATA\Sovelin\${VERSES}"
  RMDir "$APPDATA\Sovelin"
keep_settings:
SectionEnd
