<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>App</name>
    <message>
        <source>&amp;Quit Numivox</source>
        <translation>Numivox &amp;beenden</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Numivox, a four-function calculator that speaks its results and, as you choose,
its keys. With no options it opens its window. See numivox(1) for its keys and
menus.</source>
        <extracomment>Wrapped by hand at 80 columns, as the terminal shows it.</extracomment>
        <translation>Numivox, ein Taschenrechner für die vier Grundrechenarten, der seine Ergebnisse
und, wenn Sie es wünschen, seine Tasten ansagt. Ohne Optionen öffnet er sein
Fenster. Seine Tasten und Menüs beschreibt numivox(1).</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version anzeigen und beenden.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation>unerwartetes Argument &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>DialogVoice</name>
    <message>
        <source>space</source>
        <translation>Leerzeichen</translation>
    </message>
</context>
<context>
    <name>HelpTexts</name>
    <message>
        <source>Sorry, this help topic could not be loaded.</source>
        <translation>Dieses Hilfethema konnte leider nicht geladen werden.</translation>
    </message>
</context>
<context>
    <name>MenuBar1</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Save Transcript…</source>
        <translation>Protokoll &amp;speichern…</translation>
    </message>
    <message>
        <source>&amp;Print Transcript…</source>
        <translation>Protokoll &amp;drucken…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;About Numivox</source>
        <translation>&amp;Über Numivox</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy &amp;Transcript</source>
        <translation>&amp;Protokoll kopieren</translation>
    </message>
    <message>
        <source>Clear &amp;Work Area</source>
        <translation>&amp;Arbeitsbereich löschen</translation>
    </message>
    <message>
        <source>Clear &amp;All</source>
        <translation>A&amp;lles löschen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Vergrößern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Originalgröße</translation>
    </message>
    <message>
        <source>&amp;High Contrast</source>
        <translation>&amp;Hoher Kontrast</translation>
    </message>
    <message>
        <source>&amp;Speech</source>
        <translation>&amp;Sprachausgabe</translation>
    </message>
    <message>
        <source>Say &amp;Display</source>
        <translation>&amp;Anzeige vorlesen</translation>
    </message>
    <message>
        <source>Say &amp;Last Calculation</source>
        <translation>&amp;Letzte Rechnung vorlesen</translation>
    </message>
    <message>
        <source>Speak &amp;Keys</source>
        <translation>&amp;Tastenansage</translation>
    </message>
    <message>
        <source>Read Di&amp;gits Singly</source>
        <translation>&amp;Ziffern einzeln vorlesen</translation>
    </message>
    <message>
        <source>&amp;Faster</source>
        <translation>&amp;Schneller</translation>
    </message>
    <message>
        <source>&amp;Slower</source>
        <translation>Lan&amp;gsamer</translation>
    </message>
    <message>
        <source>L&amp;ouder</source>
        <translation>La&amp;uter</translation>
    </message>
    <message>
        <source>Sof&amp;ter</source>
        <translation>Le&amp;iser</translation>
    </message>
    <message>
        <source>&amp;Voice</source>
        <translation>Sti&amp;mme</translation>
    </message>
    <message>
        <source>&amp;Default Voice</source>
        <translation>&amp;Standardstimme</translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>&amp;Rückblick</translation>
    </message>
    <message>
        <source>&amp;Say Calculation So Far</source>
        <translation>&amp;Laufende Rechnung vorlesen</translation>
    </message>
    <message>
        <source>&amp;Previous Calculation</source>
        <translation>&amp;Vorherige Rechnung</translation>
    </message>
    <message>
        <source>&amp;Next Calculation</source>
        <translation>&amp;Nächste Rechnung</translation>
    </message>
    <message>
        <source>Use &amp;Result</source>
        <translation>&amp;Ergebnis übernehmen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Numivox &amp;Help</source>
        <translation>Numivox-&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>Numbers</name>
    <message>
        <source>Infinity</source>
        <translation>unendlich</translation>
    </message>
    <message>
        <source>Not a number</source>
        <translation>keine Zahl</translation>
    </message>
    <message>
        <source>-%1</source>
        <extracomment>A negative number, %1 without its sign, as the synthesiser is given it to say</extracomment>
        <translation>negativ %1</translation>
    </message>
    <message>
        <source>%1e%2</source>
        <extracomment>A number in exponent form, as in 1.5e-07: %1 the digits before it, %2 the exponent</extracomment>
        <translation>%1 mal zehn hoch %2</translation>
    </message>
    <message>
        <source>.</source>
        <extracomment>The decimal point of a number as the synthesiser is given it, &quot;,&quot; in German</extracomment>
        <translation>,</translation>
    </message>
</context>
<context>
    <name>Operators</name>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>minus</translation>
    </message>
    <message>
        <source>times</source>
        <translation>mal</translation>
    </message>
    <message>
        <source>divide by</source>
        <translation>geteilt durch</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>geteilt durch</translation>
    </message>
</context>
<context>
    <name>PagePrinting</name>
    <message>
        <source>Page: %1</source>
        <translation>Seite: %1</translation>
    </message>
</context>
<context>
    <name>Phrases</name>
    <message>
        <source>zero</source>
        <translation>null</translation>
    </message>
    <message>
        <source>one</source>
        <translation>eins</translation>
    </message>
    <message>
        <source>two</source>
        <translation>zwei</translation>
    </message>
    <message>
        <source>three</source>
        <translation>drei</translation>
    </message>
    <message>
        <source>four</source>
        <translation>vier</translation>
    </message>
    <message>
        <source>five</source>
        <translation>fünf</translation>
    </message>
    <message>
        <source>six</source>
        <translation>sechs</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>sieben</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>acht</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>neun</translation>
    </message>
    <message>
        <source>point</source>
        <extracomment>The decimal point, as a key says it and within a number said digit by digit</extracomment>
        <translation>Komma</translation>
    </message>
    <message>
        <source>decimal point already included</source>
        <translation>Komma schon vorhanden</translation>
    </message>
    <message>
        <source>decimal point is already included</source>
        <extracomment>Said for a second point typed on the keyboard; the clicked key says &quot;decimal point already included&quot;</extracomment>
        <translation>Komma ist schon vorhanden</translation>
    </message>
    <message>
        <source>clear work area</source>
        <translation>Arbeitsbereich löschen</translation>
    </message>
    <message>
        <source>clear all</source>
        <translation>alles löschen</translation>
    </message>
    <message>
        <source>negative</source>
        <extracomment>The sign of a negative number</extracomment>
        <translation>negativ</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>gleich</translation>
    </message>
    <message>
        <source>INFINITY</source>
        <extracomment>The warning after a division by zero, said before &quot;equals&quot; and the result</extracomment>
        <translation>UNENDLICH</translation>
    </message>
    <message>
        <source>ready</source>
        <extracomment>Said as the program starts</extracomment>
        <translation>bereit</translation>
    </message>
    <message>
        <source>display empty</source>
        <translation>Anzeige leer</translation>
    </message>
    <message>
        <source>transcript empty</source>
        <translation>Protokoll leer</translation>
    </message>
    <message>
        <source>no calculation yet</source>
        <translation>noch keine Rechnung</translation>
    </message>
    <message>
        <source>speak keys on</source>
        <translation>Tastenansage ein</translation>
    </message>
    <message>
        <source>speak keys off</source>
        <translation>Tastenansage aus</translation>
    </message>
    <message>
        <source>nothing to paste</source>
        <translation>nichts zum Einfügen</translation>
    </message>
    <message>
        <source>not pasted, more than 8 characters</source>
        <translation>nicht eingefügt, mehr als 8 Zeichen</translation>
    </message>
    <message>
        <source>not pasted, not a number</source>
        <translation>nicht eingefügt, keine Zahl</translation>
    </message>
    <message>
        <source>not used, not a number</source>
        <translation>nicht übernommen, keine Zahl</translation>
    </message>
    <message>
        <source>exponent</source>
        <extracomment>Before the exponent of a number said digit by digit, as in &quot;1 point 5 exponent negative 0 7&quot;</extracomment>
        <translation>Exponent</translation>
    </message>
    <message>
        <source>calculation %1 of %2, %3</source>
        <extracomment>%1: the calculation&apos;s number, %2: how many there are, %3: the calculation in words</extracomment>
        <translation>Rechnung %1 von %2, %3</translation>
    </message>
    <message>
        <source>calculation %1 of %2 is the first</source>
        <extracomment>%1: the calculation&apos;s number, %2: how many there are</extracomment>
        <translation>Rechnung %1 von %2 ist die erste</translation>
    </message>
    <message>
        <source>calculation %1 of %2 is the last</source>
        <extracomment>%1: the calculation&apos;s number, %2: how many there are</extracomment>
        <translation>Rechnung %1 von %2 ist die letzte</translation>
    </message>
    <message>
        <source>read digits singly on</source>
        <translation>Ziffern einzeln vorlesen ein</translation>
    </message>
    <message>
        <source>read digits singly off</source>
        <translation>Ziffern einzeln vorlesen aus</translation>
    </message>
</context>
<context>
    <name>ProgramInfo</name>
    <message>
        <source>Numivox v%1</source>
        <translation>Numivox v%1</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>ReleaseGate</name>
    <message>
        <source>This program requires Mac OS X 10.4 or higher. Please visit the program home page at %1 for information about versions of this program for other systems.</source>
        <extracomment>%1: the address of the program&apos;s home page</extracomment>
        <translation>Dieses Programm erfordert Mac OS X 10.4 oder neuer. Informationen zu Versionen dieses Programms für andere Systeme finden Sie auf der Homepage des Programms unter %1.</translation>
    </message>
</context>
<context>
    <name>SpokenText</name>
    <message>
        <source>enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>backspace</source>
        <translation>Rücktaste</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>return</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>escape</source>
        <translation>Escape</translation>
    </message>
    <message>
        <source>left</source>
        <translation>links</translation>
    </message>
    <message>
        <source>right</source>
        <translation>rechts</translation>
    </message>
    <message>
        <source>up</source>
        <translation>hoch</translation>
    </message>
    <message>
        <source>down</source>
        <translation>runter</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>control character</source>
        <translation>Steuerzeichen</translation>
    </message>
</context>
<context>
    <name>TranscriptOutcomes</name>
    <message>
        <source>copied</source>
        <translation>kopiert</translation>
    </message>
    <message>
        <source>nothing selected</source>
        <translation>nichts ausgewählt</translation>
    </message>
    <message>
        <source>transcript copied</source>
        <translation>Protokoll kopiert</translation>
    </message>
    <message>
        <source>transcript empty, clipboard emptied</source>
        <translation>Protokoll leer, Zwischenablage geleert</translation>
    </message>
    <message>
        <source>printing cancelled</source>
        <translation>Drucken abgebrochen</translation>
    </message>
    <message>
        <source>nothing to print</source>
        <translation>nichts zu drucken</translation>
    </message>
    <message>
        <source>not printed</source>
        <translation>nicht gedruckt</translation>
    </message>
    <message>
        <source>1 page</source>
        <translation>eine Seite</translation>
    </message>
    <message>
        <source>%1 pages</source>
        <translation>%1 Seiten</translation>
    </message>
    <message>
        <source>%1 printed on %2</source>
        <translation>%1 gedruckt auf %2</translation>
    </message>
    <message>
        <source>%1 printed to %2</source>
        <translation>%1 gedruckt in Datei %2</translation>
    </message>
    <message>
        <source>save cancelled</source>
        <translation>Speichern abgebrochen</translation>
    </message>
    <message>
        <source>not saved, %1</source>
        <translation>nicht gespeichert, %1</translation>
    </message>
    <message>
        <source>saved as %1 in %2</source>
        <translation>gespeichert als %1 im Ordner %2</translation>
    </message>
</context>
<context>
    <name>Translations</name>
    <message>
        <source>en</source>
        <extracomment>The code of this translation&apos;s language, as speech-dispatcher takes it: &quot;de&quot;, &quot;fr&quot;.</extracomment>
        <translation>de</translation>
    </message>
</context>
<context>
    <name>ViewCommands</name>
    <message>
        <source>zoom %1 percent is the largest</source>
        <translation>Zoom %1 Prozent ist die größte Stufe</translation>
    </message>
    <message>
        <source>zoom %1 percent is the largest that fits the screen</source>
        <translation>Zoom %1 Prozent ist die größte Stufe, die auf den Bildschirm passt</translation>
    </message>
    <message>
        <source>zoom %1 percent is the smallest</source>
        <translation>Zoom %1 Prozent ist die kleinste Stufe</translation>
    </message>
    <message>
        <source>zoom %1 percent</source>
        <translation>Zoom %1 Prozent</translation>
    </message>
    <message>
        <source>high contrast on</source>
        <translation>Hoher Kontrast ein</translation>
    </message>
    <message>
        <source>high contrast off</source>
        <translation>Hoher Kontrast aus</translation>
    </message>
</context>
<context>
    <name>VoiceCommands</name>
    <message>
        <source>Male 1</source>
        <translation>Männlich 1</translation>
    </message>
    <message>
        <source>Male 2</source>
        <translation>Männlich 2</translation>
    </message>
    <message>
        <source>Male 3</source>
        <translation>Männlich 3</translation>
    </message>
    <message>
        <source>Female 1</source>
        <translation>Weiblich 1</translation>
    </message>
    <message>
        <source>Female 2</source>
        <translation>Weiblich 2</translation>
    </message>
    <message>
        <source>Female 3</source>
        <translation>Weiblich 3</translation>
    </message>
    <message>
        <source>Child Male</source>
        <translation>Kind männlich</translation>
    </message>
    <message>
        <source>Child Female</source>
        <translation>Kind weiblich</translation>
    </message>
    <message>
        <source>negative %1</source>
        <translation>minus %1</translation>
    </message>
    <message>
        <source>faster %1</source>
        <translation>schneller %1</translation>
    </message>
    <message>
        <source>fastest</source>
        <translation>am schnellsten</translation>
    </message>
    <message>
        <source>slower %1</source>
        <translation>langsamer %1</translation>
    </message>
    <message>
        <source>slowest</source>
        <translation>am langsamsten</translation>
    </message>
    <message>
        <source>louder %1</source>
        <translation>lauter %1</translation>
    </message>
    <message>
        <source>loudest</source>
        <translation>am lautesten</translation>
    </message>
    <message>
        <source>softer %1</source>
        <translation>leiser %1</translation>
    </message>
    <message>
        <source>softest</source>
        <translation>am leisesten</translation>
    </message>
    <message>
        <source>voice %1</source>
        <translation>Stimme %1</translation>
    </message>
    <message>
        <source>default voice</source>
        <translation>Standardstimme</translation>
    </message>
</context>
<context>
    <name>Voicing</name>
    <message>
        <source>button</source>
        <translation>Schalter</translation>
    </message>
    <message>
        <source>check box</source>
        <translation>Kontrollkästchen</translation>
    </message>
    <message>
        <source>radio button</source>
        <translation>Auswahlschalter</translation>
    </message>
    <message>
        <source>combo box</source>
        <translation>Kombinationsfeld</translation>
    </message>
    <message>
        <source>spin box</source>
        <translation>Drehfeld</translation>
    </message>
    <message>
        <source>text field</source>
        <translation>Eingabefeld</translation>
    </message>
    <message>
        <source>list</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>Registerkarte</translation>
    </message>
    <message>
        <source>slider</source>
        <translation>Schieberegler</translation>
    </message>
    <message>
        <source>link</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>minus</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>gleich</translation>
    </message>
    <message>
        <source>control</source>
        <translation>Steuerung</translation>
    </message>
    <message>
        <source>alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>shift</source>
        <translation>Umschalt</translation>
    </message>
    <message>
        <source>on</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>submenu</source>
        <translation>Untermenü</translation>
    </message>
    <message>
        <source>unavailable</source>
        <translation>nicht verfügbar</translation>
    </message>
    <message>
        <source>context menu</source>
        <translation>Kontextmenü</translation>
    </message>
    <message>
        <source>%1 menu</source>
        <translation>Menü %1</translation>
    </message>
    <message>
        <source>checked</source>
        <translation>aktiviert</translation>
    </message>
    <message>
        <source>not checked</source>
        <translation>nicht aktiviert</translation>
    </message>
</context>
<context>
    <name>editFieldExtras</name>
    <message>
        <source>untitled.txt</source>
        <extracomment>The name the Save dialog offers for the transcript&apos;s file</extracomment>
        <translation>unbenannt.txt</translation>
    </message>
</context>
<context>
    <name>wAbout</name>
    <message>
        <source>About</source>
        <translation>Über Numivox</translation>
    </message>
    <message>
        <source>Check for updates and other information related to Numivox online at </source>
        <translation>Updates und weitere Informationen zu Numivox finden Sie online unter </translation>
    </message>
    <message>
        <source>Copyright © 2024 The Numivox Project. Free software under the GNU General Public License, version 3 or later.</source>
        <translation>Copyright © 2024 The Numivox Project. Freie Software unter der GNU General Public License, Version 3 oder neuer.</translation>
    </message>
    <message>
        <source>Numivox version %1</source>
        <translation>Numivox Version %1</translation>
    </message>
</context>
<context>
    <name>wHelp</name>
    <message>
        <source>General Information</source>
        <translation>Allgemeine Informationen</translation>
    </message>
    <message>
        <source>System Requirements</source>
        <translation>Systemvoraussetzungen</translation>
    </message>
    <message>
        <source>What&apos;s new in this version?</source>
        <translation>Was ist neu in dieser Version?</translation>
    </message>
    <message>
        <source>Frequently Asked Questions</source>
        <translation>Häufig gestellte Fragen</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Support</translation>
    </message>
    <message>
        <source>Use and Distribution</source>
        <translation>Nutzung und Weitergabe</translation>
    </message>
    <message>
        <source>Other Titles</source>
        <translation>Weitere Titel</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Hilfetext</translation>
    </message>
</context>
<context>
    <name>wMain</name>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Transcript</source>
        <translation>Protokoll</translation>
    </message>
</context>
</TS>
