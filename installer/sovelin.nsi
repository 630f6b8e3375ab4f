; The Sovelin V30 installer: puts the screen saver where the Screen Saver list finds it, can
; make it the active screen saver, and registers an uninstaller.
; Built by scripts/package with:
;   makensis -DWIN32_DIR=<32-bit build> -DWIN64_DIR=<64-bit build> -DOUTFILE=<setup.exe> sovelin.nsi
; Command line: /S installs silently (and makes it the active screen saver, when setup runs as
; the person signed in); /NOACTIVATE leaves the active screen saver as it is. The uninstaller
; takes /S too. -DSIGN=<command> signs the uninstaller and the installer; -DTEST_BUILD makes
; a test build that takes the account it runs as from the environment, and whose silent
; install opens the Screen Saver settings when asked to by the environment.

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

; With SIGN defined (a command that signs the file it is given in place, as scripts/package
; passes it), makensis signs the uninstaller before it packs it into the installer, so the
; Uninstall.exe that setup writes carries the signature, and then signs the finished installer.
!ifdef SIGN
  !if ${NSIS_PACKEDVERSION} < 0x3008000
    !error "signing the uninstaller needs makensis 3.08 or newer (!uninstfinalize)"
  !endif
  !uninstfinalize '"${SIGN}" "%1"' = 0
  !finalize '"${SIGN}" "%1"' = 0
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

; Sets whether Windows starts the screen saver (1 or 0) in the registry and in this session,
; and tells the running programs, so it takes effect without logging off.
!macro SetScreenSaveActive VALUE
  WriteRegStr HKCU "${DESKTOP_KEY}" "ScreenSaveActive" "${VALUE}"
  System::Call 'user32::SystemParametersInfoW(i ${SPI_SETSCREENSAVEACTIVE}, i ${VALUE}, p 0, i ${SPIF_SENDCHANGE}) i .r0'
!macroend

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
!define MUI_FINISHPAGE_RUN_TEXT "$(OpenSettings)"
!define MUI_FINISHPAGE_RUN_FUNCTION OpenScreenSaverSettings
!define MUI_FINISHPAGE_RUN_NOTCHECKED

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!define MUI_PAGE_CUSTOMFUNCTION_SHOW FinishPageShow
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; The pages and texts follow the system's language: one file per language (the first is the
; default for every language without one).
!include "lang_english.nsh"
!include "lang_spanish.nsh"

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

Section "$(SaverSection)" SecSaver
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

; --- Whose profile HKEY_CURRENT_USER is ---
; The active screen saver is a setting of the person signed in to Windows. When setup runs as
; another account, HKEY_CURRENT_USER is that account's profile: an administrator's elevated
; install into a standard user's session, "Run as different user", or a silent deployment as
; SYSTEM (a management agent, a startup script, a scheduled task). Setting the screen saver
; there would set it for the wrong profile, so setup leaves it and says why. The uninstaller
; does the same: it leaves that profile's screen saver and settings alone and says so.

; Why the program must not change the screen saver of the profile it sees, or "" when it may.
Var ProfileNote

; Who the profile notes name, in the installer's language.
Var ProfileWho

; The same checks for setup (UN "", WHO WhoSetup) and the uninstaller (UN "un.", WHO
; WhoUninstaller); WHO names the LangString that says who runs.
!macro ProfileFunctions UN WHO

; $0 = the account this program runs as, "DOMAIN\name"; $1 = its SID as text. Both "" if unknown.
Function ${UN}AccountOfProcess
  StrCpy $0 ""
  StrCpy $1 ""
  System::Call 'kernel32::GetCurrentProcess() p .r2'
  System::Call 'advapi32::OpenProcessToken(p r2, i 8, *p .r3) i .r4'  ; TOKEN_QUERY
  ${If} $4 == 0
    Return
  ${EndIf}
  System::Call 'advapi32::GetTokenInformation(p r3, i 1, p 0, i 0, *i .r4)'  ; TokenUser size
  System::Alloc $4
  Pop $5
  System::Call 'advapi32::GetTokenInformation(p r3, i 1, p r5, i r4, *i .r4) i .r4'
  ${If} $4 != 0
    System::Call '*$5(p .r2)'  ; TOKEN_USER.User.Sid
    System::Call 'advapi32::ConvertSidToStringSidW(p r2, *p .r6) i .r4'
    ${If} $4 != 0
      System::Call 'kernel32::lstrcpynW(w .r1, p r6, i ${NSIS_MAX_STRLEN})'
      System::Call 'kernel32::LocalFree(p r6)'
    ${EndIf}
    System::Call 'advapi32::LookupAccountSidW(p 0, p r2, w .r6, *i ${NSIS_MAX_STRLEN}, w .r7, *i ${NSIS_MAX_STRLEN}, *i .r4) i .r4'
    ${If} $4 != 0
      StrCpy $0 "$7\$6"
    ${EndIf}
  ${EndIf}
  System::Free $5
  System::Call 'kernel32::CloseHandle(p r3)'
FunctionEnd

; $0 = one text of this Windows session ($2: 5 the user name, 7 the domain), "" when no one
; is signed in to it; the error flag is set when Windows cannot say.
Function ${UN}SessionInfo
  ClearErrors
  StrCpy $0 ""
  System::Call 'wtsapi32::WTSQuerySessionInformationW(p 0, i -1, i r2, *p .r3, *i .r4) i .r4'
  ${If} $4 == 0
    SetErrors
    Return
  ${EndIf}
  System::Call 'kernel32::lstrcpynW(w .r0, p r3, i ${NSIS_MAX_STRLEN})'
  System::Call 'wtsapi32::WTSFreeMemory(p r3)'
FunctionEnd

; Sets $ProfileNote. Where Windows cannot say who is signed in, it stays "".
Function ${UN}CheckProfile
  StrCpy $ProfileNote ""
  StrCpy $ProfileWho "$(${WHO})"
  Call ${UN}AccountOfProcess
  StrCpy $8 $0  ; the account this program runs as
  StrCpy $9 $1  ; its SID
  StrCpy $2 5
  Call ${UN}SessionInfo
  ${If} ${Errors}
    Return
  ${EndIf}
  StrCpy $R0 $0  ; the person signed in to this session, with the domain where Windows names it
  StrCpy $2 7
  Call ${UN}SessionInfo
  ${If} $R0 != ""
  ${AndIf} $0 != ""
    StrCpy $R0 "$0\$R0"
  ${EndIf}
!ifdef TEST_BUILD
  ; Test builds only: Wine runs every program as the one signed-in account.
  ReadEnvStr $0 SOVELIN_TEST_ACCOUNT
  ${If} $0 != ""
    StrCpy $8 $0
    ReadEnvStr $9 SOVELIN_TEST_SID
  ${EndIf}
!endif
  ${GetFileName} "$8" $0  ; the account's name without its domain
  ; LocalSystem, LocalService and NetworkService: no one's desktop.
  ${If} $9 == "S-1-5-18"
  ${OrIf} $9 == "S-1-5-19"
  ${OrIf} $9 == "S-1-5-20"
    StrCpy $ProfileNote "$(NoteSystemAccount)"
  ${ElseIf} $R0 == ""
    StrCpy $ProfileNote "$(NoteNoOneSignedIn)"
  ${ElseIf} $8 != ""
  ${AndIf} $R0 != $8
  ${AndIf} $R0 != $0
    StrCpy $ProfileNote "$(NoteOtherAccount)"
  ${EndIf}
FunctionEnd
!macroend
!insertmacro ProfileFunctions "" WhoSetup
!insertmacro ProfileFunctions "un." WhoUninstaller

; The verse list of the installer's language (the Reina-Valera on a Spanish system), stored as
; the user's choice only when none is stored yet: a list once chosen is never changed. Not for
; another account's profile (see CheckProfile).
Section "-LanguageVerseList"
  ${If} $ProfileNote != ""
  ${OrIf} "$(LanguageVerseList)" == ""
    Return
  ${EndIf}
  ClearErrors
  ReadRegStr $0 HKCU "${SETTINGS_KEY}\ScreenSaverSettings" "VerseList"
  ${If} ${Errors}
    WriteRegStr HKCU "${SETTINGS_KEY}\ScreenSaverSettings" "VerseList" "$(LanguageVerseList)"
    DetailPrint "VerseList: $(LanguageVerseList)"
  ${EndIf}
SectionEnd

Section "$(ActivateSection)" SecActivate
  ${If} $ProfileNote != ""
    DetailPrint "$(NotActiveLog)"
    MessageBox MB_OK|MB_ICONINFORMATION "$(NotActiveMessage)" /SD IDOK
    Return
  ${EndIf}
  WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" "$ActiveSaverPath"
  !insertmacro SetScreenSaveActive 1
  DetailPrint "$(ActiveLog)"
SectionEnd

Function .onInit
  ${If} ${RunningX64}
    SetRegView 64
    StrCpy $INSTDIR "$PROGRAMFILES64\${NAME}"
  ${EndIf}
  Call CheckProfile
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/NOACTIVATE" $1
  ${IfNot} ${Errors}
    !insertmacro UnselectSection ${SecActivate}
  ${EndIf}
FunctionEnd

; Run as another account, the Screen Saver settings would be that account's: no offer to open them.
Function FinishPageShow
  ${If} $ProfileNote != ""
    ShowWindow $mui.FinishPage.Run ${SW_HIDE}
  ${EndIf}
FunctionEnd

; Setup is a 32-bit program: on 64-bit Windows its $SYSDIR leads to the 32-bit SysWOW64, and
; Sysnative to the system's own System32, whose Control Panel lists the 64-bit screen savers.
Function OpenScreenSaverSettings
  ${If} ${RunningX64}
    Exec '"$WINDIR\Sysnative\control.exe" desk.cpl,,@screensaver'
  ${Else}
    Exec '"$SYSDIR\control.exe" desk.cpl,,@screensaver'
  ${EndIf}
FunctionEnd

!ifdef TEST_BUILD
; Test builds only: with SOVELIN_TEST_OPEN_SETTINGS set, a silent install ends as the finish
; page's "Open the Screen Saver settings" does.
Function .onInstSuccess
  ReadEnvStr $0 SOVELIN_TEST_OPEN_SETTINGS
  ${If} $0 != ""
    Call OpenScreenSaverSettings
  ${EndIf}
FunctionEnd
!endif

; --- Uninstaller ---

Function un.onInit
  ${If} ${RunningX64}
    SetRegView 64
  ${EndIf}
  Call un.CheckProfile
FunctionEnd

; Removes SCRNSAVE.EXE when it names the saver at $1 (long or short path, any case), so the
; system does not try to start a file that is gone, and turns screen saving off, as Windows
; does when the user chooses (None). Another screen saver is left alone, and so is a profile
; that is not the signed-in person's.
Function un.ForgetActiveSaver
  StrCmp $ProfileNote "" 0 done
  ReadRegStr $0 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  StrCmp $0 "" done
  GetFullPathName /SHORT $2 "$1"
  ${If} $0 == $1
  ${OrIf} $0 == $2
    DeleteRegValue HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
    !insertmacro SetScreenSaveActive 0
    DetailPrint "$(NoLongerActiveLog)"
  ${EndIf}
done:
FunctionEnd

; Run as another account, the uninstaller cannot reach the signed-in person's screen saver
; setting, which may still name the removed saver: it says so, as setup does.
Function un.ReportProfileLeft
  DetailPrint "$(SettingLeftLog)"
  MessageBox MB_OK|MB_ICONINFORMATION "$(SettingLeftMessage)" /SD IDOK
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

  ; Another account's settings are not the user's to remove.
  ${If} $ProfileNote != ""
    Call un.ReportProfileLeft
    Goto keep_settings
  ${EndIf}
  ; The settings, the password and the user's own verse list stay unless the user asks: a
  ; reinstall or a newer version keeps them. A silent uninstall keeps them.
  MessageBox MB_YESNO|MB_ICONQUESTION \
    "$(RemoveSettingsQuestion)" \
    /SD IDNO IDNO keep_settings
  DeleteRegKey HKCU "${SETTINGS_KEY}"
  Delete "$APPDATA\Sovelin\${VERSES}"
  RMDir "$APPDATA\Sovelin"
keep_settings:
SectionEnd
