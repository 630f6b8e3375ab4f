; The installer's and the uninstaller's own texts in Spanish, for every Spanish Windows.
!insertmacro MUI_LANGUAGE "Spanish"

LangString SaverSection ${LANG_SPANISH} "Protector de pantalla ${NAME}"
LangString ActivateSection ${LANG_SPANISH} "Usarlo como protector de pantalla activo"
LangString OpenSettings ${LANG_SPANISH} "Abrir la configuración del protector de pantalla"
LangString NoteSystemAccount ${LANG_SPANISH} "el programa de instalación se ejecuta con la cuenta del sistema $8, no con la de una persona que haya iniciado sesión en Windows"
LangString NoteNoOneSignedIn ${LANG_SPANISH} "nadie ha iniciado sesión en la sesión de Windows en la que se ejecuta el programa de instalación"
LangString NoteOtherAccount ${LANG_SPANISH} "el programa de instalación se ejecuta como $8, pero quien ha iniciado sesión en Windows es $R0"
LangString NotActiveLog ${LANG_SPANISH} "No se ha establecido como protector de pantalla activo: $ProfileNote."
LangString NotActiveMessage ${LANG_SPANISH} "${NAME} está instalado, pero no se ha establecido como protector de pantalla activo: $ProfileNote.$\n$\nPara activarlo, inicie sesión como la persona que lo va a usar y elíjalo en la configuración del protector de pantalla, o establézcalo para muchas personas con la directiva de grupo $\"Forzar protector de pantalla específico$\"."
LangString ActiveLog ${LANG_SPANISH} "${NAME} es el protector de pantalla activo."
LangString NoLongerActiveLog ${LANG_SPANISH} "${NAME} ya no es el protector de pantalla activo."
LangString RemoveSettingsQuestion ${LANG_SPANISH} "¿Quitar también la configuración, la contraseña y su propia lista de versículos de ${NAME}?"
; A new Spanish user reads the Reina-Valera.
LangString LanguageVerseList ${LANG_SPANISH} "rv1909.vrs"
