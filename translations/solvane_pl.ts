<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>CalendarStateText</name>
    <message>
        <source>The file is not there.</source>
        <translation>Pliku nie ma.</translation>
    </message>
    <message>
        <source>The link leads to a file that is not there.</source>
        <translation>Dowiązanie prowadzi do pliku, którego nie ma.</translation>
    </message>
    <message>
        <source>This is a folder, not a calendar file.</source>
        <translation>To katalog, a nie plik kalendarza.</translation>
    </message>
    <message>
        <source>This is not a regular file (a pipe or a device); it is not read.</source>
        <translation>To nie jest zwykły plik (to potok lub urządzenie); nie jest odczytywany.</translation>
    </message>
    <message>
        <source>The calendar is too large to be read.</source>
        <translation>Kalendarz jest zbyt duży, aby go odczytać.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Nie można odczytać pliku.</translation>
    </message>
    <message>
        <source>The address is not an http, https or webcal address.</source>
        <translation>Adres nie jest adresem http, https ani webcal.</translation>
    </message>
    <message>
        <source>The server cannot be reached.</source>
        <translation>Nie można połączyć się z serwerem.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate was refused; nothing was fetched.</source>
        <translation>Certyfikat serwera został odrzucony; niczego nie pobrano.</translation>
    </message>
    <message>
        <source>The server answered with an error.</source>
        <translation>Serwer odpowiedział błędem.</translation>
    </message>
    <message>
        <source>The server sent something that is not a calendar.</source>
        <translation>Serwer przysłał coś, co nie jest kalendarzem.</translation>
    </message>
    <message>
        <source>The server took too long.</source>
        <translation>Serwer odpowiadał zbyt długo.</translation>
    </message>
    <message>
        <source>The server stopped sending.</source>
        <translation>Serwer przestał wysyłać dane.</translation>
    </message>
    <message>
        <source>The server redirected too many times.</source>
        <translation>Serwer przekierował zbyt wiele razy.</translation>
    </message>
    <message>
        <source>The server&apos;s redirects lead in a circle.</source>
        <translation>Przekierowania serwera tworzą pętlę.</translation>
    </message>
    <message>
        <source>The https address redirected to plain http; refused.</source>
        <translation>Adres https przekierował na nieszyfrowany http; odrzucono.</translation>
    </message>
    <message>
        <source>The list of calendars cannot be read.</source>
        <translation>Nie można odczytać listy kalendarzy.</translation>
    </message>
    <message>
        <source>The list of calendars cannot be saved.</source>
        <translation>Nie można zapisać listy kalendarzy.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Fetching...</source>
        <translation>Pobieranie…</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Odczytywanie…</translation>
    </message>
    <message>
        <source>Not read yet</source>
        <translation>Jeszcze nie odczytano</translation>
    </message>
    <message>
        <source>1 event read</source>
        <translation>Odczytano 1 wydarzenie</translation>
    </message>
    <message numerus="yes">
        <source>%n events read</source>
        <translation>
            <numerusform>Odczytano %n wydarzenie</numerusform>
            <numerusform>Odczytano %n wydarzenia</numerusform>
            <numerusform>Odczytano %n wydarzeń</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, last refreshed %2</source>
        <translation>%1, ostatnio odświeżono %2</translation>
    </message>
    <message>
        <source>Shown meanwhile: %1</source>
        <translation>Tymczasem pokazywane: %1</translation>
    </message>
</context>
<context>
    <name>EventWords</name>
    <message>
        <source>Untitled event</source>
        <translation>Wydarzenie bez tytułu</translation>
    </message>
    <message>
        <source>all day</source>
        <translation>cały dzień</translation>
    </message>
    <message>
        <source>from %1, repeating within the day</source>
        <translation>od %1, powtarzane w ciągu dnia</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation>%1–%2</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Święto</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Plik nie istnieje.</translation>
    </message>
    <message>
        <source>This is not a regular file (a folder, a pipe or a device).</source>
        <translation>To nie jest zwykły plik (to katalog, potok lub urządzenie).</translation>
    </message>
    <message>
        <source>The file is too large to be read.</source>
        <translation>Plik jest zbyt duży, aby go odczytać.</translation>
    </message>
    <message>
        <source>The file could not be read: %1.</source>
        <translation>Nie można odczytać pliku: %1.</translation>
    </message>
    <message>
        <source>No calendar was found in it.</source>
        <translation>Nie znaleziono w nim kalendarza.</translation>
    </message>
    <message>
        <source>The file ends too early: what came before the end was kept.</source>
        <translation>Plik kończy się zbyt wcześnie: zachowano to, co było przed końcem.</translation>
    </message>
    <message>
        <source>A value could not be read and was left out: %1</source>
        <translation>Nie można odczytać wartości, więc ją pominięto: %1</translation>
    </message>
    <message>
        <source>An event without a start was left out (%1).</source>
        <translation>Pominięto wydarzenie bez początku (%1).</translation>
    </message>
    <message>
        <source>The time zone &quot;%1&quot; is unknown: its times may be off.</source>
        <translation>Strefa czasowa „%1” jest nieznana: jej godziny mogą być przesunięte.</translation>
    </message>
    <message>
        <source>The local time zone is unknown: UTC is used.</source>
        <translation>Lokalna strefa czasowa jest nieznana: używany jest czas UTC.</translation>
    </message>
    <message>
        <source>A repeat rule could not be followed: only the first time is shown (%1).</source>
        <translation>Nie można zastosować reguły powtarzania: pokazano tylko pierwsze wystąpienie (%1).</translation>
    </message>
    <message>
        <source>An event repeats too often: only its first times are shown (%1).</source>
        <translation>Wydarzenie powtarza się zbyt często: pokazano tylko pierwsze wystąpienia (%1).</translation>
    </message>
    <message>
        <source>The calendar&apos;s repeats took too long: some are missing.</source>
        <translation>Powtórzenia kalendarza trwały zbyt długo: niektórych brakuje.</translation>
    </message>
    <message>
        <source>Part of the calendar could not be read.</source>
        <translation>Nie można odczytać części kalendarza.</translation>
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
            <numerusform>i %n więcej</numerusform>
            <numerusform>i %n więcej</numerusform>
            <numerusform>i %n więcej</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExportPdf</name>
    <message>
        <source>The year %1 is not a year from 1 to 9999.</source>
        <translation>Rok %1 nie mieści się w zakresie od 1 do 9999.</translation>
    </message>
    <message>
        <source>The paper %1 is not one of a4, a3, letter and legal.</source>
        <translation>Papier %1 nie jest żadnym z: a4, a3, letter, legal.</translation>
    </message>
    <message>
        <source>The argument %1 is not understood.</source>
        <translation>Nie rozpoznano argumentu %1.</translation>
    </message>
    <message>
        <source>The option --export-pdf needs the name of the file to write.</source>
        <translation>Opcja --export-pdf wymaga nazwy pliku do zapisania.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written.</source>
        <translation>Nie można zapisać pliku %1.</translation>
    </message>
    <message>
        <source>The holiday calendars took too long to read; the page has what was read.</source>
        <translation>Odczyt kalendarzy świąt trwał zbyt długo; strona zawiera to, co zdążono odczytać.</translation>
    </message>
</context>
<context>
    <name>Guard</name>
    <message>
        <source>Unknown error</source>
        <translation>Nieznany błąd</translation>
    </message>
</context>
<context>
    <name>LaunchWords</name>
    <message>
        <source>%1 is not an address to subscribe to.</source>
        <translation>%1 nie jest adresem, który można subskrybować.</translation>
    </message>
    <message>
        <source>%1 is not a file on this computer.</source>
        <translation>%1 nie jest plikiem na tym komputerze.</translation>
    </message>
    <message>
        <source>%1 is not an option of Solvane.</source>
        <translation>%1 nie jest opcją programu Solvane.</translation>
    </message>
    <message>
        <source>%1: no such file.</source>
        <translation>%1: nie ma takiego pliku.</translation>
    </message>
    <message>
        <source>--holidays names no calendar after it.</source>
        <translation>Po --holidays nie podano kalendarza.</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
</context>
<context>
    <name>MonthCalendar</name>
    <message>
        <source>dddd d MMMM yyyy</source>
        <extracomment>How a screen reader names a day: a QLocale date format (dddd weekday, d day, MMMM month, yyyy year)</extracomment>
        <translation>dddd, d MMMM yyyy</translation>
    </message>
    <message>
        <source>%1, today, selected</source>
        <translation>%1, dzisiaj, zaznaczony</translation>
    </message>
    <message>
        <source>%1, today</source>
        <translation>%1, dzisiaj</translation>
    </message>
    <message>
        <source>%1, selected</source>
        <translation>%1, zaznaczony</translation>
    </message>
    <message>
        <source>Week %1</source>
        <translation>Tydzień %1</translation>
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
        <translation>Nie można zapisać tekstu pola %1: jest dłuższy niż %2 znaków.</translation>
    </message>
    <message>
        <source>The %1 text &quot;%2&quot; cannot be saved: prefs.cal holds only Western European (Latin-1) characters.</source>
        <translation>Nie można zapisać tekstu „%2” pola %1: prefs.cal przechowuje tylko znaki zachodnioeuropejskie (Latin-1).</translation>
    </message>
    <message>
        <source>Invalid N/S degrees in preferences.</source>
        <translation>Nieprawidłowe stopnie N/S w ustawieniach.</translation>
    </message>
    <message>
        <source>Invalid W/E degrees in preferences.</source>
        <translation>Nieprawidłowe stopnie W/E w ustawieniach.</translation>
    </message>
</context>
<context>
    <name>PrefsFile</name>
    <message>
        <source>Cannot find the folder of the program</source>
        <translation>Nie można znaleźć katalogu programu</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1” nie jest prawidłową liczbą całkowitą</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Nie można otworzyć pliku %1</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Nie można otworzyć pliku %1: %2</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>Nie można utworzyć pliku %1: %2</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>to nie jest zwykły plik</translation>
    </message>
    <message>
        <source>it is larger than 1 MiB</source>
        <translation>jest większy niż 1 MiB</translation>
    </message>
    <message>
        <source>it is a link to a missing file</source>
        <translation>to dowiązanie do nieistniejącego pliku</translation>
    </message>
    <message>
        <source>it is a link to something that is not a regular file</source>
        <translation>to dowiązanie do czegoś, co nie jest zwykłym plikiem</translation>
    </message>
    <message>
        <source>Cannot find the folder for the settings: the program&apos;s folder cannot be written, and neither HOME nor the user&apos;s account names a home folder</source>
        <translation>Nie można znaleźć katalogu na ustawienia: katalog programu nie jest zapisywalny, a ani HOME, ani konto użytkownika nie wskazują katalogu domowego</translation>
    </message>
</context>
<context>
    <name>SystemZone</name>
    <message>
        <source>Times for %1 (%2); set your place in Parameters</source>
        <translation>Godziny dla %1 (%2); ustaw swoje miejsce w Ustawieniach</translation>
    </message>
    <message>
        <source>Times for %1 (%2) until you save a place here. Until then they follow the system time zone, so its switch stays on.</source>
        <translation>Godziny dla %1 (%2), dopóki nie zapiszesz tu miejsca. Do tego czasu wynikają ze strefy czasowej systemu, więc to pole pozostaje zaznaczone.</translation>
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
        <translation>E</translation>
    </message>
    <message>
        <source>%1 — %2 (%3)</source>
        <translation>%1 — %2 (%3)</translation>
    </message>
    <message>
        <source>1st: sunrise %1, sunset %2</source>
        <translation>1.: wschód %1, zachód %2</translation>
    </message>
    <message>
        <source>15th: sunrise %1, sunset %2</source>
        <translation>15.: wschód %1, zachód %2</translation>
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
            <numerusform>i %n więcej</numerusform>
            <numerusform>i %n więcej</numerusform>
            <numerusform>i %n więcej</numerusform>
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
        <translation>Kalendarze</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalendarz</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Święta</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>State of the selected calendar</source>
        <translation>Stan zaznaczonego kalendarza</translation>
    </message>
    <message>
        <source>Add &amp;File...</source>
        <translation>Dodaj &amp;plik…</translation>
    </message>
    <message>
        <source>Add file</source>
        <translation>Dodaj plik</translation>
    </message>
    <message>
        <source>Add &amp;URL...</source>
        <translation>Dodaj &amp;adres URL…</translation>
    </message>
    <message>
        <source>Add URL</source>
        <translation>Dodaj adres URL</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Rena&amp;me...</source>
        <translation>Zmień &amp;nazwę…</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Zmień nazwę</translation>
    </message>
    <message>
        <source>C&amp;olour...</source>
        <translation>&amp;Kolor…</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Kolor</translation>
    </message>
    <message>
        <source>Refresh No&amp;w</source>
        <translation>&amp;Odśwież teraz</translation>
    </message>
    <message>
        <source>Refresh now</source>
        <translation>Odśwież teraz</translation>
    </message>
    <message>
        <source>&amp;Shown</source>
        <translation>&amp;Widoczny</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>Widoczny</translation>
    </message>
    <message>
        <source>&amp;Holidays</source>
        <translation>Świę&amp;ta</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>&amp;Calendars:</source>
        <translation>Ka&amp;lendarze:</translation>
    </message>
    <message>
        <source>%1, colour %2</source>
        <translation>%1, kolor %2</translation>
    </message>
    <message>
        <source>No calendars yet: add a calendar file or the address of one.</source>
        <translation>Brak kalendarzy: dodaj plik kalendarza lub jego adres.</translation>
    </message>
    <message>
        <source>Add a Calendar File</source>
        <translation>Dodaj plik kalendarza</translation>
    </message>
    <message>
        <source>Calendars (*.ics *.ical *.icalendar *.ifb);;All files (*)</source>
        <translation>Kalendarze (*.ics *.ical *.icalendar *.ifb);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Subscribe to a Calendar</source>
        <translation>Subskrybuj kalendarz</translation>
    </message>
    <message>
        <source>Address (http, https or webcal):</source>
        <translation>Adres (http, https lub webcal):</translation>
    </message>
    <message>
        <source>Rename Calendar</source>
        <translation>Zmień nazwę kalendarza</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nazwa:</translation>
    </message>
    <message>
        <source>Calendar Colour</source>
        <translation>Kolor kalendarza</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be added: give the whole path of a calendar file.</source>
        <translation>Nie można dodać „%1”: podaj pełną ścieżkę pliku kalendarza.</translation>
    </message>
    <message>
        <source>%1 is already in the list.</source>
        <translation>%1 jest już na liście.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an address Solvane can subscribe to. Give an address that begins with http://, https:// or webcal://.</source>
        <translation>„%1” nie jest adresem, który Solvane może subskrybować. Podaj adres zaczynający się od http://, https:// lub webcal://.</translation>
    </message>
    <message>
        <source>Remove the calendar &quot;%1&quot; from the list? Its events are no longer shown; the file or the subscription itself is left as it is.</source>
        <translation>Usunąć kalendarz „%1” z listy? Jego wydarzenia nie będą już pokazywane; sam plik lub subskrypcja pozostaną bez zmian.</translation>
    </message>
    <message>
        <source>The list of calendars could not be saved to %1. %2</source>
        <translation>Nie można zapisać listy kalendarzy w %1. %2</translation>
    </message>
</context>
<context>
    <name>solvane::NoteEditor</name>
    <message>
        <source>Edit Note</source>
        <translation>Edytuj notatkę</translation>
    </message>
    <message>
        <source>Add Note</source>
        <translation>Dodaj notatkę</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notatka</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Dni</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Notatka:</translation>
    </message>
    <message>
        <source>&amp;Days:</source>
        <translation>&amp;Dni:</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>solvane::TCalendar</name>
    <message>
        <source>Sunrise</source>
        <translation>Wschód słońca</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Zachód słońca</translation>
    </message>
    <message>
        <source>Tool strip</source>
        <translation>Pasek narzędzi</translation>
    </message>
    <message>
        <source>Moon phase</source>
        <translation>Faza księżyca</translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation>Poprzedni rok</translation>
    </message>
    <message>
        <source>Current year</source>
        <translation>Bieżący rok</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Następny rok</translation>
    </message>
    <message>
        <source>Compact view</source>
        <translation>Widok kompaktowy</translation>
    </message>
    <message>
        <source>Enter a year</source>
        <translation>Wpisz rok</translation>
    </message>
    <message>
        <source>Compact width</source>
        <translation>Szerokość kompaktowa</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Week numbers</source>
        <translation>Numery tygodni</translation>
    </message>
    <message>
        <source>Display week number</source>
        <translation>Pokaż numery tygodni</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation>Zawsze na wierzchu</translation>
    </message>
    <message>
        <source>Tray</source>
        <extracomment>The button that hides the window to the notification area (system tray)</extracomment>
        <translation>Do zasobnika systemowego</translation>
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
        <translation>Brak wschodu słońca tego dnia</translation>
    </message>
    <message>
        <source>No sunset this date</source>
        <translation>Brak zachodu słońca tego dnia</translation>
    </message>
    <message>
        <source>Sun up or down all day</source>
        <translation>Słońce przez cały dzień nad lub pod horyzontem</translation>
    </message>
    <message>
        <source>Invalid N/S degrees in preferences.</source>
        <translation>Nieprawidłowe stopnie N/S w ustawieniach.</translation>
    </message>
    <message>
        <source>Invalid W/E degrees in preferences.</source>
        <translation>Nieprawidłowe stopnie W/E w ustawieniach.</translation>
    </message>
    <message>
        <source>Year must be between 1700 and 3000</source>
        <translation>Rok musi mieścić się między 1700 a 3000</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Poprzedni miesiąc</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Następny miesiąc</translation>
    </message>
    <message>
        <source>Full year</source>
        <translation>Cały rok</translation>
    </message>
    <message>
        <source>Solvane     Today:  %1     Julian: %2</source>
        <extracomment>The window title: %1 is today&apos;s date, &quot;(12) Dec 07, 2026&quot;, %2 the ordinal (&quot;Julian&quot;) date, year.day of the year, of the day last clicked. Keep the wide spaces.</extracomment>
        <translation>Solvane     Dzisiaj:  %1     Dzień roku: %2</translation>
    </message>
    <message>
        <source>Failed to set calendar date or time</source>
        <translation>Nie można ustawić daty lub godziny kalendarza</translation>
    </message>
    <message>
        <source>Jan %1</source>
        <extracomment>the year button in the compact view, &quot;Jan 2027&quot;; the button is narrow</extracomment>
        <translation>sty %1</translation>
    </message>
    <message>
        <source>There is no notification area on this desktop, so Solvane stays visible.</source>
        <translation>Ten pulpit nie ma zasobnika systemowego, więc Solvane pozostaje widoczny.</translation>
    </message>
    <message>
        <source>Without a home folder Solvane has nowhere to keep a list of calendars.</source>
        <translation>Bez katalogu domowego Solvane nie ma gdzie przechowywać listy kalendarzy.</translation>
    </message>
    <message>
        <source>Add Note...</source>
        <translation>Dodaj notatkę…</translation>
    </message>
    <message>
        <source>Edit Note &quot;%1&quot;...</source>
        <translation>Edytuj notatkę „%1”…</translation>
    </message>
    <message>
        <source>Edit Note...</source>
        <translation>Edytuj notatkę…</translation>
    </message>
    <message>
        <source>Remove Note &quot;%1&quot;</source>
        <translation>Usuń notatkę „%1”</translation>
    </message>
    <message>
        <source>Remove Note</source>
        <translation>Usuń notatkę</translation>
    </message>
    <message>
        <source>Calendars...</source>
        <translation>Kalendarze…</translation>
    </message>
    <message>
        <source>The note could not be saved. %1</source>
        <translation>Nie można zapisać notatki. %1</translation>
    </message>
    <message>
        <source>Remove the note &quot;%1&quot;?</source>
        <translation>Usunąć notatkę „%1”?</translation>
    </message>
    <message>
        <source>The note could not be removed. %1</source>
        <translation>Nie można usunąć notatki. %1</translation>
    </message>
</context>
<context>
    <name>solvane::TColorComboBox</name>
    <message>
        <source>Black</source>
        <extracomment>Colour names in a box with room for about seven letters</extracomment>
        <translation>Czarny</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Bordowy</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Zielony</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliwka</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Granat</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Fiolet</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Morski</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Szary</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Srebrny</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Czerwień</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Limonka</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Żółty</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Niebieski</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fuksja</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Cyjan</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Biały</translation>
    </message>
</context>
<context>
    <name>solvane::TCurrencyEdit</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>„%1” nie jest prawidłową liczbą zmiennoprzecinkową</translation>
    </message>
</context>
<context>
    <name>solvane::THome</name>
    <message>
        <source>The program must be restarted for this option to take effect.</source>
        <translation>Aby ta opcja zadziałała, trzeba ponownie uruchomić program.</translation>
    </message>
    <message>
        <source>Place and time</source>
        <translation>Miejsce i czas</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Kolory</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Szerokość geograficzna</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Długość geograficzna</translation>
    </message>
    <message>
        <source>GMT Offset</source>
        <translation>Różn. GMT</translation>
    </message>
    <message>
        <source>Offset List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Display military time</source>
        <extracomment>24-hour clock; the box is narrow</extracomment>
        <translation>Zegar 24-godz.</translation>
    </message>
    <message>
        <source>Hints</source>
        <extracomment>Tooltips on or off; the box has room for about eight letters</extracomment>
        <translation>Porady</translation>
    </message>
    <message>
        <source>Use the system time zone</source>
        <translation>Użyj strefy czasowej systemu</translation>
    </message>
    <message>
        <source>Title Bar Color</source>
        <translation>Pasek tytułu</translation>
    </message>
    <message>
        <source>Title Text Color</source>
        <translation>Tekst tytułu</translation>
    </message>
    <message>
        <source> Backgnd Color</source>
        <translation> Tło</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Trail Text Color</source>
        <translation>Inne miesiące</translation>
    </message>
    <message>
        <source>Outline Color</source>
        <translation>Obrys</translation>
    </message>
    <message>
        <source>The system names no time zone</source>
        <translation>System nie podaje strefy czasowej</translation>
    </message>
    <message>
        <source>On until you save a place</source>
        <translation>Włączone do czasu zapisania miejsca</translation>
    </message>
    <message>
        <source>&amp;Calendars...</source>
        <translation>&amp;Kalendarze…</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>Kalendarze</translation>
    </message>
</context>
<context>
    <name>solvane::TMonthCalendar</name>
    <message>
        <source>Failed to set calendar date or time</source>
        <translation>Nie można ustawić daty lub godziny kalendarza</translation>
    </message>
</context>
<context>
    <name>solvane::TMoon</name>
    <message>
        <source>new moon</source>
        <translation>nów</translation>
    </message>
    <message>
        <source>waxing crescent</source>
        <translation>przybywający sierp</translation>
    </message>
    <message>
        <source>first quarter</source>
        <translation>pierwsza kwadra</translation>
    </message>
    <message>
        <source>waxing gibbous</source>
        <translation>przybywający garb</translation>
    </message>
    <message>
        <source>full moon</source>
        <translation>pełnia</translation>
    </message>
    <message>
        <source>waning gibbous</source>
        <translation>ubywający garb</translation>
    </message>
    <message>
        <source>last quarter</source>
        <translation>ostatnia kwadra</translation>
    </message>
    <message>
        <source>waning crescent</source>
        <translation>ubywający sierp</translation>
    </message>
    <message>
        <source>%1, %2% of the disc lit</source>
        <extracomment>the moon phase&apos;s name, then the share of the disc that is lit, in per cent</extracomment>
        <translation>%1, oświetlone %2% tarczy</translation>
    </message>
</context>
<context>
    <name>solvane::TrayIcon</name>
    <message>
        <source>Show</source>
        <translation>Pokaż</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drukuj…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ukryj</translation>
    </message>
    <message>
        <source>Sunrise %1, sunset %2</source>
        <translation>Wschód słońca %1, zachód %2</translation>
    </message>
    <message>
        <source>Calendars...</source>
        <translation>Kalendarze…</translation>
    </message>
</context>
<context>
    <name>solvane::UserCalendars</name>
    <message>
        <source>Notes</source>
        <translation>Notatki</translation>
    </message>
</context>
<context>
    <name>solvane::events::NotesCalendar</name>
    <message>
        <source>The notes file %1 cannot be read; it is left as it is.</source>
        <translation>Nie można odczytać pliku notatek %1; pozostaje bez zmian.</translation>
    </message>
    <message>
        <source>The notes file %1 holds what this program cannot write back; it is left as it is.</source>
        <translation>Plik notatek %1 zawiera to, czego ten program nie umie zapisać z powrotem; pozostaje bez zmian.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Nie można utworzyć katalogu %1.</translation>
    </message>
    <message>
        <source>The notes could not be saved to %1: %2</source>
        <translation>Nie można zapisać notatek w %1: %2</translation>
    </message>
</context>
</TS>
