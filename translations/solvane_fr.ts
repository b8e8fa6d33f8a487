<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>CalendarStateText</name>
    <message>
        <source>The file is not there.</source>
        <translation>Le fichier est absent.</translation>
    </message>
    <message>
        <source>The link leads to a file that is not there.</source>
        <translation>Le lien mène à un fichier absent.</translation>
    </message>
    <message>
        <source>This is a folder, not a calendar file.</source>
        <translation>C’est un dossier, pas un fichier de calendrier.</translation>
    </message>
    <message>
        <source>This is not a regular file (a pipe or a device); it is not read.</source>
        <translation>Ce n’est pas un fichier ordinaire (c’est un tube ou un périphérique) ; il n’est pas lu.</translation>
    </message>
    <message>
        <source>The calendar is too large to be read.</source>
        <translation>Le calendrier est trop volumineux pour être lu.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Le fichier ne peut pas être lu.</translation>
    </message>
    <message>
        <source>The address is not an http, https or webcal address.</source>
        <translation>L’adresse n’est pas une adresse http, https ou webcal.</translation>
    </message>
    <message>
        <source>The server cannot be reached.</source>
        <translation>Le serveur est injoignable.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate was refused; nothing was fetched.</source>
        <translation>Le certificat du serveur a été refusé ; rien n’a été récupéré.</translation>
    </message>
    <message>
        <source>The server answered with an error.</source>
        <translation>Le serveur a répondu par une erreur.</translation>
    </message>
    <message>
        <source>The server sent something that is not a calendar.</source>
        <translation>Le serveur a envoyé autre chose qu’un calendrier.</translation>
    </message>
    <message>
        <source>The server took too long.</source>
        <translation>Le serveur a mis trop de temps.</translation>
    </message>
    <message>
        <source>The server stopped sending.</source>
        <translation>Le serveur a cessé d’envoyer.</translation>
    </message>
    <message>
        <source>The server redirected too many times.</source>
        <translation>Le serveur a redirigé trop de fois.</translation>
    </message>
    <message>
        <source>The server&apos;s redirects lead in a circle.</source>
        <translation>Les redirections du serveur tournent en rond.</translation>
    </message>
    <message>
        <source>The https address redirected to plain http; refused.</source>
        <translation>L’adresse https a redirigé vers du http non chiffré ; refusé.</translation>
    </message>
    <message>
        <source>The list of calendars cannot be read.</source>
        <translation>La liste des calendriers ne peut pas être lue.</translation>
    </message>
    <message>
        <source>The list of calendars cannot be saved.</source>
        <translation>La liste des calendriers ne peut pas être enregistrée.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Fetching...</source>
        <translation>Récupération…</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Lecture…</translation>
    </message>
    <message>
        <source>Not read yet</source>
        <translation>Pas encore lu</translation>
    </message>
    <message>
        <source>1 event read</source>
        <translation>1 évènement lu</translation>
    </message>
    <message numerus="yes">
        <source>%n events read</source>
        <translation>
            <numerusform>%n évènement lu</numerusform>
            <numerusform>%n évènements lus</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, last refreshed %2</source>
        <translation>%1, dernière actualisation %2</translation>
    </message>
    <message>
        <source>Shown meanwhile: %1</source>
        <translation>Affiché en attendant : %1</translation>
    </message>
</context>
<context>
    <name>EventWords</name>
    <message>
        <source>Untitled event</source>
        <translation>Évènement sans titre</translation>
    </message>
    <message>
        <source>all day</source>
        <translation>toute la journée</translation>
    </message>
    <message>
        <source>from %1, repeating within the day</source>
        <translation>à partir de %1, répété dans la journée</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Jour férié</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Le fichier n’existe pas.</translation>
    </message>
    <message>
        <source>This is not a regular file (a folder, a pipe or a device).</source>
        <translation>Ce n’est pas un fichier ordinaire (c’est un dossier, un tube ou un périphérique).</translation>
    </message>
    <message>
        <source>The file is too large to be read.</source>
        <translation>Le fichier est trop volumineux pour être lu.</translation>
    </message>
    <message>
        <source>The file could not be read: %1.</source>
        <translation>Le fichier n’a pas pu être lu : %1.</translation>
    </message>
    <message>
        <source>No calendar was found in it.</source>
        <translation>Aucun calendrier n’y a été trouvé.</translation>
    </message>
    <message>
        <source>The file ends too early: what came before the end was kept.</source>
        <translation>Le fichier se termine trop tôt : ce qui précédait la fin a été conservé.</translation>
    </message>
    <message>
        <source>A value could not be read and was left out: %1</source>
        <translation>Une valeur n’a pas pu être lue et a été ignorée : %1</translation>
    </message>
    <message>
        <source>An event without a start was left out (%1).</source>
        <translation>Un évènement sans début a été ignoré (%1).</translation>
    </message>
    <message>
        <source>The time zone &quot;%1&quot; is unknown: its times may be off.</source>
        <translation>Le fuseau horaire « %1 » est inconnu : ses heures peuvent être décalées.</translation>
    </message>
    <message>
        <source>The local time zone is unknown: UTC is used.</source>
        <translation>Le fuseau horaire local est inconnu : UTC est utilisé.</translation>
    </message>
    <message>
        <source>A repeat rule could not be followed: only the first time is shown (%1).</source>
        <translation>Une règle de répétition n’a pas pu être suivie : seule la première occurrence est affichée (%1).</translation>
    </message>
    <message>
        <source>An event repeats too often: only its first times are shown (%1).</source>
        <translation>Un évènement se répète trop souvent : seules ses premières occurrences sont affichées (%1).</translation>
    </message>
    <message>
        <source>The calendar&apos;s repeats took too long: some are missing.</source>
        <translation>Les répétitions du calendrier ont pris trop de temps : certaines manquent.</translation>
    </message>
    <message>
        <source>Part of the calendar could not be read.</source>
        <translation>Une partie du calendrier n’a pas pu être lue.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1: %2 (%3)</source>
        <translation>%1 : %2 (%3)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>et %n autre</numerusform>
            <numerusform>et %n autres</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExportPdf</name>
    <message>
        <source>The year %1 is not a year from 1 to 9999.</source>
        <translation>L’année %1 n’est pas comprise entre 1 et 9999.</translation>
    </message>
    <message>
        <source>The paper %1 is not one of a4, a3, letter and legal.</source>
        <translation>Le papier %1 n’est pas l’un de a4, a3, letter et legal.</translation>
    </message>
    <message>
        <source>The argument %1 is not understood.</source>
        <translation>L’argument %1 n’est pas compris.</translation>
    </message>
    <message>
        <source>The option --export-pdf needs the name of the file to write.</source>
        <translation>L’option --export-pdf demande le nom du fichier à écrire.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written.</source>
        <translation>Le fichier %1 ne peut pas être écrit.</translation>
    </message>
    <message>
        <source>The holiday calendars took too long to read; the page has what was read.</source>
        <translation>La lecture des calendriers des jours fériés a pris trop de temps ; la page contient ce qui a été lu.</translation>
    </message>
</context>
<context>
    <name>Guard</name>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
</context>
<context>
    <name>LaunchWords</name>
    <message>
        <source>%1 is not an address to subscribe to.</source>
        <translation>%1 n’est pas une adresse à laquelle s’abonner.</translation>
    </message>
    <message>
        <source>%1 is not a file on this computer.</source>
        <translation>%1 n’est pas un fichier de cet ordinateur.</translation>
    </message>
    <message>
        <source>%1 is not an option of Solvane.</source>
        <translation>%1 n’est pas une option de Solvane.</translation>
    </message>
    <message>
        <source>%1: no such file.</source>
        <translation>%1 : fichier introuvable.</translation>
    </message>
    <message>
        <source>--holidays names no calendar after it.</source>
        <translation>--holidays n’est suivi d’aucun calendrier.</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
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
        <translation>%1, aujourd’hui, sélectionné</translation>
    </message>
    <message>
        <source>%1, today</source>
        <translation>%1, aujourd’hui</translation>
    </message>
    <message>
        <source>%1, selected</source>
        <translation>%1, sélectionné</translation>
    </message>
    <message>
        <source>Week %1</source>
        <translation>Semaine %1</translation>
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
        <translation>Le texte du champ %1 ne peut pas être enregistré : il dépasse %2 caractères.</translation>
    </message>
    <message>
        <source>The %1 text &quot;%2&quot; cannot be saved: prefs.cal holds only Western European (Latin-1) characters.</source>
        <translation>Le texte « %2 » du champ %1 ne peut pas être enregistré : prefs.cal ne contient que des caractères d’Europe occidentale (Latin-1).</translation>
    </message>
    <message>
        <source>Invalid N/S degrees in preferences.</source>
        <translation>Degrés N/S non valides dans les paramètres.</translation>
    </message>
    <message>
        <source>Invalid W/E degrees in preferences.</source>
        <translation>Degrés W/E non valides dans les paramètres.</translation>
    </message>
</context>
<context>
    <name>PrefsFile</name>
    <message>
        <source>Cannot find the folder of the program</source>
        <translation>Impossible de trouver le dossier du programme</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>« %1 » n’est pas un nombre entier valide</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Impossible d’ouvrir le fichier %1</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Impossible d’ouvrir le fichier %1 : %2</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>Impossible de créer le fichier %1 : %2</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is larger than 1 MiB</source>
        <translation>il dépasse 1 Mio</translation>
    </message>
    <message>
        <source>it is a link to a missing file</source>
        <translation>c’est un lien vers un fichier absent</translation>
    </message>
    <message>
        <source>it is a link to something that is not a regular file</source>
        <translation>c’est un lien vers quelque chose qui n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Cannot find the folder for the settings: the program&apos;s folder cannot be written, and neither HOME nor the user&apos;s account names a home folder</source>
        <translation>Impossible de trouver un dossier pour les paramètres : le dossier du programme n’est pas accessible en écriture, et ni HOME ni le compte de l’utilisateur n’indiquent de dossier personnel</translation>
    </message>
</context>
<context>
    <name>SystemZone</name>
    <message>
        <source>Times for %1 (%2); set your place in Parameters</source>
        <translation>Heures pour %1 (%2) ; indiquez votre lieu dans les Paramètres</translation>
    </message>
    <message>
        <source>Times for %1 (%2) until you save a place here. Until then they follow the system time zone, so its switch stays on.</source>
        <translation>Heures pour %1 (%2) jusqu’à ce que vous enregistriez un lieu ici. D’ici là, elles suivent le fuseau du système, donc sa case reste cochée.</translation>
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
        <translation>1er : lever %1, coucher %2</translation>
    </message>
    <message>
        <source>15th: sunrise %1, sunset %2</source>
        <translation>15 : lever %1, coucher %2</translation>
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
            <numerusform>et %n autre</numerusform>
            <numerusform>et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>The year %1</source>
        <translation>L’année %1</translation>
    </message>
</context>
<context>
    <name>solvane::CalendarsDialog</name>
    <message>
        <source>Calendars</source>
        <translation>Calendriers</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Jours fériés</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>State of the selected calendar</source>
        <translation>État du calendrier sélectionné</translation>
    </message>
    <message>
        <source>Add &amp;File...</source>
        <translation>Ajouter un &amp;fichier…</translation>
    </message>
    <message>
        <source>Add file</source>
        <translation>Ajouter un fichier</translation>
    </message>
    <message>
        <source>Add &amp;URL...</source>
        <translation>Ajouter une &amp;adresse…</translation>
    </message>
    <message>
        <source>Add URL</source>
        <translation>Ajouter une adresse</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Rena&amp;me...</source>
        <translation>Reno&amp;mmer…</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>C&amp;olour...</source>
        <translation>Co&amp;uleur…</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Refresh No&amp;w</source>
        <translation>Ac&amp;tualiser maintenant</translation>
    </message>
    <message>
        <source>Refresh now</source>
        <translation>Actualiser maintenant</translation>
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
        <translation>&amp;Jours fériés</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&amp;Calendars:</source>
        <translation>&amp;Calendriers :</translation>
    </message>
    <message>
        <source>%1, colour %2</source>
        <translation>%1, couleur %2</translation>
    </message>
    <message>
        <source>No calendars yet: add a calendar file or the address of one.</source>
        <translation>Aucun calendrier pour l’instant : ajoutez un fichier de calendrier ou l’adresse d’un calendrier.</translation>
    </message>
    <message>
        <source>Add a Calendar File</source>
        <translation>Ajouter un fichier de calendrier</translation>
    </message>
    <message>
        <source>Calendars (*.ics *.ical *.icalendar *.ifb);;All files (*)</source>
        <translation>Calendriers (*.ics *.ical *.icalendar *.ifb);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Subscribe to a Calendar</source>
        <translation>S’abonner à un calendrier</translation>
    </message>
    <message>
        <source>Address (http, https or webcal):</source>
        <translation>Adresse (http, https ou webcal) :</translation>
    </message>
    <message>
        <source>Rename Calendar</source>
        <translation>Renommer le calendrier</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Calendar Colour</source>
        <translation>Couleur du calendrier</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be added: give the whole path of a calendar file.</source>
        <translation>« %1 » ne peut pas être ajouté : indiquez le chemin complet d’un fichier de calendrier.</translation>
    </message>
    <message>
        <source>%1 is already in the list.</source>
        <translation>%1 est déjà dans la liste.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an address Solvane can subscribe to. Give an address that begins with http://, https:// or webcal://.</source>
        <translation>« %1 » n’est pas une adresse à laquelle Solvane peut s’abonner. Indiquez une adresse qui commence par http://, https:// ou webcal://.</translation>
    </message>
    <message>
        <source>Remove the calendar &quot;%1&quot; from the list? Its events are no longer shown; the file or the subscription itself is left as it is.</source>
        <translation>Retirer le calendrier « %1 » de la liste ? Ses évènements ne seront plus affichés ; le fichier ou l’abonnement lui-même est laissé tel quel.</translation>
    </message>
    <message>
        <source>The list of calendars could not be saved to %1. %2</source>
        <translation>La liste des calendriers n’a pas pu être enregistrée dans %1. %2</translation>
    </message>
</context>
<context>
    <name>solvane::NoteEditor</name>
    <message>
        <source>Edit Note</source>
        <translation>Modifier la note</translation>
    </message>
    <message>
        <source>Add Note</source>
        <translation>Ajouter une note</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Jours</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Note :</translation>
    </message>
    <message>
        <source>&amp;Days:</source>
        <translation>&amp;Jours :</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>solvane::TCalendar</name>
    <message>
        <source>Sunrise</source>
        <translation>Lever du soleil</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Coucher du soleil</translation>
    </message>
    <message>
        <source>Tool strip</source>
        <translation>Barre d’outils</translation>
    </message>
    <message>
        <source>Moon phase</source>
        <translation>Phase de la lune</translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation>Année précédente</translation>
    </message>
    <message>
        <source>Current year</source>
        <translation>Année en cours</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Année suivante</translation>
    </message>
    <message>
        <source>Compact view</source>
        <translation>Vue compacte</translation>
    </message>
    <message>
        <source>Enter a year</source>
        <translation>Saisir une année</translation>
    </message>
    <message>
        <source>Compact width</source>
        <translation>Largeur compacte</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Week numbers</source>
        <translation>Numéros de semaine</translation>
    </message>
    <message>
        <source>Display week number</source>
        <translation>Afficher les numéros de semaine</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation>Toujours au premier plan</translation>
    </message>
    <message>
        <source>Tray</source>
        <extracomment>The button that hides the window to the notification area (system tray)</extracomment>
        <translation>Dans la zone de notification</translation>
    </message>
    <message>
        <source>YR:</source>
        <extracomment>&quot;Year:&quot;, before the field where a year is typed; a short word or abbreviation</extracomment>
        <translation>An :</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
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
        <translation>Pas de lever du soleil ce jour-là</translation>
    </message>
    <message>
        <source>No sunset this date</source>
        <translation>Pas de coucher du soleil ce jour-là</translation>
    </message>
    <message>
        <source>Sun up or down all day</source>
        <translation>Soleil levé ou couché toute la journée</translation>
    </message>
    <message>
        <source>Invalid N/S degrees in preferences.</source>
        <translation>Degrés N/S non valides dans les paramètres.</translation>
    </message>
    <message>
        <source>Invalid W/E degrees in preferences.</source>
        <translation>Degrés W/E non valides dans les paramètres.</translation>
    </message>
    <message>
        <source>Year must be between 1700 and 3000</source>
        <translation>L’année doit être comprise entre 1700 et 3000</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mois précédent</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mois suivant</translation>
    </message>
    <message>
        <source>Full year</source>
        <translation>Année entière</translation>
    </message>
    <message>
        <source>Solvane     Today:  %1     Julian: %2</source>
        <extracomment>The window title: %1 is today&apos;s date, &quot;(12) Dec 07, 2026&quot;, %2 the ordinal (&quot;Julian&quot;) date, year.day of the year, of the day last clicked. Keep the wide spaces.</extracomment>
        <translation>Solvane     Aujourd’hui :  %1     Quantième : %2</translation>
    </message>
    <message>
        <source>Failed to set calendar date or time</source>
        <translation>Impossible de régler la date ou l’heure du calendrier</translation>
    </message>
    <message>
        <source>Jan %1</source>
        <extracomment>the year button in the compact view, &quot;Jan 2027&quot;; the button is narrow</extracomment>
        <translation>janv. %1</translation>
    </message>
    <message>
        <source>There is no notification area on this desktop, so Solvane stays visible.</source>
        <translation>Ce bureau n’a pas de zone de notification, Solvane reste donc visible.</translation>
    </message>
    <message>
        <source>Without a home folder Solvane has nowhere to keep a list of calendars.</source>
        <translation>Sans dossier personnel, Solvane n’a nulle part où garder une liste de calendriers.</translation>
    </message>
    <message>
        <source>Add Note...</source>
        <translation>Ajouter une note…</translation>
    </message>
    <message>
        <source>Edit Note &quot;%1&quot;...</source>
        <translation>Modifier la note « %1 »…</translation>
    </message>
    <message>
        <source>Edit Note...</source>
        <translation>Modifier la note…</translation>
    </message>
    <message>
        <source>Remove Note &quot;%1&quot;</source>
        <translation>Supprimer la note « %1 »</translation>
    </message>
    <message>
        <source>Remove Note</source>
        <translation>Supprimer la note</translation>
    </message>
    <message>
        <source>Calendars...</source>
        <translation>Calendriers…</translation>
    </message>
    <message>
        <source>The note could not be saved. %1</source>
        <translation>La note n’a pas pu être enregistrée. %1</translation>
    </message>
    <message>
        <source>Remove the note &quot;%1&quot;?</source>
        <translation>Supprimer la note « %1 » ?</translation>
    </message>
    <message>
        <source>The note could not be removed. %1</source>
        <translation>La note n’a pas pu être supprimée. %1</translation>
    </message>
</context>
<context>
    <name>solvane::TColorComboBox</name>
    <message>
        <source>Black</source>
        <extracomment>Colour names in a box with room for about seven letters</extracomment>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Marron</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Olive</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Marine</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Sarcelle</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Argent</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Vert vif</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
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
        <translation>Blanc</translation>
    </message>
</context>
<context>
    <name>solvane::TCurrencyEdit</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>« %1 » n’est pas un nombre décimal valide</translation>
    </message>
</context>
<context>
    <name>solvane::THome</name>
    <message>
        <source>The program must be restarted for this option to take effect.</source>
        <translation>Le programme doit être redémarré pour que cette option prenne effet.</translation>
    </message>
    <message>
        <source>Place and time</source>
        <translation>Lieu et heure</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>GMT Offset</source>
        <translation>Écart GMT</translation>
    </message>
    <message>
        <source>Offset List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Display military time</source>
        <extracomment>24-hour clock; the box is narrow</extracomment>
        <translation>Heure sur 24 h</translation>
    </message>
    <message>
        <source>Hints</source>
        <extracomment>Tooltips on or off; the box has room for about eight letters</extracomment>
        <translation>Bulles</translation>
    </message>
    <message>
        <source>Use the system time zone</source>
        <translation>Utiliser le fuseau du système</translation>
    </message>
    <message>
        <source>Title Bar Color</source>
        <translation>Barre de titre</translation>
    </message>
    <message>
        <source>Title Text Color</source>
        <translation>Texte du titre</translation>
    </message>
    <message>
        <source> Backgnd Color</source>
        <translation> Arrière-plan</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Trail Text Color</source>
        <translation>Autres mois</translation>
    </message>
    <message>
        <source>Outline Color</source>
        <translation>Contour</translation>
    </message>
    <message>
        <source>The system names no time zone</source>
        <translation>Le système n’indique aucun fuseau horaire</translation>
    </message>
    <message>
        <source>On until you save a place</source>
        <translation>Coché tant qu’aucun lieu n’est enregistré</translation>
    </message>
    <message>
        <source>&amp;Calendars...</source>
        <translation>&amp;Calendriers…</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>Calendriers</translation>
    </message>
</context>
<context>
    <name>solvane::TMonthCalendar</name>
    <message>
        <source>Failed to set calendar date or time</source>
        <translation>Impossible de régler la date ou l’heure du calendrier</translation>
    </message>
</context>
<context>
    <name>solvane::TMoon</name>
    <message>
        <source>new moon</source>
        <translation>nouvelle lune</translation>
    </message>
    <message>
        <source>waxing crescent</source>
        <translation>premier croissant</translation>
    </message>
    <message>
        <source>first quarter</source>
        <translation>premier quartier</translation>
    </message>
    <message>
        <source>waxing gibbous</source>
        <translation>gibbeuse croissante</translation>
    </message>
    <message>
        <source>full moon</source>
        <translation>pleine lune</translation>
    </message>
    <message>
        <source>waning gibbous</source>
        <translation>gibbeuse décroissante</translation>
    </message>
    <message>
        <source>last quarter</source>
        <translation>dernier quartier</translation>
    </message>
    <message>
        <source>waning crescent</source>
        <translation>dernier croissant</translation>
    </message>
    <message>
        <source>%1, %2% of the disc lit</source>
        <extracomment>the moon phase&apos;s name, then the share of the disc that is lit, in per cent</extracomment>
        <translation>%1, %2 % du disque éclairé</translation>
    </message>
</context>
<context>
    <name>solvane::TrayIcon</name>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimer…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Masquer</translation>
    </message>
    <message>
        <source>Sunrise %1, sunset %2</source>
        <translation>Lever du soleil %1, coucher %2</translation>
    </message>
    <message>
        <source>Calendars...</source>
        <translation>Calendriers…</translation>
    </message>
</context>
<context>
    <name>solvane::UserCalendars</name>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
</context>
<context>
    <name>solvane::events::NotesCalendar</name>
    <message>
        <source>The notes file %1 cannot be read; it is left as it is.</source>
        <translation>Le fichier de notes %1 ne peut pas être lu ; il est laissé tel quel.</translation>
    </message>
    <message>
        <source>The notes file %1 holds what this program cannot write back; it is left as it is.</source>
        <translation>Le fichier de notes %1 contient ce que ce programme ne sait pas réécrire ; il est laissé tel quel.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Le dossier %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>The notes could not be saved to %1: %2</source>
        <translation>Les notes n’ont pas pu être enregistrées dans %1 : %2</translation>
    </message>
</context>
</TS>
