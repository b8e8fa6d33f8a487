<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs" sourcelanguage="en">
<context>
    <name>CalendarStateText</name>
    <message>
        <source>The file is not there.</source>
        <translation>Soubor tam není.</translation>
    </message>
    <message>
        <source>The link leads to a file that is not there.</source>
        <translation>Odkaz vede na soubor, který tam není.</translation>
    </message>
    <message>
        <source>This is a folder, not a calendar file.</source>
        <translation>Jde o složku, ne o soubor kalendáře.</translation>
    </message>
    <message>
        <source>This is not a regular file (a pipe or a device); it is not read.</source>
        <translation>Nejde o běžný soubor (jde o rouru nebo zařízení); nečte se.</translation>
    </message>
    <message>
        <source>The calendar is too large to be read.</source>
        <translation>Kalendář je příliš velký na přečtení.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Soubor nelze přečíst.</translation>
    </message>
    <message>
        <source>The address is not an http, https or webcal address.</source>
        <translation>Adresa není adresou http, https ani webcal.</translation>
    </message>
    <message>
        <source>The server cannot be reached.</source>
        <translation>Server je nedostupný.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate was refused; nothing was fetched.</source>
        <translation>Certifikát serveru byl odmítnut; nic se nestáhlo.</translation>
    </message>
    <message>
        <source>The server answered with an error.</source>
        <translation>Server odpověděl chybou.</translation>
    </message>
    <message>
        <source>The server sent something that is not a calendar.</source>
        <translation>Server poslal něco, co není kalendář.</translation>
    </message>
    <message>
        <source>The server took too long.</source>
        <translation>Server odpovídal příliš dlouho.</translation>
    </message>
    <message>
        <source>The server stopped sending.</source>
        <translation>Server přestal posílat data.</translation>
    </message>
    <message>
        <source>The server redirected too many times.</source>
        <translation>Server přesměroval příliš mnohokrát.</translation>
    </message>
    <message>
        <source>The server&apos;s redirects lead in a circle.</source>
        <translation>Přesměrování serveru vedou v kruhu.</translation>
    </message>
    <message>
        <source>The https address redirected to plain http; refused.</source>
        <translation>Adresa https přesměrovala na nešifrované http; odmítnuto.</translation>
    </message>
    <message>
        <source>The list of calendars cannot be read.</source>
        <translation>Seznam kalendářů nelze přečíst.</translation>
    </message>
    <message>
        <source>The list of calendars cannot be saved.</source>
        <translation>Seznam kalendářů nelze uložit.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Fetching...</source>
        <translation>Stahování…</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Čtení…</translation>
    </message>
    <message>
        <source>Not read yet</source>
        <translation>Zatím nepřečteno</translation>
    </message>
    <message>
        <source>1 event read</source>
        <translation>Načtena 1 událost</translation>
    </message>
    <message numerus="yes">
        <source>%n events read</source>
        <translation>
            <numerusform>Načtena %n událost</numerusform>
            <numerusform>Načteny %n události</numerusform>
            <numerusform>Načteno %n událostí</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, last refreshed %2</source>
        <translation>%1, naposledy obnoveno %2</translation>
    </message>
    <message>
        <source>Shown meanwhile: %1</source>
        <translation>Mezitím zobrazeno: %1</translation>
    </message>
</context>
<context>
    <name>EventWords</name>
    <message>
        <source>Untitled event</source>
        <translation>Událost bez názvu</translation>
    </message>
    <message>
        <source>all day</source>
        <translation>celý den</translation>
    </message>
    <message>
        <source>from %1, repeating within the day</source>
        <translation>od %1, opakuje se během dne</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation>%1–%2</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 v %2</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Svátek</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Soubor neexistuje.</translation>
    </message>
    <message>
        <source>This is not a regular file (a folder, a pipe or a device).</source>
        <translation>Nejde o běžný soubor (jde o složku, rouru nebo zařízení).</translation>
    </message>
    <message>
        <source>The file is too large to be read.</source>
        <translation>Soubor je příliš velký na přečtení.</translation>
    </message>
    <message>
        <source>The file could not be read: %1.</source>
        <translation>Soubor nelze přečíst: %1.</translation>
    </message>
    <message>
        <source>No calendar was found in it.</source>
        <translation>Nebyl v něm nalezen žádný kalendář.</translation>
    </message>
    <message>
        <source>The file ends too early: what came before the end was kept.</source>
        <translation>Soubor končí příliš brzy: to, co bylo před koncem, se zachovalo.</translation>
    </message>
    <message>
        <source>A value could not be read and was left out: %1</source>
        <translation>Hodnotu nelze přečíst, byla vynechána: %1</translation>
    </message>
    <message>
        <source>An event without a start was left out (%1).</source>
        <translation>Událost bez začátku byla vynechána (%1).</translation>
    </message>
    <message>
        <source>The time zone &quot;%1&quot; is unknown: its times may be off.</source>
        <translation>Časové pásmo „%1“ je neznámé: jeho časy mohou být posunuté.</translation>
    </message>
    <message>
        <source>The local time zone is unknown: UTC is used.</source>
        <translation>Místní časové pásmo je neznámé: použije se UTC.</translation>
    </message>
    <message>
        <source>A repeat rule could not be followed: only the first time is shown (%1).</source>
        <translation>Pravidlo opakování nelze použít: zobrazí se jen první výskyt (%1).</translation>
    </message>
    <message>
        <source>An event repeats too often: only its first times are shown (%1).</source>
        <translation>Událost se opakuje příliš často: zobrazí se jen první výskyty (%1).</translation>
    </message>
    <message>
        <source>The calendar&apos;s repeats took too long: some are missing.</source>
        <translation>Opakování kalendáře trvala příliš dlouho: některá chybí.</translation>
    </message>
    <message>
        <source>Part of the calendar could not be read.</source>
        <translation>Část kalendáře nelze přečíst.</translation>
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
            <numerusform>a %n další</numerusform>
            <numerusform>a %n další</numerusform>
            <numerusform>a %n dalších</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExportPdf</name>
    <message>
        <source>The year %1 is not a year from 1 to 9999.</source>
        <translation>Rok %1 není v rozsahu 1 až 9999.</translation>
    </message>
    <message>
        <source>The paper %1 is not one of a4, a3, letter and legal.</source>
        <translation>Papír %1 není žádný z a4, a3, letter a legal.</translation>
    </message>
    <message>
        <source>The argument %1 is not understood.</source>
        <translation>Argumentu %1 není rozumět.</translation>
    </message>
    <message>
        <source>The option --export-pdf needs the name of the file to write.</source>
        <translation>Volba --export-pdf potřebuje název souboru, který se má zapsat.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written.</source>
        <translation>Soubor %1 nelze zapsat.</translation>
    </message>
    <message>
        <source>The holiday calendars took too long to read; the page has what was read.</source>
        <translation>Čtení kalendářů svátků trvalo příliš dlouho; stránka obsahuje to, co se stihlo přečíst.</translation>
    </message>
</context>
<context>
    <name>Guard</name>
    <message>
        <source>Unknown error</source>
        <translation>Neznámá chyba</translation>
    </message>
</context>
<context>
    <name>LaunchWords</name>
    <message>
        <source>%1 is not an address to subscribe to.</source>
        <translation>%1 není adresa, kterou lze odebírat.</translation>
    </message>
    <message>
        <source>%1 is not a file on this computer.</source>
        <translation>%1 není soubor v tomto počítači.</translation>
    </message>
    <message>
        <source>%1 is not an option of Solvane.</source>
        <translation>%1 není volba programu Solvane.</translation>
    </message>
    <message>
        <source>%1: no such file.</source>
        <translation>%1: soubor neexistuje.</translation>
    </message>
    <message>
        <source>--holidays names no calendar after it.</source>
        <translation>Za --holidays nenásleduje žádný kalendář.</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Warning</source>
        <translation>Varování</translation>
    </message>
</context>
<context>
    <name>MonthCalendar</name>
    <message>
        <source>dddd d MMMM yyyy</source>
        <extracomment>How a screen reader names a day: a QLocale date format (dddd weekday, d day, MMMM month, yyyy year)</extracomment>
        <translation>dddd d. MMMM yyyy</translation>
    </message>
    <message>
        <source>%1, today, selected</source>
        <translation>%1, dnes, vybráno</translation>
    </message>
    <message>
        <source>%1, today</source>
        <translation>%1, dnes</translation>
    </message>
    <message>
        <source>%1, selected</source>
        <translation>%1, vybráno</translation>
    </message>
    <message>
        <source>Week %1</source>
        <translation>Týden %1</translation>
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
        <translation>Text pole %1 nelze uložit: je delší než %2 znaků.</translation>
    </message>
    <message>
        <source>The %1 text &quot;%2&quot; cannot be saved: prefs.cal holds only Western European (Latin-1) characters.</source>
        <translation>Text „%2“ pole %1 nelze uložit: prefs.cal pojme jen západoevropské znaky (Latin-1).</translation>
    </message>
    <message>
        <source>Invalid N/S degrees in preferences.</source>
        <translation>Neplatné stupně N/S v nastavení.</translation>
    </message>
    <message>
        <source>Invalid W/E degrees in preferences.</source>
        <translation>Neplatné stupně W/E v nastavení.</translation>
    </message>
</context>
<context>
    <name>PrefsFile</name>
    <message>
        <source>Cannot find the folder of the program</source>
        <translation>Nelze najít složku programu</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ není platné celé číslo</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Soubor %1 nelze otevřít</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Soubor %1 nelze otevřít: %2</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>Soubor %1 nelze vytvořit: %2</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>nejde o běžný soubor</translation>
    </message>
    <message>
        <source>it is larger than 1 MiB</source>
        <translation>je větší než 1 MiB</translation>
    </message>
    <message>
        <source>it is a link to a missing file</source>
        <translation>jde o odkaz na chybějící soubor</translation>
    </message>
    <message>
        <source>it is a link to something that is not a regular file</source>
        <translation>jde o odkaz na něco, co není běžný soubor</translation>
    </message>
    <message>
        <source>Cannot find the folder for the settings: the program&apos;s folder cannot be written, and neither HOME nor the user&apos;s account names a home folder</source>
        <translation>Nelze najít složku pro nastavení: do složky programu nelze zapisovat a ani HOME, ani uživatelský účet neuvádí domovskou složku</translation>
    </message>
</context>
<context>
    <name>SystemZone</name>
    <message>
        <source>Times for %1 (%2); set your place in Parameters</source>
        <translation>Časy pro %1 (%2); své místo nastavte v Nastavení</translation>
    </message>
    <message>
        <source>Times for %1 (%2) until you save a place here. Until then they follow the system time zone, so its switch stays on.</source>
        <translation>Časy pro %1 (%2), dokud zde neuložíte místo. Do té doby se řídí časovým pásmem systému, proto jeho přepínač zůstává zapnutý.</translation>
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
        <translation>J</translation>
    </message>
    <message>
        <source>N</source>
        <comment>north</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>W</source>
        <comment>west</comment>
        <translation>Z</translation>
    </message>
    <message>
        <source>E</source>
        <comment>east</comment>
        <translation>V</translation>
    </message>
    <message>
        <source>%1 — %2 (%3)</source>
        <translation>%1 — %2 (%3)</translation>
    </message>
    <message>
        <source>1st: sunrise %1, sunset %2</source>
        <translation>1.: východ %1, západ %2</translation>
    </message>
    <message>
        <source>15th: sunrise %1, sunset %2</source>
        <translation>15.: východ %1, západ %2</translation>
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
            <numerusform>a %n další</numerusform>
            <numerusform>a %n další</numerusform>
            <numerusform>a %n dalších</numerusform>
        </translation>
    </message>
    <message>
        <source>The year %1</source>
        <translation>Rok %1</translation>
    </message>
</context>
<context>
    <name>solvane::CalendarsDialog</name>
    <message>
        <source>Calendars</source>
        <translation>Kalendáře</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalendář</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Svátky</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stav</translation>
    </message>
    <message>
        <source>State of the selected calendar</source>
        <translation>Stav vybraného kalendáře</translation>
    </message>
    <message>
        <source>Add &amp;File...</source>
        <translation>Přidat &amp;soubor…</translation>
    </message>
    <message>
        <source>Add file</source>
        <translation>Přidat soubor</translation>
    </message>
    <message>
        <source>Add &amp;URL...</source>
        <translation>Přidat &amp;URL…</translation>
    </message>
    <message>
        <source>Add URL</source>
        <translation>Přidat URL</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Odebrat</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Odebrat</translation>
    </message>
    <message>
        <source>Rena&amp;me...</source>
        <translation>Pře&amp;jmenovat…</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Přejmenovat</translation>
    </message>
    <message>
        <source>C&amp;olour...</source>
        <translation>&amp;Barva…</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Barva</translation>
    </message>
    <message>
        <source>Refresh No&amp;w</source>
        <translation>Obnovit &amp;nyní</translation>
    </message>
    <message>
        <source>Refresh now</source>
        <translation>Obnovit nyní</translation>
    </message>
    <message>
        <source>&amp;Shown</source>
        <translation>&amp;Zobrazený</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>Zobrazený</translation>
    </message>
    <message>
        <source>&amp;Holidays</source>
        <translation>S&amp;vátky</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>&amp;Calendars:</source>
        <translation>&amp;Kalendáře:</translation>
    </message>
    <message>
        <source>%1, colour %2</source>
        <translation>%1, barva %2</translation>
    </message>
    <message>
        <source>No calendars yet: add a calendar file or the address of one.</source>
        <translation>Zatím žádné kalendáře: přidejte soubor kalendáře nebo adresu kalendáře.</translation>
    </message>
    <message>
        <source>Add a Calendar File</source>
        <translation>Přidat soubor kalendáře</translation>
    </message>
    <message>
        <source>Calendars (*.ics *.ical *.icalendar *.ifb);;All files (*)</source>
        <translation>Kalendáře (*.ics *.ical *.icalendar *.ifb);;Všechny soubory (*)</translation>
    </message>
    <message>
        <source>Subscribe to a Calendar</source>
        <translation>Odebírat kalendář</translation>
    </message>
    <message>
        <source>Address (http, https or webcal):</source>
        <translation>Adresa (http, https nebo webcal):</translation>
    </message>
    <message>
        <source>Rename Calendar</source>
        <translation>Přejmenovat kalendář</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Název:</translation>
    </message>
    <message>
        <source>Calendar Colour</source>
        <translation>Barva kalendáře</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be added: give the whole path of a calendar file.</source>
        <translation>„%1“ nelze přidat: zadejte celou cestu k souboru kalendáře.</translation>
    </message>
    <message>
        <source>%1 is already in the list.</source>
        <translation>%1 už v seznamu je.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an address Solvane can subscribe to. Give an address that begins with http://, https:// or webcal://.</source>
        <translation>„%1“ není adresa, kterou může Solvane odebírat. Zadejte adresu, která začíná http://, https:// nebo webcal://.</translation>
    </message>
    <message>
        <source>Remove the calendar &quot;%1&quot; from the list? Its events are no longer shown; the file or the subscription itself is left as it is.</source>
        <translation>Odebrat kalendář „%1“ ze seznamu? Jeho události se přestanou zobrazovat; samotný soubor nebo odběr zůstanou beze změny.</translation>
    </message>
    <message>
        <source>The list of calendars could not be saved to %1. %2</source>
        <translation>Seznam kalendářů nelze uložit do %1. %2</translation>
    </message>
</context>
<context>
    <name>solvane::NoteEditor</name>
    <message>
        <source>Edit Note</source>
        <translation>Upravit poznámku</translation>
    </message>
    <message>
        <source>Add Note</source>
        <translation>Přidat poznámku</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Poznámka</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Dny</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Poznámka:</translation>
    </message>
    <message>
        <source>&amp;Days:</source>
        <translation>&amp;Dny:</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Uložit</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Odebrat</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Odebrat</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>solvane::TCalendar</name>
    <message>
        <source>Sunrise</source>
        <translation>Východ slunce</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Západ slunce</translation>
    </message>
    <message>
        <source>Tool strip</source>
        <translation>Panel nástrojů</translation>
    </message>
    <message>
        <source>Moon phase</source>
        <translation>Fáze měsíce</translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation>Předchozí rok</translation>
    </message>
    <message>
        <source>Current year</source>
        <translation>Aktuální rok</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Následující rok</translation>
    </message>
    <message>
        <source>Compact view</source>
        <translation>Kompaktní zobrazení</translation>
    </message>
    <message>
        <source>Enter a year</source>
        <translation>Zadat rok</translation>
    </message>
    <message>
        <source>Compact width</source>
        <translation>Kompaktní šířka</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ukončit</translation>
    </message>
    <message>
        <source>Week numbers</source>
        <translation>Čísla týdnů</translation>
    </message>
    <message>
        <source>Display week number</source>
        <translation>Zobrazit čísla týdnů</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation>Vždy navrchu</translation>
    </message>
    <message>
        <source>Tray</source>
        <extracomment>The button that hides the window to the notification area (system tray)</extracomment>
        <translation>Do oznamovací oblasti</translation>
    </message>
    <message>
        <source>YR:</source>
        <extracomment>&quot;Year:&quot;, before the field where a year is typed; a short word or abbreviation</extracomment>
        <translation>Rok:</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Rok</translation>
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
        <translation>V tento den slunce nevychází</translation>
    </message>
    <message>
        <source>No sunset this date</source>
        <translation>V tento den slunce nezapadá</translation>
    </message>
    <message>
        <source>Sun up or down all day</source>
        <translation>Slunce celý den nad nebo pod obzorem</translation>
    </message>
    <message>
        <source>Invalid N/S degrees in preferences.</source>
        <translation>Neplatné stupně N/S v nastavení.</translation>
    </message>
    <message>
        <source>Invalid W/E degrees in preferences.</source>
        <translation>Neplatné stupně W/E v nastavení.</translation>
    </message>
    <message>
        <source>Year must be between 1700 and 3000</source>
        <translation>Rok musí být mezi 1700 a 3000</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Předchozí měsíc</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Následující měsíc</translation>
    </message>
    <message>
        <source>Full year</source>
        <translation>Celý rok</translation>
    </message>
    <message>
        <source>Solvane     Today:  %1     Julian: %2</source>
        <extracomment>The window title: %1 is today&apos;s date, &quot;(12) Dec 07, 2026&quot;, %2 the ordinal (&quot;Julian&quot;) date, year.day of the year, of the day last clicked. Keep the wide spaces.</extracomment>
        <translation>Solvane     Dnes:  %1     Den v roce: %2</translation>
    </message>
    <message>
        <source>Failed to set calendar date or time</source>
        <translation>Datum nebo čas kalendáře nelze nastavit</translation>
    </message>
    <message>
        <source>Jan %1</source>
        <extracomment>the year button in the compact view, &quot;Jan 2027&quot;; the button is narrow</extracomment>
        <translation>led %1</translation>
    </message>
    <message>
        <source>There is no notification area on this desktop, so Solvane stays visible.</source>
        <translation>Toto pracovní prostředí nemá oznamovací oblast, proto Solvane zůstane viditelný.</translation>
    </message>
    <message>
        <source>Without a home folder Solvane has nowhere to keep a list of calendars.</source>
        <translation>Bez domovské složky nemá Solvane kam uložit seznam kalendářů.</translation>
    </message>
    <message>
        <source>Add Note...</source>
        <translation>Přidat poznámku…</translation>
    </message>
    <message>
        <source>Edit Note &quot;%1&quot;...</source>
        <translation>Upravit poznámku „%1“…</translation>
    </message>
    <message>
        <source>Edit Note...</source>
        <translation>Upravit poznámku…</translation>
    </message>
    <message>
        <source>Remove Note &quot;%1&quot;</source>
        <translation>Odebrat poznámku „%1“</translation>
    </message>
    <message>
        <source>Remove Note</source>
        <translation>Odebrat poznámku</translation>
    </message>
    <message>
        <source>Calendars...</source>
        <translation>Kalendáře…</translation>
    </message>
    <message>
        <source>The note could not be saved. %1</source>
        <translation>Poznámku nelze uložit. %1</translation>
    </message>
    <message>
        <source>Remove the note &quot;%1&quot;?</source>
        <translation>Odebrat poznámku „%1“?</translation>
    </message>
    <message>
        <source>The note could not be removed. %1</source>
        <translation>Poznámku nelze odebrat. %1</translation>
    </message>
</context>
<context>
    <name>solvane::TColorComboBox</name>
    <message>
        <source>Black</source>
        <extracomment>Colour names in a box with room for about seven letters</extracomment>
        <translation>Černá</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Vínová</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Zelená</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Olivová</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Námořní</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Fialová</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Petrolej</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Šedá</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Stříbrná</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Červená</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Limetka</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Žlutá</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Modrá</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fuchsie</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Azurová</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Bílá</translation>
    </message>
</context>
<context>
    <name>solvane::TCurrencyEdit</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>„%1“ není platné desetinné číslo</translation>
    </message>
</context>
<context>
    <name>solvane::THome</name>
    <message>
        <source>The program must be restarted for this option to take effect.</source>
        <translation>Aby se volba projevila, je nutné program restartovat.</translation>
    </message>
    <message>
        <source>Place and time</source>
        <translation>Místo a čas</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Barvy</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Zeměpisná šířka</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Zeměpisná délka</translation>
    </message>
    <message>
        <source>GMT Offset</source>
        <translation>Posun</translation>
    </message>
    <message>
        <source>Offset List</source>
        <translation>Seznam</translation>
    </message>
    <message>
        <source>Display military time</source>
        <extracomment>24-hour clock; the box is narrow</extracomment>
        <translation>24hodinový čas</translation>
    </message>
    <message>
        <source>Hints</source>
        <extracomment>Tooltips on or off; the box has room for about eight letters</extracomment>
        <translation>Tipy</translation>
    </message>
    <message>
        <source>Use the system time zone</source>
        <translation>Použít časové pásmo systému</translation>
    </message>
    <message>
        <source>Title Bar Color</source>
        <translation>Záhlaví</translation>
    </message>
    <message>
        <source>Title Text Color</source>
        <translation>Text záhlaví</translation>
    </message>
    <message>
        <source> Backgnd Color</source>
        <translation> Pozadí</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Trail Text Color</source>
        <translation>Jiné měsíce</translation>
    </message>
    <message>
        <source>Outline Color</source>
        <translation>Obrys</translation>
    </message>
    <message>
        <source>The system names no time zone</source>
        <translation>Systém neuvádí žádné časové pásmo</translation>
    </message>
    <message>
        <source>On until you save a place</source>
        <translation>Zapnuto, dokud neuložíte místo</translation>
    </message>
    <message>
        <source>&amp;Calendars...</source>
        <translation>&amp;Kalendáře…</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>Kalendáře</translation>
    </message>
</context>
<context>
    <name>solvane::TMonthCalendar</name>
    <message>
        <source>Failed to set calendar date or time</source>
        <translation>Datum nebo čas kalendáře nelze nastavit</translation>
    </message>
</context>
<context>
    <name>solvane::TMoon</name>
    <message>
        <source>new moon</source>
        <translation>nov</translation>
    </message>
    <message>
        <source>waxing crescent</source>
        <translation>dorůstající srpek</translation>
    </message>
    <message>
        <source>first quarter</source>
        <translation>první čtvrť</translation>
    </message>
    <message>
        <source>waxing gibbous</source>
        <translation>dorůstající měsíc</translation>
    </message>
    <message>
        <source>full moon</source>
        <translation>úplněk</translation>
    </message>
    <message>
        <source>waning gibbous</source>
        <translation>ubývající měsíc</translation>
    </message>
    <message>
        <source>last quarter</source>
        <translation>poslední čtvrť</translation>
    </message>
    <message>
        <source>waning crescent</source>
        <translation>ubývající srpek</translation>
    </message>
    <message>
        <source>%1, %2% of the disc lit</source>
        <extracomment>the moon phase&apos;s name, then the share of the disc that is lit, in per cent</extracomment>
        <translation>%1, osvětleno %2 % kotouče</translation>
    </message>
</context>
<context>
    <name>solvane::TrayIcon</name>
    <message>
        <source>Show</source>
        <translation>Zobrazit</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Tisk…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ukončit</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Skrýt</translation>
    </message>
    <message>
        <source>Sunrise %1, sunset %2</source>
        <translation>Východ slunce %1, západ %2</translation>
    </message>
    <message>
        <source>Calendars...</source>
        <translation>Kalendáře…</translation>
    </message>
</context>
<context>
    <name>solvane::UserCalendars</name>
    <message>
        <source>Notes</source>
        <translation>Poznámky</translation>
    </message>
</context>
<context>
    <name>solvane::events::NotesCalendar</name>
    <message>
        <source>The notes file %1 cannot be read; it is left as it is.</source>
        <translation>Soubor poznámek %1 nelze přečíst; zůstává beze změny.</translation>
    </message>
    <message>
        <source>The notes file %1 holds what this program cannot write back; it is left as it is.</source>
        <translation>Soubor poznámek %1 obsahuje to, co tento program neumí zapsat zpět; zůstává beze změny.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Složku %1 nelze vytvořit.</translation>
    </message>
    <message>
        <source>The notes could not be saved to %1: %2</source>
        <translation>Poznámky nelze uložit do %1: %2</translation>
    </message>
</context>
</TS>
