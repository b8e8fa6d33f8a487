<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>CalendarStateText</name>
    <message>
        <source>The file is not there.</source>
        <translation>El archivo no está.</translation>
    </message>
    <message>
        <source>The link leads to a file that is not there.</source>
        <translation>El enlace lleva a un archivo que no está.</translation>
    </message>
    <message>
        <source>This is a folder, not a calendar file.</source>
        <translation>Es una carpeta, no un archivo de calendario.</translation>
    </message>
    <message>
        <source>This is not a regular file (a pipe or a device); it is not read.</source>
        <translation>No es un archivo normal (es una tubería o un dispositivo); no se lee.</translation>
    </message>
    <message>
        <source>The calendar is too large to be read.</source>
        <translation>El calendario es demasiado grande para leerlo.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>No se puede leer el archivo.</translation>
    </message>
    <message>
        <source>The address is not an http, https or webcal address.</source>
        <translation>La dirección no es una dirección http, https ni webcal.</translation>
    </message>
    <message>
        <source>The server cannot be reached.</source>
        <translation>No se puede contactar con el servidor.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate was refused; nothing was fetched.</source>
        <translation>Se rechazó el certificado del servidor; no se descargó nada.</translation>
    </message>
    <message>
        <source>The server answered with an error.</source>
        <translation>El servidor respondió con un error.</translation>
    </message>
    <message>
        <source>The server sent something that is not a calendar.</source>
        <translation>El servidor envió algo que no es un calendario.</translation>
    </message>
    <message>
        <source>The server took too long.</source>
        <translation>El servidor tardó demasiado.</translation>
    </message>
    <message>
        <source>The server stopped sending.</source>
        <translation>El servidor dejó de enviar.</translation>
    </message>
    <message>
        <source>The server redirected too many times.</source>
        <translation>El servidor redirigió demasiadas veces.</translation>
    </message>
    <message>
        <source>The server&apos;s redirects lead in a circle.</source>
        <translation>Las redirecciones del servidor forman un círculo.</translation>
    </message>
    <message>
        <source>The https address redirected to plain http; refused.</source>
        <translation>La dirección https redirigió a http sin cifrar; rechazado.</translation>
    </message>
    <message>
        <source>The list of calendars cannot be read.</source>
        <translation>No se puede leer la lista de calendarios.</translation>
    </message>
    <message>
        <source>The list of calendars cannot be saved.</source>
        <translation>No se puede guardar la lista de calendarios.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Fetching...</source>
        <translation>Descargando…</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Leyendo…</translation>
    </message>
    <message>
        <source>Not read yet</source>
        <translation>Aún no leído</translation>
    </message>
    <message>
        <source>1 event read</source>
        <translation>1 evento leído</translation>
    </message>
    <message numerus="yes">
        <source>%n events read</source>
        <translation>
            <numerusform>%n evento leído</numerusform>
            <numerusform>%n eventos leídos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, last refreshed %2</source>
        <translation>%1, última actualización %2</translation>
    </message>
    <message>
        <source>Shown meanwhile: %1</source>
        <translation>Mostrado mientras tanto: %1</translation>
    </message>
</context>
<context>
    <name>EventWords</name>
    <message>
        <source>Untitled event</source>
        <translation>Evento sin título</translation>
    </message>
    <message>
        <source>all day</source>
        <translation>todo el día</translation>
    </message>
    <message>
        <source>from %1, repeating within the day</source>
        <translation>desde las %1, se repite durante el día</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 a las %2</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Festivo</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>El archivo no existe.</translation>
    </message>
    <message>
        <source>This is not a regular file (a folder, a pipe or a device).</source>
        <translation>No es un archivo normal (es una carpeta, una tubería o un dispositivo).</translation>
    </message>
    <message>
        <source>The file is too large to be read.</source>
        <translation>El archivo es demasiado grande para leerlo.</translation>
    </message>
    <message>
        <source>The file could not be read: %1.</source>
        <translation>No se pudo leer el archivo: %1.</translation>
    </message>
    <message>
        <source>No calendar was found in it.</source>
        <translation>No se encontró ningún calendario en él.</translation>
    </message>
    <message>
        <source>The file ends too early: what came before the end was kept.</source>
        <translation>El archivo termina antes de tiempo: se conservó lo que había antes del final.</translation>
    </message>
    <message>
        <source>A value could not be read and was left out: %1</source>
        <translation>No se pudo leer un valor y se omitió: %1</translation>
    </message>
    <message>
        <source>An event without a start was left out (%1).</source>
        <translation>Se omitió un evento sin inicio (%1).</translation>
    </message>
    <message>
        <source>The time zone &quot;%1&quot; is unknown: its times may be off.</source>
        <translation>La zona horaria «%1» es desconocida: sus horas pueden no ser exactas.</translation>
    </message>
    <message>
        <source>The local time zone is unknown: UTC is used.</source>
        <translation>La zona horaria local es desconocida: se usa UTC.</translation>
    </message>
    <message>
        <source>A repeat rule could not be followed: only the first time is shown (%1).</source>
        <translation>No se pudo seguir una regla de repetición: solo se muestra la primera vez (%1).</translation>
    </message>
    <message>
        <source>An event repeats too often: only its first times are shown (%1).</source>
        <translation>Un evento se repite demasiado: solo se muestran sus primeras veces (%1).</translation>
    </message>
    <message>
        <source>The calendar&apos;s repeats took too long: some are missing.</source>
        <translation>Las repeticiones del calendario tardaron demasiado: faltan algunas.</translation>
    </message>
    <message>
        <source>Part of the calendar could not be read.</source>
        <translation>No se pudo leer parte del calendario.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2 (%3)</source>
        <translation>%1: %2 (%3)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>y %n más</numerusform>
            <numerusform>y %n más</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExportPdf</name>
    <message>
        <source>The year %1 is not a year from 1 to 9999.</source>
        <translation>El año %1 no está entre 1 y 9999.</translation>
    </message>
    <message>
        <source>The paper %1 is not one of a4, a3, letter and legal.</source>
        <translation>El papel %1 no es ninguno de a4, a3, letter y legal.</translation>
    </message>
    <message>
        <source>The argument %1 is not understood.</source>
        <translation>No se entiende el argumento %1.</translation>
    </message>
    <message>
        <source>The option --export-pdf needs the name of the file to write.</source>
        <translation>La opción --export-pdf necesita el nombre del archivo que escribir.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written.</source>
        <translation>No se puede escribir el archivo %1.</translation>
    </message>
    <message>
        <source>The holiday calendars took too long to read; the page has what was read.</source>
        <translation>Los calendarios de festivos tardaron demasiado en leerse; la página tiene lo que se leyó.</translation>
    </message>
</context>
<context>
    <name>Guard</name>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
</context>
<context>
    <name>LaunchWords</name>
    <message>
        <source>%1 is not an address to subscribe to.</source>
        <translation>%1 no es una dirección a la que suscribirse.</translation>
    </message>
    <message>
        <source>%1 is not a file on this computer.</source>
        <translation>%1 no es un archivo de este equipo.</translation>
    </message>
    <message>
        <source>%1 is not an option of Solvane.</source>
        <translation>%1 no es una opción de Solvane.</translation>
    </message>
    <message>
        <source>%1: no such file.</source>
        <translation>%1: no existe el archivo.</translation>
    </message>
    <message>
        <source>--holidays names no calendar after it.</source>
        <translation>--holidays no va seguido de ningún calendario.</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
</context>
<context>
    <name>MonthCalendar</name>
    <message>
        <source>dddd d MMMM yyyy</source>
        <extracomment>How a screen reader names a day: a QLocale date format (dddd weekday, d day, MMMM month, yyyy year)</extracomment>
        <translation>dddd, d &apos;de&apos; MMMM &apos;de&apos; yyyy</translation>
    </message>
    <message>
        <source>%1, today, selected</source>
        <translation>%1, hoy, seleccionado</translation>
    </message>
    <message>
        <source>%1, today</source>
        <translation>%1, hoy</translation>
    </message>
    <message>
        <source>%1, selected</source>
        <translation>%1, seleccionado</translation>
    </message>
    <message>
        <source>Week %1</source>
        <translation>Semana %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A day&apos;s name as a screen reader says it, then what happens on that day</extracomment>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>The %1 text cannot be saved: it is longer than %2 characters.</source>
        <translation>El texto del campo %1 no se puede guardar: tiene más de %2 caracteres.</translation>
    </message>
    <message>
        <source>The %1 text &quot;%2&quot; cannot be saved: prefs.cal holds only Western European (Latin-1) characters.</source>
        <translation>El texto «%2» del campo %1 no se puede guardar: prefs.cal solo admite caracteres de Europa occidental (Latin-1).</translation>
    </message>
    <message>
        <source>Invalid N/S degrees in preferences.</source>
        <translation>Grados N/S no válidos en las preferencias.</translation>
    </message>
    <message>
        <source>Invalid W/E degrees in preferences.</source>
        <translation>Grados W/E no válidos en las preferencias.</translation>
    </message>
</context>
<context>
    <name>PrefsFile</name>
    <message>
        <source>Cannot find the folder of the program</source>
        <translation>No se encuentra la carpeta del programa</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» no es un número entero válido</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>No se puede abrir el archivo %1</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>No se puede abrir el archivo %1: %2</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>No se puede crear el archivo %1: %2</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it is larger than 1 MiB</source>
        <translation>ocupa más de 1 MiB</translation>
    </message>
    <message>
        <source>it is a link to a missing file</source>
        <translation>es un enlace a un archivo que no existe</translation>
    </message>
    <message>
        <source>it is a link to something that is not a regular file</source>
        <translation>es un enlace a algo que no es un archivo normal</translation>
    </message>
    <message>
        <source>Cannot find the folder for the settings: the program&apos;s folder cannot be written, and neither HOME nor the user&apos;s account names a home folder</source>
        <translation>No se encuentra una carpeta para la configuración: no se puede escribir en la carpeta del programa, y ni HOME ni la cuenta del usuario indican una carpeta personal</translation>
    </message>
</context>
<context>
    <name>SystemZone</name>
    <message>
        <source>Times for %1 (%2); set your place in Parameters</source>
        <translation>Horas para %1 (%2); indique su lugar en Preferencias</translation>
    </message>
    <message>
        <source>Times for %1 (%2) until you save a place here. Until then they follow the system time zone, so its switch stays on.</source>
        <translation>Horas para %1 (%2) hasta que guarde aquí un lugar. Hasta entonces siguen la zona horaria del sistema, así que su casilla sigue marcada.</translation>
    </message>
</context>
<context>
    <name>YearPage</name>
    <message>
        <source>%1° %2, %3° %4</source>
        <translation>%1° %2, %3° %4</translation>
    </message>
    <message>
        <source>S</source>
        <comment>south</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>N</source>
        <comment>north</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>W</source>
        <comment>west</comment>
        <translation>O</translation>
    </message>
    <message>
        <source>E</source>
        <comment>east</comment>
        <translation>E</translation>
    </message>
    <message>
        <source>%1 — %2 (%3)</source>
        <translation>%1 — %2 (%3)</translation>
    </message>
    <message>
        <source>1st: sunrise %1, sunset %2</source>
        <translation>Día 1: salida %1, puesta %2</translation>
    </message>
    <message>
        <source>15th: sunrise %1, sunset %2</source>
        <translation>Día 15: salida %1, puesta %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>the day of the month and the holiday&apos;s name</comment>
        <translation>%1 %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <comment>holidays not listed</comment>
        <translation>
            <numerusform>y %n más</numerusform>
            <numerusform>y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>The year %1</source>
        <translation>El año %1</translation>
    </message>
</context>
<context>
    <name>solvane::CalendarsDialog</name>
    <message>
        <source>Calendars</source>
        <translation>Calendarios</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Festivos</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>State of the selected calendar</source>
        <translation>Estado del calendario seleccionado</translation>
    </message>
    <message>
        <source>Add &amp;File...</source>
        <translation>Añadir &amp;archivo…</translation>
    </message>
    <message>
        <source>Add file</source>
        <translation>Añadir archivo</translation>
    </message>
    <message>
        <source>Add &amp;URL...</source>
        <translation>Añadir &amp;URL…</translation>
    </message>
    <message>
        <source>Add URL</source>
        <translation>Añadir URL</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Rena&amp;me...</source>
        <translation>Re&amp;nombrar…</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renombrar</translation>
    </message>
    <message>
        <source>C&amp;olour...</source>
        <translation>Co&amp;lor…</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Refresh No&amp;w</source>
        <translation>Actualizar a&amp;hora</translation>
    </message>
    <message>
        <source>Refresh now</source>
        <translation>Actualizar ahora</translation>
    </message>
    <message>
        <source>&amp;Shown</source>
        <translation>&amp;Visible</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>Visible</translation>
    </message>
    <message>
        <source>&amp;Holidays</source>
        <translation>&amp;Festivos</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>&amp;Calendars:</source>
        <translation>&amp;Calendarios:</translation>
    </message>
    <message>
        <source>%1, colour %2</source>
        <translation>%1, color %2</translation>
    </message>
    <message>
        <source>No calendars yet: add a calendar file or the address of one.</source>
        <translation>Aún no hay calendarios: añada un archivo de calendario o la dirección de uno.</translation>
    </message>
    <message>
        <source>Add a Calendar File</source>
        <translation>Añadir un archivo de calendario</translation>
    </message>
    <message>
        <source>Calendars (*.ics *.ical *.icalendar *.ifb);;All files (*)</source>
        <translation>Calendarios (*.ics *.ical *.icalendar *.ifb);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Subscribe to a Calendar</source>
        <translation>Suscribirse a un calendario</translation>
    </message>
    <message>
        <source>Address (http, https or webcal):</source>
        <translation>Dirección (http, https o webcal):</translation>
    </message>
    <message>
        <source>Rename Calendar</source>
        <translation>Renombrar el calendario</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Calendar Colour</source>
        <translation>Color del calendario</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be added: give the whole path of a calendar file.</source>
        <translation>No se puede añadir «%1»: indique la ruta completa de un archivo de calendario.</translation>
    </message>
    <message>
        <source>%1 is already in the list.</source>
        <translation>%1 ya está en la lista.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an address Solvane can subscribe to. Give an address that begins with http://, https:// or webcal://.</source>
        <translation>«%1» no es una dirección a la que Solvane pueda suscribirse. Indique una dirección que empiece por http://, https:// o webcal://.</translation>
    </message>
    <message>
        <source>Remove the calendar &quot;%1&quot; from the list? Its events are no longer shown; the file or the subscription itself is left as it is.</source>
        <translation>¿Quitar el calendario «%1» de la lista? Sus eventos dejarán de mostrarse; el archivo o la suscripción en sí se dejan como están.</translation>
    </message>
    <message>
        <source>The list of calendars could not be saved to %1. %2</source>
        <translation>No se pudo guardar la lista de calendarios en %1. %2</translation>
    </message>
</context>
<context>
    <name>solvane::NoteEditor</name>
    <message>
        <source>Edit Note</source>
        <translation>Editar la nota</translation>
    </message>
    <message>
        <source>Add Note</source>
        <translation>Añadir una nota</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Días</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Nota:</translation>
    </message>
    <message>
        <source>&amp;Days:</source>
        <translation>&amp;Días:</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>solvane::TCalendar</name>
    <message>
        <source>Sunrise</source>
        <translation>Salida del sol</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Puesta del sol</translation>
    </message>
    <message>
        <source>Tool strip</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>Moon phase</source>
        <translation>Fase lunar</translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation>Año anterior</translation>
    </message>
    <message>
        <source>Current year</source>
        <translation>Año actual</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Año siguiente</translation>
    </message>
    <message>
        <source>Compact view</source>
        <translation>Vista compacta</translation>
    </message>
    <message>
        <source>Enter a year</source>
        <translation>Introducir un año</translation>
    </message>
    <message>
        <source>Compact width</source>
        <translation>Ancho compacto</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Week numbers</source>
        <translation>Números de semana</translation>
    </message>
    <message>
        <source>Display week number</source>
        <translation>Mostrar los números de semana</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation>Siempre encima</translation>
    </message>
    <message>
        <source>Tray</source>
        <extracomment>The button that hides the window to the notification area (system tray)</extracomment>
        <translation>Al área de notificación</translation>
    </message>
    <message>
        <source>YR:</source>
        <extracomment>&quot;Year:&quot;, before the field where a year is typed; a short word or abbreviation</extracomment>
        <translation>Año:</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Solvane %1.pdf</source>
        <translation>Solvane %1.pdf</translation>
    </message>
    <message>
        <source>No sunrise this date</source>
        <translation>Sin salida del sol en esta fecha</translation>
    </message>
    <message>
        <source>No sunset this date</source>
        <translation>Sin puesta del sol en esta fecha</translation>
    </message>
    <message>
        <source>Sun up or down all day</source>
        <translation>Sol sobre o bajo el horizonte todo el día</translation>
    </message>
    <message>
        <source>Invalid N/S degrees in preferences.</source>
        <translation>Grados N/S no válidos en las preferencias.</translation>
    </message>
    <message>
        <source>Invalid W/E degrees in preferences.</source>
        <translation>Grados W/E no válidos en las preferencias.</translation>
    </message>
    <message>
        <source>Year must be between 1700 and 3000</source>
        <translation>El año debe estar entre 1700 y 3000</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mes anterior</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mes siguiente</translation>
    </message>
    <message>
        <source>Full year</source>
        <translation>Año completo</translation>
    </message>
    <message>
        <source>Solvane     Today:  %1     Julian: %2</source>
        <extracomment>The window title: %1 is today&apos;s date, &quot;(12) Dec 07, 2026&quot;, %2 the ordinal (&quot;Julian&quot;) date, year.day of the year, of the day last clicked. Keep the wide spaces.</extracomment>
        <translation>Solvane     Hoy:  %1     Día juliano: %2</translation>
    </message>
    <message>
        <source>Failed to set calendar date or time</source>
        <translation>No se pudo establecer la fecha u hora del calendario</translation>
    </message>
    <message>
        <source>Jan %1</source>
        <extracomment>the year button in the compact view, &quot;Jan 2027&quot;; the button is narrow</extracomment>
        <translation>ene %1</translation>
    </message>
    <message>
        <source>There is no notification area on this desktop, so Solvane stays visible.</source>
        <translation>Este escritorio no tiene área de notificación, así que Solvane sigue visible.</translation>
    </message>
    <message>
        <source>Without a home folder Solvane has nowhere to keep a list of calendars.</source>
        <translation>Sin una carpeta personal, Solvane no tiene dónde guardar una lista de calendarios.</translation>
    </message>
    <message>
        <source>Add Note...</source>
        <translation>Añadir una nota…</translation>
    </message>
    <message>
        <source>Edit Note &quot;%1&quot;...</source>
        <translation>Editar la nota «%1»…</translation>
    </message>
    <message>
        <source>Edit Note...</source>
        <translation>Editar la nota…</translation>
    </message>
    <message>
        <source>Remove Note &quot;%1&quot;</source>
        <translation>Eliminar la nota «%1»</translation>
    </message>
    <message>
        <source>Remove Note</source>
        <translation>Eliminar la nota</translation>
    </message>
    <message>
        <source>Calendars...</source>
        <translation>Calendarios…</translation>
    </message>
    <message>
        <source>The note could not be saved. %1</source>
        <translation>No se pudo guardar la nota. %1</translation>
    </message>
    <message>
        <source>Remove the note &quot;%1&quot;?</source>
        <translation>¿Eliminar la nota «%1»?</translation>
    </message>
    <message>
        <source>The note could not be removed. %1</source>
        <translation>No se pudo eliminar la nota. %1</translation>
    </message>
</context>
<context>
    <name>solvane::TColorComboBox</name>
    <message>
        <source>Black</source>
        <extracomment>Colour names in a box with room for about seven letters</extracomment>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Granate</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliva</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Marino</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Púrpura</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Cerceta</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Plata</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Lima</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fucsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Cian</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
</context>
<context>
    <name>solvane::TCurrencyEdit</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>«%1» no es un número decimal válido</translation>
    </message>
</context>
<context>
    <name>solvane::THome</name>
    <message>
        <source>The program must be restarted for this option to take effect.</source>
        <translation>Hay que reiniciar el programa para que esta opción surta efecto.</translation>
    </message>
    <message>
        <source>Place and time</source>
        <translation>Lugar y hora</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Colores</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitud</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>GMT Offset</source>
        <translation>Dif. GMT</translation>
    </message>
    <message>
        <source>Offset List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Display military time</source>
        <extracomment>24-hour clock; the box is narrow</extracomment>
        <translation>Reloj de 24 h</translation>
    </message>
    <message>
        <source>Hints</source>
        <extracomment>Tooltips on or off; the box has room for about eight letters</extracomment>
        <translation>Ayudas</translation>
    </message>
    <message>
        <source>Use the system time zone</source>
        <translation>Usar zona horaria del sistema</translation>
    </message>
    <message>
        <source>Title Bar Color</source>
        <translation>Barra de título</translation>
    </message>
    <message>
        <source>Title Text Color</source>
        <translation>Texto del título</translation>
    </message>
    <message>
        <source> Backgnd Color</source>
        <translation> Fondo</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Trail Text Color</source>
        <translation>Otros meses</translation>
    </message>
    <message>
        <source>Outline Color</source>
        <translation>Contorno</translation>
    </message>
    <message>
        <source>The system names no time zone</source>
        <translation>El sistema no indica ninguna zona horaria</translation>
    </message>
    <message>
        <source>On until you save a place</source>
        <translation>Activado hasta que guarde un lugar</translation>
    </message>
    <message>
        <source>&amp;Calendars...</source>
        <translation>&amp;Calendarios…</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>Calendarios</translation>
    </message>
</context>
<context>
    <name>solvane::TMonthCalendar</name>
    <message>
        <source>Failed to set calendar date or time</source>
        <translation>No se pudo establecer la fecha u hora del calendario</translation>
    </message>
</context>
<context>
    <name>solvane::TMoon</name>
    <message>
        <source>new moon</source>
        <translation>luna nueva</translation>
    </message>
    <message>
        <source>waxing crescent</source>
        <translation>luna creciente</translation>
    </message>
    <message>
        <source>first quarter</source>
        <translation>cuarto creciente</translation>
    </message>
    <message>
        <source>waxing gibbous</source>
        <translation>gibosa creciente</translation>
    </message>
    <message>
        <source>full moon</source>
        <translation>luna llena</translation>
    </message>
    <message>
        <source>waning gibbous</source>
        <translation>gibosa menguante</translation>
    </message>
    <message>
        <source>last quarter</source>
        <translation>cuarto menguante</translation>
    </message>
    <message>
        <source>waning crescent</source>
        <translation>luna menguante</translation>
    </message>
    <message>
        <source>%1, %2% of the disc lit</source>
        <extracomment>the moon phase&apos;s name, then the share of the disc that is lit, in per cent</extracomment>
        <translation>%1, %2 % del disco iluminado</translation>
    </message>
</context>
<context>
    <name>solvane::TrayIcon</name>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimir…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ocultar</translation>
    </message>
    <message>
        <source>Sunrise %1, sunset %2</source>
        <translation>Salida del sol %1, puesta %2</translation>
    </message>
    <message>
        <source>Calendars...</source>
        <translation>Calendarios…</translation>
    </message>
</context>
<context>
    <name>solvane::UserCalendars</name>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
</context>
<context>
    <name>solvane::events::NotesCalendar</name>
    <message>
        <source>The notes file %1 cannot be read; it is left as it is.</source>
        <translation>No se puede leer el archivo de notas %1; se deja como está.</translation>
    </message>
    <message>
        <source>The notes file %1 holds what this program cannot write back; it is left as it is.</source>
        <translation>El archivo de notas %1 contiene lo que este programa no puede volver a escribir; se deja como está.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>The notes could not be saved to %1: %2</source>
        <translation>No se pudieron guardar las notas en %1: %2</translation>
    </message>
</context>
</TS>
