<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>CalendarStateText</name>
    <message>
        <source>The file is not there.</source>
        <translation>Die Datei ist nicht vorhanden.</translation>
    </message>
    <message>
        <source>The link leads to a file that is not there.</source>
        <translation>Die Verknüpfung führt zu einer Datei, die nicht vorhanden ist.</translation>
    </message>
    <message>
        <source>This is a folder, not a calendar file.</source>
        <translation>Dies ist ein Ordner, keine Kalenderdatei.</translation>
    </message>
    <message>
        <source>This is not a regular file (a pipe or a device); it is not read.</source>
        <translation>Dies ist keine reguläre Datei (sondern eine Pipe oder ein Gerät); sie wird nicht gelesen.</translation>
    </message>
    <message>
        <source>The calendar is too large to be read.</source>
        <translation>Der Kalender ist zu groß, um gelesen zu werden.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Die Datei kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The address is not an http, https or webcal address.</source>
        <translation>Die Adresse ist keine http-, https- oder webcal-Adresse.</translation>
    </message>
    <message>
        <source>The server cannot be reached.</source>
        <translation>Der Server ist nicht erreichbar.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate was refused; nothing was fetched.</source>
        <translation>Das Zertifikat des Servers wurde abgelehnt; nichts wurde abgerufen.</translation>
    </message>
    <message>
        <source>The server answered with an error.</source>
        <translation>Der Server hat mit einem Fehler geantwortet.</translation>
    </message>
    <message>
        <source>The server sent something that is not a calendar.</source>
        <translation>Der Server hat etwas gesendet, das kein Kalender ist.</translation>
    </message>
    <message>
        <source>The server took too long.</source>
        <translation>Der Server hat zu lange gebraucht.</translation>
    </message>
    <message>
        <source>The server stopped sending.</source>
        <translation>Der Server hat aufgehört zu senden.</translation>
    </message>
    <message>
        <source>The server redirected too many times.</source>
        <translation>Der Server hat zu oft weitergeleitet.</translation>
    </message>
    <message>
        <source>The server&apos;s redirects lead in a circle.</source>
        <translation>Die Weiterleitungen des Servers führen im Kreis.</translation>
    </message>
    <message>
        <source>The https address redirected to plain http; refused.</source>
        <translation>Die https-Adresse hat auf unverschlüsseltes http weitergeleitet; abgelehnt.</translation>
    </message>
    <message>
        <source>The list of calendars cannot be read.</source>
        <translation>Die Liste der Kalender kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The list of calendars cannot be saved.</source>
        <translation>Die Liste der Kalender kann nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Fetching...</source>
        <translation>Wird abgerufen …</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Wird gelesen …</translation>
    </message>
    <message>
        <source>Not read yet</source>
        <translation>Noch nicht gelesen</translation>
    </message>
    <message>
        <source>1 event read</source>
        <translation>1 Termin gelesen</translation>
    </message>
    <message numerus="yes">
        <source>%n events read</source>
        <translation>
            <numerusform>%n Termin gelesen</numerusform>
            <numerusform>%n Termine gelesen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, last refreshed %2</source>
        <translation>%1, zuletzt aktualisiert %2</translation>
    </message>
    <message>
        <source>Shown meanwhile: %1</source>
        <translation>Bis dahin angezeigt: %1</translation>
    </message>
</context>
<context>
    <name>EventWords</name>
    <message>
        <source>Untitled event</source>
        <translation>Unbenannter Termin</translation>
    </message>
    <message>
        <source>all day</source>
        <translation>ganztägig</translation>
    </message>
    <message>
        <source>from %1, repeating within the day</source>
        <translation>ab %1, mehrmals am Tag</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation>%1–%2</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 um %2</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Feiertag</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Die Datei existiert nicht.</translation>
    </message>
    <message>
        <source>This is not a regular file (a folder, a pipe or a device).</source>
        <translation>Dies ist keine reguläre Datei (sondern ein Ordner, eine Pipe oder ein Gerät).</translation>
    </message>
    <message>
        <source>The file is too large to be read.</source>
        <translation>Die Datei ist zu groß, um gelesen zu werden.</translation>
    </message>
    <message>
        <source>The file could not be read: %1.</source>
        <translation>Die Datei konnte nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>No calendar was found in it.</source>
        <translation>Darin wurde kein Kalender gefunden.</translation>
    </message>
    <message>
        <source>The file ends too early: what came before the end was kept.</source>
        <translation>Die Datei endet zu früh: Was vor dem Ende stand, wurde übernommen.</translation>
    </message>
    <message>
        <source>A value could not be read and was left out: %1</source>
        <translation>Ein Wert konnte nicht gelesen werden und wurde ausgelassen: %1</translation>
    </message>
    <message>
        <source>An event without a start was left out (%1).</source>
        <translation>Ein Termin ohne Beginn wurde ausgelassen (%1).</translation>
    </message>
    <message>
        <source>The time zone &quot;%1&quot; is unknown: its times may be off.</source>
        <translation>Die Zeitzone „%1“ ist unbekannt: Ihre Zeiten können abweichen.</translation>
    </message>
    <message>
        <source>The local time zone is unknown: UTC is used.</source>
        <translation>Die lokale Zeitzone ist unbekannt: UTC wird verwendet.</translation>
    </message>
    <message>
        <source>A repeat rule could not be followed: only the first time is shown (%1).</source>
        <translation>Eine Wiederholungsregel konnte nicht befolgt werden: Nur der erste Termin wird angezeigt (%1).</translation>
    </message>
    <message>
        <source>An event repeats too often: only its first times are shown (%1).</source>
        <translation>Ein Termin wiederholt sich zu oft: Nur seine ersten Vorkommen werden angezeigt (%1).</translation>
    </message>
    <message>
        <source>The calendar&apos;s repeats took too long: some are missing.</source>
        <translation>Die Wiederholungen des Kalenders dauerten zu lange: Einige fehlen.</translation>
    </message>
    <message>
        <source>Part of the calendar could not be read.</source>
        <translation>Ein Teil des Kalenders konnte nicht gelesen werden.</translation>
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
            <numerusform>und %n weiterer</numerusform>
            <numerusform>und %n weitere</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExportPdf</name>
    <message>
        <source>The year %1 is not a year from 1 to 9999.</source>
        <translation>Das Jahr %1 liegt nicht zwischen 1 und 9999.</translation>
    </message>
    <message>
        <source>The paper %1 is not one of a4, a3, letter and legal.</source>
        <translation>Das Papierformat %1 ist keines von a4, a3, letter und legal.</translation>
    </message>
    <message>
        <source>The argument %1 is not understood.</source>
        <translation>Das Argument %1 wird nicht verstanden.</translation>
    </message>
    <message>
        <source>The option --export-pdf needs the name of the file to write.</source>
        <translation>Die Option --export-pdf braucht den Namen der zu schreibenden Datei.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written.</source>
        <translation>Die Datei %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The holiday calendars took too long to read; the page has what was read.</source>
        <translation>Das Lesen der Feiertagskalender dauerte zu lange; die Seite enthält, was gelesen wurde.</translation>
    </message>
</context>
<context>
    <name>Guard</name>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>LaunchWords</name>
    <message>
        <source>%1 is not an address to subscribe to.</source>
        <translation>%1 ist keine Adresse, die sich abonnieren lässt.</translation>
    </message>
    <message>
        <source>%1 is not a file on this computer.</source>
        <translation>%1 ist keine Datei auf diesem Rechner.</translation>
    </message>
    <message>
        <source>%1 is not an option of Solvane.</source>
        <translation>%1 ist keine Option von Solvane.</translation>
    </message>
    <message>
        <source>%1: no such file.</source>
        <translation>%1: Datei nicht vorhanden.</translation>
    </message>
    <message>
        <source>--holidays names no calendar after it.</source>
        <translation>Nach --holidays folgt kein Kalender.</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
</context>
<context>
    <name>MonthCalendar</name>
    <message>
        <source>dddd d MMMM yyyy</source>
        <extracomment>How a screen reader names a day: a QLocale date format (dddd weekday, d day, MMMM month, yyyy year)</extracomment>
        <translation>dddd, d. MMMM yyyy</translation>
    </message>
    <message>
        <source>%1, today, selected</source>
        <translation>%1, heute, ausgewählt</translation>
    </message>
    <message>
        <source>%1, today</source>
        <translation>%1, heute</translation>
    </message>
    <message>
        <source>%1, selected</source>
        <translation>%1, ausgewählt</translation>
    </message>
    <message>
        <source>Week %1</source>
        <translation>Kalenderwoche %1</translation>
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
        <translation>Der Text im Feld %1 kann nicht gespeichert werden: Er ist länger als %2 Zeichen.</translation>
    </message>
    <message>
        <source>The %1 text &quot;%2&quot; cannot be saved: prefs.cal holds only Western European (Latin-1) characters.</source>
        <translation>Der Text „%2“ im Feld %1 kann nicht gespeichert werden: prefs.cal fasst nur westeuropäische Zeichen (Latin-1).</translation>
    </message>
    <message>
        <source>Invalid N/S degrees in preferences.</source>
        <translation>Ungültige Gradangabe N/S in den Einstellungen.</translation>
    </message>
    <message>
        <source>Invalid W/E degrees in preferences.</source>
        <translation>Ungültige Gradangabe W/E in den Einstellungen.</translation>
    </message>
</context>
<context>
    <name>PrefsFile</name>
    <message>
        <source>Cannot find the folder of the program</source>
        <translation>Der Ordner des Programms wurde nicht gefunden</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ ist keine gültige Ganzzahl</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Die Datei %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Die Datei %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>Die Datei %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>Sie ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>it is larger than 1 MiB</source>
        <translation>Sie ist größer als 1 MiB</translation>
    </message>
    <message>
        <source>it is a link to a missing file</source>
        <translation>Sie ist eine Verknüpfung auf eine fehlende Datei</translation>
    </message>
    <message>
        <source>it is a link to something that is not a regular file</source>
        <translation>Sie ist eine Verknüpfung auf etwas, das keine reguläre Datei ist</translation>
    </message>
    <message>
        <source>Cannot find the folder for the settings: the program&apos;s folder cannot be written, and neither HOME nor the user&apos;s account names a home folder</source>
        <translation>Kein Ordner für die Einstellungen gefunden: Der Ordner des Programms ist nicht beschreibbar, und weder HOME noch das Benutzerkonto nennt einen persönlichen Ordner</translation>
    </message>
</context>
<context>
    <name>SystemZone</name>
    <message>
        <source>Times for %1 (%2); set your place in Parameters</source>
        <translation>Zeiten für %1 (%2); Ihren Ort legen Sie in den Einstellungen fest</translation>
    </message>
    <message>
        <source>Times for %1 (%2) until you save a place here. Until then they follow the system time zone, so its switch stays on.</source>
        <translation>Zeiten für %1 (%2), bis Sie hier einen Ort speichern. Bis dahin folgen sie der Zeitzone des Systems, daher bleibt deren Schalter an.</translation>
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
        <translation>W</translation>
    </message>
    <message>
        <source>E</source>
        <comment>east</comment>
        <translation>O</translation>
    </message>
    <message>
        <source>%1 — %2 (%3)</source>
        <translation>%1 — %2 (%3)</translation>
    </message>
    <message>
        <source>1st: sunrise %1, sunset %2</source>
        <translation>1.: Aufgang %1, Untergang %2</translation>
    </message>
    <message>
        <source>15th: sunrise %1, sunset %2</source>
        <translation>15.: Aufgang %1, Untergang %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>the day of the month and the holiday&apos;s name</comment>
        <translation>%1. %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <comment>holidays not listed</comment>
        <translation>
            <numerusform>und %n weiterer</numerusform>
            <numerusform>und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>The year %1</source>
        <translation>Das Jahr %1</translation>
    </message>
</context>
<context>
    <name>solvane::CalendarsDialog</name>
    <message>
        <source>Calendars</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Feiertage</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>State of the selected calendar</source>
        <translation>Zustand des ausgewählten Kalenders</translation>
    </message>
    <message>
        <source>Add &amp;File...</source>
        <translation>&amp;Datei hinzufügen …</translation>
    </message>
    <message>
        <source>Add file</source>
        <translation>Datei hinzufügen</translation>
    </message>
    <message>
        <source>Add &amp;URL...</source>
        <translation>&amp;Adresse hinzufügen …</translation>
    </message>
    <message>
        <source>Add URL</source>
        <translation>Adresse hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Rena&amp;me...</source>
        <translation>&amp;Umbenennen …</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>C&amp;olour...</source>
        <translation>&amp;Farbe …</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Refresh No&amp;w</source>
        <translation>&amp;Jetzt aktualisieren</translation>
    </message>
    <message>
        <source>Refresh now</source>
        <translation>Jetzt aktualisieren</translation>
    </message>
    <message>
        <source>&amp;Shown</source>
        <translation>An&amp;gezeigt</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>Angezeigt</translation>
    </message>
    <message>
        <source>&amp;Holidays</source>
        <translation>Feier&amp;tage</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;Calendars:</source>
        <translation>&amp;Kalender:</translation>
    </message>
    <message>
        <source>%1, colour %2</source>
        <translation>%1, Farbe %2</translation>
    </message>
    <message>
        <source>No calendars yet: add a calendar file or the address of one.</source>
        <translation>Noch keine Kalender: Fügen Sie eine Kalenderdatei oder die Adresse eines Kalenders hinzu.</translation>
    </message>
    <message>
        <source>Add a Calendar File</source>
        <translation>Kalenderdatei hinzufügen</translation>
    </message>
    <message>
        <source>Calendars (*.ics *.ical *.icalendar *.ifb);;All files (*)</source>
        <translation>Kalender (*.ics *.ical *.icalendar *.ifb);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Subscribe to a Calendar</source>
        <translation>Kalender abonnieren</translation>
    </message>
    <message>
        <source>Address (http, https or webcal):</source>
        <translation>Adresse (http, https oder webcal):</translation>
    </message>
    <message>
        <source>Rename Calendar</source>
        <translation>Kalender umbenennen</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Calendar Colour</source>
        <translation>Kalenderfarbe</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be added: give the whole path of a calendar file.</source>
        <translation>„%1“ kann nicht hinzugefügt werden: Geben Sie den vollständigen Pfad einer Kalenderdatei an.</translation>
    </message>
    <message>
        <source>%1 is already in the list.</source>
        <translation>%1 ist bereits in der Liste.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an address Solvane can subscribe to. Give an address that begins with http://, https:// or webcal://.</source>
        <translation>„%1“ ist keine Adresse, die Solvane abonnieren kann. Geben Sie eine Adresse an, die mit http://, https:// oder webcal:// beginnt.</translation>
    </message>
    <message>
        <source>Remove the calendar &quot;%1&quot; from the list? Its events are no longer shown; the file or the subscription itself is left as it is.</source>
        <translation>Den Kalender „%1“ aus der Liste entfernen? Seine Termine werden nicht mehr angezeigt; die Datei oder das Abonnement selbst bleibt, wie es ist.</translation>
    </message>
    <message>
        <source>The list of calendars could not be saved to %1. %2</source>
        <translation>Die Liste der Kalender konnte nicht in %1 gespeichert werden. %2</translation>
    </message>
</context>
<context>
    <name>solvane::NoteEditor</name>
    <message>
        <source>Edit Note</source>
        <translation>Notiz bearbeiten</translation>
    </message>
    <message>
        <source>Add Note</source>
        <translation>Notiz hinzufügen</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Notiz:</translation>
    </message>
    <message>
        <source>&amp;Days:</source>
        <translation>&amp;Tage:</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>solvane::TCalendar</name>
    <message>
        <source>Sunrise</source>
        <translation>Sonnenaufgang</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Sonnenuntergang</translation>
    </message>
    <message>
        <source>Tool strip</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Moon phase</source>
        <translation>Mondphase</translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation>Vorheriges Jahr</translation>
    </message>
    <message>
        <source>Current year</source>
        <translation>Aktuelles Jahr</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Nächstes Jahr</translation>
    </message>
    <message>
        <source>Compact view</source>
        <translation>Kompaktansicht</translation>
    </message>
    <message>
        <source>Enter a year</source>
        <translation>Jahr eingeben</translation>
    </message>
    <message>
        <source>Compact width</source>
        <translation>Kompakte Breite</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Week numbers</source>
        <translation>Kalenderwochen</translation>
    </message>
    <message>
        <source>Display week number</source>
        <translation>Kalenderwochen anzeigen</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation>Immer im Vordergrund</translation>
    </message>
    <message>
        <source>Tray</source>
        <extracomment>The button that hides the window to the notification area (system tray)</extracomment>
        <translation>In den Systemabschnitt</translation>
    </message>
    <message>
        <source>YR:</source>
        <extracomment>&quot;Year:&quot;, before the field where a year is typed; a short word or abbreviation</extracomment>
        <translation>J:</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Solvane %1.pdf</source>
        <translation>Solvane %1.pdf</translation>
    </message>
    <message>
        <source>No sunrise this date</source>
        <translation>An diesem Tag kein Sonnenaufgang</translation>
    </message>
    <message>
        <source>No sunset this date</source>
        <translation>An diesem Tag kein Sonnenuntergang</translation>
    </message>
    <message>
        <source>Sun up or down all day</source>
        <translation>Sonne den ganzen Tag über oder unter dem Horizont</translation>
    </message>
    <message>
        <source>Invalid N/S degrees in preferences.</source>
        <translation>Ungültige Gradangabe N/S in den Einstellungen.</translation>
    </message>
    <message>
        <source>Invalid W/E degrees in preferences.</source>
        <translation>Ungültige Gradangabe W/E in den Einstellungen.</translation>
    </message>
    <message>
        <source>Year must be between 1700 and 3000</source>
        <translation>Das Jahr muss zwischen 1700 und 3000 liegen</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Vorheriger Monat</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Nächster Monat</translation>
    </message>
    <message>
        <source>Full year</source>
        <translation>Ganzes Jahr</translation>
    </message>
    <message>
        <source>Solvane     Today:  %1     Julian: %2</source>
        <extracomment>The window title: %1 is today&apos;s date, &quot;(12) Dec 07, 2026&quot;, %2 the ordinal (&quot;Julian&quot;) date, year.day of the year, of the day last clicked. Keep the wide spaces.</extracomment>
        <translation>Solvane     Heute:  %1     Ordinaldatum: %2</translation>
    </message>
    <message>
        <source>Failed to set calendar date or time</source>
        <translation>Datum oder Uhrzeit des Kalenders konnte nicht gesetzt werden</translation>
    </message>
    <message>
        <source>Jan %1</source>
        <extracomment>the year button in the compact view, &quot;Jan 2027&quot;; the button is narrow</extracomment>
        <translation>Jan. %1</translation>
    </message>
    <message>
        <source>There is no notification area on this desktop, so Solvane stays visible.</source>
        <translation>Diese Arbeitsumgebung hat keinen Systemabschnitt der Kontrollleiste, daher bleibt Solvane sichtbar.</translation>
    </message>
    <message>
        <source>Without a home folder Solvane has nowhere to keep a list of calendars.</source>
        <translation>Ohne persönlichen Ordner kann Solvane keine Liste von Kalendern aufbewahren.</translation>
    </message>
    <message>
        <source>Add Note...</source>
        <translation>Notiz hinzufügen …</translation>
    </message>
    <message>
        <source>Edit Note &quot;%1&quot;...</source>
        <translation>Notiz „%1“ bearbeiten …</translation>
    </message>
    <message>
        <source>Edit Note...</source>
        <translation>Notiz bearbeiten …</translation>
    </message>
    <message>
        <source>Remove Note &quot;%1&quot;</source>
        <translation>Notiz „%1“ entfernen</translation>
    </message>
    <message>
        <source>Remove Note</source>
        <translation>Notiz entfernen</translation>
    </message>
    <message>
        <source>Calendars...</source>
        <translation>Kalender …</translation>
    </message>
    <message>
        <source>The note could not be saved. %1</source>
        <translation>Die Notiz konnte nicht gespeichert werden. %1</translation>
    </message>
    <message>
        <source>Remove the note &quot;%1&quot;?</source>
        <translation>Die Notiz „%1“ entfernen?</translation>
    </message>
    <message>
        <source>The note could not be removed. %1</source>
        <translation>Die Notiz konnte nicht entfernt werden. %1</translation>
    </message>
</context>
<context>
    <name>solvane::TColorComboBox</name>
    <message>
        <source>Black</source>
        <extracomment>Colour names in a box with room for about seven letters</extracomment>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Weinrot</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliv</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Marine</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Lila</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Petrol</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silber</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Hellgrün</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fuchsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
</context>
<context>
    <name>solvane::TCurrencyEdit</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>„%1“ ist keine gültige Gleitkommazahl</translation>
    </message>
</context>
<context>
    <name>solvane::THome</name>
    <message>
        <source>The program must be restarted for this option to take effect.</source>
        <translation>Das Programm muss neu gestartet werden, damit diese Einstellung wirksam wird.</translation>
    </message>
    <message>
        <source>Place and time</source>
        <translation>Ort und Zeit</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Breitengrad</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Längengrad</translation>
    </message>
    <message>
        <source>GMT Offset</source>
        <translation>GMT-Abst.</translation>
    </message>
    <message>
        <source>Offset List</source>
        <translation>Zonen</translation>
    </message>
    <message>
        <source>Display military time</source>
        <extracomment>24-hour clock; the box is narrow</extracomment>
        <translation>24-Stunden-Uhr</translation>
    </message>
    <message>
        <source>Hints</source>
        <extracomment>Tooltips on or off; the box has room for about eight letters</extracomment>
        <translation>Tipps</translation>
    </message>
    <message>
        <source>Use the system time zone</source>
        <translation>Systemzeitzone verwenden</translation>
    </message>
    <message>
        <source>Title Bar Color</source>
        <translation>Titelleiste</translation>
    </message>
    <message>
        <source>Title Text Color</source>
        <translation>Titeltext</translation>
    </message>
    <message>
        <source> Backgnd Color</source>
        <translation> Hintergrund</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Trail Text Color</source>
        <translation>Randtage</translation>
    </message>
    <message>
        <source>Outline Color</source>
        <translation>Umrandung</translation>
    </message>
    <message>
        <source>The system names no time zone</source>
        <translation>Das System nennt keine Zeitzone</translation>
    </message>
    <message>
        <source>On until you save a place</source>
        <translation>An, bis Sie einen Ort speichern</translation>
    </message>
    <message>
        <source>&amp;Calendars...</source>
        <translation>&amp;Kalender …</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>Kalender</translation>
    </message>
</context>
<context>
    <name>solvane::TMonthCalendar</name>
    <message>
        <source>Failed to set calendar date or time</source>
        <translation>Datum oder Uhrzeit des Kalenders konnte nicht gesetzt werden</translation>
    </message>
</context>
<context>
    <name>solvane::TMoon</name>
    <message>
        <source>new moon</source>
        <translation>Neumond</translation>
    </message>
    <message>
        <source>waxing crescent</source>
        <translation>zunehmende Sichel</translation>
    </message>
    <message>
        <source>first quarter</source>
        <translation>erstes Viertel</translation>
    </message>
    <message>
        <source>waxing gibbous</source>
        <translation>zunehmender Mond</translation>
    </message>
    <message>
        <source>full moon</source>
        <translation>Vollmond</translation>
    </message>
    <message>
        <source>waning gibbous</source>
        <translation>abnehmender Mond</translation>
    </message>
    <message>
        <source>last quarter</source>
        <translation>letztes Viertel</translation>
    </message>
    <message>
        <source>waning crescent</source>
        <translation>abnehmende Sichel</translation>
    </message>
    <message>
        <source>%1, %2% of the disc lit</source>
        <extracomment>the moon phase&apos;s name, then the share of the disc that is lit, in per cent</extracomment>
        <translation>%1, %2 % der Scheibe beleuchtet</translation>
    </message>
</context>
<context>
    <name>solvane::TrayIcon</name>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken …</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>Sunrise %1, sunset %2</source>
        <translation>Sonnenaufgang %1, Sonnenuntergang %2</translation>
    </message>
    <message>
        <source>Calendars...</source>
        <translation>Kalender …</translation>
    </message>
</context>
<context>
    <name>solvane::UserCalendars</name>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
</context>
<context>
    <name>solvane::events::NotesCalendar</name>
    <message>
        <source>The notes file %1 cannot be read; it is left as it is.</source>
        <translation>Die Notizdatei %1 kann nicht gelesen werden; sie bleibt unverändert.</translation>
    </message>
    <message>
        <source>The notes file %1 holds what this program cannot write back; it is left as it is.</source>
        <translation>Die Notizdatei %1 enthält, was dieses Programm nicht zurückschreiben kann; sie bleibt unverändert.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The notes could not be saved to %1: %2</source>
        <translation>Die Notizen konnten nicht in %1 gespeichert werden: %2</translation>
    </message>
</context>
</TS>
