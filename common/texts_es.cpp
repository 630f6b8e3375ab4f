// Spanish: every text the program shows, as Windows' own Spanish words it. One line per text:
// the English text exactly as the code writes it, then its Spanish.
#include "common/texts.h"

namespace sovelin {

namespace {

constexpr Translation kTexts[] = {
    // The settings dialog.
    {"Sovelin:The Screen Saver - Properties", "Sovelin:El protector de pantalla - Propiedades"},
    {"Verse Display", "Versículo"},
    {"Verse Speed", "Velocidad"},
    {"Change Freq", "Frecuencia"},
    {"Background", "Fondo"},
    {"Password", "Contraseña"},
    {"About", "Acerca de"},
    {"Display Options for Bible Verse", "Presentación del versículo"},
    {"Open book", "Libro abierto"},
    {"Piece of bread", "Trozo de pan"},
    {"Newspaper", "Periódico"},
    {"Computer", "Computadora"},
    {"Scroll", "Pergamino"},
    {"Box (user select color)", "Recuadro (su color)"},
    {"Oval (user select color)", "Óvalo (su color)"},
    {"Random display option", "Cualquiera al azar"},
    {"Select Color", "Elegir color"},
    {"Verse size:", "Tamaño:"},
    {"Same verse all day", "Un versículo al día"},
    {"Font...", "Fuente..."},
    {"Own font", "Original"},
    {" Bold", " Negrita"},
    {" Italic", " Cursiva"},
    {"Speed of Verse Across Screen", "Velocidad del versículo"},
    {"Slowest speed", "La más lenta"},
    {"Slow speed", "Lenta"},
    {"Normal speed", "Normal"},
    {"Fast speed", "Rápida"},
    {"Fastest speed", "La más rápida"},
    {"How Often the Bible Verse Changes", "Cada cuánto cambia el versículo"},
    {"30 seconds", "30 segundos"},
    {"1 minute", "1 minuto"},
    {"2 minutes", "2 minutos"},
    {"5 minutes", "5 minutos"},
    {"10 minutes", "10 minutos"},
    {"Verse list:", "Lista:"},
    {"&Edit...", "&Editar..."},
    {"Background Display Options", "Opciones del fondo"},
    {"Color Swirls", "Remolinos de color"},
    {"Embedded Circles", "Círculos anidados"},
    {"Random Circles", "Círculos al azar"},
    {"Confetti", "Confeti"},
    {"Chasing Lines", "Líneas en persecución"},
    {"Oblong Shapes", "Formas alargadas"},
    {"Shapes (no wipe by verse)", "Formas (sin borrar)"},
    {"Full Screen Color Inverse", "Inversión de colores"},
    {"Random", "Al azar"},
    {"None", "Ninguno"},
    {"Backdrop:", "Telón de fondo:"},
    {"A copy of the desktop", "Una copia del escritorio"},
    {"Black", "Negro"},
    {"A color", "Un color"},
    {"A picture", "Una imagen"},
    {"A folder of pictures", "Una carpeta de imágenes"},
    {"Color...", "Color..."},
    {"Picture...", "Imagen..."},
    {"Folder...", "Carpeta..."},
    {"Pictures", "Imágenes"},
    {"All files", "Todos los archivos"},
    {"The designs grow over a copy of the desktop.",
     "Los diseños crecen sobre una copia del escritorio."},
    {"The designs grow over black.", "Los diseños crecen sobre negro."},
    {"The designs grow over the chosen color.", "Los diseños crecen sobre el color elegido."},
    {"The picture %s.", "La imagen %s."},
    {"Pictures from the folder %s, in shuffled order.",
     "Imágenes de la carpeta %s, en orden aleatorio."},
    {"No picture chosen yet: the desktop shows instead.",
     "Aún no hay imagen elegida: se ve el escritorio."},
    {"No folder chosen yet: the desktop shows instead.",
     "Aún no hay carpeta elegida: se ve el escritorio."},
    {"%s cannot be found: the desktop shows instead.", "No se encuentra %s: se ve el escritorio."},
    {"%s cannot be read as a picture: the desktop shows instead.",
     "%s no se puede leer como imagen: se ve el escritorio."},
    {"%s holds no pictures: the desktop shows instead.",
     "%s no contiene imágenes: se ve el escritorio."},
    {"Password Protected", "Protegido con contraseña"},
    {"Set Password...", "Contraseña..."},
    {"Sovelin:The Screen Saver", "Sovelin:El protector de pantalla"},
    {"Version", "Versión"},
    {"Version %s", "Versión %s"},
    {"Bible verses floating across your screen", "Versículos bíblicos que flotan en su pantalla"},
    {"&System Info...", "&Sistema..."},
    {"OK", "Aceptar"},
    {"Cancel", "Cancelar"},
    {"Help", "Ayuda"},
    {"My own verses", "Mis propios versículos"},

    // The help buttons' messages.
    {"Help for Verse Display Options", "Ayuda para las opciones del versículo"},
    {"Select the type of background for the Bible verse.\r\n\r\n"
     "Note: When selecting your own color for the background of the 'Box' or 'Oval', please "
     "note that the text colors for those 2 windows will alternate between white, cyan, and "
     "yellow.",
     "Seleccione el tipo de fondo del versículo bíblico.\r\n\r\n"
     "Nota: si elige su propio color para el fondo del 'Recuadro' o del 'Óvalo', tenga en "
     "cuenta que el texto de esas 2 ventanas alternará entre blanco, cian y amarillo."},
    {"Select how fast you want the Bible verse to move across the screen.  The speed you select "
     "will be the maximum speed.  Each time the verse hits a side of the screen, it will vary "
     "the speed.",
     "Seleccione a qué velocidad desea que el versículo bíblico se mueva por la pantalla.  La "
     "velocidad que elija será la velocidad máxima.  Cada vez que el versículo toque un borde "
     "de la pantalla, su velocidad variará."},
    {"Select how often you want the Bible verse to change.",
     "Seleccione cada cuánto tiempo desea que cambie el versículo bíblico."},
    {"Help with background settings", "Ayuda con la configuración del fondo"},
    {"The clear background setting will clear the screen at the beginning of the screen saver.  "
     "With this option turned off, the Bible verse will float over your current screen.\r\n\r\n"
     "The background display option allows you to decide what to display behind the floating "
     "verse on top of your desktop.",
     "La opción de borrar el fondo deja la pantalla en negro al iniciarse el protector de "
     "pantalla.  Si está desactivada, el versículo bíblico flotará sobre su pantalla "
     "actual.\r\n\r\n"
     "Las opciones del fondo le permiten decidir qué se muestra detrás del versículo que flota "
     "sobre su escritorio."},
    {"Help with password setting", "Ayuda con la contraseña"},
    {"This option will allow you to set a password for stopping the screen saver.\r\n\r\n"
     "When the password option is turned on, nobody will be able to stop the screen saver "
     "without the password.",
     "Esta opción le permite establecer una contraseña para detener el protector de "
     "pantalla.\r\n\r\n"
     "Cuando la contraseña está activada, nadie podrá detener el protector de pantalla sin "
     "ella."},
    {"System Information Is Unavailable At This Time",
     "La información del sistema no está disponible en este momento"},
    {"Some settings are managed by your organization.",
     "Su organización administra algunas opciones."},

    // The verse list's status line.
    {"This list is not there.", "Esta lista no se encuentra."},
    {"Your own list is not there yet: Edit... makes it from the list chosen before.",
     "Su propia lista aún no existe: Editar... la crea a partir de la lista elegida antes."},
    {"This account has no application data folder for its own list.",
     "Esta cuenta no tiene carpeta de datos de programa para su propia lista."},
    {"Your own list holds %s.", "Su propia lista tiene %s."},
    {"1 verse", "1 versículo"},
    {"%s verses", "%s versículos"},
    {"No reference on line %s.", "Sin referencia en la línea %s."},
    {"No reference on lines %s.", "Sin referencia en las líneas %s."},
    {"No reference on lines %s and %s more.", "Sin referencia en las líneas %s y %s más."},
    {"Your own list is empty.", "Su propia lista está vacía."},
    {"Edit... opens it to add verses.", "Editar... la abre para añadir versículos."},
    {"This list is empty.", "Esta lista está vacía."},
    {"Your own list is too large.", "Su propia lista es demasiado grande."},
    {"This list is too large.", "Esta lista es demasiado grande."},
    {"Your own list cannot be read (locked, or no access).",
     "Su propia lista no se puede leer (bloqueada o sin acceso)."},
    {"This list cannot be read (locked, or no access).",
     "Esta lista no se puede leer (bloqueada o sin acceso)."},
    {"The saver shows a warning instead of verses.",
     "El protector muestra un aviso en lugar de versículos."},
    {"The saver shows %s, then a warning.", "El protector muestra %s y después un aviso."},
    {"Your own list could not be made: its folder cannot be created.",
     "No se pudo crear su propia lista: no se puede crear su carpeta."},
    {"Your own list could not be made: Windows cannot tell whether it is there already (is the "
     "folder offline?).",
     "No se pudo crear su propia lista: Windows no puede saber si ya existe (¿está la carpeta sin "
     "conexión?)."},
    {"Your own list could not be made: writing it failed (is the disk full?).",
     "No se pudo crear su propia lista: falló la escritura (¿está lleno el disco?)."},

    // The password prompt, the change-password dialog and their messages.
    {"Sovelin Screen Saver", "Protector de pantalla Sovelin"},
    {"The screen saver you are using is password protected.  You must type in the screen saver "
     "password to turn off the screen saver.",
     "El protector de pantalla que está usando está protegido con contraseña.  Debe escribir la "
     "contraseña para desactivar el protector de pantalla."},
    {"Password:", "Clave:"},
    {"\"But let none of you suffer...as a thief,...or as a busybody in other men's matters.\"  "
     "I Peter 4:15",
     "\"Ninguno de vosotros padezca...como ladrón,...o por meterse en negocios ajenos.\"  "
     "1 Pedro 4:15"},
    {"Change Password", "Cambiar contraseña"},
    {"Old Password:", "Contraseña anterior:"},
    {"New Password:", "Contraseña nueva:"},
    {"Retype New Password:", "Repetir contraseña:"},
    {"Error", "Error"},
    {"Incorrect password;\r\n\r\nCheck your screen saver password and\r\ntry again.",
     "Contraseña incorrecta.\r\n\r\nCompruebe la contraseña del protector de\r\npantalla e "
     "inténtelo de nuevo."},
    {"The value for Old Password is not correct!\r\n\r\nTry again.",
     "¡El valor de Contraseña anterior no es correcto!\r\n\r\nInténtelo de nuevo."},
    {"The valus for New Password and\r\nRetype New Password do not match!\r\n\r\nTry again.",
     "¡Los valores de Contraseña nueva y\r\nRepetir contraseña no coinciden!\r\n\r\nInténtelo "
     "de nuevo."},

    // The saver's own errors and the verse shown for a broken verse file.
    {"The file of verses does not seem to be located in the same directory as the screen "
     "saver!\r\n\r\n"
     "Make sure that the following 2 files are placed in your Windows directory:\r\n"
     "  1. Sovelin V30.scr\r\n"
     "  2. sovel.vrs",
     "¡El archivo de versículos no parece estar en la misma carpeta que el protector de "
     "pantalla!\r\n\r\n"
     "Asegúrese de que los 2 archivos siguientes estén en la carpeta de Windows:\r\n"
     "  1. Sovelin V30.scr\r\n"
     "  2. sovel.vrs"},
    {"Unexpected Error # %s\r\n%s\r\n\r\nAborting.",
     "Error inesperado n.º %s\r\n%s\r\n\r\nSe cancela."},
    {"Out of memory", "Memoria insuficiente"},
    {"Unknown error", "Error desconocido"},
    {"Sovel.vrs file is corrupt!\r\n\r\nNo more verses have been loaded.\r\n\r\n"
     "Please fix the verse file before running again.",
     "¡El archivo Sovel.vrs está dañado!\r\n\r\nNo se han cargado más versículos.\r\n\r\n"
     "Corrija el archivo de versículos antes de volver a ejecutarlo."},
};

}  // namespace

extern const Language kSpanish{0x0A, "Español", kTexts};

}  // namespace sovelin
