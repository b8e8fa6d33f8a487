<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>CalendarStateText</name>
    <message>
        <source>The file is not there.</source>
        <translation>O arquivo não está lá.</translation>
    </message>
    <message>
        <source>The link leads to a file that is not there.</source>
        <translation>O link leva a um arquivo que não está lá.</translation>
    </message>
    <message>
        <source>This is a folder, not a calendar file.</source>
        <translation>É uma pasta, não um arquivo de calendário.</translation>
    </message>
    <message>
        <source>This is not a regular file (a pipe or a device); it is not read.</source>
        <translation>Não é um arquivo comum (é um pipe ou um dispositivo); não é lido.</translation>
    </message>
    <message>
        <source>The calendar is too large to be read.</source>
        <translation>O calendário é grande demais para ser lido.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Não é possível ler o arquivo.</translation>
    </message>
    <message>
        <source>The address is not an http, https or webcal address.</source>
        <translation>O endereço não é um endereço http, https ou webcal.</translation>
    </message>
    <message>
        <source>The server cannot be reached.</source>
        <translation>Não é possível alcançar o servidor.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate was refused; nothing was fetched.</source>
        <translation>O certificado do servidor foi recusado; nada foi baixado.</translation>
    </message>
    <message>
        <source>The server answered with an error.</source>
        <translation>O servidor respondeu com um erro.</translation>
    </message>
    <message>
        <source>The server sent something that is not a calendar.</source>
        <translation>O servidor enviou algo que não é um calendário.</translation>
    </message>
    <message>
        <source>The server took too long.</source>
        <translation>O servidor demorou demais.</translation>
    </message>
    <message>
        <source>The server stopped sending.</source>
        <translation>O servidor parou de enviar.</translation>
    </message>
    <message>
        <source>The server redirected too many times.</source>
        <translation>O servidor redirecionou vezes demais.</translation>
    </message>
    <message>
        <source>The server&apos;s redirects lead in a circle.</source>
        <translation>Os redirecionamentos do servidor andam em círculo.</translation>
    </message>
    <message>
        <source>The https address redirected to plain http; refused.</source>
        <translation>O endereço https redirecionou para http sem criptografia; recusado.</translation>
    </message>
    <message>
        <source>The list of calendars cannot be read.</source>
        <translation>Não é possível ler a lista de calendários.</translation>
    </message>
    <message>
        <source>The list of calendars cannot be saved.</source>
        <translation>Não é possível salvar a lista de calendários.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Fetching...</source>
        <translation>Baixando…</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Lendo…</translation>
    </message>
    <message>
        <source>Not read yet</source>
        <translation>Ainda não lido</translation>
    </message>
    <message>
        <source>1 event read</source>
        <translation>1 evento lido</translation>
    </message>
    <message numerus="yes">
        <source>%n events read</source>
        <translation>
            <numerusform>%n evento lido</numerusform>
            <numerusform>%n eventos lidos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, last refreshed %2</source>
        <translation>%1, última atualização %2</translation>
    </message>
    <message>
        <source>Shown meanwhile: %1</source>
        <translation>Mostrado enquanto isso: %1</translation>
    </message>
</context>
<context>
    <name>EventWords</name>
    <message>
        <source>Untitled event</source>
        <translation>Evento sem título</translation>
    </message>
    <message>
        <source>all day</source>
        <translation>dia inteiro</translation>
    </message>
    <message>
        <source>from %1, repeating within the day</source>
        <translation>a partir de %1, repetindo-se ao longo do dia</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 às %2</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Feriado</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>O arquivo não existe.</translation>
    </message>
    <message>
        <source>This is not a regular file (a folder, a pipe or a device).</source>
        <translation>Não é um arquivo comum (é uma pasta, um pipe ou um dispositivo).</translation>
    </message>
    <message>
        <source>The file is too large to be read.</source>
        <translation>O arquivo é grande demais para ser lido.</translation>
    </message>
    <message>
        <source>The file could not be read: %1.</source>
        <translation>Não foi possível ler o arquivo: %1.</translation>
    </message>
    <message>
        <source>No calendar was found in it.</source>
        <translation>Nenhum calendário foi encontrado nele.</translation>
    </message>
    <message>
        <source>The file ends too early: what came before the end was kept.</source>
        <translation>O arquivo termina cedo demais: o que vinha antes do fim foi mantido.</translation>
    </message>
    <message>
        <source>A value could not be read and was left out: %1</source>
        <translation>Um valor não pôde ser lido e foi omitido: %1</translation>
    </message>
    <message>
        <source>An event without a start was left out (%1).</source>
        <translation>Um evento sem início foi omitido (%1).</translation>
    </message>
    <message>
        <source>The time zone &quot;%1&quot; is unknown: its times may be off.</source>
        <translation>O fuso horário “%1” é desconhecido: seus horários podem estar errados.</translation>
    </message>
    <message>
        <source>The local time zone is unknown: UTC is used.</source>
        <translation>O fuso horário local é desconhecido: usa-se UTC.</translation>
    </message>
    <message>
        <source>A repeat rule could not be followed: only the first time is shown (%1).</source>
        <translation>Não foi possível seguir uma regra de repetição: só a primeira vez é mostrada (%1).</translation>
    </message>
    <message>
        <source>An event repeats too often: only its first times are shown (%1).</source>
        <translation>Um evento se repete vezes demais: só as primeiras são mostradas (%1).</translation>
    </message>
    <message>
        <source>The calendar&apos;s repeats took too long: some are missing.</source>
        <translation>As repetições do calendário demoraram demais: algumas estão faltando.</translation>
    </message>
    <message>
        <source>Part of the calendar could not be read.</source>
        <translation>Parte do calendário não pôde ser lida.</translation>
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
            <numerusform>e mais %n</numerusform>
            <numerusform>e mais %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExportPdf</name>
    <message>
        <source>The year %1 is not a year from 1 to 9999.</source>
        <translation>O ano %1 não está entre 1 e 9999.</translation>
    </message>
    <message>
        <source>The paper %1 is not one of a4, a3, letter and legal.</source>
        <translation>O papel %1 não é um de a4, a3, letter e legal.</translation>
    </message>
    <message>
        <source>The argument %1 is not understood.</source>
        <translation>O argumento %1 não é reconhecido.</translation>
    </message>
    <message>
        <source>The option --export-pdf needs the name of the file to write.</source>
        <translation>A opção --export-pdf precisa do nome do arquivo a gravar.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written.</source>
        <translation>Não é possível gravar o arquivo %1.</translation>
    </message>
    <message>
        <source>The holiday calendars took too long to read; the page has what was read.</source>
        <translation>Os calendários de feriados demoraram demais para ser lidos; a página tem o que foi lido.</translation>
    </message>
</context>
<context>
    <name>Guard</name>
    <message>
        <source>Unknown error</source>
        <translation>Erro desconhecido</translation>
    </message>
</context>
<context>
    <name>LaunchWords</name>
    <message>
        <source>%1 is not an address to subscribe to.</source>
        <translation>%1 não é um endereço para assinar.</translation>
    </message>
    <message>
        <source>%1 is not a file on this computer.</source>
        <translation>%1 não é um arquivo deste computador.</translation>
    </message>
    <message>
        <source>%1 is not an option of Solvane.</source>
        <translation>%1 não é uma opção do Solvane.</translation>
    </message>
    <message>
        <source>%1: no such file.</source>
        <translation>%1: arquivo inexistente.</translation>
    </message>
    <message>
        <source>--holidays names no calendar after it.</source>
        <translation>--holidays não é seguido de nenhum calendário.</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
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
        <translation>%1, hoje, selecionado</translation>
    </message>
    <message>
        <source>%1, today</source>
        <translation>%1, hoje</translation>
    </message>
    <message>
        <source>%1, selected</source>
        <translation>%1, selecionado</translation>
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
        <translation>O texto do campo %1 não pode ser salvo: tem mais de %2 caracteres.</translation>
    </message>
    <message>
        <source>The %1 text &quot;%2&quot; cannot be saved: prefs.cal holds only Western European (Latin-1) characters.</source>
        <translation>O texto “%2” do campo %1 não pode ser salvo: prefs.cal só guarda caracteres da Europa Ocidental (Latin-1).</translation>
    </message>
    <message>
        <source>Invalid N/S degrees in preferences.</source>
        <translation>Graus N/S inválidos nas preferências.</translation>
    </message>
    <message>
        <source>Invalid W/E degrees in preferences.</source>
        <translation>Graus W/E inválidos nas preferências.</translation>
    </message>
</context>
<context>
    <name>PrefsFile</name>
    <message>
        <source>Cannot find the folder of the program</source>
        <translation>Não foi possível encontrar a pasta do programa</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>“%1” não é um número inteiro válido</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Não é possível abrir o arquivo %1</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Não é possível abrir o arquivo %1: %2</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>Não é possível criar o arquivo %1: %2</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>it is larger than 1 MiB</source>
        <translation>é maior que 1 MiB</translation>
    </message>
    <message>
        <source>it is a link to a missing file</source>
        <translation>é um link para um arquivo inexistente</translation>
    </message>
    <message>
        <source>it is a link to something that is not a regular file</source>
        <translation>é um link para algo que não é um arquivo comum</translation>
    </message>
    <message>
        <source>Cannot find the folder for the settings: the program&apos;s folder cannot be written, and neither HOME nor the user&apos;s account names a home folder</source>
        <translation>Não foi possível encontrar uma pasta para as configurações: a pasta do programa não pode ser gravada, e nem HOME nem a conta do usuário indicam uma pasta pessoal</translation>
    </message>
</context>
<context>
    <name>SystemZone</name>
    <message>
        <source>Times for %1 (%2); set your place in Parameters</source>
        <translation>Horários para %1 (%2); defina seu local nas Preferências</translation>
    </message>
    <message>
        <source>Times for %1 (%2) until you save a place here. Until then they follow the system time zone, so its switch stays on.</source>
        <translation>Horários para %1 (%2) até você salvar um local aqui. Até lá eles seguem o fuso horário do sistema, por isso a caixa continua marcada.</translation>
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
        <translation>L</translation>
    </message>
    <message>
        <source>%1 — %2 (%3)</source>
        <translation>%1 — %2 (%3)</translation>
    </message>
    <message>
        <source>1st: sunrise %1, sunset %2</source>
        <translation>Dia 1: nascer %1, ocaso %2</translation>
    </message>
    <message>
        <source>15th: sunrise %1, sunset %2</source>
        <translation>Dia 15: nascer %1, ocaso %2</translation>
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
            <numerusform>e mais %n</numerusform>
            <numerusform>e mais %n</numerusform>
        </translation>
    </message>
    <message>
        <source>The year %1</source>
        <translation>O ano %1</translation>
    </message>
</context>
<context>
    <name>solvane::CalendarsDialog</name>
    <message>
        <source>Calendars</source>
        <translation>Calendários</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendário</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Feriados</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>State of the selected calendar</source>
        <translation>Estado do calendário selecionado</translation>
    </message>
    <message>
        <source>Add &amp;File...</source>
        <translation>Adicionar &amp;arquivo…</translation>
    </message>
    <message>
        <source>Add file</source>
        <translation>Adicionar arquivo</translation>
    </message>
    <message>
        <source>Add &amp;URL...</source>
        <translation>Adicionar &amp;URL…</translation>
    </message>
    <message>
        <source>Add URL</source>
        <translation>Adicionar URL</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Remover</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Rena&amp;me...</source>
        <translation>Reno&amp;mear…</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renomear</translation>
    </message>
    <message>
        <source>C&amp;olour...</source>
        <translation>C&amp;or…</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>Refresh No&amp;w</source>
        <translation>A&amp;tualizar agora</translation>
    </message>
    <message>
        <source>Refresh now</source>
        <translation>Atualizar agora</translation>
    </message>
    <message>
        <source>&amp;Shown</source>
        <translation>&amp;Visível</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>Visível</translation>
    </message>
    <message>
        <source>&amp;Holidays</source>
        <translation>&amp;Feriados</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>&amp;Calendars:</source>
        <translation>&amp;Calendários:</translation>
    </message>
    <message>
        <source>%1, colour %2</source>
        <translation>%1, cor %2</translation>
    </message>
    <message>
        <source>No calendars yet: add a calendar file or the address of one.</source>
        <translation>Ainda não há calendários: adicione um arquivo de calendário ou o endereço de um.</translation>
    </message>
    <message>
        <source>Add a Calendar File</source>
        <translation>Adicionar um arquivo de calendário</translation>
    </message>
    <message>
        <source>Calendars (*.ics *.ical *.icalendar *.ifb);;All files (*)</source>
        <translation>Calendários (*.ics *.ical *.icalendar *.ifb);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Subscribe to a Calendar</source>
        <translation>Assinar um calendário</translation>
    </message>
    <message>
        <source>Address (http, https or webcal):</source>
        <translation>Endereço (http, https ou webcal):</translation>
    </message>
    <message>
        <source>Rename Calendar</source>
        <translation>Renomear o calendário</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Calendar Colour</source>
        <translation>Cor do calendário</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be added: give the whole path of a calendar file.</source>
        <translation>Não é possível adicionar “%1”: informe o caminho completo de um arquivo de calendário.</translation>
    </message>
    <message>
        <source>%1 is already in the list.</source>
        <translation>%1 já está na lista.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an address Solvane can subscribe to. Give an address that begins with http://, https:// or webcal://.</source>
        <translation>“%1” não é um endereço que o Solvane possa assinar. Informe um endereço que comece com http://, https:// ou webcal://.</translation>
    </message>
    <message>
        <source>Remove the calendar &quot;%1&quot; from the list? Its events are no longer shown; the file or the subscription itself is left as it is.</source>
        <translation>Remover o calendário “%1” da lista? Seus eventos deixam de ser mostrados; o arquivo ou a assinatura em si ficam como estão.</translation>
    </message>
    <message>
        <source>The list of calendars could not be saved to %1. %2</source>
        <translation>Não foi possível salvar a lista de calendários em %1. %2</translation>
    </message>
</context>
<context>
    <name>solvane::NoteEditor</name>
    <message>
        <source>Edit Note</source>
        <translation>Editar a nota</translation>
    </message>
    <message>
        <source>Add Note</source>
        <translation>Adicionar uma nota</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Dias</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Nota:</translation>
    </message>
    <message>
        <source>&amp;Days:</source>
        <translation>&amp;Dias:</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Remover</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
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
        <translation>Nascer do sol</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Pôr do sol</translation>
    </message>
    <message>
        <source>Tool strip</source>
        <translation>Barra de ferramentas</translation>
    </message>
    <message>
        <source>Moon phase</source>
        <translation>Fase da lua</translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation>Ano anterior</translation>
    </message>
    <message>
        <source>Current year</source>
        <translation>Ano atual</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Próximo ano</translation>
    </message>
    <message>
        <source>Compact view</source>
        <translation>Visão compacta</translation>
    </message>
    <message>
        <source>Enter a year</source>
        <translation>Digitar um ano</translation>
    </message>
    <message>
        <source>Compact width</source>
        <translation>Largura compacta</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Week numbers</source>
        <translation>Números da semana</translation>
    </message>
    <message>
        <source>Display week number</source>
        <translation>Mostrar os números da semana</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Preferências</translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation>Sempre no topo</translation>
    </message>
    <message>
        <source>Tray</source>
        <extracomment>The button that hides the window to the notification area (system tray)</extracomment>
        <translation>Para a área de notificação</translation>
    </message>
    <message>
        <source>YR:</source>
        <extracomment>&quot;Year:&quot;, before the field where a year is typed; a short word or abbreviation</extracomment>
        <translation>Ano:</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Ano</translation>
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
        <translation>Sem nascer do sol nesta data</translation>
    </message>
    <message>
        <source>No sunset this date</source>
        <translation>Sem pôr do sol nesta data</translation>
    </message>
    <message>
        <source>Sun up or down all day</source>
        <translation>Sol acima ou abaixo do horizonte o dia todo</translation>
    </message>
    <message>
        <source>Invalid N/S degrees in preferences.</source>
        <translation>Graus N/S inválidos nas preferências.</translation>
    </message>
    <message>
        <source>Invalid W/E degrees in preferences.</source>
        <translation>Graus W/E inválidos nas preferências.</translation>
    </message>
    <message>
        <source>Year must be between 1700 and 3000</source>
        <translation>O ano deve estar entre 1700 e 3000</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mês anterior</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Próximo mês</translation>
    </message>
    <message>
        <source>Full year</source>
        <translation>Ano inteiro</translation>
    </message>
    <message>
        <source>Solvane     Today:  %1     Julian: %2</source>
        <extracomment>The window title: %1 is today&apos;s date, &quot;(12) Dec 07, 2026&quot;, %2 the ordinal (&quot;Julian&quot;) date, year.day of the year, of the day last clicked. Keep the wide spaces.</extracomment>
        <translation>Solvane     Hoje:  %1     Data juliana: %2</translation>
    </message>
    <message>
        <source>Failed to set calendar date or time</source>
        <translation>Não foi possível definir a data ou a hora do calendário</translation>
    </message>
    <message>
        <source>Jan %1</source>
        <extracomment>the year button in the compact view, &quot;Jan 2027&quot;; the button is narrow</extracomment>
        <translation>jan %1</translation>
    </message>
    <message>
        <source>There is no notification area on this desktop, so Solvane stays visible.</source>
        <translation>Esta área de trabalho não tem área de notificação, por isso o Solvane continua visível.</translation>
    </message>
    <message>
        <source>Without a home folder Solvane has nowhere to keep a list of calendars.</source>
        <translation>Sem uma pasta pessoal o Solvane não tem onde guardar uma lista de calendários.</translation>
    </message>
    <message>
        <source>Add Note...</source>
        <translation>Adicionar uma nota…</translation>
    </message>
    <message>
        <source>Edit Note &quot;%1&quot;...</source>
        <translation>Editar a nota “%1”…</translation>
    </message>
    <message>
        <source>Edit Note...</source>
        <translation>Editar a nota…</translation>
    </message>
    <message>
        <source>Remove Note &quot;%1&quot;</source>
        <translation>Remover a nota “%1”</translation>
    </message>
    <message>
        <source>Remove Note</source>
        <translation>Remover a nota</translation>
    </message>
    <message>
        <source>Calendars...</source>
        <translation>Calendários…</translation>
    </message>
    <message>
        <source>The note could not be saved. %1</source>
        <translation>Não foi possível salvar a nota. %1</translation>
    </message>
    <message>
        <source>Remove the note &quot;%1&quot;?</source>
        <translation>Remover a nota “%1”?</translation>
    </message>
    <message>
        <source>The note could not be removed. %1</source>
        <translation>Não foi possível remover a nota. %1</translation>
    </message>
</context>
<context>
    <name>solvane::TColorComboBox</name>
    <message>
        <source>Black</source>
        <extracomment>Colour names in a box with room for about seven letters</extracomment>
        <translation>Preto</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Grená</translation>
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
        <translation>Marinho</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Roxo</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Petróleo</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Cinza</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Prata</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Vermelho</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Lima</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarelo</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fúcsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Ciano</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Branco</translation>
    </message>
</context>
<context>
    <name>solvane::TCurrencyEdit</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>“%1” não é um número decimal válido</translation>
    </message>
</context>
<context>
    <name>solvane::THome</name>
    <message>
        <source>The program must be restarted for this option to take effect.</source>
        <translation>O programa precisa ser reiniciado para que esta opção tenha efeito.</translation>
    </message>
    <message>
        <source>Place and time</source>
        <translation>Local e hora</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Cores</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Preferências</translation>
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
        <translation>Dif. GMT</translation>
    </message>
    <message>
        <source>Offset List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Display military time</source>
        <extracomment>24-hour clock; the box is narrow</extracomment>
        <translation>Relógio 24 h</translation>
    </message>
    <message>
        <source>Hints</source>
        <extracomment>Tooltips on or off; the box has room for about eight letters</extracomment>
        <translation>Dicas</translation>
    </message>
    <message>
        <source>Use the system time zone</source>
        <translation>Usar o fuso horário do sistema</translation>
    </message>
    <message>
        <source>Title Bar Color</source>
        <translation>Barra de título</translation>
    </message>
    <message>
        <source>Title Text Color</source>
        <translation>Texto do título</translation>
    </message>
    <message>
        <source> Backgnd Color</source>
        <translation> Fundo</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Trail Text Color</source>
        <translation>Outros meses</translation>
    </message>
    <message>
        <source>Outline Color</source>
        <translation>Contorno</translation>
    </message>
    <message>
        <source>The system names no time zone</source>
        <translation>O sistema não indica nenhum fuso horário</translation>
    </message>
    <message>
        <source>On until you save a place</source>
        <translation>Ligado até você salvar um local</translation>
    </message>
    <message>
        <source>&amp;Calendars...</source>
        <translation>&amp;Calendários…</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>Calendários</translation>
    </message>
</context>
<context>
    <name>solvane::TMonthCalendar</name>
    <message>
        <source>Failed to set calendar date or time</source>
        <translation>Não foi possível definir a data ou a hora do calendário</translation>
    </message>
</context>
<context>
    <name>solvane::TMoon</name>
    <message>
        <source>new moon</source>
        <translation>lua nova</translation>
    </message>
    <message>
        <source>waxing crescent</source>
        <translation>lua crescente</translation>
    </message>
    <message>
        <source>first quarter</source>
        <translation>quarto crescente</translation>
    </message>
    <message>
        <source>waxing gibbous</source>
        <translation>gibosa crescente</translation>
    </message>
    <message>
        <source>full moon</source>
        <translation>lua cheia</translation>
    </message>
    <message>
        <source>waning gibbous</source>
        <translation>gibosa minguante</translation>
    </message>
    <message>
        <source>last quarter</source>
        <translation>quarto minguante</translation>
    </message>
    <message>
        <source>waning crescent</source>
        <translation>lua minguante</translation>
    </message>
    <message>
        <source>%1, %2% of the disc lit</source>
        <extracomment>the moon phase&apos;s name, then the share of the disc that is lit, in per cent</extracomment>
        <translation>%1, %2% do disco iluminado</translation>
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
        <translation>Preferências</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimir…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ocultar</translation>
    </message>
    <message>
        <source>Sunrise %1, sunset %2</source>
        <translation>Nascer do sol %1, pôr do sol %2</translation>
    </message>
    <message>
        <source>Calendars...</source>
        <translation>Calendários…</translation>
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
        <translation>Não é possível ler o arquivo de notas %1; ele fica como está.</translation>
    </message>
    <message>
        <source>The notes file %1 holds what this program cannot write back; it is left as it is.</source>
        <translation>O arquivo de notas %1 contém o que este programa não consegue regravar; ele fica como está.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Não é possível criar a pasta %1.</translation>
    </message>
    <message>
        <source>The notes could not be saved to %1: %2</source>
        <translation>Não foi possível salvar as notas em %1: %2</translation>
    </message>
</context>
</TS>
