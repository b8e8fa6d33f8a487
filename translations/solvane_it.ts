<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>CalendarStateText</name>
    <message>
        <source>The file is not there.</source>
        <translation>Il file non c’è.</translation>
    </message>
    <message>
        <source>The link leads to a file that is not there.</source>
        <translation>Il collegamento porta a un file che non c’è.</translation>
    </message>
    <message>
        <source>This is a folder, not a calendar file.</source>
        <translation>È una cartella, non un file di calendario.</translation>
    </message>
    <message>
        <source>This is not a regular file (a pipe or a device); it is not read.</source>
        <translation>Non è un file regolare (è una pipe o un dispositivo); non viene letto.</translation>
    </message>
    <message>
        <source>The calendar is too large to be read.</source>
        <translation>Il calendario è troppo grande per essere letto.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Impossibile leggere il file.</translation>
    </message>
    <message>
        <source>The address is not an http, https or webcal address.</source>
        <translation>L’indirizzo non è un indirizzo http, https o webcal.</translation>
    </message>
    <message>
        <source>The server cannot be reached.</source>
        <translation>Il server non è raggiungibile.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate was refused; nothing was fetched.</source>
        <translation>Il certificato del server è stato rifiutato; non è stato scaricato nulla.</translation>
    </message>
    <message>
        <source>The server answered with an error.</source>
        <translation>Il server ha risposto con un errore.</translation>
    </message>
    <message>
        <source>The server sent something that is not a calendar.</source>
        <translation>Il server ha inviato qualcosa che non è un calendario.</translation>
    </message>
    <message>
        <source>The server took too long.</source>
        <translation>Il server ha impiegato troppo tempo.</translation>
    </message>
    <message>
        <source>The server stopped sending.</source>
        <translation>Il server ha smesso di inviare.</translation>
    </message>
    <message>
        <source>The server redirected too many times.</source>
        <translation>Il server ha reindirizzato troppe volte.</translation>
    </message>
    <message>
        <source>The server&apos;s redirects lead in a circle.</source>
        <translation>I reindirizzamenti del server girano in tondo.</translation>
    </message>
    <message>
        <source>The https address redirected to plain http; refused.</source>
        <translation>L’indirizzo https ha reindirizzato a http non cifrato; rifiutato.</translation>
    </message>
    <message>
        <source>The list of calendars cannot be read.</source>
        <translation>Impossibile leggere l’elenco dei calendari.</translation>
    </message>
    <message>
        <source>The list of calendars cannot be saved.</source>
        <translation>Impossibile salvare l’elenco dei calendari.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Fetching...</source>
        <translation>Scaricamento…</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Lettura…</translation>
    </message>
    <message>
        <source>Not read yet</source>
        <translation>Non ancora letto</translation>
    </message>
    <message>
        <source>1 event read</source>
        <translation>1 evento letto</translation>
    </message>
    <message numerus="yes">
        <source>%n events read</source>
        <translation>
            <numerusform>%n evento letto</numerusform>
            <numerusform>%n eventi letti</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, last refreshed %2</source>
        <translation>%1, ultimo aggiornamento %2</translation>
    </message>
    <message>
        <source>Shown meanwhile: %1</source>
        <translation>Mostrato nel frattempo: %1</translation>
    </message>
</context>
<context>
    <name>EventWords</name>
    <message>
        <source>Untitled event</source>
        <translation>Evento senza titolo</translation>
    </message>
    <message>
        <source>all day</source>
        <translation>tutto il giorno</translation>
    </message>
    <message>
        <source>from %1, repeating within the day</source>
        <translation>dalle %1, ripetuto durante il giorno</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 alle %2</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Festività</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Il file non esiste.</translation>
    </message>
    <message>
        <source>This is not a regular file (a folder, a pipe or a device).</source>
        <translation>Non è un file regolare (è una cartella, una pipe o un dispositivo).</translation>
    </message>
    <message>
        <source>The file is too large to be read.</source>
        <translation>Il file è troppo grande per essere letto.</translation>
    </message>
    <message>
        <source>The file could not be read: %1.</source>
        <translation>Impossibile leggere il file: %1.</translation>
    </message>
    <message>
        <source>No calendar was found in it.</source>
        <translation>Non vi è stato trovato alcun calendario.</translation>
    </message>
    <message>
        <source>The file ends too early: what came before the end was kept.</source>
        <translation>Il file termina troppo presto: è stato conservato ciò che precedeva la fine.</translation>
    </message>
    <message>
        <source>A value could not be read and was left out: %1</source>
        <translation>Un valore non è stato letto ed è stato tralasciato: %1</translation>
    </message>
    <message>
        <source>An event without a start was left out (%1).</source>
        <translation>È stato tralasciato un evento senza inizio (%1).</translation>
    </message>
    <message>
        <source>The time zone &quot;%1&quot; is unknown: its times may be off.</source>
        <translation>Il fuso orario «%1» è sconosciuto: i suoi orari potrebbero essere sfasati.</translation>
    </message>
    <message>
        <source>The local time zone is unknown: UTC is used.</source>
        <translation>Il fuso orario locale è sconosciuto: si usa UTC.</translation>
    </message>
    <message>
        <source>A repeat rule could not be followed: only the first time is shown (%1).</source>
        <translation>Non è stato possibile seguire una regola di ripetizione: viene mostrata solo la prima volta (%1).</translation>
    </message>
    <message>
        <source>An event repeats too often: only its first times are shown (%1).</source>
        <translation>Un evento si ripete troppo spesso: vengono mostrate solo le prime volte (%1).</translation>
    </message>
    <message>
        <source>The calendar&apos;s repeats took too long: some are missing.</source>
        <translation>Le ripetizioni del calendario hanno richiesto troppo tempo: alcune mancano.</translation>
    </message>
    <message>
        <source>Part of the calendar could not be read.</source>
        <translation>Non è stato possibile leggere una parte del calendario.</translation>
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
            <numerusform>e %n altro</numerusform>
            <numerusform>e altri %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExportPdf</name>
    <message>
        <source>The year %1 is not a year from 1 to 9999.</source>
        <translation>L’anno %1 non è compreso tra 1 e 9999.</translation>
    </message>
    <message>
        <source>The paper %1 is not one of a4, a3, letter and legal.</source>
        <translation>La carta %1 non è una tra a4, a3, letter e legal.</translation>
    </message>
    <message>
        <source>The argument %1 is not understood.</source>
        <translation>L’argomento %1 non è riconosciuto.</translation>
    </message>
    <message>
        <source>The option --export-pdf needs the name of the file to write.</source>
        <translation>L’opzione --export-pdf richiede il nome del file da scrivere.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written.</source>
        <translation>Impossibile scrivere il file %1.</translation>
    </message>
    <message>
        <source>The holiday calendars took too long to read; the page has what was read.</source>
        <translation>La lettura dei calendari delle festività ha richiesto troppo tempo; la pagina contiene ciò che è stato letto.</translation>
    </message>
</context>
<context>
    <name>Guard</name>
    <message>
        <source>Unknown error</source>
        <translation>Errore sconosciuto</translation>
    </message>
</context>
<context>
    <name>LaunchWords</name>
    <message>
        <source>%1 is not an address to subscribe to.</source>
        <translation>%1 non è un indirizzo a cui abbonarsi.</translation>
    </message>
    <message>
        <source>%1 is not a file on this computer.</source>
        <translation>%1 non è un file di questo computer.</translation>
    </message>
    <message>
        <source>%1 is not an option of Solvane.</source>
        <translation>%1 non è un’opzione di Solvane.</translation>
    </message>
    <message>
        <source>%1: no such file.</source>
        <translation>%1: file inesistente.</translation>
    </message>
    <message>
        <source>--holidays names no calendar after it.</source>
        <translation>--holidays non è seguito da alcun calendario.</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
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
        <translation>%1, oggi, selezionato</translation>
    </message>
    <message>
        <source>%1, today</source>
        <translation>%1, oggi</translation>
    </message>
    <message>
        <source>%1, selected</source>
        <translation>%1, selezionato</translation>
    </message>
    <message>
        <source>Week %1</source>
        <translation>Settimana %1</translation>
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
        <translation>Il testo del campo %1 non può essere salvato: supera i %2 caratteri.</translation>
    </message>
    <message>
        <source>The %1 text &quot;%2&quot; cannot be saved: prefs.cal holds only Western European (Latin-1) characters.</source>
        <translation>Il testo «%2» del campo %1 non può essere salvato: prefs.cal contiene solo caratteri dell’Europa occidentale (Latin-1).</translation>
    </message>
    <message>
        <source>Invalid N/S degrees in preferences.</source>
        <translation>Gradi N/S non validi nelle preferenze.</translation>
    </message>
    <message>
        <source>Invalid W/E degrees in preferences.</source>
        <translation>Gradi W/E non validi nelle preferenze.</translation>
    </message>
</context>
<context>
    <name>PrefsFile</name>
    <message>
        <source>Cannot find the folder of the program</source>
        <translation>Impossibile trovare la cartella del programma</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» non è un numero intero valido</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Impossibile aprire il file %1</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Impossibile aprire il file %1: %2</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>Impossibile creare il file %1: %2</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>non è un file regolare</translation>
    </message>
    <message>
        <source>it is larger than 1 MiB</source>
        <translation>è più grande di 1 MiB</translation>
    </message>
    <message>
        <source>it is a link to a missing file</source>
        <translation>è un collegamento a un file mancante</translation>
    </message>
    <message>
        <source>it is a link to something that is not a regular file</source>
        <translation>è un collegamento a qualcosa che non è un file regolare</translation>
    </message>
    <message>
        <source>Cannot find the folder for the settings: the program&apos;s folder cannot be written, and neither HOME nor the user&apos;s account names a home folder</source>
        <translation>Impossibile trovare una cartella per le impostazioni: la cartella del programma non è scrivibile, e né HOME né l’account dell’utente indicano una cartella home</translation>
    </message>
</context>
<context>
    <name>SystemZone</name>
    <message>
        <source>Times for %1 (%2); set your place in Parameters</source>
        <translation>Orari per %1 (%2); imposta il tuo luogo nelle Preferenze</translation>
    </message>
    <message>
        <source>Times for %1 (%2) until you save a place here. Until then they follow the system time zone, so its switch stays on.</source>
        <translation>Orari per %1 (%2) finché non salvi qui un luogo. Fino ad allora seguono il fuso orario del sistema, quindi la sua casella resta attiva.</translation>
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
        <translation>1°: alba %1, tramonto %2</translation>
    </message>
    <message>
        <source>15th: sunrise %1, sunset %2</source>
        <translation>15: alba %1, tramonto %2</translation>
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
            <numerusform>e %n altra</numerusform>
            <numerusform>e altre %n</numerusform>
        </translation>
    </message>
    <message>
        <source>The year %1</source>
        <translation>L’anno %1</translation>
    </message>
</context>
<context>
    <name>solvane::CalendarsDialog</name>
    <message>
        <source>Calendars</source>
        <translation>Calendari</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Festività</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>State of the selected calendar</source>
        <translation>Stato del calendario selezionato</translation>
    </message>
    <message>
        <source>Add &amp;File...</source>
        <translation>Aggiungi &amp;file…</translation>
    </message>
    <message>
        <source>Add file</source>
        <translation>Aggiungi file</translation>
    </message>
    <message>
        <source>Add &amp;URL...</source>
        <translation>Aggiungi &amp;URL…</translation>
    </message>
    <message>
        <source>Add URL</source>
        <translation>Aggiungi URL</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Rimuovi</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Rena&amp;me...</source>
        <translation>Rino&amp;mina…</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rinomina</translation>
    </message>
    <message>
        <source>C&amp;olour...</source>
        <translation>C&amp;olore…</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Refresh No&amp;w</source>
        <translation>Aggior&amp;na ora</translation>
    </message>
    <message>
        <source>Refresh now</source>
        <translation>Aggiorna ora</translation>
    </message>
    <message>
        <source>&amp;Shown</source>
        <translation>&amp;Visibile</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>Visibile</translation>
    </message>
    <message>
        <source>&amp;Holidays</source>
        <translation>Fes&amp;tività</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>&amp;Calendars:</source>
        <translation>&amp;Calendari:</translation>
    </message>
    <message>
        <source>%1, colour %2</source>
        <translation>%1, colore %2</translation>
    </message>
    <message>
        <source>No calendars yet: add a calendar file or the address of one.</source>
        <translation>Ancora nessun calendario: aggiungi un file di calendario o l’indirizzo di uno.</translation>
    </message>
    <message>
        <source>Add a Calendar File</source>
        <translation>Aggiungi un file di calendario</translation>
    </message>
    <message>
        <source>Calendars (*.ics *.ical *.icalendar *.ifb);;All files (*)</source>
        <translation>Calendari (*.ics *.ical *.icalendar *.ifb);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Subscribe to a Calendar</source>
        <translation>Abbonati a un calendario</translation>
    </message>
    <message>
        <source>Address (http, https or webcal):</source>
        <translation>Indirizzo (http, https o webcal):</translation>
    </message>
    <message>
        <source>Rename Calendar</source>
        <translation>Rinomina il calendario</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Calendar Colour</source>
        <translation>Colore del calendario</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be added: give the whole path of a calendar file.</source>
        <translation>Impossibile aggiungere «%1»: indica il percorso completo di un file di calendario.</translation>
    </message>
    <message>
        <source>%1 is already in the list.</source>
        <translation>%1 è già nell’elenco.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an address Solvane can subscribe to. Give an address that begins with http://, https:// or webcal://.</source>
        <translation>«%1» non è un indirizzo a cui Solvane possa abbonarsi. Indica un indirizzo che inizi con http://, https:// o webcal://.</translation>
    </message>
    <message>
        <source>Remove the calendar &quot;%1&quot; from the list? Its events are no longer shown; the file or the subscription itself is left as it is.</source>
        <translation>Rimuovere il calendario «%1» dall’elenco? I suoi eventi non verranno più mostrati; il file o l’abbonamento restano come sono.</translation>
    </message>
    <message>
        <source>The list of calendars could not be saved to %1. %2</source>
        <translation>Impossibile salvare l’elenco dei calendari in %1. %2</translation>
    </message>
</context>
<context>
    <name>solvane::NoteEditor</name>
    <message>
        <source>Edit Note</source>
        <translation>Modifica la nota</translation>
    </message>
    <message>
        <source>Add Note</source>
        <translation>Aggiungi una nota</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Giorni</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Nota:</translation>
    </message>
    <message>
        <source>&amp;Days:</source>
        <translation>&amp;Giorni:</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Rimuovi</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>solvane::TCalendar</name>
    <message>
        <source>Sunrise</source>
        <translation>Alba</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Tramonto</translation>
    </message>
    <message>
        <source>Tool strip</source>
        <translation>Barra degli strumenti</translation>
    </message>
    <message>
        <source>Moon phase</source>
        <translation>Fase lunare</translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation>Anno precedente</translation>
    </message>
    <message>
        <source>Current year</source>
        <translation>Anno corrente</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Anno successivo</translation>
    </message>
    <message>
        <source>Compact view</source>
        <translation>Vista compatta</translation>
    </message>
    <message>
        <source>Enter a year</source>
        <translation>Inserisci un anno</translation>
    </message>
    <message>
        <source>Compact width</source>
        <translation>Larghezza compatta</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Week numbers</source>
        <translation>Numeri delle settimane</translation>
    </message>
    <message>
        <source>Display week number</source>
        <translation>Mostra i numeri delle settimane</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Preferenze</translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation>Sempre in primo piano</translation>
    </message>
    <message>
        <source>Tray</source>
        <extracomment>The button that hides the window to the notification area (system tray)</extracomment>
        <translation>Nell’area di notifica</translation>
    </message>
    <message>
        <source>YR:</source>
        <extracomment>&quot;Year:&quot;, before the field where a year is typed; a short word or abbreviation</extracomment>
        <translation>Anno:</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Anno</translation>
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
        <translation>Nessuna alba in questa data</translation>
    </message>
    <message>
        <source>No sunset this date</source>
        <translation>Nessun tramonto in questa data</translation>
    </message>
    <message>
        <source>Sun up or down all day</source>
        <translation>Sole sopra o sotto l’orizzonte tutto il giorno</translation>
    </message>
    <message>
        <source>Invalid N/S degrees in preferences.</source>
        <translation>Gradi N/S non validi nelle preferenze.</translation>
    </message>
    <message>
        <source>Invalid W/E degrees in preferences.</source>
        <translation>Gradi W/E non validi nelle preferenze.</translation>
    </message>
    <message>
        <source>Year must be between 1700 and 3000</source>
        <translation>L’anno deve essere compreso tra 1700 e 3000</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mese precedente</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mese successivo</translation>
    </message>
    <message>
        <source>Full year</source>
        <translation>Anno intero</translation>
    </message>
    <message>
        <source>Solvane     Today:  %1     Julian: %2</source>
        <extracomment>The window title: %1 is today&apos;s date, &quot;(12) Dec 07, 2026&quot;, %2 the ordinal (&quot;Julian&quot;) date, year.day of the year, of the day last clicked. Keep the wide spaces.</extracomment>
        <translation>Solvane     Oggi:  %1     Data giuliana: %2</translation>
    </message>
    <message>
        <source>Failed to set calendar date or time</source>
        <translation>Impossibile impostare la data o l’ora del calendario</translation>
    </message>
    <message>
        <source>Jan %1</source>
        <extracomment>the year button in the compact view, &quot;Jan 2027&quot;; the button is narrow</extracomment>
        <translation>gen %1</translation>
    </message>
    <message>
        <source>There is no notification area on this desktop, so Solvane stays visible.</source>
        <translation>Questo desktop non ha un’area di notifica, quindi Solvane resta visibile.</translation>
    </message>
    <message>
        <source>Without a home folder Solvane has nowhere to keep a list of calendars.</source>
        <translation>Senza una cartella home Solvane non ha dove tenere un elenco di calendari.</translation>
    </message>
    <message>
        <source>Add Note...</source>
        <translation>Aggiungi una nota…</translation>
    </message>
    <message>
        <source>Edit Note &quot;%1&quot;...</source>
        <translation>Modifica la nota «%1»…</translation>
    </message>
    <message>
        <source>Edit Note...</source>
        <translation>Modifica la nota…</translation>
    </message>
    <message>
        <source>Remove Note &quot;%1&quot;</source>
        <translation>Rimuovi la nota «%1»</translation>
    </message>
    <message>
        <source>Remove Note</source>
        <translation>Rimuovi la nota</translation>
    </message>
    <message>
        <source>Calendars...</source>
        <translation>Calendari…</translation>
    </message>
    <message>
        <source>The note could not be saved. %1</source>
        <translation>Impossibile salvare la nota. %1</translation>
    </message>
    <message>
        <source>Remove the note &quot;%1&quot;?</source>
        <translation>Rimuovere la nota «%1»?</translation>
    </message>
    <message>
        <source>The note could not be removed. %1</source>
        <translation>Impossibile rimuovere la nota. %1</translation>
    </message>
</context>
<context>
    <name>solvane::TColorComboBox</name>
    <message>
        <source>Black</source>
        <extracomment>Colour names in a box with room for about seven letters</extracomment>
        <translation>Nero</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Marrone</translation>
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
        <translation>Blu navy</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Viola</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Ottanio</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grigio</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Argento</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Lime</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Giallo</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fucsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Acqua</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Bianco</translation>
    </message>
</context>
<context>
    <name>solvane::TCurrencyEdit</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>«%1» non è un numero decimale valido</translation>
    </message>
</context>
<context>
    <name>solvane::THome</name>
    <message>
        <source>The program must be restarted for this option to take effect.</source>
        <translation>Il programma deve essere riavviato perché l’opzione abbia effetto.</translation>
    </message>
    <message>
        <source>Place and time</source>
        <translation>Luogo e ora</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Colori</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Preferenze</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitudine</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitudine</translation>
    </message>
    <message>
        <source>GMT Offset</source>
        <translation>Diff. GMT</translation>
    </message>
    <message>
        <source>Offset List</source>
        <translation>Elenco</translation>
    </message>
    <message>
        <source>Display military time</source>
        <extracomment>24-hour clock; the box is narrow</extracomment>
        <translation>Orario 24 ore</translation>
    </message>
    <message>
        <source>Hints</source>
        <extracomment>Tooltips on or off; the box has room for about eight letters</extracomment>
        <translation>Consigli</translation>
    </message>
    <message>
        <source>Use the system time zone</source>
        <translation>Usa il fuso orario di sistema</translation>
    </message>
    <message>
        <source>Title Bar Color</source>
        <translation>Barra del titolo</translation>
    </message>
    <message>
        <source>Title Text Color</source>
        <translation>Testo del titolo</translation>
    </message>
    <message>
        <source> Backgnd Color</source>
        <translation> Sfondo</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Trail Text Color</source>
        <translation>Altri mesi</translation>
    </message>
    <message>
        <source>Outline Color</source>
        <translation>Contorno</translation>
    </message>
    <message>
        <source>The system names no time zone</source>
        <translation>Il sistema non indica alcun fuso orario</translation>
    </message>
    <message>
        <source>On until you save a place</source>
        <translation>Attivo finché non salvi un luogo</translation>
    </message>
    <message>
        <source>&amp;Calendars...</source>
        <translation>&amp;Calendari…</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>Calendari</translation>
    </message>
</context>
<context>
    <name>solvane::TMonthCalendar</name>
    <message>
        <source>Failed to set calendar date or time</source>
        <translation>Impossibile impostare la data o l’ora del calendario</translation>
    </message>
</context>
<context>
    <name>solvane::TMoon</name>
    <message>
        <source>new moon</source>
        <translation>luna nuova</translation>
    </message>
    <message>
        <source>waxing crescent</source>
        <translation>luna crescente</translation>
    </message>
    <message>
        <source>first quarter</source>
        <translation>primo quarto</translation>
    </message>
    <message>
        <source>waxing gibbous</source>
        <translation>gibbosa crescente</translation>
    </message>
    <message>
        <source>full moon</source>
        <translation>luna piena</translation>
    </message>
    <message>
        <source>waning gibbous</source>
        <translation>gibbosa calante</translation>
    </message>
    <message>
        <source>last quarter</source>
        <translation>ultimo quarto</translation>
    </message>
    <message>
        <source>waning crescent</source>
        <translation>luna calante</translation>
    </message>
    <message>
        <source>%1, %2% of the disc lit</source>
        <extracomment>the moon phase&apos;s name, then the share of the disc that is lit, in per cent</extracomment>
        <translation>%1, %2% del disco illuminato</translation>
    </message>
</context>
<context>
    <name>solvane::TrayIcon</name>
    <message>
        <source>Show</source>
        <translation>Mostra</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Preferenze</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Stampa…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Nascondi</translation>
    </message>
    <message>
        <source>Sunrise %1, sunset %2</source>
        <translation>Alba %1, tramonto %2</translation>
    </message>
    <message>
        <source>Calendars...</source>
        <translation>Calendari…</translation>
    </message>
</context>
<context>
    <name>solvane::UserCalendars</name>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
</context>
<context>
    <name>solvane::events::NotesCalendar</name>
    <message>
        <source>The notes file %1 cannot be read; it is left as it is.</source>
        <translation>Impossibile leggere il file delle note %1; viene lasciato com’è.</translation>
    </message>
    <message>
        <source>The notes file %1 holds what this program cannot write back; it is left as it is.</source>
        <translation>Il file delle note %1 contiene ciò che questo programma non sa riscrivere; viene lasciato com’è.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Impossibile creare la cartella %1.</translation>
    </message>
    <message>
        <source>The notes could not be saved to %1: %2</source>
        <translation>Impossibile salvare le note in %1: %2</translation>
    </message>
</context>
</TS>
