<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>App</name>
    <message>
        <source>&amp;Quit Numivox</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Numivox, a four-function calculator that speaks its results and, as you choose,
its keys. With no options it opens its window. See numivox(1) for its keys and
menus.</source>
        <extracomment>Wrapped by hand at 80 columns, as the terminal shows it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DialogVoice</name>
    <message>
        <source>space</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpTexts</name>
    <message>
        <source>Sorry, this help topic could not be loaded.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MenuBar1</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Transcript…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print Transcript…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Numivox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy &amp;Transcript</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear &amp;Work Area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;High Contrast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Speech</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Say &amp;Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Say &amp;Last Calculation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speak &amp;Keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read Di&amp;gits Singly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Faster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Slower</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&amp;ouder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sof&amp;ter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Voice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Default Voice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Say Calculation So Far</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Previous Calculation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next Calculation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use &amp;Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numivox &amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Numbers</name>
    <message>
        <source>Infinity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-%1</source>
        <extracomment>A negative number, %1 without its sign, as the synthesiser is given it to say</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1e%2</source>
        <extracomment>A number in exponent form, as in 1.5e-07: %1 the digits before it, %2 the exponent</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>.</source>
        <extracomment>The decimal point of a number as the synthesiser is given it, &quot;,&quot; in German</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Operators</name>
    <message>
        <source>plus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>divide by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>divided by</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PagePrinting</name>
    <message>
        <source>Page: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Phrases</name>
    <message>
        <source>zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>two</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>three</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>four</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>five</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>six</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>seven</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>point</source>
        <extracomment>The decimal point, as a key says it and within a number said digit by digit</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>decimal point already included</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>decimal point is already included</source>
        <extracomment>Said for a second point typed on the keyboard; the clicked key says &quot;decimal point already included&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>clear work area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>clear all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>negative</source>
        <extracomment>The sign of a negative number</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>equals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INFINITY</source>
        <extracomment>The warning after a division by zero, said before &quot;equals&quot; and the result</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ready</source>
        <extracomment>Said as the program starts</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>display empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>transcript empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no calculation yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>speak keys on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>speak keys off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing to paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not pasted, more than 8 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not pasted, not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not used, not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>exponent</source>
        <extracomment>Before the exponent of a number said digit by digit, as in &quot;1 point 5 exponent negative 0 7&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>calculation %1 of %2, %3</source>
        <extracomment>%1: the calculation&apos;s number, %2: how many there are, %3: the calculation in words</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>calculation %1 of %2 is the first</source>
        <extracomment>%1: the calculation&apos;s number, %2: how many there are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>calculation %1 of %2 is the last</source>
        <extracomment>%1: the calculation&apos;s number, %2: how many there are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read digits singly on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read digits singly off</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgramInfo</name>
    <message>
        <source>Numivox v%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>All Files (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReleaseGate</name>
    <message>
        <source>This program requires Mac OS X 10.4 or higher. Please visit the program home page at %1 for information about versions of this program for other systems.</source>
        <extracomment>%1: the address of the program&apos;s home page</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SpokenText</name>
    <message>
        <source>enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>backspace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>return</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>escape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>control character</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TranscriptOutcomes</name>
    <message>
        <source>copied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>transcript copied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>transcript empty, clipboard emptied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>printing cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing to print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not printed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 printed on %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 printed to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>save cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not saved, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>saved as %1 in %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Translations</name>
    <message>
        <source>en</source>
        <extracomment>The code of this translation&apos;s language, as speech-dispatcher takes it: &quot;de&quot;, &quot;fr&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ViewCommands</name>
    <message>
        <source>zoom %1 percent is the largest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zoom %1 percent is the largest that fits the screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zoom %1 percent is the smallest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zoom %1 percent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>high contrast on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>high contrast off</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VoiceCommands</name>
    <message>
        <source>Male 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Male 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Male 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Female 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Female 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Female 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Child Male</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Child Female</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>negative %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>faster %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fastest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>slower %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>slowest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>louder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>loudest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>softer %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>softest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>voice %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>default voice</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Voicing</name>
    <message>
        <source>button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>check box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>radio button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>combo box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>spin box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>text field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>slider</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>plus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>equals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>alt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>submenu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unavailable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>context menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>checked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not checked</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>editFieldExtras</name>
    <message>
        <source>untitled.txt</source>
        <extracomment>The name the Save dialog offers for the transcript&apos;s file</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>wAbout</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for updates and other information related to Numivox online at </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright © 2024 The Numivox Project. Free software under the GNU General Public License, version 3 or later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numivox version %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>wHelp</name>
    <message>
        <source>General Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Requirements</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What&apos;s new in this version?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequently Asked Questions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use and Distribution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Titles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help text</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>wMain</name>
    <message>
        <source>Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transcript</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
