<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>CalendarStateText</name>
    <message>
        <source>The file is not there.</source>
        <translation>Het bestand is er niet.</translation>
    </message>
    <message>
        <source>The link leads to a file that is not there.</source>
        <translation>De koppeling verwijst naar een bestand dat er niet is.</translation>
    </message>
    <message>
        <source>This is a folder, not a calendar file.</source>
        <translation>Dit is een map, geen agendabestand.</translation>
    </message>
    <message>
        <source>This is not a regular file (a pipe or a device); it is not read.</source>
        <translation>Dit is geen gewoon bestand (maar een pipe of apparaat); het wordt niet gelezen.</translation>
    </message>
    <message>
        <source>The calendar is too large to be read.</source>
        <translation>De agenda is te groot om te lezen.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Het bestand kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>The address is not an http, https or webcal address.</source>
        <translation>Het adres is geen http-, https- of webcal-adres.</translation>
    </message>
    <message>
        <source>The server cannot be reached.</source>
        <translation>De server is niet bereikbaar.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate was refused; nothing was fetched.</source>
        <translation>Het certificaat van de server is geweigerd; er is niets opgehaald.</translation>
    </message>
    <message>
        <source>The server answered with an error.</source>
        <translation>De server antwoordde met een fout.</translation>
    </message>
    <message>
        <source>The server sent something that is not a calendar.</source>
        <translation>De server stuurde iets wat geen agenda is.</translation>
    </message>
    <message>
        <source>The server took too long.</source>
        <translation>De server deed er te lang over.</translation>
    </message>
    <message>
        <source>The server stopped sending.</source>
        <translation>De server stopte met verzenden.</translation>
    </message>
    <message>
        <source>The server redirected too many times.</source>
        <translation>De server stuurde te vaak door.</translation>
    </message>
    <message>
        <source>The server&apos;s redirects lead in a circle.</source>
        <translation>De doorverwijzingen van de server lopen in een kringetje.</translation>
    </message>
    <message>
        <source>The https address redirected to plain http; refused.</source>
        <translation>Het https-adres verwees door naar onversleuteld http; geweigerd.</translation>
    </message>
    <message>
        <source>The list of calendars cannot be read.</source>
        <translation>De lijst met agenda’s kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>The list of calendars cannot be saved.</source>
        <translation>De lijst met agenda’s kan niet worden opgeslagen.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Fetching...</source>
        <translation>Ophalen…</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Lezen…</translation>
    </message>
    <message>
        <source>Not read yet</source>
        <translation>Nog niet gelezen</translation>
    </message>
    <message>
        <source>1 event read</source>
        <translation>1 afspraak gelezen</translation>
    </message>
    <message numerus="yes">
        <source>%n events read</source>
        <translation>
            <numerusform>%n afspraak gelezen</numerusform>
            <numerusform>%n afspraken gelezen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, last refreshed %2</source>
        <translation>%1, laatst vernieuwd %2</translation>
    </message>
    <message>
        <source>Shown meanwhile: %1</source>
        <translation>Intussen getoond: %1</translation>
    </message>
</context>
<context>
    <name>EventWords</name>
    <message>
        <source>Untitled event</source>
        <translation>Naamloze afspraak</translation>
    </message>
    <message>
        <source>all day</source>
        <translation>hele dag</translation>
    </message>
    <message>
        <source>from %1, repeating within the day</source>
        <translation>vanaf %1, herhaald binnen de dag</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 om %2</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Feestdag</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Het bestand bestaat niet.</translation>
    </message>
    <message>
        <source>This is not a regular file (a folder, a pipe or a device).</source>
        <translation>Dit is geen gewoon bestand (maar een map, pipe of apparaat).</translation>
    </message>
    <message>
        <source>The file is too large to be read.</source>
        <translation>Het bestand is te groot om te lezen.</translation>
    </message>
    <message>
        <source>The file could not be read: %1.</source>
        <translation>Het bestand kon niet worden gelezen: %1.</translation>
    </message>
    <message>
        <source>No calendar was found in it.</source>
        <translation>Er is geen agenda in gevonden.</translation>
    </message>
    <message>
        <source>The file ends too early: what came before the end was kept.</source>
        <translation>Het bestand houdt te vroeg op: wat vóór het einde stond, is bewaard.</translation>
    </message>
    <message>
        <source>A value could not be read and was left out: %1</source>
        <translation>Een waarde kon niet worden gelezen en is weggelaten: %1</translation>
    </message>
    <message>
        <source>An event without a start was left out (%1).</source>
        <translation>Een afspraak zonder begin is weggelaten (%1).</translation>
    </message>
    <message>
        <source>The time zone &quot;%1&quot; is unknown: its times may be off.</source>
        <translation>De tijdzone ‘%1’ is onbekend: de tijden kunnen afwijken.</translation>
    </message>
    <message>
        <source>The local time zone is unknown: UTC is used.</source>
        <translation>De lokale tijdzone is onbekend: UTC wordt gebruikt.</translation>
    </message>
    <message>
        <source>A repeat rule could not be followed: only the first time is shown (%1).</source>
        <translation>Een herhaalregel kon niet worden gevolgd: alleen de eerste keer wordt getoond (%1).</translation>
    </message>
    <message>
        <source>An event repeats too often: only its first times are shown (%1).</source>
        <translation>Een afspraak herhaalt zich te vaak: alleen de eerste keren worden getoond (%1).</translation>
    </message>
    <message>
        <source>The calendar&apos;s repeats took too long: some are missing.</source>
        <translation>De herhalingen van de agenda duurden te lang: er ontbreken er enkele.</translation>
    </message>
    <message>
        <source>Part of the calendar could not be read.</source>
        <translation>Een deel van de agenda kon niet worden gelezen.</translation>
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
            <numerusform>en nog %n</numerusform>
            <numerusform>en nog %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExportPdf</name>
    <message>
        <source>The year %1 is not a year from 1 to 9999.</source>
        <translation>Het jaar %1 ligt niet tussen 1 en 9999.</translation>
    </message>
    <message>
        <source>The paper %1 is not one of a4, a3, letter and legal.</source>
        <translation>Het papier %1 is niet een van a4, a3, letter en legal.</translation>
    </message>
    <message>
        <source>The argument %1 is not understood.</source>
        <translation>Het argument %1 wordt niet begrepen.</translation>
    </message>
    <message>
        <source>The option --export-pdf needs the name of the file to write.</source>
        <translation>De optie --export-pdf heeft de naam van het te schrijven bestand nodig.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written.</source>
        <translation>Het bestand %1 kan niet worden geschreven.</translation>
    </message>
    <message>
        <source>The holiday calendars took too long to read; the page has what was read.</source>
        <translation>Het lezen van de feestdagenagenda’s duurde te lang; de pagina bevat wat gelezen is.</translation>
    </message>
</context>
<context>
    <name>Guard</name>
    <message>
        <source>Unknown error</source>
        <translation>Onbekende fout</translation>
    </message>
</context>
<context>
    <name>LaunchWords</name>
    <message>
        <source>%1 is not an address to subscribe to.</source>
        <translation>%1 is geen adres om op te abonneren.</translation>
    </message>
    <message>
        <source>%1 is not a file on this computer.</source>
        <translation>%1 is geen bestand op deze computer.</translation>
    </message>
    <message>
        <source>%1 is not an option of Solvane.</source>
        <translation>%1 is geen optie van Solvane.</translation>
    </message>
    <message>
        <source>%1: no such file.</source>
        <translation>%1: bestand bestaat niet.</translation>
    </message>
    <message>
        <source>--holidays names no calendar after it.</source>
        <translation>Na --holidays volgt geen agenda.</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
</context>
<context>
    <name>MonthCalendar</name>
    <message>
        <source>dddd d MMMM yyyy</source>
        <extracomment>How a screen reader names a day: a QLocale date format (dddd weekday, d day, MMMM month, yyyy year)</extracomment>
        <translation>dddd d MMMM yyyy</translation>
    </message>
    <message>
        <source>%1, today, selected</source>
        <translation>%1, vandaag, geselecteerd</translation>
    </message>
    <message>
        <source>%1, today</source>
        <translation>%1, vandaag</translation>
    </message>
    <message>
        <source>%1, selected</source>
        <translation>%1, geselecteerd</translation>
    </message>
    <message>
        <source>Week %1</source>
        <translation>Week %1</translation>
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
        <translation>De tekst van het veld %1 kan niet worden opgeslagen: die is langer dan %2 tekens.</translation>
    </message>
    <message>
        <source>The %1 text &quot;%2&quot; cannot be saved: prefs.cal holds only Western European (Latin-1) characters.</source>
        <translation>De tekst ‘%2’ van het veld %1 kan niet worden opgeslagen: prefs.cal bevat alleen West-Europese tekens (Latin-1).</translation>
    </message>
    <message>
        <source>Invalid N/S degrees in preferences.</source>
        <translation>Ongeldige graden N/S in de instellingen.</translation>
    </message>
    <message>
        <source>Invalid W/E degrees in preferences.</source>
        <translation>Ongeldige graden W/E in de instellingen.</translation>
    </message>
</context>
<context>
    <name>PrefsFile</name>
    <message>
        <source>Cannot find the folder of the program</source>
        <translation>Kan de map van het programma niet vinden</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>‘%1’ is geen geldig geheel getal</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Kan bestand %1 niet openen</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Kan bestand %1 niet openen: %2</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>Kan bestand %1 niet aanmaken: %2</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>het is geen gewoon bestand</translation>
    </message>
    <message>
        <source>it is larger than 1 MiB</source>
        <translation>het is groter dan 1 MiB</translation>
    </message>
    <message>
        <source>it is a link to a missing file</source>
        <translation>het is een koppeling naar een ontbrekend bestand</translation>
    </message>
    <message>
        <source>it is a link to something that is not a regular file</source>
        <translation>het is een koppeling naar iets wat geen gewoon bestand is</translation>
    </message>
    <message>
        <source>Cannot find the folder for the settings: the program&apos;s folder cannot be written, and neither HOME nor the user&apos;s account names a home folder</source>
        <translation>Kan geen map voor de instellingen vinden: de map van het programma is niet schrijfbaar, en HOME noch het gebruikersaccount noemt een persoonlijke map</translation>
    </message>
</context>
<context>
    <name>SystemZone</name>
    <message>
        <source>Times for %1 (%2); set your place in Parameters</source>
        <translation>Tijden voor %1 (%2); stel uw plaats in bij Instellingen</translation>
    </message>
    <message>
        <source>Times for %1 (%2) until you save a place here. Until then they follow the system time zone, so its switch stays on.</source>
        <translation>Tijden voor %1 (%2) totdat u hier een plaats opslaat. Tot dan volgen ze de tijdzone van het systeem, dus blijft die optie aan.</translation>
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
        <translation>Z</translation>
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
        <translation>1e: op %1, onder %2</translation>
    </message>
    <message>
        <source>15th: sunrise %1, sunset %2</source>
        <translation>15e: op %1, onder %2</translation>
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
            <numerusform>en nog %n</numerusform>
            <numerusform>en nog %n</numerusform>
        </translation>
    </message>
    <message>
        <source>The year %1</source>
        <translation>Het jaar %1</translation>
    </message>
</context>
<context>
    <name>solvane::CalendarsDialog</name>
    <message>
        <source>Calendars</source>
        <translation>Agenda’s</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Agenda</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Feestdagen</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>State of the selected calendar</source>
        <translation>Status van de geselecteerde agenda</translation>
    </message>
    <message>
        <source>Add &amp;File...</source>
        <translation>&amp;Bestand toevoegen…</translation>
    </message>
    <message>
        <source>Add file</source>
        <translation>Bestand toevoegen</translation>
    </message>
    <message>
        <source>Add &amp;URL...</source>
        <translation>&amp;URL toevoegen…</translation>
    </message>
    <message>
        <source>Add URL</source>
        <translation>URL toevoegen</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Rena&amp;me...</source>
        <translation>&amp;Hernoemen…</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Hernoemen</translation>
    </message>
    <message>
        <source>C&amp;olour...</source>
        <translation>&amp;Kleur…</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Kleur</translation>
    </message>
    <message>
        <source>Refresh No&amp;w</source>
        <translation>Nu ver&amp;nieuwen</translation>
    </message>
    <message>
        <source>Refresh now</source>
        <translation>Nu vernieuwen</translation>
    </message>
    <message>
        <source>&amp;Shown</source>
        <translation>&amp;Zichtbaar</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>Zichtbaar</translation>
    </message>
    <message>
        <source>&amp;Holidays</source>
        <translation>&amp;Feestdagen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>&amp;Calendars:</source>
        <translation>&amp;Agenda’s:</translation>
    </message>
    <message>
        <source>%1, colour %2</source>
        <translation>%1, kleur %2</translation>
    </message>
    <message>
        <source>No calendars yet: add a calendar file or the address of one.</source>
        <translation>Nog geen agenda’s: voeg een agendabestand of het adres van een agenda toe.</translation>
    </message>
    <message>
        <source>Add a Calendar File</source>
        <translation>Agendabestand toevoegen</translation>
    </message>
    <message>
        <source>Calendars (*.ics *.ical *.icalendar *.ifb);;All files (*)</source>
        <translation>Agenda’s (*.ics *.ical *.icalendar *.ifb);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Subscribe to a Calendar</source>
        <translation>Abonneren op een agenda</translation>
    </message>
    <message>
        <source>Address (http, https or webcal):</source>
        <translation>Adres (http, https of webcal):</translation>
    </message>
    <message>
        <source>Rename Calendar</source>
        <translation>Agenda hernoemen</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Naam:</translation>
    </message>
    <message>
        <source>Calendar Colour</source>
        <translation>Agendakleur</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be added: give the whole path of a calendar file.</source>
        <translation>‘%1’ kan niet worden toegevoegd: geef het volledige pad van een agendabestand.</translation>
    </message>
    <message>
        <source>%1 is already in the list.</source>
        <translation>%1 staat al in de lijst.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an address Solvane can subscribe to. Give an address that begins with http://, https:// or webcal://.</source>
        <translation>‘%1’ is geen adres waarop Solvane zich kan abonneren. Geef een adres dat begint met http://, https:// of webcal://.</translation>
    </message>
    <message>
        <source>Remove the calendar &quot;%1&quot; from the list? Its events are no longer shown; the file or the subscription itself is left as it is.</source>
        <translation>De agenda ‘%1’ uit de lijst verwijderen? De afspraken ervan worden niet meer getoond; het bestand of het abonnement zelf blijft zoals het is.</translation>
    </message>
    <message>
        <source>The list of calendars could not be saved to %1. %2</source>
        <translation>De lijst met agenda’s kon niet worden opgeslagen in %1. %2</translation>
    </message>
</context>
<context>
    <name>solvane::NoteEditor</name>
    <message>
        <source>Edit Note</source>
        <translation>Notitie bewerken</translation>
    </message>
    <message>
        <source>Add Note</source>
        <translation>Notitie toevoegen</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notitie</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Dagen</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Notitie:</translation>
    </message>
    <message>
        <source>&amp;Days:</source>
        <translation>&amp;Dagen:</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Opslaan</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>solvane::TCalendar</name>
    <message>
        <source>Sunrise</source>
        <translation>Zonsopkomst</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Zonsondergang</translation>
    </message>
    <message>
        <source>Tool strip</source>
        <translation>Werkbalk</translation>
    </message>
    <message>
        <source>Moon phase</source>
        <translation>Maanfase</translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation>Vorig jaar</translation>
    </message>
    <message>
        <source>Current year</source>
        <translation>Huidig jaar</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Volgend jaar</translation>
    </message>
    <message>
        <source>Compact view</source>
        <translation>Compacte weergave</translation>
    </message>
    <message>
        <source>Enter a year</source>
        <translation>Jaar invoeren</translation>
    </message>
    <message>
        <source>Compact width</source>
        <translation>Compacte breedte</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Week numbers</source>
        <translation>Weeknummers</translation>
    </message>
    <message>
        <source>Display week number</source>
        <translation>Weeknummers tonen</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation>Altijd bovenop</translation>
    </message>
    <message>
        <source>Tray</source>
        <extracomment>The button that hides the window to the notification area (system tray)</extracomment>
        <translation>Naar het systeemvak</translation>
    </message>
    <message>
        <source>YR:</source>
        <extracomment>&quot;Year:&quot;, before the field where a year is typed; a short word or abbreviation</extracomment>
        <translation>Jr:</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jaar</translation>
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
        <translation>Geen zonsopkomst op deze datum</translation>
    </message>
    <message>
        <source>No sunset this date</source>
        <translation>Geen zonsondergang op deze datum</translation>
    </message>
    <message>
        <source>Sun up or down all day</source>
        <translation>Zon de hele dag op of onder</translation>
    </message>
    <message>
        <source>Invalid N/S degrees in preferences.</source>
        <translation>Ongeldige graden N/S in de instellingen.</translation>
    </message>
    <message>
        <source>Invalid W/E degrees in preferences.</source>
        <translation>Ongeldige graden W/E in de instellingen.</translation>
    </message>
    <message>
        <source>Year must be between 1700 and 3000</source>
        <translation>Het jaar moet tussen 1700 en 3000 liggen</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Vorige maand</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Volgende maand</translation>
    </message>
    <message>
        <source>Full year</source>
        <translation>Heel jaar</translation>
    </message>
    <message>
        <source>Solvane     Today:  %1     Julian: %2</source>
        <extracomment>The window title: %1 is today&apos;s date, &quot;(12) Dec 07, 2026&quot;, %2 the ordinal (&quot;Julian&quot;) date, year.day of the year, of the day last clicked. Keep the wide spaces.</extracomment>
        <translation>Solvane     Vandaag:  %1     Dagnummer: %2</translation>
    </message>
    <message>
        <source>Failed to set calendar date or time</source>
        <translation>Kan datum of tijd van de kalender niet instellen</translation>
    </message>
    <message>
        <source>Jan %1</source>
        <extracomment>the year button in the compact view, &quot;Jan 2027&quot;; the button is narrow</extracomment>
        <translation>jan %1</translation>
    </message>
    <message>
        <source>There is no notification area on this desktop, so Solvane stays visible.</source>
        <translation>Dit bureaublad heeft geen systeemvak, dus Solvane blijft zichtbaar.</translation>
    </message>
    <message>
        <source>Without a home folder Solvane has nowhere to keep a list of calendars.</source>
        <translation>Zonder persoonlijke map kan Solvane nergens een lijst met agenda’s bewaren.</translation>
    </message>
    <message>
        <source>Add Note...</source>
        <translation>Notitie toevoegen…</translation>
    </message>
    <message>
        <source>Edit Note &quot;%1&quot;...</source>
        <translation>Notitie ‘%1’ bewerken…</translation>
    </message>
    <message>
        <source>Edit Note...</source>
        <translation>Notitie bewerken…</translation>
    </message>
    <message>
        <source>Remove Note &quot;%1&quot;</source>
        <translation>Notitie ‘%1’ verwijderen</translation>
    </message>
    <message>
        <source>Remove Note</source>
        <translation>Notitie verwijderen</translation>
    </message>
    <message>
        <source>Calendars...</source>
        <translation>Agenda’s…</translation>
    </message>
    <message>
        <source>The note could not be saved. %1</source>
        <translation>De notitie kon niet worden opgeslagen. %1</translation>
    </message>
    <message>
        <source>Remove the note &quot;%1&quot;?</source>
        <translation>De notitie ‘%1’ verwijderen?</translation>
    </message>
    <message>
        <source>The note could not be removed. %1</source>
        <translation>De notitie kon niet worden verwijderd. %1</translation>
    </message>
</context>
<context>
    <name>solvane::TColorComboBox</name>
    <message>
        <source>Black</source>
        <extracomment>Colour names in a box with room for about seven letters</extracomment>
        <translation>Zwart</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Kastanje</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Groen</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Olijf</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Marine</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Paars</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Petrol</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grijs</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Zilver</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rood</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Limoen</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Geel</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blauw</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fuchsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Cyaan</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Wit</translation>
    </message>
</context>
<context>
    <name>solvane::TCurrencyEdit</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>‘%1’ is geen geldig decimaal getal</translation>
    </message>
</context>
<context>
    <name>solvane::THome</name>
    <message>
        <source>The program must be restarted for this option to take effect.</source>
        <translation>Het programma moet opnieuw worden gestart om deze optie te laten werken.</translation>
    </message>
    <message>
        <source>Place and time</source>
        <translation>Plaats en tijd</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Kleuren</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Breedtegraad</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Lengtegraad</translation>
    </message>
    <message>
        <source>GMT Offset</source>
        <translation>GMT-offset</translation>
    </message>
    <message>
        <source>Offset List</source>
        <translation>Lijst</translation>
    </message>
    <message>
        <source>Display military time</source>
        <extracomment>24-hour clock; the box is narrow</extracomment>
        <translation>24-uursklok</translation>
    </message>
    <message>
        <source>Hints</source>
        <extracomment>Tooltips on or off; the box has room for about eight letters</extracomment>
        <translation>Tips</translation>
    </message>
    <message>
        <source>Use the system time zone</source>
        <translation>Systeemtijdzone gebruiken</translation>
    </message>
    <message>
        <source>Title Bar Color</source>
        <translation>Titelbalk</translation>
    </message>
    <message>
        <source>Title Text Color</source>
        <translation>Titeltekst</translation>
    </message>
    <message>
        <source> Backgnd Color</source>
        <translation> Achtergrond</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Trail Text Color</source>
        <translation>Andere maand</translation>
    </message>
    <message>
        <source>Outline Color</source>
        <translation>Omlijning</translation>
    </message>
    <message>
        <source>The system names no time zone</source>
        <translation>Het systeem noemt geen tijdzone</translation>
    </message>
    <message>
        <source>On until you save a place</source>
        <translation>Aan totdat u een plaats opslaat</translation>
    </message>
    <message>
        <source>&amp;Calendars...</source>
        <translation>&amp;Agenda’s…</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>Agenda’s</translation>
    </message>
</context>
<context>
    <name>solvane::TMonthCalendar</name>
    <message>
        <source>Failed to set calendar date or time</source>
        <translation>Kan datum of tijd van de kalender niet instellen</translation>
    </message>
</context>
<context>
    <name>solvane::TMoon</name>
    <message>
        <source>new moon</source>
        <translation>nieuwe maan</translation>
    </message>
    <message>
        <source>waxing crescent</source>
        <translation>wassende sikkel</translation>
    </message>
    <message>
        <source>first quarter</source>
        <translation>eerste kwartier</translation>
    </message>
    <message>
        <source>waxing gibbous</source>
        <translation>wassende maan</translation>
    </message>
    <message>
        <source>full moon</source>
        <translation>volle maan</translation>
    </message>
    <message>
        <source>waning gibbous</source>
        <translation>afnemende maan</translation>
    </message>
    <message>
        <source>last quarter</source>
        <translation>laatste kwartier</translation>
    </message>
    <message>
        <source>waning crescent</source>
        <translation>afnemende sikkel</translation>
    </message>
    <message>
        <source>%1, %2% of the disc lit</source>
        <extracomment>the moon phase&apos;s name, then the share of the disc that is lit, in per cent</extracomment>
        <translation>%1, %2% van de schijf verlicht</translation>
    </message>
</context>
<context>
    <name>solvane::TrayIcon</name>
    <message>
        <source>Show</source>
        <translation>Tonen</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Afdrukken…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Verbergen</translation>
    </message>
    <message>
        <source>Sunrise %1, sunset %2</source>
        <translation>Zonsopkomst %1, zonsondergang %2</translation>
    </message>
    <message>
        <source>Calendars...</source>
        <translation>Agenda’s…</translation>
    </message>
</context>
<context>
    <name>solvane::UserCalendars</name>
    <message>
        <source>Notes</source>
        <translation>Notities</translation>
    </message>
</context>
<context>
    <name>solvane::events::NotesCalendar</name>
    <message>
        <source>The notes file %1 cannot be read; it is left as it is.</source>
        <translation>Het notitiebestand %1 kan niet worden gelezen; het blijft zoals het is.</translation>
    </message>
    <message>
        <source>The notes file %1 holds what this program cannot write back; it is left as it is.</source>
        <translation>Het notitiebestand %1 bevat wat dit programma niet kan terugschrijven; het blijft zoals het is.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>De map %1 kan niet worden aangemaakt.</translation>
    </message>
    <message>
        <source>The notes could not be saved to %1: %2</source>
        <translation>De notities konden niet worden opgeslagen in %1: %2</translation>
    </message>
</context>
</TS>
