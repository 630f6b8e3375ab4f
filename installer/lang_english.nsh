; The installer's and the uninstaller's own texts in English, the language of any system
; without a table of its own (the first language is the default).
!insertmacro MUI_LANGUAGE "English"

LangString SaverSection ${LANG_ENGLISH} "${NAME} screen saver"
LangString ActivateSection ${LANG_ENGLISH} "Make it the active screen saver"
LangString OpenSettings ${LANG_ENGLISH} "Open the Screen Saver settings"
LangString WhoSetup ${LANG_ENGLISH} "setup"
LangString WhoUninstaller ${LANG_ENGLISH} "the uninstaller"
LangString NoteSystemAccount ${LANG_ENGLISH} "$ProfileWho runs as the system account $8, not as a person signed in to Windows"
LangString NoteNoOneSignedIn ${LANG_ENGLISH} "no one is signed in to the Windows session that $ProfileWho runs in"
LangString NoteOtherAccount ${LANG_ENGLISH} "$ProfileWho runs as $8, but $R0 is signed in to Windows"
LangString NotActiveLog ${LANG_ENGLISH} "Not made the active screen saver: $ProfileNote."
LangString NotActiveMessage ${LANG_ENGLISH} "${NAME} is installed, but it was not made the active screen saver: $ProfileNote.$\n$\nTo make it active, sign in as the person who will use it and choose it in the Screen Saver settings, or set it for many people with the group policy $\"Force specific screen saver$\"."
LangString ActiveLog ${LANG_ENGLISH} "${NAME} is the active screen saver."
LangString NoLongerActiveLog ${LANG_ENGLISH} "${NAME} is no longer the active screen saver."
LangString RemoveSettingsQuestion ${LANG_ENGLISH} "Also remove your ${NAME} settings, password and your own verse list?"
LangString SettingLeftLog ${LANG_ENGLISH} "The screen saver setting was left as it is: $ProfileNote."
LangString SettingLeftMessage ${LANG_ENGLISH} "${NAME} is removed, but the screen saver setting was left as it is: $ProfileNote.$\n$\nIf ${NAME} was the active screen saver, sign in as the person who used it and choose another in the Screen Saver settings."
; The verse list stored for a new user of this language; "" stores none (the saver's default).
LangString LanguageVerseList ${LANG_ENGLISH} ""
